#ifndef CEF_LIBCEF_DLL_CTOCPP_FRAME_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_FRAME_PROXY_H_

#include <cstdint>

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_request.h"
#include "include/cef_v8.h"
#include "include/cef_visitors.h"
#include "libcef_dll/ctocpp/object_proxy.h"

// A <windows.h> included after the interface would rename the override.
#ifdef LoadString
#undef LoadString
#endif

class CefFrameProxy final
    : public ObjectProxy<CefFrameProxy, CefFrame, cef_frame_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_FRAME;

  bool IsValid() override { return Forward(&S::is_valid); }
  void Undo() override { Forward(&S::undo); }
  void Redo() override { Forward(&S::redo); }
  void Cut() override { Forward(&S::cut); }
  void Copy() override { Forward(&S::copy); }
  void Paste() override { Forward(&S::paste); }
  void Delete() override { Forward(&S::del); }
  void SelectAll() override { Forward(&S::select_all); }
  void ViewSource() override { Forward(&S::view_source); }
  void GetSource(CefRefPtr<CefStringVisitor> visitor) override {
    Forward(&S::get_source, Required(visitor));
  }
  void GetText(CefRefPtr<CefStringVisitor> visitor) override {
    Forward(&S::get_text, Required(visitor));
  }
  void LoadRequest(CefRefPtr<CefRequest> request) override {
    Forward(&S::load_request, Required(request));
  }
  void LoadURL(const CefString& url) override {
    Forward(&S::load_url, Required(url));
  }
  void LoadString(const CefString& string_val, const CefString& url) override {
    Forward(&S::load_string, Required(string_val), Required(url));
  }
  void ExecuteJavaScript(const CefString& code, const CefString& script_url,
                         int start_line) override {
    Forward(&S::execute_java_script, Required(code), script_url, start_line);
  }
  bool IsMain() override { return Forward(&S::is_main); }
  bool IsFocused() override { return Forward(&S::is_focused); }
  CefString GetName() override { return Forward(&S::get_name); }
  int64_t GetIdentifier() override { return Forward(&S::get_identifier); }
  CefRefPtr<CefFrame> GetParent() override { return Forward(&S::get_parent); }
  CefString GetURL() override { return Forward(&S::get_url); }
  CefRefPtr<CefBrowser> GetBrowser() override {
    return Forward(&S::get_browser);
  }
  CefRefPtr<CefV8Context> GetV8Context() override {
    return Forward(&S::get_v8context);
  }
  void VisitDOM(CefRefPtr<CefDOMVisitor> visitor) override {
    Forward(&S::visit_dom, Required(visitor));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_FRAME_PROXY_H_
