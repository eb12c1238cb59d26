#include "libcef_dll/ctocpp/request_proxy.h"

CEF_BRIDGE_PROXY(CefRequestProxy)

CefRefPtr<CefRequest> CefRequest::Create() {
  return CefRequestProxy::Wrap(cef_request_create());
}
