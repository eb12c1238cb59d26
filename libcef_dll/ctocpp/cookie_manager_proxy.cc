#include "libcef_dll/ctocpp/cookie_manager_proxy.h"

CEF_BRIDGE_PROXY(CefCookieManagerProxy)

CefRefPtr<CefCookieManager> CefCookieManager::GetGlobalManager(
    CefRefPtr<CefCompletionCallback> callback) {
  return CefCookieManagerProxy::Wrap(cef_cookie_manager_get_global_manager(
      Bridge<CefCompletionCallback>::ToLibrary(callback)));
}

CefRefPtr<CefCookieManager> CefCookieManager::CreateManager(
    const CefString& path, bool persist_session_cookies,
    CefRefPtr<CefCompletionCallback> callback) {
  return CefCookieManagerProxy::Wrap(cef_cookie_manager_create_manager(
      path.Record(), persist_session_cookies ? 1 : 0,
      Bridge<CefCompletionCallback>::ToLibrary(callback)));
}
