// Process messages and their argument lists.
#include "gtest/gtest.h"
#include "include/capi/cef_process_message_capi.h"
#include "include/cef_process_message.h"
#include "include/cef_values.h"

namespace {

TEST(ProcessMessage, NeedsANameAndStartsEmptyAndWritable) {
  EXPECT_FALSE(CefProcessMessage::Create(CefString()));
  EXPECT_EQ(nullptr, cef_process_message_create(nullptr));
  cef_string_t empty = {};
  EXPECT_EQ(nullptr, cef_process_message_create(&empty));

  CefRefPtr<CefProcessMessage> m = CefProcessMessage::Create("näme.1");
  ASSERT_TRUE(m);
  EXPECT_TRUE(m->IsValid());
  EXPECT_FALSE(m->IsReadOnly());
  EXPECT_EQ("näme.1", m->GetName().ToUtf8());
  CefRefPtr<CefListValue> args = m->GetArgumentList();
  ASSERT_TRUE(args);
  EXPECT_TRUE(args->IsValid());
  EXPECT_FALSE(args->IsReadOnly());
  EXPECT_EQ(0u, args->GetSize());
}

// The list handed out is the message's own: what is set through one handle
// shows through the next.
TEST(ProcessMessage, ArgumentListIsTheMessages) {
  CefRefPtr<CefProcessMessage> m = CefProcessMessage::Create("m");
  ASSERT_TRUE(m->GetArgumentList()->SetString(0, "first"));
  ASSERT_TRUE(m->GetArgumentList()->SetInt(1, 42));
  CefRefPtr<CefListValue> args = m->GetArgumentList();
  ASSERT_EQ(2u, args->GetSize());
  EXPECT_EQ("first", args->GetString(0).ToUtf8());
  EXPECT_EQ(42, args->GetInt(1));
  EXPECT_TRUE(args->IsSame(m->GetArgumentList()));
  // Dropping a handle leaves the list with the message.
  args = nullptr;
  EXPECT_EQ("first", m->GetArgumentList()->GetString(0).ToUtf8());
}

// Set into another container, the message's list is copied, not taken.
TEST(ProcessMessage, ArgumentListStaysWithTheMessage) {
  CefRefPtr<CefProcessMessage> m = CefProcessMessage::Create("m");
  CefRefPtr<CefListValue> args = m->GetArgumentList();
  args->SetString(0, "kept");
  CefRefPtr<CefDictionaryValue> other = CefDictionaryValue::Create();
  ASSERT_TRUE(other->SetList("args", args));
  EXPECT_TRUE(args->IsValid());
  other = nullptr;
  EXPECT_TRUE(args->IsValid());
  EXPECT_EQ("kept", m->GetArgumentList()->GetString(0).ToUtf8());
}

TEST(ProcessMessage, CopyIsWritableAndIndependent) {
  CefRefPtr<CefProcessMessage> m = CefProcessMessage::Create("msg");
  CefRefPtr<CefListValue> args = m->GetArgumentList();
  args->SetString(0, "a");
  CefRefPtr<CefListValue> nested = CefListValue::Create();
  nested->SetInt(0, 7);
  args->SetList(1, nested);

  CefRefPtr<CefProcessMessage> c = m->Copy();
  ASSERT_TRUE(c);
  EXPECT_TRUE(c->IsValid());
  EXPECT_FALSE(c->IsReadOnly());
  EXPECT_EQ("msg", c->GetName().ToUtf8());
  CefRefPtr<CefListValue> cargs = c->GetArgumentList();
  EXPECT_TRUE(cargs->IsEqual(args));
  EXPECT_FALSE(cargs->IsSame(args));

  cargs->SetString(0, "changed");
  cargs->GetList(1)->SetInt(0, 8);
  cargs->SetBool(2, true);
  EXPECT_EQ("a", args->GetString(0).ToUtf8());
  EXPECT_EQ(7, args->GetList(1)->GetInt(0));
  EXPECT_EQ(2u, args->GetSize());

  // And the other way round; the copy outlives its original too.
  args->SetString(0, "original");
  m = nullptr;
  args = nullptr;
  EXPECT_EQ("changed", cargs->GetString(0).ToUtf8());
  EXPECT_EQ(3u, c->GetArgumentList()->GetSize());
}

}  // namespace
