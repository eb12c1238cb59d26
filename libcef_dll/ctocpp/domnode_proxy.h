#ifndef CEF_LIBCEF_DLL_CTOCPP_DOMNODE_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_DOMNODE_PROXY_H_

#include "include/cef_dom.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefDOMNodeProxy final
    : public ObjectProxy<CefDOMNodeProxy, CefDOMNode, cef_domnode_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DOMNODE;

  Type GetType() override { return Forward(&S::get_type); }
  bool IsText() override { return Forward(&S::is_text); }
  bool IsElement() override { return Forward(&S::is_element); }
  bool IsEditable() override { return Forward(&S::is_editable); }
  bool IsFormControlElement() override {
    return Forward(&S::is_form_control_element);
  }
  CefString GetFormControlElementType() override {
    return Forward(&S::get_form_control_element_type);
  }
  bool IsSame(CefRefPtr<CefDOMNode> that) override {
    return Forward(&S::is_same, Required(that));
  }
  CefString GetName() override { return Forward(&S::get_name); }
  CefString GetValue() override { return Forward(&S::get_value); }
  bool SetValue(const CefString& value) override {
    return Forward(&S::set_value, Required(value));
  }
  CefString GetAsMarkup() override { return Forward(&S::get_as_markup); }
  CefRefPtr<CefDOMDocument> GetDocument() override {
    return Forward(&S::get_document);
  }
  CefRefPtr<CefDOMNode> GetParent() override { return Forward(&S::get_parent); }
  CefRefPtr<CefDOMNode> GetPreviousSibling() override {
    return Forward(&S::get_previous_sibling);
  }
  CefRefPtr<CefDOMNode> GetNextSibling() override {
    return Forward(&S::get_next_sibling);
  }
  bool HasChildren() override { return Forward(&S::has_children); }
  CefRefPtr<CefDOMNode> GetFirstChild() override {
    return Forward(&S::get_first_child);
  }
  CefRefPtr<CefDOMNode> GetLastChild() override {
    return Forward(&S::get_last_child);
  }
  CefString GetElementTagName() override {
    return Forward(&S::get_element_tag_name);
  }
  bool HasElementAttributes() override {
    return Forward(&S::has_element_attributes);
  }
  bool HasElementAttribute(const CefString& attrName) override {
    return Forward(&S::has_element_attribute, Required(attrName));
  }
  CefString GetElementAttribute(const CefString& attrName) override {
    return Forward(&S::get_element_attribute, Required(attrName));
  }
  void GetElementAttributes(AttributeMap& attrMap) override {
    Forward(&S::get_element_attributes, InOut(attrMap));
  }
  bool SetElementAttribute(const CefString& attrName,
                           const CefString& value) override {
    return Forward(&S::set_element_attribute, Required(attrName),
                   Required(value));
  }
  CefString GetElementInnerText() override {
    return Forward(&S::get_element_inner_text);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_DOMNODE_PROXY_H_
