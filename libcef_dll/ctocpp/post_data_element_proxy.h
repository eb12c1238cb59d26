#ifndef CEF_LIBCEF_DLL_CTOCPP_POST_DATA_ELEMENT_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_POST_DATA_ELEMENT_PROXY_H_

#include "include/cef_request.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefPostDataElementProxy final
    : public ObjectProxy<CefPostDataElementProxy, CefPostDataElement,
                         cef_post_data_element_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_POST_DATA_ELEMENT;

  bool IsReadOnly() override { return Forward(&S::is_read_only); }
  void SetToEmpty() override { Forward(&S::set_to_empty); }
  void SetToFile(const CefString& fileName) override {
    Forward(&S::set_to_file, Required(fileName));
  }
  // The buffers stay the caller's: the library copies out of or into them
  // during the call only.
  void SetToBytes(size_t size, const void* bytes) override {
    Forward(&S::set_to_bytes, size, Required(bytes));
  }
  Type GetType() override { return Forward(&S::get_type); }
  CefString GetFile() override { return Forward(&S::get_file); }
  size_t GetBytesCount() override { return Forward(&S::get_bytes_count); }
  size_t GetBytes(size_t size, void* bytes) override {
    return Forward(&S::get_bytes, size, Required(bytes));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_POST_DATA_ELEMENT_PROXY_H_
