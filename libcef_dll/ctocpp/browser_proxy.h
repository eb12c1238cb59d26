#ifndef CEF_LIBCEF_DLL_CTOCPP_BROWSER_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_BROWSER_PROXY_H_

#include <cstdint>
#include <vector>

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_process_message.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefBrowserProxy final
    : public ObjectProxy<CefBrowserProxy, CefBrowser, cef_browser_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_BROWSER;

  CefRefPtr<CefBrowserHost> GetHost() override {
    return Forward(&S::get_host);
  }
  bool CanGoBack() override { return Forward(&S::can_go_back); }
  void GoBack() override { Forward(&S::go_back); }
  bool CanGoForward() override { return Forward(&S::can_go_forward); }
  void GoForward() override { Forward(&S::go_forward); }
  bool IsLoading() override { return Forward(&S::is_loading); }
  void Reload() override { Forward(&S::reload); }
  void ReloadIgnoreCache() override { Forward(&S::reload_ignore_cache); }
  void StopLoad() override { Forward(&S::stop_load); }
  int GetIdentifier() override { return Forward(&S::get_identifier); }
  bool IsSame(CefRefPtr<CefBrowser> that) override {
    return Forward(&S::is_same, Required(that));
  }
  bool IsPopup() override { return Forward(&S::is_popup); }
  bool HasDocument() override { return Forward(&S::has_document); }
  CefRefPtr<CefFrame> GetMainFrame() override {
    return Forward(&S::get_main_frame);
  }
  CefRefPtr<CefFrame> GetFocusedFrame() override {
    return Forward(&S::get_focused_frame);
  }
  CefRefPtr<CefFrame> GetFrame(int64_t identifier) override {
    return Forward(&S::get_frame_byident, identifier);
  }
  // An empty name is the library's to interpret.
  CefRefPtr<CefFrame> GetFrame(const CefString& name) override {
    return Forward(&S::get_frame, name);
  }
  size_t GetFrameCount() override { return Forward(&S::get_frame_count); }
  void GetFrameIdentifiers(std::vector<int64_t>& identifiers) override {
    ForwardArray(&S::get_frame_identifiers, &CefBrowserProxy::GetFrameCount,
                 identifiers);
  }
  void GetFrameNames(EmbedStringVector& names) override {
    Forward(&S::get_frame_names, InOut(names));
  }
  bool SendProcessMessage(cef_process_id_t target_process,
                          CefRefPtr<CefProcessMessage> message) override {
    return Forward(&S::send_process_message, target_process,
                   Required(message));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_BROWSER_PROXY_H_
