#include "libcef_dll/ctocpp/value_proxy.h"

CEF_BRIDGE_PROXY(CefValueProxy)

CefRefPtr<CefValue> CefValue::Create() {
  return CefValueProxy::Wrap(cef_value_create());
}
