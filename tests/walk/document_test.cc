#include <string>

#include "libcef_dll/ctocpp/domdocument_proxy.h"
#include "libcef_dll/ctocpp/domnode_proxy.h"
#include "libcef_dll/string_collections.h"
#include "tests/support/member_walk.h"

namespace {

using walk::Req;
using walk::Row;

class DocumentProxyTest : public fake::LedgerTest {};

TEST_F(DocumentProxyTest, EveryDocumentMember) {
  typedef cef_domdocument_t S;
  typedef CefDOMDocument I;
  walk::WalkProxy<CefDOMDocumentProxy>({
      Row<&S::get_type>(&I::GetType),
      Row<&S::get_document>(&I::GetDocument),
      Row<&S::get_body>(&I::GetBody),
      Row<&S::get_head>(&I::GetHead),
      Row<&S::get_title>(&I::GetTitle),
      Row<&S::get_element_by_id>(&I::GetElementById, Req(CefString("main")))
          .Sees("\"main\""),
      Row<&S::get_focused_node>(&I::GetFocusedNode),
      Row<&S::has_selection>(&I::HasSelection),
      Row<&S::get_selection_start_offset>(&I::GetSelectionStartOffset),
      Row<&S::get_selection_end_offset>(&I::GetSelectionEndOffset),
      Row<&S::get_selection_as_markup>(&I::GetSelectionAsMarkup),
      Row<&S::get_selection_as_text>(&I::GetSelectionAsText),
      Row<&S::get_base_url>(&I::GetBaseURL),
      Row<&S::get_complete_url>(&I::GetCompleteURL, Req(CefString("a.html")))
          .Sees("\"a.html\""),
  });
}

TEST_F(DocumentProxyTest, EveryNodeMember) {
  typedef cef_domnode_t S;
  typedef CefDOMNode I;
  CefDOMNode::AttributeMap attributes{{"class", "x"}};
  cef_domnode_t* other_struct = fake::NewObject<cef_domnode_t>();
  CefRefPtr<CefDOMNode> other = CefDOMNodeProxy::Wrap(other_struct);
  walk::WalkProxy<CefDOMNodeProxy>({
      Row<&S::get_type>(&I::GetType),
      Row<&S::is_text>(&I::IsText),
      Row<&S::is_element>(&I::IsElement),
      Row<&S::is_editable>(&I::IsEditable),
      Row<&S::is_form_control_element>(&I::IsFormControlElement),
      Row<&S::get_form_control_element_type>(&I::GetFormControlElementType),
      Row<&S::is_same>(&I::IsSame, Req(other))
          .Sees("#" + std::to_string(fake::IdOf(other_struct))),
      Row<&S::get_name>(&I::GetName),
      Row<&S::get_value>(&I::GetValue),
      Row<&S::set_value>(&I::SetValue, Req(CefString("v"))).Sees("\"v\""),
      Row<&S::get_as_markup>(&I::GetAsMarkup),
      Row<&S::get_document>(&I::GetDocument),
      Row<&S::get_parent>(&I::GetParent),
      Row<&S::get_previous_sibling>(&I::GetPreviousSibling),
      Row<&S::get_next_sibling>(&I::GetNextSibling),
      Row<&S::has_children>(&I::HasChildren),
      Row<&S::get_first_child>(&I::GetFirstChild),
      Row<&S::get_last_child>(&I::GetLastChild),
      Row<&S::get_element_tag_name>(&I::GetElementTagName),
      Row<&S::has_element_attributes>(&I::HasElementAttributes),
      Row<&S::has_element_attribute>(&I::HasElementAttribute,
                                     Req(CefString("id")))
          .Sees("\"id\""),
      Row<&S::get_element_attribute>(&I::GetElementAttribute,
                                     Req(CefString("id"))),
      Row<&S::get_element_attributes>(&I::GetElementAttributes, attributes)
          .Sees("ptr"),
      Row<&S::set_element_attribute>(&I::SetElementAttribute,
                                     Req(CefString("id")), Req(CefString("v")))
          .Sees("\"id\", \"v\""),
      Row<&S::get_element_inner_text>(&I::GetElementInnerText),
  });
}

// The library's answer: the same node whatever proxy stands for it. Like
// every structure it is handed, `that` comes with a reference to drop.
int CEF_CALLBACK SameNode(cef_domnode_t* self, cef_domnode_t* that) {
  const int same = self == that;
  if (that) that->base.release(&that->base);
  return same;
}

TEST_F(DocumentProxyTest, NodeIdentityIsTheLibrarysNotTheProxys) {
  cef_domnode_t* node = fake::NewObject<cef_domnode_t>();
  cef_domnode_t* other = fake::NewObject<cef_domnode_t>();
  node->is_same = &SameNode;
  node->base.add_ref(&node->base);
  CefRefPtr<CefDOMNode> first = CefDOMNodeProxy::Wrap(node);
  CefRefPtr<CefDOMNode> second = CefDOMNodeProxy::Wrap(node);
  CefRefPtr<CefDOMNode> third = CefDOMNodeProxy::Wrap(other);

  EXPECT_NE(first.get(), second.get());
  EXPECT_TRUE(first->IsSame(second));
  EXPECT_FALSE(first->IsSame(third));
  EXPECT_FALSE(first->IsSame(nullptr));
  EXPECT_EQ(fake::RefsOf(node), 2);
  EXPECT_EQ(fake::RefsOf(other), 1);
}

// The library keeps the element's attributes in its own order and drops
// whatever the caller's map held.
void CEF_CALLBACK Attributes(cef_domnode_t*, cef_string_map_t map) {
  cef_string_map_clear(map);
  CefString id("id"), main("main"), cls("class"), wide("wide");
  cef_string_map_append(map, id.Record(), main.Record());
  cef_string_map_append(map, cls.Record(), wide.Record());
}

TEST_F(DocumentProxyTest, AttributeMapHoldsOnlyWhatTheLibraryReports) {
  cef_domnode_t* node = fake::NewObject<cef_domnode_t>();
  node->get_element_attributes = &Attributes;
  CefRefPtr<CefDOMNode> proxy = CefDOMNodeProxy::Wrap(node);
  CefDOMNode::AttributeMap attributes{{"stale", "1"}};

  proxy->GetElementAttributes(attributes);
  EXPECT_EQ(walk::Describe(attributes), "{\"class\":\"wide\",\"id\":\"main\"}");

  node->get_element_attributes = nullptr;
  proxy->GetElementAttributes(attributes);
  EXPECT_EQ(attributes.size(), 2u) << "an absent member changes nothing";
}

}  // namespace
