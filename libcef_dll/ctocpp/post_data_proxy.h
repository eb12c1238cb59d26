#ifndef CEF_LIBCEF_DLL_CTOCPP_POST_DATA_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_POST_DATA_PROXY_H_

#include "include/cef_request.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefPostDataProxy final
    : public ObjectProxy<CefPostDataProxy, CefPostData, cef_post_data_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_POST_DATA;

  bool IsReadOnly() override { return Forward(&S::is_read_only); }
  bool HasExcludedElements() override {
    return Forward(&S::has_excluded_elements);
  }
  size_t GetElementCount() override { return Forward(&S::get_element_count); }
  void GetElements(ElementVector& elements) override {
    ForwardArray(&S::get_elements, &CefPostDataProxy::GetElementCount, elements);
  }
  bool RemoveElement(CefRefPtr<CefPostDataElement> element) override {
    return Forward(&S::remove_element, Required(element));
  }
  bool AddElement(CefRefPtr<CefPostDataElement> element) override {
    return Forward(&S::add_element, Required(element));
  }
  void RemoveElements() override { Forward(&S::remove_elements); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_POST_DATA_PROXY_H_
