#ifndef CEF_LIBCEF_DLL_CTOCPP_NAVIGATION_ENTRY_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_NAVIGATION_ENTRY_PROXY_H_

#include "include/cef_navigation_entry.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefNavigationEntryProxy final
    : public ObjectProxy<CefNavigationEntryProxy, CefNavigationEntry,
                         cef_navigation_entry_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_NAVIGATION_ENTRY;

  bool IsValid() override { return Forward(&S::is_valid); }
  CefString GetURL() override { return Forward(&S::get_url); }
  CefString GetDisplayURL() override { return Forward(&S::get_display_url); }
  CefString GetOriginalURL() override { return Forward(&S::get_original_url); }
  CefString GetTitle() override { return Forward(&S::get_title); }
  TransitionType GetTransitionType() override {
    return ForwardOr(TT_EXPLICIT, &S::get_transition_type);
  }
  bool HasPostData() override { return Forward(&S::has_post_data); }
  CefTime GetCompletionTime() override {
    return Forward(&S::get_completion_time);
  }
  int GetHttpStatusCode() override { return Forward(&S::get_http_status_code); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_NAVIGATION_ENTRY_PROXY_H_
