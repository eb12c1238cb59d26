#include "libcef_dll/ctocpp/list_value_proxy.h"

CEF_BRIDGE_PROXY(CefListValueProxy)

CefRefPtr<CefListValue> CefListValue::Create() {
  return CefListValueProxy::Wrap(cef_list_value_create());
}
