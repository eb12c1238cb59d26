#include "libcef_dll/ctocpp/dictionary_value_proxy.h"

CEF_BRIDGE_PROXY(CefDictionaryValueProxy)

CefRefPtr<CefDictionaryValue> CefDictionaryValue::Create() {
  return CefDictionaryValueProxy::Wrap(cef_dictionary_value_create());
}
