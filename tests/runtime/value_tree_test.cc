// The value tree from inside the runtime: what the JSON reader and writer
// and the objects that hand out read-only values build on. Structures made
// here are driven through their C members, and every one must be gone at the
// end of each test.
#include "runtime/data/value_tree.h"

#include <functional>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "runtime/base/counted.h"
#include "tests/runtime/test_support.h"

namespace {

using cefrt::values::DeepCopy;
using cefrt::values::DeepEqual;
using cefrt::values::Node;
using cefrt::values::NodeOf;
using cefrt::values::NodePtr;
using rt_test::Str;

class ValueTree : public testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(cefrt::LiveObjects().empty())
        << cefrt::LiveObjects().front().first << " still alive";
  }
};

template <class S>
void Release(S* s) {
  if (s)
    s->base.release(&s->base);
}

// {"b": binary, "d": {"x": 1}, "l": [true], "n": 1}
NodePtr Sample() {
  NodePtr root = Node::NewDictionary();
  NodePtr d = Node::NewDictionary();
  d->Set(u"x", Node::NewInt(1));
  NodePtr l = Node::NewList();
  l->Append(Node::NewBool(true));
  root->Set(u"b", Node::NewBinary({1, 2}));
  root->Set(u"d", d);
  root->Set(u"l", l);
  root->Set(u"n", Node::NewInt(1));
  return root;
}

TEST_F(ValueTree, AReadOnlyDictionaryAndAllReachedThroughItRefuseChanges) {
  NodePtr root = Sample();
  const NodePtr before = DeepCopy(*root);
  cef_dictionary_value_t* dict = cefrt::values::WrapDictionary(root, true);
  ASSERT_TRUE(dict);
  EXPECT_EQ(1, dict->is_read_only(dict));
  Str key("n");
  Str text("t");

  cef_dictionary_value_t* child = dict->get_dictionary(dict, Str("d").get());
  cef_list_value_t* list = dict->get_list(dict, Str("l").get());
  cef_value_t* held = dict->get_value(dict, Str("d").get());
  ASSERT_TRUE(child && list && held);
  EXPECT_EQ(1, child->is_read_only(child));
  EXPECT_EQ(1, list->is_read_only(list));
  EXPECT_EQ(1, held->is_read_only(held));

  const std::vector<std::pair<const char*, std::function<int()>>> changes = {
      {"set_null", [&] { return dict->set_null(dict, key.get()); }},
      {"set_bool", [&] { return dict->set_bool(dict, key.get(), 1); }},
      {"set_int", [&] { return dict->set_int(dict, key.get(), 2); }},
      {"set_double", [&] { return dict->set_double(dict, key.get(), 2); }},
      {"set_string",
       [&] { return dict->set_string(dict, key.get(), text.get()); }},
      {"set_binary",
       [&] {
         return dict->set_binary(dict, key.get(),
                                 cef_binary_value_create("z", 1));
       }},
      {"set_dictionary",
       [&] {
         return dict->set_dictionary(dict, key.get(),
                                     cef_dictionary_value_create());
       }},
      {"set_list",
       [&] {
         return dict->set_list(dict, key.get(), cef_list_value_create());
       }},
      {"set_value",
       [&] { return dict->set_value(dict, key.get(), cef_value_create()); }},
      {"remove", [&] { return dict->remove(dict, key.get()); }},
      {"clear", [&] { return dict->clear(dict); }},
      {"child set_int", [&] { return child->set_int(child, key.get(), 2); }},
      {"child clear", [&] { return child->clear(child); }},
      {"list set_size", [&] { return list->set_size(list, 4); }},
      {"list set_int", [&] { return list->set_int(list, 0, 2); }},
      {"list remove", [&] { return list->remove(list, 0); }},
      {"value's dictionary set_int",
       [&] {
         cef_dictionary_value_t* d = held->get_dictionary(held);
         const int r = d->set_int(d, key.get(), 2);
         Release(d);
         return r;
       }},
      {"value set_int", [&] { return held->set_int(held, 2); }},
  };
  for (const auto& change : changes) {
    SCOPED_TRACE(change.first);
    EXPECT_EQ(0, change.second());
    EXPECT_TRUE(DeepEqual(*before, *root));
  }

  // A simple value taken out is a copy of its own, free to change; a copy
  // of the whole is writable.
  cef_value_t* n = dict->get_value(dict, key.get());
  EXPECT_EQ(0, n->is_read_only(n));
  EXPECT_EQ(1, n->set_int(n, 5));
  cef_dictionary_value_t* copy = dict->copy(dict, 0);
  EXPECT_EQ(0, copy->is_read_only(copy));
  EXPECT_EQ(1, copy->set_int(copy, key.get(), 9));
  EXPECT_TRUE(DeepEqual(*before, *root));

  // Set into a writable container, read-only data is copied, never moved.
  cef_list_value_t* target = cef_list_value_create();
  child->base.add_ref(&child->base);
  EXPECT_EQ(1, target->set_dictionary(target, 0, child));
  cef_dictionary_value_t* moved = target->get_dictionary(target, 0);
  child->base.add_ref(&child->base);
  EXPECT_EQ(0, moved->is_same(moved, child));
  EXPECT_EQ(1, moved->set_int(moved, key.get(), 3));
  EXPECT_TRUE(DeepEqual(*before, *root));

  for (auto* s : {moved, copy, child})
    Release(s);
  Release(target);
  Release(list);
  Release(held);
  Release(n);
  Release(dict);
}

TEST_F(ValueTree, AReadOnlyRootOwnedByItsStructureIsCopiedWhenSetElsewhere) {
  cef_dictionary_value_t* ro = cefrt::values::WrapDictionary(Sample(), true);
  cef_value_t* value = cefrt::values::WrapValue(Node::NewInt(3), true);
  cef_list_value_t* list = cef_list_value_create();
  ro->base.add_ref(&ro->base);
  ASSERT_EQ(1, list->set_dictionary(list, 0, ro));
  value->base.add_ref(&value->base);
  ASSERT_EQ(1, list->set_value(list, 1, value));
  EXPECT_EQ(0, ro->is_owned(ro));
  EXPECT_EQ(1, value->is_read_only(value));
  EXPECT_EQ(0, value->set_bool(value, 1));
  EXPECT_EQ(3, list->get_int(list, 1));
  Release(ro);
  Release(value);
  Release(list);
}

TEST_F(ValueTree, NodesComeBackFromTheRuntimesStructuresOnly) {
  NodePtr root = Sample();
  Node* raw = root.get();
  cef_dictionary_value_t* dict = cefrt::values::WrapDictionary(root);
  EXPECT_EQ(raw, NodeOf(dict).get());
  cef_value_t* value = cef_value_create();
  dict->base.add_ref(&dict->base);
  value->set_dictionary(value, dict);
  // A value answers the container it holds.
  EXPECT_EQ(raw, NodeOf(value).get());
  cef_list_value_t* l = dict->get_list(dict, Str("l").get());
  EXPECT_EQ(raw->Find(u"l")->get(), NodeOf(l).get());

  // A structure of the same shape made elsewhere is not the runtime's.
  cef_dictionary_value_t foreign = {};
  foreign.base.size = sizeof(foreign);
  EXPECT_EQ(nullptr, NodeOf(&foreign));
  foreign = *dict;
  foreign.is_valid = [](cef_dictionary_value_t*) CEF_CALLBACK { return 1; };
  EXPECT_EQ(nullptr, NodeOf(&foreign));
  EXPECT_EQ(nullptr, NodeOf(static_cast<cef_value_t*>(nullptr)));

  // Nothing wraps an owned node, or a node of another kind.
  EXPECT_EQ(nullptr, cefrt::values::WrapList(*raw->Find(u"l")));
  EXPECT_EQ(nullptr, cefrt::values::WrapList(Node::NewDictionary()));
  EXPECT_EQ(nullptr, cefrt::values::WrapBinary(Node::NewInt(1)));
  EXPECT_EQ(nullptr, cefrt::values::WrapValue(nullptr));

  Release(l);
  Release(value);
  Release(dict);
}

TEST_F(ValueTree, ContainersTakeOnlyRootsAndNeverThemselves) {
  NodePtr root = Node::NewList();
  NodePtr child = Node::NewDictionary();
  ASSERT_TRUE(root->Append(child));
  EXPECT_EQ(root.get(), child->parent());
  // Owned already, or an ancestor of the container: refused.
  EXPECT_FALSE(Node::NewList()->Append(child));
  EXPECT_FALSE(child->Set(u"up", root));
  EXPECT_FALSE(root->Append(root));
  EXPECT_FALSE(root->Append(nullptr));
  EXPECT_FALSE(Node::NewInt(1)->Append(Node::NewNull()));

  NodePtr removed = root->Remove(size_t{0});
  EXPECT_EQ(child, removed);
  EXPECT_EQ(nullptr, removed->parent());
  EXPECT_EQ(nullptr, root->Remove(size_t{0}));

  EXPECT_TRUE(root->Resize(3));
  EXPECT_EQ(VTYPE_NULL, (*root->Find(2))->type());
  EXPECT_FALSE(root->Resize(Node::kMaxListGrowth + 1));
  EXPECT_FALSE(root->Set(Node::kMaxListGrowth, Node::NewNull()));
  EXPECT_EQ(3u, root->GetList().size());
}

TEST_F(ValueTree, DeepChainsGoAwayWithoutRecursing) {
  NodePtr chain = Node::NewList();
  Node* innermost = chain.get();
  for (int i = 0; i < 200000; ++i) {
    NodePtr outer = Node::NewList();
    outer->Append(std::move(chain));
    chain = std::move(outer);
  }
  EXPECT_TRUE(chain->Contains(innermost));
  NodePtr copy = DeepCopy(*chain);
  EXPECT_TRUE(DeepEqual(*copy, *chain));
  // Every level empty once the innermost is left out.
  EXPECT_TRUE(DeepCopy(*chain, true)->GetList().empty());
  chain.reset();
  copy.reset();
}

}  // namespace
