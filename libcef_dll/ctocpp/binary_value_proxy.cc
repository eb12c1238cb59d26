#include "libcef_dll/ctocpp/binary_value_proxy.h"

CEF_BRIDGE_PROXY(CefBinaryValueProxy)

CefRefPtr<CefBinaryValue> CefBinaryValue::Create(const void* data,
                                                 size_t data_size) {
  if (!data) return nullptr;
  return CefBinaryValueProxy::Wrap(cef_binary_value_create(data, data_size));
}
