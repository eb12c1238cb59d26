#include "libcef_dll/ctocpp/request_context_proxy.h"

CEF_BRIDGE_PROXY(CefRequestContextProxy)

CefRefPtr<CefRequestContext> CefRequestContext::GetGlobalContext() {
  return CefRequestContextProxy::Wrap(cef_request_context_get_global_context());
}

CefRefPtr<CefRequestContext> CefRequestContext::CreateContext(
    const CefRequestContextSettings& settings,
    CefRefPtr<CefRequestContextHandler> handler) {
  return CefRequestContextProxy::Wrap(cef_request_context_create_context(
      &settings.Get(), Bridge<CefRequestContextHandler>::ToLibrary(handler)));
}

CefRefPtr<CefRequestContext> CefRequestContext::CreateContext(
    CefRefPtr<CefRequestContext> other,
    CefRefPtr<CefRequestContextHandler> handler) {
  // Sharing needs a library context to share with; one the library cannot
  // see (null, or a program object of its own) is refused before the handler
  // is handed over.
  cef_request_context_t* shared = CefRequestContextProxy::Unwrap(other);
  if (!shared) return nullptr;
  return CefRequestContextProxy::Wrap(cef_create_context_shared(
      shared, Bridge<CefRequestContextHandler>::ToLibrary(handler)));
}
