#include <functional>
#include <string>
#include <vector>

#include "libcef_dll/ctocpp/binary_value_proxy.h"
#include "libcef_dll/ctocpp/dictionary_value_proxy.h"
#include "libcef_dll/ctocpp/list_value_proxy.h"
#include "libcef_dll/ctocpp/value_proxy.h"
#include "tests/fake/fake_library.h"
#include "tests/support/member_walk.h"

namespace {

using walk::NewProxy;
using walk::Seen;
using walk::StructOf;
using walk::Idx;
using walk::Req;
using walk::Row;

class ValuesTest : public fake::LibraryTest {};

struct Samples {
  CefRefPtr<CefValue> value = NewProxy<CefValueProxy>();
  CefRefPtr<CefBinaryValue> binary = NewProxy<CefBinaryValueProxy>();
  CefRefPtr<CefDictionaryValue> dictionary =
      NewProxy<CefDictionaryValueProxy>();
  CefRefPtr<CefListValue> list = NewProxy<CefListValueProxy>();

  std::string value_seen = Seen<CefValueProxy>(value);
  std::string binary_seen = Seen<CefBinaryValueProxy>(binary);
  std::string dictionary_seen = Seen<CefDictionaryValueProxy>(dictionary);
  std::string list_seen = Seen<CefListValueProxy>(list);
};

TEST_F(ValuesTest, ValueEveryMember) {
  typedef cef_value_t S;
  typedef CefValue I;
  Samples s;
  walk::WalkProxy<CefValueProxy>({
      Row<&S::is_valid>(&I::IsValid),
      Row<&S::is_owned>(&I::IsOwned),
      Row<&S::is_read_only>(&I::IsReadOnly),
      Row<&S::is_same>(&I::IsSame, Req(s.value)).Sees(s.value_seen),
      Row<&S::is_equal>(&I::IsEqual, Req(s.value)).Sees(s.value_seen),
      Row<&S::copy>(&I::Copy),
      Row<&S::get_type>(&I::GetType),
      Row<&S::get_bool>(&I::GetBool),
      Row<&S::get_int>(&I::GetInt),
      Row<&S::get_double>(&I::GetDouble),
      Row<&S::get_string>(&I::GetString),
      Row<&S::get_binary>(&I::GetBinary),
      Row<&S::get_dictionary>(&I::GetDictionary),
      Row<&S::get_list>(&I::GetList),
      Row<&S::set_null>(&I::SetNull),
      Row<&S::set_bool>(&I::SetBool, true).Sees("1"),
      Row<&S::set_int>(&I::SetInt, -5).Sees("-5"),
      Row<&S::set_double>(&I::SetDouble, 2.5).Sees("2.5"),
      // Optional: an empty holder still reaches the library.
      Row<&S::set_string>(&I::SetString, CefString()).Sees("null"),
      Row<&S::set_binary>(&I::SetBinary, Req(s.binary)).Sees(s.binary_seen),
      Row<&S::set_dictionary>(&I::SetDictionary, Req(s.dictionary))
          .Sees(s.dictionary_seen),
      Row<&S::set_list>(&I::SetList, Req(s.list)).Sees(s.list_seen),
  });
}

TEST_F(ValuesTest, BinaryEveryMember) {
  typedef cef_binary_value_t S;
  typedef CefBinaryValue I;
  Samples s;
  unsigned char buffer[8] = {};
  walk::WalkProxy<CefBinaryValueProxy>({
      Row<&S::is_valid>(&I::IsValid),
      Row<&S::is_owned>(&I::IsOwned),
      Row<&S::is_same>(&I::IsSame, Req(s.binary)).Sees(s.binary_seen),
      Row<&S::is_equal>(&I::IsEqual, Req(s.binary)).Sees(s.binary_seen),
      Row<&S::copy>(&I::Copy),
      Row<&S::get_size>(&I::GetSize),
      Row<&S::get_data>(&I::GetData, Req(static_cast<void*>(buffer)),
                        sizeof(buffer), size_t{2})
          .Sees("ptr, 8, 2"),
  });
}

TEST_F(ValuesTest, DictionaryEveryMember) {
  typedef cef_dictionary_value_t S;
  typedef CefDictionaryValue I;
  Samples s;
  const CefString key("k");
  CefDictionaryValue::KeyList keys{"old"};
  walk::WalkProxy<CefDictionaryValueProxy>({
      Row<&S::is_valid>(&I::IsValid),
      Row<&S::is_owned>(&I::IsOwned),
      Row<&S::is_read_only>(&I::IsReadOnly),
      Row<&S::is_same>(&I::IsSame, Req(s.dictionary)).Sees(s.dictionary_seen),
      Row<&S::is_equal>(&I::IsEqual, Req(s.dictionary)).Sees(s.dictionary_seen),
      Row<&S::copy>(&I::Copy, true).Sees("1"),
      Row<&S::get_size>(&I::GetSize),
      Row<&S::clear>(&I::Clear),
      Row<&S::has_key>(&I::HasKey, Req(key)).Sees("\"k\""),
      Row<&S::get_keys>(&I::GetKeys, keys).Sees("ptr"),
      Row<&S::remove>(&I::Remove, Req(key)).Sees("\"k\""),
      Row<&S::get_type>(&I::GetType, Req(key)),
      Row<&S::get_value>(&I::GetValue, Req(key)),
      Row<&S::get_bool>(&I::GetBool, Req(key)),
      Row<&S::get_int>(&I::GetInt, Req(key)),
      Row<&S::get_double>(&I::GetDouble, Req(key)),
      Row<&S::get_string>(&I::GetString, Req(key)).Sees("\"k\""),
      Row<&S::get_binary>(&I::GetBinary, Req(key)),
      Row<&S::get_dictionary>(&I::GetDictionary, Req(key)),
      Row<&S::get_list>(&I::GetList, Req(key)),
      Row<&S::set_value>(&I::SetValue, Req(key), Req(s.value))
          .Sees("\"k\", " + s.value_seen),
      Row<&S::set_null>(&I::SetNull, Req(key)),
      Row<&S::set_bool>(&I::SetBool, Req(key), true).Sees("\"k\", 1"),
      Row<&S::set_int>(&I::SetInt, Req(key), 7).Sees("\"k\", 7"),
      Row<&S::set_double>(&I::SetDouble, Req(key), 0.25).Sees("\"k\", 0.25"),
      // The value is optional: an empty one still reaches the library.
      Row<&S::set_string>(&I::SetString, Req(key), CefString())
          .Sees("\"k\", null"),
      Row<&S::set_binary>(&I::SetBinary, Req(key), Req(s.binary))
          .Sees("\"k\", " + s.binary_seen),
      Row<&S::set_dictionary>(&I::SetDictionary, Req(key), Req(s.dictionary))
          .Sees("\"k\", " + s.dictionary_seen),
      Row<&S::set_list>(&I::SetList, Req(key), Req(s.list))
          .Sees("\"k\", " + s.list_seen),
  });
}

TEST_F(ValuesTest, ListEveryMember) {
  typedef cef_list_value_t S;
  typedef CefListValue I;
  Samples s;
  walk::WalkProxy<CefListValueProxy>({
      Row<&S::is_valid>(&I::IsValid),
      Row<&S::is_owned>(&I::IsOwned),
      Row<&S::is_read_only>(&I::IsReadOnly),
      Row<&S::is_same>(&I::IsSame, Req(s.list)).Sees(s.list_seen),
      Row<&S::is_equal>(&I::IsEqual, Req(s.list)).Sees(s.list_seen),
      Row<&S::copy>(&I::Copy),
      Row<&S::set_size>(&I::SetSize, size_t{4}).Sees("4"),
      Row<&S::get_size>(&I::GetSize),
      Row<&S::clear>(&I::Clear),
      Row<&S::remove>(&I::Remove, Idx(3)).Sees("3"),
      Row<&S::get_type>(&I::GetType, Idx(3)),
      Row<&S::get_value>(&I::GetValue, Idx(3)),
      Row<&S::get_bool>(&I::GetBool, Idx(3)),
      Row<&S::get_int>(&I::GetInt, Idx(0)).Sees("0"),
      Row<&S::get_double>(&I::GetDouble, Idx(3)),
      Row<&S::get_string>(&I::GetString, Idx(3)),
      Row<&S::get_binary>(&I::GetBinary, Idx(3)),
      Row<&S::get_dictionary>(&I::GetDictionary, Idx(3)),
      Row<&S::get_list>(&I::GetList, Idx(3)),
      Row<&S::set_value>(&I::SetValue, Idx(3), Req(s.value))
          .Sees("3, " + s.value_seen),
      Row<&S::set_null>(&I::SetNull, Idx(3)),
      Row<&S::set_bool>(&I::SetBool, Idx(3), true).Sees("3, 1"),
      Row<&S::set_int>(&I::SetInt, Idx(3), 7).Sees("3, 7"),
      Row<&S::set_double>(&I::SetDouble, Idx(3), 0.25).Sees("3, 0.25"),
      Row<&S::set_string>(&I::SetString, Idx(3), CefString()).Sees("3, null"),
      Row<&S::set_binary>(&I::SetBinary, Idx(3), Req(s.binary))
          .Sees("3, " + s.binary_seen),
      Row<&S::set_dictionary>(&I::SetDictionary, Idx(3), Req(s.dictionary))
          .Sees("3, " + s.dictionary_seen),
      Row<&S::set_list>(&I::SetList, Idx(3), Req(s.list))
          .Sees("3, " + s.list_seen),
  });
}

// ---------------------------------------------------------------------------
// Storing a container: the library keeps one reference of its own, and
// the caller's pointer keeps its own.

void* g_stored = nullptr;

int CEF_CALLBACK ValueSetList(cef_value_t*, cef_list_value_t* stored) {
  g_stored = stored;
  return 1;
}
int CEF_CALLBACK DictionarySetValue(cef_dictionary_value_t*,
                                    const cef_string_t*, cef_value_t* stored) {
  g_stored = stored;
  return 1;
}
int CEF_CALLBACK ListSetBinary(cef_list_value_t*, size_t,
                               cef_binary_value_t* stored) {
  g_stored = stored;
  return 1;
}

TEST_F(ValuesTest, StoringAContainerHandsTheLibraryOneReference) {
  struct Case {
    const char* name;
    // Stores a new container and answers its structure.
    std::function<void*()> store;
  };
  const std::vector<Case> cases = {
      {"CefValue::SetList",
       []() -> void* {
         CefRefPtr<CefValue> holder = NewProxy<CefValueProxy>();
         StructOf<CefValueProxy>(holder)->set_list = ValueSetList;
         CefRefPtr<CefListValue> stored = NewProxy<CefListValueProxy>();
         EXPECT_TRUE(holder->SetList(stored));
         EXPECT_FALSE(stored->HasOneRef()) << "the library holds one too";
         return StructOf<CefListValueProxy>(stored);
       }},
      {"CefDictionaryValue::SetValue",
       []() -> void* {
         CefRefPtr<CefDictionaryValue> holder =
             NewProxy<CefDictionaryValueProxy>();
         StructOf<CefDictionaryValueProxy>(holder)->set_value =
             DictionarySetValue;
         CefRefPtr<CefValue> stored = NewProxy<CefValueProxy>();
         EXPECT_TRUE(holder->SetValue("k", stored));
         EXPECT_FALSE(stored->HasOneRef()) << "the library holds one too";
         return StructOf<CefValueProxy>(stored);
       }},
      {"CefListValue::SetBinary",
       []() -> void* {
         CefRefPtr<CefListValue> holder = NewProxy<CefListValueProxy>();
         StructOf<CefListValueProxy>(holder)->set_binary = ListSetBinary;
         CefRefPtr<CefBinaryValue> stored = NewProxy<CefBinaryValueProxy>();
         EXPECT_TRUE(holder->SetBinary(0, stored));
         EXPECT_FALSE(stored->HasOneRef()) << "the library holds one too";
         return StructOf<CefBinaryValueProxy>(stored);
       }},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(each.name);
    g_stored = nullptr;
    void* structure = each.store();
    ASSERT_EQ(g_stored, structure) << "the library got another structure";
    // The caller's proxy is gone: what is left is the library's.
    EXPECT_EQ(fake::RefsOf(structure), 1);
    cef_base_t* base = static_cast<cef_base_t*>(structure);
    base->release(base);
  }
}

// ---------------------------------------------------------------------------

size_t g_keys_passed_in = 0;

int CEF_CALLBACK TwoKeys(cef_dictionary_value_t*, cef_string_list_t keys) {
  g_keys_passed_in = cef_string_list_size(keys);
  cef_string_list_clear(keys);
  for (const char* key : {"b", "a"}) {
    CefString text(key);
    cef_string_list_append(keys, text.Record());
  }
  return 1;
}

TEST_F(ValuesTest, GetKeysLeavesOnlyWhatTheLibraryReported) {
  CefRefPtr<CefDictionaryValue> dictionary =
      NewProxy<CefDictionaryValueProxy>();
  StructOf<CefDictionaryValueProxy>(dictionary)->get_keys = TwoKeys;
  CefDictionaryValue::KeyList keys{"stale"};
  EXPECT_TRUE(dictionary->GetKeys(keys));
  EXPECT_EQ(g_keys_passed_in, 1u);
  EXPECT_EQ(walk::Describe(keys), "[\"b\",\"a\"]");
}

// ---------------------------------------------------------------------------

TEST_F(ValuesTest, CreatorsWrapWhatTheLibraryMakes) {
  static const unsigned char kBytes[3] = {1, 2, 3};
  struct Case {
    const char* export_name;
    std::function<bool()> create;  // true when a proxy came back
  };
  const std::vector<Case> cases = {
      {"cef_value_create", [] { return CefValue::Create() != nullptr; }},
      {"cef_binary_value_create",
       [] { return CefBinaryValue::Create(kBytes, 3) != nullptr; }},
      {"cef_dictionary_value_create",
       [] { return CefDictionaryValue::Create() != nullptr; }},
      {"cef_list_value_create",
       [] { return CefListValue::Create() != nullptr; }},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(each.export_name);
    fake::Reset();
    EXPECT_TRUE(each.create());
    EXPECT_EQ(fake::CallCount(each.export_name), 1);
    fake::State().results[each.export_name] = 0;
    EXPECT_FALSE(each.create()) << "a null from the library";
    EXPECT_EQ(fake::CallCount(each.export_name), 2);
  }
}

TEST_F(ValuesTest, BinaryCreateNeedsData) {
  static const unsigned char kBytes[3] = {1, 2, 3};
  EXPECT_EQ(CefBinaryValue::Create(nullptr, 4), nullptr);
  EXPECT_EQ(fake::CallCount("cef_binary_value_create"), 0);
  EXPECT_NE(CefBinaryValue::Create(kBytes, 3), nullptr);
  const fake::Call* call = fake::LastCall("cef_binary_value_create");
  ASSERT_NE(call, nullptr);
  EXPECT_EQ(call->args, (std::vector<std::string>{"<ptr>", "3"}));
}

}  // namespace
