#include "libcef_dll/ctocpp/browser_host_proxy.h"

#include "include/capi/cef_browser_capi.h"
#include "libcef_dll/ctocpp/browser_proxy.h"

CEF_BRIDGE_PROXY(CefBrowserHostProxy)

namespace {

// Client and request context are optional; each structure that crosses
// carries the one reference the library takes over.
cef_client_t* ClientForLibrary(const CefRefPtr<CefClient>& client) {
  return client ? Bridge<CefClient>::ToLibrary(client) : nullptr;
}

cef_request_context_t* ContextForLibrary(
    const CefRefPtr<CefRequestContext>& request_context) {
  return request_context
             ? Bridge<CefRequestContext>::ToLibrary(request_context)
             : nullptr;
}

}  // namespace

bool CefBrowserHost::CreateBrowser(
    const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client,
    const CefString& url, const CefBrowserSettings& settings,
    CefRefPtr<CefRequestContext> request_context) {
  return cef_browser_host_create_browser(
             &windowInfo.Get(), ClientForLibrary(client), url.Record(),
             &settings.Get(), ContextForLibrary(request_context)) != 0;
}

CefRefPtr<CefBrowser> CefBrowserHost::CreateBrowserSync(
    const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client,
    const CefString& url, const CefBrowserSettings& settings,
    CefRefPtr<CefRequestContext> request_context) {
  return CefBrowserProxy::Wrap(cef_browser_host_create_browser_sync(
      &windowInfo.Get(), ClientForLibrary(client), url.Record(),
      &settings.Get(), ContextForLibrary(request_context)));
}
