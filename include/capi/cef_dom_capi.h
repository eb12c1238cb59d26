// A page's document tree, as the library offers it to a document visitor.
// Documents and nodes are valid only while the visitor runs.
#ifndef CEF_INCLUDE_CAPI_CEF_DOM_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_DOM_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_domdocument_t;
struct _cef_domnode_t;

// Both enumerations use the library's published numbering; 0 is what a
// document or node reports when it cannot answer.
typedef enum {
  DOM_DOCUMENT_TYPE_UNKNOWN = 0,
  DOM_DOCUMENT_TYPE_HTML,
  DOM_DOCUMENT_TYPE_XHTML,
  DOM_DOCUMENT_TYPE_PLUGIN,
} cef_dom_document_type_t;

typedef enum {
  DOM_NODE_TYPE_UNSUPPORTED = 0,
  DOM_NODE_TYPE_ELEMENT,
  DOM_NODE_TYPE_ATTRIBUTE,
  DOM_NODE_TYPE_TEXT,
  DOM_NODE_TYPE_CDATA_SECTION,
  DOM_NODE_TYPE_PROCESSING_INSTRUCTIONS,
  DOM_NODE_TYPE_COMMENT,
  DOM_NODE_TYPE_DOCUMENT,
  DOM_NODE_TYPE_DOCUMENT_TYPE,
  DOM_NODE_TYPE_DOCUMENT_FRAGMENT,
} cef_dom_node_type_t;

typedef struct _cef_domdocument_t {
  cef_base_t base;
  cef_dom_document_type_t(CEF_CALLBACK* get_type)(
      struct _cef_domdocument_t* self);
  struct _cef_domnode_t*(CEF_CALLBACK* get_document)(
      struct _cef_domdocument_t* self);
  struct _cef_domnode_t*(CEF_CALLBACK* get_body)(
      struct _cef_domdocument_t* self);
  struct _cef_domnode_t*(CEF_CALLBACK* get_head)(
      struct _cef_domdocument_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_title)(
      struct _cef_domdocument_t* self);
  struct _cef_domnode_t*(CEF_CALLBACK* get_element_by_id)(
      struct _cef_domdocument_t* self, const cef_string_t* id);
  struct _cef_domnode_t*(CEF_CALLBACK* get_focused_node)(
      struct _cef_domdocument_t* self);
  int(CEF_CALLBACK* has_selection)(struct _cef_domdocument_t* self);
  int(CEF_CALLBACK* get_selection_start_offset)(
      struct _cef_domdocument_t* self);
  int(CEF_CALLBACK* get_selection_end_offset)(struct _cef_domdocument_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_selection_as_markup)(
      struct _cef_domdocument_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_selection_as_text)(
      struct _cef_domdocument_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_base_url)(
      struct _cef_domdocument_t* self);
  // Resolves `partialURL` against the document's base address.
  cef_string_userfree_t(CEF_CALLBACK* get_complete_url)(
      struct _cef_domdocument_t* self, const cef_string_t* partialURL);
} cef_domdocument_t;

typedef struct _cef_domnode_t {
  cef_base_t base;
  cef_dom_node_type_t(CEF_CALLBACK* get_type)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* is_text)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* is_element)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* is_editable)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* is_form_control_element)(struct _cef_domnode_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_form_control_element_type)(
      struct _cef_domnode_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_domnode_t* self,
                             struct _cef_domnode_t* that);
  cef_string_userfree_t(CEF_CALLBACK* get_name)(struct _cef_domnode_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_value)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* set_value)(struct _cef_domnode_t* self,
                               const cef_string_t* value);
  cef_string_userfree_t(CEF_CALLBACK* get_as_markup)(
      struct _cef_domnode_t* self);
  struct _cef_domdocument_t*(CEF_CALLBACK* get_document)(
      struct _cef_domnode_t* self);
  struct _cef_domnode_t*(CEF_CALLBACK* get_parent)(struct _cef_domnode_t* self);
  struct _cef_domnode_t*(CEF_CALLBACK* get_previous_sibling)(
      struct _cef_domnode_t* self);
  struct _cef_domnode_t*(CEF_CALLBACK* get_next_sibling)(
      struct _cef_domnode_t* self);
  int(CEF_CALLBACK* has_children)(struct _cef_domnode_t* self);
  struct _cef_domnode_t*(CEF_CALLBACK* get_first_child)(
      struct _cef_domnode_t* self);
  struct _cef_domnode_t*(CEF_CALLBACK* get_last_child)(
      struct _cef_domnode_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_element_tag_name)(
      struct _cef_domnode_t* self);
  int(CEF_CALLBACK* has_element_attributes)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* has_element_attribute)(struct _cef_domnode_t* self,
                                           const cef_string_t* attrName);
  cef_string_userfree_t(CEF_CALLBACK* get_element_attribute)(
      struct _cef_domnode_t* self, const cef_string_t* attrName);
  void(CEF_CALLBACK* get_element_attributes)(struct _cef_domnode_t* self,
                                             cef_string_map_t attrMap);
  int(CEF_CALLBACK* set_element_attribute)(struct _cef_domnode_t* self,
                                           const cef_string_t* attrName,
                                           const cef_string_t* value);
  cef_string_userfree_t(CEF_CALLBACK* get_element_inner_text)(
      struct _cef_domnode_t* self);
} cef_domnode_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_DOM_CAPI_H_
