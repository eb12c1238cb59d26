#ifndef CEF_LIBCEF_DLL_CTOCPP_RESPONSE_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_RESPONSE_PROXY_H_

#include "include/cef_response.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefResponseProxy final
    : public ObjectProxy<CefResponseProxy, CefResponse, cef_response_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_RESPONSE;

  bool IsReadOnly() override { return Forward(&S::is_read_only); }
  int GetStatus() override { return Forward(&S::get_status); }
  void SetStatus(int status) override { Forward(&S::set_status, status); }
  CefString GetStatusText() override { return Forward(&S::get_status_text); }
  void SetStatusText(const CefString& statusText) override {
    Forward(&S::set_status_text, Required(statusText));
  }
  CefString GetMimeType() override { return Forward(&S::get_mime_type); }
  void SetMimeType(const CefString& mimeType) override {
    Forward(&S::set_mime_type, Required(mimeType));
  }
  CefString GetHeader(const CefString& name) override {
    return Forward(&S::get_header, Required(name));
  }
  void GetHeaderMap(HeaderMap& headerMap) override {
    Forward(&S::get_header_map, InOut(headerMap));
  }
  void SetHeaderMap(const HeaderMap& headerMap) override {
    Forward(&S::set_header_map, headerMap);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_RESPONSE_PROXY_H_
