#include "libcef_dll/ctocpp/response_proxy.h"

CEF_BRIDGE_PROXY(CefResponseProxy)

CefRefPtr<CefResponse> CefResponse::Create() {
  return CefResponseProxy::Wrap(cef_response_create());
}
