#ifndef CEF_LIBCEF_DLL_CTOCPP_DOMDOCUMENT_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_DOMDOCUMENT_PROXY_H_

#include "include/cef_dom.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefDOMDocumentProxy final
    : public ObjectProxy<CefDOMDocumentProxy, CefDOMDocument,
                         cef_domdocument_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DOMDOCUMENT;

  Type GetType() override { return Forward(&S::get_type); }
  CefRefPtr<CefDOMNode> GetDocument() override {
    return Forward(&S::get_document);
  }
  CefRefPtr<CefDOMNode> GetBody() override { return Forward(&S::get_body); }
  CefRefPtr<CefDOMNode> GetHead() override { return Forward(&S::get_head); }
  CefString GetTitle() override { return Forward(&S::get_title); }
  CefRefPtr<CefDOMNode> GetElementById(const CefString& id) override {
    return Forward(&S::get_element_by_id, Required(id));
  }
  CefRefPtr<CefDOMNode> GetFocusedNode() override {
    return Forward(&S::get_focused_node);
  }
  bool HasSelection() override { return Forward(&S::has_selection); }
  int GetSelectionStartOffset() override {
    return Forward(&S::get_selection_start_offset);
  }
  int GetSelectionEndOffset() override {
    return Forward(&S::get_selection_end_offset);
  }
  CefString GetSelectionAsMarkup() override {
    return Forward(&S::get_selection_as_markup);
  }
  CefString GetSelectionAsText() override {
    return Forward(&S::get_selection_as_text);
  }
  CefString GetBaseURL() override { return Forward(&S::get_base_url); }
  CefString GetCompleteURL(const CefString& partialURL) override {
    return Forward(&S::get_complete_url, Required(partialURL));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_DOMDOCUMENT_PROXY_H_
