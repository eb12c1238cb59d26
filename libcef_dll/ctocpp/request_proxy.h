#ifndef CEF_LIBCEF_DLL_CTOCPP_REQUEST_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_REQUEST_PROXY_H_

#include "include/cef_request.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefRequestProxy final
    : public ObjectProxy<CefRequestProxy, CefRequest, cef_request_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_REQUEST;

  bool IsReadOnly() override { return Forward(&S::is_read_only); }
  CefString GetURL() override { return Forward(&S::get_url); }
  void SetURL(const CefString& url) override {
    Forward(&S::set_url, Required(url));
  }
  CefString GetMethod() override { return Forward(&S::get_method); }
  void SetMethod(const CefString& method) override {
    Forward(&S::set_method, Required(method));
  }
  void SetReferrer(const CefString& referrer_url,
                   ReferrerPolicy policy) override {
    Forward(&S::set_referrer, Required(referrer_url), policy);
  }
  CefString GetReferrerURL() override {
    return Forward(&S::get_referrer_url);
  }
  // The library's own answer when it has none to give.
  ReferrerPolicy GetReferrerPolicy() override {
    return ForwardOr(REFERRER_POLICY_DEFAULT, &S::get_referrer_policy);
  }
  CefRefPtr<CefPostData> GetPostData() override {
    return Forward(&S::get_post_data);
  }
  void SetPostData(CefRefPtr<CefPostData> postData) override {
    Forward(&S::set_post_data, Required(postData));
  }
  void GetHeaderMap(HeaderMap& headerMap) override {
    Forward(&S::get_header_map, InOut(headerMap));
  }
  void SetHeaderMap(const HeaderMap& headerMap) override {
    Forward(&S::set_header_map, headerMap);
  }
  // A null `postData` clears the upload data, so it is not required here.
  void Set(const CefString& url, const CefString& method,
           CefRefPtr<CefPostData> postData,
           const HeaderMap& headerMap) override {
    Forward(&S::set, Required(url), Required(method), postData, headerMap);
  }
  int GetFlags() override { return Forward(&S::get_flags); }
  void SetFlags(int flags) override { Forward(&S::set_flags, flags); }
  CefString GetFirstPartyForCookies() override {
    return Forward(&S::get_first_party_for_cookies);
  }
  void SetFirstPartyForCookies(const CefString& url) override {
    Forward(&S::set_first_party_for_cookies, Required(url));
  }
  ResourceType GetResourceType() override {
    return ForwardOr(RT_SUB_RESOURCE, &S::get_resource_type);
  }
  TransitionType GetTransitionType() override {
    return ForwardOr(TT_EXPLICIT, &S::get_transition_type);
  }
  uint64_t GetIdentifier() override { return Forward(&S::get_identifier); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_REQUEST_PROXY_H_
