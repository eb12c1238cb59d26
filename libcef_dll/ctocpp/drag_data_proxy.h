#ifndef CEF_LIBCEF_DLL_CTOCPP_DRAG_DATA_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_DRAG_DATA_PROXY_H_

#include "include/cef_drag_data.h"
#include "include/cef_stream.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefDragDataProxy final
    : public ObjectProxy<CefDragDataProxy, CefDragData, cef_drag_data_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DRAG_DATA;

  CefRefPtr<CefDragData> Clone() override { return Forward(&S::clone); }
  bool IsReadOnly() override { return Forward(&S::is_read_only); }
  bool IsLink() override { return Forward(&S::is_link); }
  bool IsFragment() override { return Forward(&S::is_fragment); }
  bool IsFile() override { return Forward(&S::is_file); }
  CefString GetLinkURL() override { return Forward(&S::get_link_url); }
  CefString GetLinkTitle() override { return Forward(&S::get_link_title); }
  CefString GetLinkMetadata() override {
    return Forward(&S::get_link_metadata);
  }
  CefString GetFragmentText() override {
    return Forward(&S::get_fragment_text);
  }
  CefString GetFragmentHtml() override {
    return Forward(&S::get_fragment_html);
  }
  CefString GetFragmentBaseURL() override {
    return Forward(&S::get_fragment_base_url);
  }
  CefString GetFileName() override { return Forward(&S::get_file_name); }
  // A null writer still reaches the library: it asks for the size.
  size_t GetFileContents(CefRefPtr<CefStreamWriter> writer) override {
    return Forward(&S::get_file_contents, writer);
  }
  bool GetFileNames(EmbedStringVector& names) override {
    return Forward(&S::get_file_names, InOut(names));
  }
  void SetLinkURL(const CefString& url) override {
    Forward(&S::set_link_url, url);
  }
  void SetLinkTitle(const CefString& title) override {
    Forward(&S::set_link_title, title);
  }
  void SetLinkMetadata(const CefString& data) override {
    Forward(&S::set_link_metadata, data);
  }
  void SetFragmentText(const CefString& text) override {
    Forward(&S::set_fragment_text, text);
  }
  void SetFragmentHtml(const CefString& html) override {
    Forward(&S::set_fragment_html, html);
  }
  void SetFragmentBaseURL(const CefString& base_url) override {
    Forward(&S::set_fragment_base_url, base_url);
  }
  void ResetFileContents() override { Forward(&S::reset_file_contents); }
  void AddFile(const CefString& path, const CefString& display_name) override {
    Forward(&S::add_file, Required(path), display_name);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_DRAG_DATA_PROXY_H_
