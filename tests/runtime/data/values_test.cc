// The value objects as a program uses them through the bridge: every type in
// every container, copies, identity against equality, who owns a child and
// what a handle reads once its child or tree is gone, list sizes, bytes out
// of a binary value, and Base64 text decoded into one.
#include <limits.h>
#include <stdint.h>
#include <string.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "gtest/gtest.h"
#include "include/cef_entry.h"
#include "include/cef_values.h"

namespace {

using Bytes = std::vector<unsigned char>;

CefRefPtr<CefBinaryValue> Binary(const Bytes& bytes) {
  return CefBinaryValue::Create(bytes.data(), bytes.size());
}

Bytes BytesOf(CefRefPtr<CefBinaryValue> binary) {
  if (!binary)
    return {};
  Bytes out(binary->GetSize());
  if (!out.empty())
    out.resize(binary->GetData(out.data(), out.size(), 0));
  return out;
}

// One place a value can be written: a value itself, a dictionary's key or a
// list's index.
class Slot {
 public:
  virtual ~Slot() = default;
  virtual bool SetNull() = 0;
  virtual bool SetBool(bool v) = 0;
  virtual bool SetInt(int v) = 0;
  virtual bool SetDouble(double v) = 0;
  virtual bool SetString(const CefString& v) = 0;
  virtual bool SetBinary(CefRefPtr<CefBinaryValue> v) = 0;
  virtual bool SetDictionary(CefRefPtr<CefDictionaryValue> v) = 0;
  virtual bool SetList(CefRefPtr<CefListValue> v) = 0;
};

// Everything the typed getters read from one place.
struct Reading {
  CefValueType type = VTYPE_INVALID;
  bool b = false;
  int i = 0;
  double d = 0;
  std::string s;
  Bytes binary;
  size_t dictionary_size = SIZE_MAX;  // SIZE_MAX: no dictionary
  size_t list_size = SIZE_MAX;

  bool operator==(const Reading& o) const {
    return type == o.type && b == o.b && i == o.i && d == o.d && s == o.s &&
           binary == o.binary && dictionary_size == o.dictionary_size &&
           list_size == o.list_size;
  }
};

std::ostream& operator<<(std::ostream& os, const Reading& r) {
  return os << "{type " << r.type << ", " << r.b << ", " << r.i << ", " << r.d
            << ", \"" << r.s << "\", " << r.binary.size() << " bytes, dict "
            << r.dictionary_size << ", list " << r.list_size << "}";
}

// The same reading from a value, a key or an index: one template over how
// the container names the place.
template <class Container, class... Key>
Reading Read(Container c, Key... key) {
  Reading r;
  r.type = c->GetType(key...);
  r.b = c->GetBool(key...);
  r.i = c->GetInt(key...);
  r.d = c->GetDouble(key...);
  r.s = c->GetString(key...).ToUtf8();
  r.binary = BytesOf(c->GetBinary(key...));
  if (auto dict = c->GetDictionary(key...))
    r.dictionary_size = dict->GetSize();
  if (auto list = c->GetList(key...))
    r.list_size = list->GetSize();
  return r;
}

template <class Container, class... Key>
class SlotIn : public Slot {
 public:
  SlotIn(Container c, Key... key) : c_(c), key_(key...) {}
  bool SetNull() override {
    return Call([](auto c, auto... k) { return c->SetNull(k...); });
  }
  bool SetBool(bool v) override {
    return Call([v](auto c, auto... k) { return c->SetBool(k..., v); });
  }
  bool SetInt(int v) override {
    return Call([v](auto c, auto... k) { return c->SetInt(k..., v); });
  }
  bool SetDouble(double v) override {
    return Call([v](auto c, auto... k) { return c->SetDouble(k..., v); });
  }
  bool SetString(const CefString& v) override {
    return Call([&v](auto c, auto... k) { return c->SetString(k..., v); });
  }
  bool SetBinary(CefRefPtr<CefBinaryValue> v) override {
    return Call([v](auto c, auto... k) { return c->SetBinary(k..., v); });
  }
  bool SetDictionary(CefRefPtr<CefDictionaryValue> v) override {
    return Call([v](auto c, auto... k) { return c->SetDictionary(k..., v); });
  }
  bool SetList(CefRefPtr<CefListValue> v) override {
    return Call([v](auto c, auto... k) { return c->SetList(k..., v); });
  }

 private:
  template <class F>
  bool Call(F f) {
    return std::apply([&](auto... k) { return f(c_, k...); }, key_);
  }
  Container c_;
  std::tuple<Key...> key_;
};

struct TypeCase {
  const char* name;
  std::function<bool(Slot&)> set;
  Reading expected;
};

Reading Expect(CefValueType type, std::function<void(Reading&)> fill = {}) {
  Reading r;
  r.type = type;
  if (fill)
    fill(r);
  return r;
}

std::vector<TypeCase> TypeCases() {
  return {
      {"null", [](Slot& s) { return s.SetNull(); }, Expect(VTYPE_NULL)},
      {"true", [](Slot& s) { return s.SetBool(true); },
       Expect(VTYPE_BOOL, [](Reading& r) { r.b = true; })},
      {"false", [](Slot& s) { return s.SetBool(false); }, Expect(VTYPE_BOOL)},
      // An int also reads as a double; nothing else crosses types.
      {"int", [](Slot& s) { return s.SetInt(INT_MIN); },
       Expect(VTYPE_INT, [](Reading& r) {
         r.i = INT_MIN;
         r.d = INT_MIN;
       })},
      {"double", [](Slot& s) { return s.SetDouble(-2.5e300); },
       Expect(VTYPE_DOUBLE, [](Reading& r) { r.d = -2.5e300; })},
      {"string",
       [](Slot& s) { return s.SetString("h\xC3\xA9llo \xF0\x9F\x98\x80"); },
       Expect(VTYPE_STRING,
              [](Reading& r) { r.s = "h\xC3\xA9llo \xF0\x9F\x98\x80"; })},
      {"empty string", [](Slot& s) { return s.SetString(CefString()); },
       Expect(VTYPE_STRING)},
      {"binary", [](Slot& s) { return s.SetBinary(Binary({0, 1, 255})); },
       Expect(VTYPE_BINARY, [](Reading& r) { r.binary = {0, 1, 255}; })},
      {"dictionary",
       [](Slot& s) {
         auto d = CefDictionaryValue::Create();
         d->SetInt("a", 1);
         d->SetInt("b", 2);
         return s.SetDictionary(d);
       },
       Expect(VTYPE_DICTIONARY, [](Reading& r) { r.dictionary_size = 2; })},
      {"list",
       [](Slot& s) {
         auto l = CefListValue::Create();
         l->SetSize(3);
         return s.SetList(l);
       },
       Expect(VTYPE_LIST, [](Reading& r) { r.list_size = 3; })},
  };
}

TEST(Values, EveryTypeReadsBackTheSameFromAValueAKeyAndAnIndex) {
  for (const TypeCase& c : TypeCases()) {
    SCOPED_TRACE(c.name);
    auto value = CefValue::Create();
    auto dict = CefDictionaryValue::Create();
    auto list = CefListValue::Create();
    SlotIn<CefRefPtr<CefValue>> in_value(value);
    SlotIn<CefRefPtr<CefDictionaryValue>, CefString> in_dict(dict, "k");
    SlotIn<CefRefPtr<CefListValue>, int> in_list(list, 0);
    ASSERT_TRUE(c.set(in_value));
    ASSERT_TRUE(c.set(in_dict));
    ASSERT_TRUE(c.set(in_list));
    EXPECT_EQ(c.expected, Read(value));
    EXPECT_EQ(c.expected, Read(dict, CefString("k")));
    EXPECT_EQ(c.expected, Read(list, 0));
    // Through GetValue, and after a copy of each container.
    EXPECT_EQ(c.expected, Read(dict->GetValue("k")));
    EXPECT_EQ(c.expected, Read(list->GetValue(0)));
    EXPECT_EQ(c.expected, Read(value->Copy()));
    EXPECT_EQ(c.expected, Read(dict->Copy(false), CefString("k")));
    EXPECT_EQ(c.expected, Read(list->Copy(), 0));
    // Set from a value, into both containers.
    auto dict2 = CefDictionaryValue::Create();
    auto list2 = CefListValue::Create();
    ASSERT_TRUE(dict2->SetValue("v", value));
    ASSERT_TRUE(list2->SetValue(0, value));
    EXPECT_EQ(c.expected, Read(dict2, CefString("v")));
    EXPECT_EQ(c.expected, Read(list2, 0));
  }
}

TEST(Values, MissingPlacesReadAsInvalidWithTheDefaults) {
  auto dict = CefDictionaryValue::Create();
  auto list = CefListValue::Create();
  list->SetInt(0, 5);
  EXPECT_EQ(Reading(), Read(dict, CefString("absent")));
  EXPECT_EQ(Reading(), Read(list, 1));
  EXPECT_EQ(nullptr, dict->GetValue("absent"));
  EXPECT_EQ(nullptr, list->GetValue(7));
  EXPECT_EQ(VTYPE_NULL, CefValue::Create()->GetType());
}

TEST(Values, SimpleValuesAreCopiedInAndOut) {
  auto dict = CefDictionaryValue::Create();
  auto value = CefValue::Create();
  value->SetInt(1);
  dict->SetValue("k", value);
  value->SetInt(2);
  EXPECT_EQ(1, dict->GetInt("k"));
  auto out = dict->GetValue("k");
  out->SetString("changed");
  EXPECT_EQ(1, dict->GetInt("k"));
  EXPECT_FALSE(out->IsOwned());
}

TEST(Values, DictionaryKeysSizeRemoveAndClear) {
  auto dict = CefDictionaryValue::Create();
  for (const char* key : {"b", "a", "c", "a"})
    dict->SetBool(key, true);
  EXPECT_EQ(3u, dict->GetSize());
  CefDictionaryValue::KeyList keys = {"stale"};
  ASSERT_TRUE(dict->GetKeys(keys));
  ASSERT_EQ(3u, keys.size());
  EXPECT_EQ("a", keys[0].ToUtf8());
  EXPECT_EQ("b", keys[1].ToUtf8());
  EXPECT_EQ("c", keys[2].ToUtf8());
  EXPECT_TRUE(dict->HasKey("b"));
  EXPECT_TRUE(dict->Remove("b"));
  EXPECT_FALSE(dict->HasKey("b"));
  EXPECT_FALSE(dict->Remove("b"));
  EXPECT_EQ(2u, dict->GetSize());
  EXPECT_TRUE(dict->Clear());
  EXPECT_EQ(0u, dict->GetSize());
  ASSERT_TRUE(dict->GetKeys(keys));
  EXPECT_TRUE(keys.empty());
}

TEST(Values, ListsGrowWithNullsShrinkAndShiftOnRemove) {
  auto list = CefListValue::Create();
  ASSERT_TRUE(list->SetInt(0, 10));
  ASSERT_TRUE(list->SetSize(3));
  EXPECT_EQ(3u, list->GetSize());
  EXPECT_EQ(VTYPE_INT, list->GetType(0));
  EXPECT_EQ(VTYPE_NULL, list->GetType(1));
  EXPECT_EQ(VTYPE_NULL, list->GetType(2));

  // Setting past the end pads with nulls.
  ASSERT_TRUE(list->SetInt(5, 50));
  EXPECT_EQ(6u, list->GetSize());
  EXPECT_EQ(VTYPE_NULL, list->GetType(4));
  EXPECT_EQ(50, list->GetInt(5));

  ASSERT_TRUE(list->Remove(1));
  EXPECT_EQ(5u, list->GetSize());
  EXPECT_EQ(50, list->GetInt(4));
  EXPECT_FALSE(list->Remove(5));

  ASSERT_TRUE(list->SetSize(1));
  EXPECT_EQ(1u, list->GetSize());
  EXPECT_EQ(10, list->GetInt(0));
  ASSERT_TRUE(list->SetSize(0));
  EXPECT_EQ(0u, list->GetSize());

  // A size no memory could hold is refused and changes nothing.
  list->SetInt(0, 1);
  EXPECT_FALSE(list->SetSize(SIZE_MAX));
  EXPECT_FALSE(list->SetSize(SIZE_MAX / 16));
  EXPECT_FALSE(list->SetInt(INT_MAX, 1));
  EXPECT_EQ(1u, list->GetSize());
  EXPECT_TRUE(list->Clear());
  EXPECT_EQ(0u, list->GetSize());
}

CefRefPtr<CefDictionaryValue> Nested() {
  auto root = CefDictionaryValue::Create();
  auto inner = CefDictionaryValue::Create();
  auto list = CefListValue::Create();
  list->SetString(0, "x");
  list->SetBinary(1, Binary({7, 8}));
  inner->SetList("list", list);
  inner->SetDouble("d", 0.5);
  root->SetDictionary("inner", inner);
  root->SetInt("n", 3);
  return root;
}

TEST(Values, CopiesAreDeepAndWritable) {
  auto original = Nested();
  auto copy = original->Copy(false);
  EXPECT_TRUE(copy->IsEqual(original));
  EXPECT_FALSE(copy->IsSame(original));
  EXPECT_FALSE(copy->IsOwned());
  EXPECT_FALSE(copy->IsReadOnly());

  copy->GetDictionary("inner")->GetList("list")->SetString(0, "changed");
  EXPECT_EQ("x",
            original->GetDictionary("inner")->GetList("list")->GetString(0)
                .ToUtf8());
  EXPECT_FALSE(copy->IsEqual(original));

  // A copy of an owned child is a root of its own.
  auto inner_copy = original->GetDictionary("inner")->Copy(false);
  EXPECT_FALSE(inner_copy->IsOwned());
  auto value = original->GetValue("inner");
  auto value_copy = value->Copy();
  EXPECT_TRUE(value_copy->IsEqual(value));
  EXPECT_FALSE(value_copy->IsSame(value));
  EXPECT_FALSE(value_copy->IsOwned());
}

TEST(Values, CopyCanLeaveOutEmptyChildrenAtEveryLevel) {
  auto dict = CefDictionaryValue::Create();
  dict->SetDictionary("empty dict", CefDictionaryValue::Create());
  dict->SetList("empty list", CefListValue::Create());
  // Empty only once its own empty children are gone.
  auto holder = CefDictionaryValue::Create();
  holder->SetList("nothing", CefListValue::Create());
  dict->SetDictionary("holder", holder);
  auto mixed = CefListValue::Create();
  mixed->SetDictionary(0, CefDictionaryValue::Create());
  mixed->SetInt(1, 4);
  mixed->SetList(2, CefListValue::Create());
  dict->SetList("mixed", mixed);
  dict->SetNull("null stays");
  dict->SetString("empty string stays", "");

  auto all = dict->Copy(false);
  EXPECT_TRUE(all->IsEqual(dict));

  auto pruned = dict->Copy(true);
  CefDictionaryValue::KeyList keys;
  pruned->GetKeys(keys);
  ASSERT_EQ(3u, keys.size());
  EXPECT_EQ("empty string stays", keys[0].ToUtf8());
  EXPECT_EQ("mixed", keys[1].ToUtf8());
  EXPECT_EQ("null stays", keys[2].ToUtf8());
  auto pruned_mixed = pruned->GetList("mixed");
  ASSERT_EQ(1u, pruned_mixed->GetSize());
  EXPECT_EQ(4, pruned_mixed->GetInt(0));
  // The source is untouched, and an empty root stays.
  EXPECT_EQ(6u, dict->GetSize());
  EXPECT_EQ(0u, CefDictionaryValue::Create()->Copy(true)->GetSize());
}

TEST(Values, SameMeansOneUnderlyingObjectEqualMeansEqualContents) {
  auto root = Nested();
  // Two handles on one child: same, and changes show through both.
  auto a = root->GetDictionary("inner");
  auto b = root->GetDictionary("inner");
  EXPECT_TRUE(a->IsSame(b));
  a->SetInt("new", 1);
  EXPECT_EQ(1, b->GetInt("new"));
  EXPECT_TRUE(root->GetValue("inner")->IsSame(root->GetValue("inner")));
  auto bin1 = root->GetDictionary("inner")->GetList("list")->GetBinary(1);
  auto bin2 = root->GetDictionary("inner")->GetList("list")->GetBinary(1);
  EXPECT_TRUE(bin1->IsSame(bin2));
  EXPECT_FALSE(bin1->IsSame(bin1->Copy()));
  EXPECT_TRUE(bin1->IsEqual(bin1->Copy()));

  // Simple values taken out are copies: equal, never the same.
  auto n1 = root->GetValue("n");
  auto n2 = root->GetValue("n");
  EXPECT_TRUE(n1->IsEqual(n2));
  EXPECT_FALSE(n1->IsSame(n2));
  EXPECT_TRUE(n1->IsSame(n1));

  struct EqualCase {
    const char* name;
    std::function<void(CefRefPtr<CefValue>)> a, b;
    bool equal;
  };
  const std::vector<EqualCase> cases = {
      {"int and the same int", [](auto v) { v->SetInt(1); },
       [](auto v) { v->SetInt(1); }, true},
      {"int and double of one value", [](auto v) { v->SetInt(1); },
       [](auto v) { v->SetDouble(1.0); }, false},
      {"strings", [](auto v) { v->SetString("a"); },
       [](auto v) { v->SetString("b"); }, false},
      {"null and false", [](auto v) { v->SetNull(); },
       [](auto v) { v->SetBool(false); }, false},
      {"binary of other bytes",
       [](auto v) { v->SetBinary(Binary({1, 2})); },
       [](auto v) { v->SetBinary(Binary({1, 3})); }, false},
      {"nested trees", [](auto v) { v->SetDictionary(Nested()); },
       [](auto v) { v->SetDictionary(Nested()); }, true},
      {"nested trees, one leaf apart",
       [](auto v) { v->SetDictionary(Nested()); },
       [](auto v) {
         auto d = Nested();
         d->GetDictionary("inner")->GetList("list")->SetString(0, "y");
         v->SetDictionary(d);
       },
       false},
      {"lists in another order",
       [](auto v) {
         auto l = CefListValue::Create();
         l->SetInt(0, 1);
         l->SetInt(1, 2);
         v->SetList(l);
       },
       [](auto v) {
         auto l = CefListValue::Create();
         l->SetInt(0, 2);
         l->SetInt(1, 1);
         v->SetList(l);
       },
       false},
      {"dictionaries with other keys",
       [](auto v) {
         auto d = CefDictionaryValue::Create();
         d->SetInt("a", 1);
         v->SetDictionary(d);
       },
       [](auto v) {
         auto d = CefDictionaryValue::Create();
         d->SetInt("b", 1);
         v->SetDictionary(d);
       },
       false},
  };
  for (const EqualCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto va = CefValue::Create();
    auto vb = CefValue::Create();
    c.a(va);
    c.b(vb);
    EXPECT_EQ(c.equal, va->IsEqual(vb));
    EXPECT_EQ(c.equal, vb->IsEqual(va));
    EXPECT_FALSE(va->IsSame(vb));
  }
}

TEST(Values, AContainerSetIntoAnotherIsOwnedAndTheHandleReadsTheChild) {
  auto parent = CefDictionaryValue::Create();
  auto child = CefDictionaryValue::Create();
  EXPECT_FALSE(child->IsOwned());
  ASSERT_TRUE(parent->SetDictionary("c", child));
  EXPECT_TRUE(child->IsOwned());
  EXPECT_TRUE(child->IsValid());
  EXPECT_TRUE(child->IsSame(parent->GetDictionary("c")));
  child->SetInt("x", 1);
  EXPECT_EQ(1, parent->GetDictionary("c")->GetInt("x"));

  // The same for lists and binaries in a list.
  auto list = CefListValue::Create();
  auto inner = CefListValue::Create();
  auto bin = Binary({1});
  ASSERT_TRUE(list->SetList(0, inner));
  ASSERT_TRUE(list->SetBinary(1, bin));
  EXPECT_TRUE(inner->IsOwned());
  EXPECT_TRUE(bin->IsOwned());
  inner->SetBool(0, true);
  EXPECT_TRUE(list->GetList(0)->GetBool(0));

  // Setting it again where it already is changes nothing.
  ASSERT_TRUE(parent->SetDictionary("c", parent->GetDictionary("c")));
  EXPECT_TRUE(child->IsValid());
  EXPECT_EQ(1, child->GetInt("x"));
}

TEST(Values, AContainerOwnedElsewhereIsCopiedAndStaysWhereItWas) {
  auto a = CefDictionaryValue::Create();
  auto b = CefListValue::Create();
  auto child = CefDictionaryValue::Create();
  child->SetInt("x", 1);
  a->SetDictionary("c", child);
  ASSERT_TRUE(b->SetDictionary(0, child));
  auto in_b = b->GetDictionary(0);
  EXPECT_TRUE(in_b->IsEqual(child));
  EXPECT_FALSE(in_b->IsSame(child));
  EXPECT_TRUE(child->IsSame(a->GetDictionary("c")));
  child->SetInt("x", 2);
  EXPECT_EQ(1, in_b->GetInt("x"));
  EXPECT_EQ(2, a->GetDictionary("c")->GetInt("x"));
}

TEST(Values, AContainerSetIntoItselfOrItsOwnChildIsCopiedNotLooped) {
  auto dict = CefDictionaryValue::Create();
  dict->SetInt("n", 1);
  ASSERT_TRUE(dict->SetDictionary("self", dict));
  EXPECT_FALSE(dict->IsOwned());
  EXPECT_EQ(1, dict->GetDictionary("self")->GetInt("n"));
  EXPECT_FALSE(dict->GetDictionary("self")->HasKey("self"));

  auto parent = CefListValue::Create();
  auto child = CefListValue::Create();
  parent->SetList(0, child);
  ASSERT_TRUE(child->SetList(0, parent));
  EXPECT_FALSE(parent->IsOwned());
  EXPECT_EQ(VTYPE_LIST, child->GetList(0)->GetType(0));
  // The strict shut-down report fails the test if this made a loop.
}

TEST(Values, AChildTurnsInvalidWhenRemovedReplacedClearedOrCutOff) {
  struct Case {
    const char* name;
    std::function<void(CefRefPtr<CefDictionaryValue> parent,
                       CefRefPtr<CefListValue> list)>
        detach;
  };
  const std::vector<Case> cases = {
      {"removed", [](auto p, auto) { p->Remove("c"); }},
      {"replaced by a simple value", [](auto p, auto) { p->SetInt("c", 1); }},
      {"replaced by a container",
       [](auto p, auto) { p->SetList("c", CefListValue::Create()); }},
      {"cleared", [](auto p, auto) { p->Clear(); }},
      {"parent removed from its list", [](auto, auto l) { l->Remove(0); }},
      {"list shrunk", [](auto, auto l) { l->SetSize(0); }},
      {"list cleared", [](auto, auto l) { l->Clear(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto list = CefListValue::Create();
    auto parent = CefDictionaryValue::Create();
    auto child = CefDictionaryValue::Create();
    auto grandchild = CefListValue::Create();
    child->SetList("g", grandchild);
    parent->SetDictionary("c", child);
    list->SetDictionary(0, parent);
    auto through_value = parent->GetValue("c");
    ASSERT_TRUE(child->IsValid());

    c.detach(parent, list);
    EXPECT_FALSE(child->IsValid());
    EXPECT_FALSE(child->IsOwned());
    EXPECT_FALSE(grandchild->IsValid());
    EXPECT_FALSE(through_value->IsValid());
    EXPECT_EQ(VTYPE_INVALID, through_value->GetType());
    // An invalid handle reads the defaults and refuses changes.
    EXPECT_EQ(0u, child->GetSize());
    EXPECT_FALSE(child->SetInt("y", 1));
    EXPECT_FALSE(grandchild->SetInt(0, 1));
    EXPECT_EQ(nullptr, child->Copy(false));
    // A value is reusable once its container is gone.
    EXPECT_TRUE(through_value->SetInt(3));
    EXPECT_EQ(3, through_value->GetInt());
  }
}

TEST(Values, HandlesOutliveTheirTreeAsInvalid) {
  CefRefPtr<CefListValue> deep;
  CefRefPtr<CefBinaryValue> bin;
  {
    auto root = CefDictionaryValue::Create();
    auto mid = CefDictionaryValue::Create();
    root->SetDictionary("mid", mid);
    mid->SetList("deep", CefListValue::Create());
    deep = mid->GetList("deep");
    deep->SetBinary(0, Binary({9}));
    bin = deep->GetBinary(0);
    ASSERT_TRUE(bin->IsValid());
  }
  EXPECT_FALSE(deep->IsValid());
  EXPECT_FALSE(bin->IsValid());
  EXPECT_EQ(0u, bin->GetSize());
  unsigned char byte = 0;
  EXPECT_EQ(0u, bin->GetData(&byte, 1, 0));
  EXPECT_FALSE(deep->SetInt(0, 1));
}

TEST(Values, AValueHoldsAContainerWithoutOwningIt) {
  auto dict = CefDictionaryValue::Create();
  auto value = CefValue::Create();
  ASSERT_TRUE(value->SetDictionary(dict));
  EXPECT_TRUE(value->GetDictionary()->IsSame(dict));
  EXPECT_FALSE(value->IsOwned());
  dict->SetInt("x", 1);
  EXPECT_EQ(1, value->GetDictionary()->GetInt("x"));

  // Set into a list, the container moves in and the value follows it.
  auto list = CefListValue::Create();
  ASSERT_TRUE(list->SetValue(0, value));
  EXPECT_TRUE(value->IsOwned());
  EXPECT_TRUE(dict->IsOwned());
  value->GetDictionary()->SetInt("y", 2);
  EXPECT_EQ(2, list->GetDictionary(0)->GetInt("y"));
  // Set again elsewhere, it is now copied.
  auto other = CefListValue::Create();
  ASSERT_TRUE(other->SetValue(0, value));
  EXPECT_FALSE(other->GetDictionary(0)->IsSame(dict));
  EXPECT_TRUE(other->GetDictionary(0)->IsEqual(dict));

  // A value taken from a container refers to the child in place.
  auto taken = list->GetValue(0);
  EXPECT_TRUE(taken->IsOwned());
  taken->GetDictionary()->SetInt("z", 3);
  EXPECT_EQ(3, dict->GetInt("z"));
  // Replacing the value's content leaves the container alone.
  taken->SetNull();
  EXPECT_EQ(VTYPE_DICTIONARY, list->GetType(0));
  EXPECT_FALSE(taken->IsOwned());
}

TEST(Values, BinaryDataIsReadWithinItsBounds) {
  EXPECT_EQ(nullptr, CefBinaryValue::Create(nullptr, 4));
  const unsigned char data[] = {10, 11, 12, 13, 14};
  EXPECT_EQ(nullptr, CefBinaryValue::Create(data, 0));
  auto bin = CefBinaryValue::Create(data, sizeof(data));
  ASSERT_TRUE(bin);
  EXPECT_EQ(5u, bin->GetSize());

  struct Case {
    size_t buffer_size, offset, copied;
  };
  for (const Case& c : std::vector<Case>{{8, 0, 5},
                                         {2, 0, 2},
                                         {8, 3, 2},
                                         {2, 4, 1},
                                         {8, 5, 0},
                                         {8, SIZE_MAX, 0},
                                         {SIZE_MAX, 1, 4},
                                         {0, 0, 0}}) {
    SCOPED_TRACE(testing::Message() << c.buffer_size << " at " << c.offset);
    unsigned char buffer[8];
    memset(buffer, 0xEE, sizeof(buffer));
    const size_t copied = bin->GetData(buffer, c.buffer_size, c.offset);
    EXPECT_EQ(c.copied, copied);
    for (size_t i = 0; i < sizeof(buffer); ++i) {
      const bool written = i < copied;
      EXPECT_EQ(written ? data[c.offset + i] : 0xEE, buffer[i]) << i;
    }
  }
  EXPECT_EQ(0u, bin->GetData(nullptr, 5, 0));
  // The caller's bytes were copied at creation.
  unsigned char mutable_data[] = {1, 2};
  auto copy = CefBinaryValue::Create(mutable_data, 2);
  mutable_data[0] = 9;
  EXPECT_EQ(Bytes({1, 2}), BytesOf(copy));
}

TEST(Values, Base64DecodesIntoABinaryValue) {
  struct Case {
    const char* text;
    bool valid;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"YWJj", true, "abc"},
      {"YWI=", true, "ab"},
      {"YQ==", true, "a"},
      {"YWI", true, "ab"},
      {"YQ", true, "a"},
      {"AP/+", true, std::string("\x00\xff\xfe", 3)},
      {"", false, ""},
      {"Y", false, ""},
      {"YQ=", false, ""},
      {"YQ===", false, ""},
      {"Y=Q=", false, ""},
      {"=YWJ", false, ""},
      {"YW Jj", false, ""},
      {"YWJj\n", false, ""},
      {"YW-j", false, ""},
      {"====", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto bin = CefBase64Decode(c.text);
    ASSERT_EQ(c.valid, bin != nullptr);
    EXPECT_EQ(Bytes(c.bytes.begin(), c.bytes.end()), BytesOf(bin));
  }
  // Non-ASCII text is not Base64 either.
  EXPECT_EQ(nullptr, CefBase64Decode("YW\xC3\xA9j"));

  Bytes all(256);
  for (size_t i = 0; i < all.size(); ++i)
    all[i] = static_cast<unsigned char>(i);
  for (size_t n = 1; n <= 5; ++n) {
    const Bytes part(all.begin(), all.begin() + static_cast<long>(n));
    EXPECT_EQ(part, BytesOf(CefBase64Decode(
                        CefBase64Encode(part.data(), part.size()))));
  }
  EXPECT_EQ(all, BytesOf(CefBase64Decode(CefBase64Encode(all.data(),
                                                         all.size()))));
}

TEST(Values, DeepAndWideTreesCopyCompareAndGoAway) {
  // Built from the top down through the handles a program holds.
  auto root = CefDictionaryValue::Create();
  CefRefPtr<CefDictionaryValue> at = root;
  for (int i = 0; i < 1000; ++i) {
    at->SetDictionary("d", CefDictionaryValue::Create());
    at->SetInt("level", i);
    at = at->GetDictionary("d");
  }
  auto copy = root->Copy(false);
  EXPECT_TRUE(copy->IsEqual(root));
  // Only the innermost dictionary is empty; pruning it empties none above.
  EXPECT_EQ(2u, root->Copy(true)->GetSize());
  at->SetBool("leaf", true);
  EXPECT_FALSE(copy->IsEqual(root));

  // Far deeper, built from the bottom up as a reader would: the walks over
  // it must not exhaust the stack.
  auto list = CefListValue::Create();
  for (int i = 0; i < 100000; ++i) {
    auto outer = CefListValue::Create();
    outer->SetList(0, list);
    list = outer;
  }
  auto deep_copy = list->Copy();
  EXPECT_TRUE(deep_copy->IsEqual(list));

  auto wide = CefDictionaryValue::Create();
  for (int i = 0; i < 10000; ++i) {
    auto entry = CefListValue::Create();
    entry->SetInt(0, i);
    wide->SetList(std::to_string(i), entry);
  }
  EXPECT_EQ(10000u, wide->GetSize());
  EXPECT_TRUE(wide->Copy(true)->IsEqual(wide));

  // The innermost handle outlives all of it.
  root = nullptr;
  copy = nullptr;
  EXPECT_FALSE(at->IsValid());
  // Whatever is left alive at shut-down fails this program.
}

}  // namespace
