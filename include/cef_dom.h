// A page's document tree, read (and lightly edited) while a document visitor
// runs. Node proxies are not unique per node: compare them with IsSame.
#ifndef CEF_INCLUDE_CEF_DOM_H_
#define CEF_INCLUDE_CEF_DOM_H_

#include "include/capi/cef_dom_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefDOMNode;

class CefDOMDocument : public virtual CefBase {
 public:
  typedef cef_dom_document_type_t Type;

  virtual Type GetType() = 0;
  virtual CefRefPtr<CefDOMNode> GetDocument() = 0;
  virtual CefRefPtr<CefDOMNode> GetBody() = 0;
  virtual CefRefPtr<CefDOMNode> GetHead() = 0;
  virtual CefString GetTitle() = 0;
  virtual CefRefPtr<CefDOMNode> GetElementById(const CefString& id) = 0;
  virtual CefRefPtr<CefDOMNode> GetFocusedNode() = 0;
  virtual bool HasSelection() = 0;
  virtual int GetSelectionStartOffset() = 0;
  virtual int GetSelectionEndOffset() = 0;
  virtual CefString GetSelectionAsMarkup() = 0;
  virtual CefString GetSelectionAsText() = 0;
  virtual CefString GetBaseURL() = 0;
  // Resolves `partialURL` against the document's base address.
  virtual CefString GetCompleteURL(const CefString& partialURL) = 0;
};

class CefDOMNode : public virtual CefBase {
 public:
  typedef EmbedStringMap AttributeMap;
  typedef cef_dom_node_type_t Type;

  virtual Type GetType() = 0;
  virtual bool IsText() = 0;
  virtual bool IsElement() = 0;
  virtual bool IsEditable() = 0;
  virtual bool IsFormControlElement() = 0;
  virtual CefString GetFormControlElementType() = 0;
  virtual bool IsSame(CefRefPtr<CefDOMNode> that) = 0;
  virtual CefString GetName() = 0;
  virtual CefString GetValue() = 0;
  // Refuses an empty value.
  virtual bool SetValue(const CefString& value) = 0;
  virtual CefString GetAsMarkup() = 0;
  virtual CefRefPtr<CefDOMDocument> GetDocument() = 0;
  virtual CefRefPtr<CefDOMNode> GetParent() = 0;
  virtual CefRefPtr<CefDOMNode> GetPreviousSibling() = 0;
  virtual CefRefPtr<CefDOMNode> GetNextSibling() = 0;
  virtual bool HasChildren() = 0;
  virtual CefRefPtr<CefDOMNode> GetFirstChild() = 0;
  virtual CefRefPtr<CefDOMNode> GetLastChild() = 0;
  virtual CefString GetElementTagName() = 0;
  virtual bool HasElementAttributes() = 0;
  virtual bool HasElementAttribute(const CefString& attrName) = 0;
  virtual CefString GetElementAttribute(const CefString& attrName) = 0;
  // Replaces the map's content with the element's attributes.
  virtual void GetElementAttributes(AttributeMap& attrMap) = 0;
  // Refuses an empty name or value.
  virtual bool SetElementAttribute(const CefString& attrName,
                                   const CefString& value) = 0;
  virtual CefString GetElementInnerText() = 0;
};

#endif  // CEF_INCLUDE_CEF_DOM_H_
