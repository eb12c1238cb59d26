#ifndef CEF_LIBCEF_DLL_CTOCPP_COOKIE_MANAGER_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_COOKIE_MANAGER_PROXY_H_

#include "include/cef_callbacks_program.h"
#include "include/cef_cookie.h"
#include "include/cef_visitors.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefCookieManagerProxy final
    : public ObjectProxy<CefCookieManagerProxy, CefCookieManager,
                         cef_cookie_manager_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_COOKIE_MANAGER;

  void SetSupportedSchemes(const EmbedStringVector& schemes,
                           CefRefPtr<CefCompletionCallback> callback) override {
    Forward(&S::set_supported_schemes, schemes, callback);
  }
  bool VisitAllCookies(CefRefPtr<CefCookieVisitor> visitor) override {
    return Forward(&S::visit_all_cookies, Required(visitor));
  }
  bool VisitUrlCookies(const CefString& url, bool includeHttpOnly,
                       CefRefPtr<CefCookieVisitor> visitor) override {
    return Forward(&S::visit_url_cookies, Required(url), includeHttpOnly,
                   Required(visitor));
  }
  bool SetCookie(const CefString& url, const CefCookie& cookie,
                 CefRefPtr<CefSetCookieCallback> callback) override {
    return Forward(&S::set_cookie, Required(url), cookie, callback);
  }
  bool DeleteCookies(const CefString& url, const CefString& cookie_name,
                     CefRefPtr<CefDeleteCookiesCallback> callback) override {
    return Forward(&S::delete_cookies, url, cookie_name, callback);
  }
  bool SetStoragePath(const CefString& path, bool persist_session_cookies,
                      CefRefPtr<CefCompletionCallback> callback) override {
    return Forward(&S::set_storage_path, path, persist_session_cookies,
                   callback);
  }
  bool FlushStore(CefRefPtr<CefCompletionCallback> callback) override {
    return Forward(&S::flush_store, callback);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_COOKIE_MANAGER_PROXY_H_
