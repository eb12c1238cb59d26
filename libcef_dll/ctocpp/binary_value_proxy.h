#ifndef CEF_LIBCEF_DLL_CTOCPP_BINARY_VALUE_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_BINARY_VALUE_PROXY_H_

#include "include/cef_values.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefBinaryValueProxy final
    : public ObjectProxy<CefBinaryValueProxy, CefBinaryValue,
                         cef_binary_value_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_BINARY_VALUE;

  bool IsValid() override { return Forward(&S::is_valid); }
  bool IsOwned() override { return Forward(&S::is_owned); }
  bool IsSame(CefRefPtr<CefBinaryValue> that) override {
    return Forward(&S::is_same, Required(that));
  }
  bool IsEqual(CefRefPtr<CefBinaryValue> that) override {
    return Forward(&S::is_equal, Required(that));
  }
  CefRefPtr<CefBinaryValue> Copy() override { return Forward(&S::copy); }
  size_t GetSize() override { return Forward(&S::get_size); }
  size_t GetData(void* buffer, size_t buffer_size,
                 size_t data_offset) override {
    return Forward(&S::get_data, Required(buffer), buffer_size, data_offset);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_BINARY_VALUE_PROXY_H_
