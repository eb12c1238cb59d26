// The value structures over the node tree. A dictionary, list or binary
// structure owns its node while the node is a root. A structure got from a
// container follows the child inside and turns invalid when that child is
// removed, replaced or its tree released; one handed to a container's
// setter gives its root away and turns invalid at once. A cef_value_t holds
// a simple value of its own, or one of the other structures, whose data it
// goes on referring to wherever that data is put.
#include <string.h>

#include <algorithm>
#include <type_traits>
#include <utility>

#include "include/capi/cef_entry_capi.h"
#include "runtime/base/base64.h"
#include "runtime/base/counted.h"
#include "runtime/base/text.h"
#include "runtime/data/value_tree.h"

namespace cefrt {
namespace values {

namespace {

// One complex node as a structure reaches it.
class NodeLink {
 public:
  static NodeLink Own(NodePtr root) {
    NodeLink link;
    link.followed_ = root;
    link.owned_ = std::move(root);
    return link;
  }
  static NodeLink Follow(const NodePtr& node) {
    NodeLink link;
    link.followed_ = node;
    return link;
  }
  NodePtr get() const { return owned_ ? owned_ : followed_.lock(); }
  bool owns() const { return owned_ != nullptr; }
  // Hands the owned root to a container. The link goes on following it, or
  // is left empty, and its handle reads as invalid from then on.
  NodePtr Surrender(bool keep_following) {
    if (!keep_following)
      followed_.reset();
    return std::move(owned_);
  }

 private:
  NodePtr owned_;
  std::weak_ptr<Node> followed_;
};

// What the binary, dictionary and list structures share. Each kind's own
// is_valid function tells its structures from look-alikes (see Of).
template <class Struct>
class Handle : public CountedStruct<Struct> {
 public:
  using S = Struct;
  NodePtr node() const { return link_.get(); }
  NodeLink& link() { return link_; }
  bool read_only() const { return read_only_; }
  // A node that may be changed through this structure; null otherwise.
  NodePtr writable() const { return read_only_ ? nullptr : node(); }

 protected:
  Handle(const char* kind, NodeLink link, bool read_only)
      : CountedStruct<Struct>(kind),
        link_(std::move(link)),
        read_only_(read_only) {}

 private:
  NodeLink link_;
  const bool read_only_;
};

class BinaryHandle;
class DictHandle;
class ListHandle;
class ValueHandle;

template <class H>
H* Of(typename H::S* s) {
  if (!s || s->base.size != sizeof(typename H::S) ||
      s->is_valid != &H::IsValid)
    return nullptr;
  return CountedStruct<typename H::S>::template From<H>(s);
}

template <class H>
NodePtr NodeBehind(typename H::S* s) {
  H* h = Of<H>(s);
  return h ? h->node() : nullptr;
}

// Structure arguments come with a reference for the member, given back on
// every way out; values and borrowed strings need nothing.
template <class A>
void Drop(A) {}
template <class Struct>
void Drop(Struct* s) {
  ReleaseStruct(s);
}
inline void Drop(const cef_string_t*) {}

template <class F>
struct AtExit {
  F f;
  ~AtExit() { f(); }
};
template <class F>
AtExit<F> OnExit(F f) {
  return AtExit<F>{std::move(f)};
}

// The members every kind has: validity, ownership, identity, equality.
template <class H>
int CEF_CALLBACK IsOwnedOf(typename H::S* self) {
  NodePtr n = NodeBehind<H>(self);
  return n && n->parent() ? 1 : 0;
}

template <class H>
int CEF_CALLBACK IsReadOnlyOf(typename H::S* self) {
  H* h = Of<H>(self);
  return h && h->read_only() ? 1 : 0;
}

template <class H>
int CEF_CALLBACK IsSameOf(typename H::S* self, typename H::S* that) {
  auto drop = OnExit([that] { Drop(that); });
  NodePtr a = NodeBehind<H>(self);
  return a && a == NodeBehind<H>(that) ? 1 : 0;
}

template <class H>
int CEF_CALLBACK IsEqualOf(typename H::S* self, typename H::S* that) {
  auto drop = OnExit([that] { Drop(that); });
  NodePtr a = NodeBehind<H>(self);
  NodePtr b = NodeBehind<H>(that);
  return a && b && DeepEqual(*a, *b) ? 1 : 0;
}

template <class H>
size_t CEF_CALLBACK SizeOf(typename H::S* self) {
  NodePtr n = NodeBehind<H>(self);
  if (!n)
    return 0;
  switch (n->type()) {
    case VTYPE_BINARY:
      return n->GetBytes().size();
    case VTYPE_DICTIONARY:
      return n->GetDict().size();
    default:
      return n->GetList().size();
  }
}

template <class H>
int CEF_CALLBACK ClearOf(typename H::S* self) {
  H* h = Of<H>(self);
  NodePtr n = h ? h->writable() : nullptr;
  return n && n->Clear() ? 1 : 0;
}

// How a container member names its child.
struct ByKey {
  using Arg = const cef_string_t*;
  static bool Valid(Arg key) { return key != nullptr; }
  static std::u16string Make(Arg key) { return FromCef(key); }
  static bool Reachable(const Node&, const std::u16string&) { return true; }
};

struct ByIndex {
  using Arg = size_t;
  static bool Valid(Arg) { return true; }
  static size_t Make(Arg index) { return index; }
  // Whether setting at `index` may grow the list that far.
  static bool Reachable(const Node& list, size_t index) {
    return index < list.GetList().size() || index < Node::kMaxListGrowth;
  }
};

// Reads of one child; `read_only` is the parent structure's, passed on to
// the structures over complex children. A missing child reads as the
// library's defaults.
struct ReadType {
  using R = cef_value_type_t;
  static R Read(bool, const NodePtr& c) {
    return c ? c->type() : VTYPE_INVALID;
  }
};
struct ReadBool {
  using R = int;
  static R Read(bool, const NodePtr& c) { return c && c->GetBool() ? 1 : 0; }
};
struct ReadInt {
  using R = int;
  static R Read(bool, const NodePtr& c) { return c ? c->GetInt() : 0; }
};
struct ReadDouble {
  using R = double;
  static R Read(bool, const NodePtr& c) { return c ? c->GetDouble() : 0.0; }
};
struct ReadString {
  using R = cef_string_userfree_t;
  static R Read(bool, const NodePtr& c) {
    return c && c->type() == VTYPE_STRING ? NewUserFree(c->GetString())
                                          : nullptr;
  }
};
template <class H, class Struct, cef_value_type_t kType>
struct ReadComplex {
  using R = Struct*;
  static R Read(bool read_only, const NodePtr& c) {
    return c && c->type() == kType
               ? (new H(NodeLink::Follow(c), read_only))->Give()
               : nullptr;
  }
};
using ReadBinary =
    ReadComplex<BinaryHandle, cef_binary_value_t, VTYPE_BINARY>;
using ReadDict =
    ReadComplex<DictHandle, cef_dictionary_value_t, VTYPE_DICTIONARY>;
using ReadList = ReadComplex<ListHandle, cef_list_value_t, VTYPE_LIST>;
struct ReadValue {
  using R = cef_value_t*;
  static R Read(bool read_only, const NodePtr& c);
};

// The child at a key or index, when the structure is valid.
template <class H, class K>
NodePtr ChildAt(typename H::S* self, typename K::Arg key) {
  NodePtr n = NodeBehind<H>(self);
  if (!n || !K::Valid(key))
    return nullptr;
  const NodePtr* child = n->Find(K::Make(key));
  return child ? *child : nullptr;
}

template <class H, class K, class Read>
typename Read::R CEF_CALLBACK GetAt(typename H::S* self,
                                    typename K::Arg key) {
  H* h = Of<H>(self);
  return Read::Read(h && h->read_only(), ChildAt<H, K>(self, key));
}

template <class H, class K>
int CEF_CALLBACK HasAt(typename H::S* self, typename K::Arg key) {
  return ChildAt<H, K>(self, key) ? 1 : 0;
}

template <class H, class K>
int CEF_CALLBACK RemoveAt(typename H::S* self, typename K::Arg key) {
  H* h = Of<H>(self);
  NodePtr n = h ? h->writable() : nullptr;
  return n && K::Valid(key) && n->Remove(K::Make(key)) ? 1 : 0;
}

// The node a complex argument puts into `target` at the slot now holding
// `current`: its own root when the argument owns one, otherwise a copy; a
// copy also when the target lies inside the argument's own tree, or the
// argument is read-only, whose data must not become writable through its
// new parent. A root taken over this way leaves a binary, dictionary or
// list argument invalid, as the library documents for those setters; a
// cef_value_t argument goes on referring to the data, as it does there.
NodePtr Claim(NodeLink& link, bool read_only, const Node& target,
              const NodePtr* current, bool keep_following) {
  NodePtr n = link.get();
  if (!n || (current && *current == n))
    return n;
  if (link.owns() && !read_only && !n->parent() && !n->Contains(&target))
    return link.Surrender(keep_following);
  return DeepCopy(*n);
}

// Makers of the node a setter stores, from the member's value argument.
struct MakeNull {
  static NodePtr Make() { return Node::NewNull(); }
};
struct MakeBool {
  static NodePtr Make(int v) { return Node::NewBool(v != 0); }
};
struct MakeInt {
  static NodePtr Make(int v) { return Node::NewInt(v); }
};
struct MakeDouble {
  static NodePtr Make(double v) { return Node::NewDouble(v); }
};
struct MakeString {
  // A null record is the empty string.
  static NodePtr Make(const cef_string_t* v) {
    return Node::NewString(FromCef(v));
  }
};
// Simple values are copied in, so nothing depends on the target.
template <class Maker>
struct Simple {
  template <class... A>
  static NodePtr Into(const Node&, const NodePtr*, A... v) {
    return Maker::Make(v...);
  }
};
template <class H>
struct FromStruct {
  static NodePtr Into(const Node& target, const NodePtr* current,
                      typename H::S* value) {
    H* h = Of<H>(value);
    return h ? Claim(h->link(), h->read_only(), target, current, false)
             : nullptr;
  }
};
struct FromValue {
  static NodePtr Into(const Node& target, const NodePtr* current,
                      cef_value_t* value);
};

template <class H, class K, class Make, class... A>
int CEF_CALLBACK SetAt(typename H::S* self, typename K::Arg key, A... v) {
  auto drop = OnExit([=] { (Drop(v), ...); });
  H* h = Of<H>(self);
  NodePtr n = h ? h->writable() : nullptr;
  if (!n || !K::Valid(key))
    return 0;
  const auto k = K::Make(key);
  if (!K::Reachable(*n, k))
    return 0;
  const NodePtr* current = n->Find(k);
  NodePtr child = Make::Into(*n, current, v...);
  if (!child)
    return 0;
  if (current && *current == child)
    return 1;
  return n->Set(k, std::move(child)) ? 1 : 0;
}

template <class H, class... A>
typename H::S* New(A&&... args) {
  return (new H(std::forward<A>(args)...))->Give();
}

class BinaryHandle : public Handle<cef_binary_value_t> {
 public:
  static int CEF_CALLBACK IsValid(S* self) {
    return NodeBehind<BinaryHandle>(self) ? 1 : 0;
  }

  BinaryHandle(NodeLink link, bool read_only)
      : Handle("cef_binary_value_t", std::move(link), read_only) {
    using H = BinaryHandle;
    S& b = s();
    b.is_valid = &IsValid;
    b.is_owned = &IsOwnedOf<H>;
    b.is_same = &IsSameOf<H>;
    b.is_equal = &IsEqualOf<H>;
    b.copy = [](S* self) CEF_CALLBACK -> S* {
      NodePtr n = NodeBehind<H>(self);
      return n ? New<H>(NodeLink::Own(DeepCopy(*n)), false) : nullptr;
    };
    b.get_size = &SizeOf<H>;
    b.get_data = [](S* self, void* buffer, size_t buffer_size,
                    size_t data_offset) CEF_CALLBACK -> size_t {
      NodePtr n = NodeBehind<H>(self);
      if (!n || !buffer || buffer_size == 0)
        return 0;
      const Node::Bytes& bytes = n->GetBytes();
      if (data_offset >= bytes.size())
        return 0;
      const size_t count = std::min(buffer_size, bytes.size() - data_offset);
      memcpy(buffer, bytes.data() + data_offset, count);
      return count;
    };
  }
};

// The members a dictionary (by key) and a list (by index) share.
template <class H, class K>
void FillContainerMembers(typename H::S& c) {
  c.is_valid = &H::IsValid;
  c.is_owned = &IsOwnedOf<H>;
  c.is_read_only = &IsReadOnlyOf<H>;
  c.is_same = &IsSameOf<H>;
  c.is_equal = &IsEqualOf<H>;
  c.get_size = &SizeOf<H>;
  c.clear = &ClearOf<H>;
  c.remove = &RemoveAt<H, K>;
  c.get_type = &GetAt<H, K, ReadType>;
  c.get_value = &GetAt<H, K, ReadValue>;
  c.get_bool = &GetAt<H, K, ReadBool>;
  c.get_int = &GetAt<H, K, ReadInt>;
  c.get_double = &GetAt<H, K, ReadDouble>;
  c.get_string = &GetAt<H, K, ReadString>;
  c.get_binary = &GetAt<H, K, ReadBinary>;
  c.get_dictionary = &GetAt<H, K, ReadDict>;
  c.get_list = &GetAt<H, K, ReadList>;
  c.set_value = &SetAt<H, K, FromValue, cef_value_t*>;
  c.set_null = &SetAt<H, K, Simple<MakeNull>>;
  c.set_bool = &SetAt<H, K, Simple<MakeBool>, int>;
  c.set_int = &SetAt<H, K, Simple<MakeInt>, int>;
  c.set_double = &SetAt<H, K, Simple<MakeDouble>, double>;
  c.set_string = &SetAt<H, K, Simple<MakeString>, const cef_string_t*>;
  c.set_binary =
      &SetAt<H, K, FromStruct<BinaryHandle>, cef_binary_value_t*>;
  c.set_dictionary =
      &SetAt<H, K, FromStruct<DictHandle>, cef_dictionary_value_t*>;
  c.set_list = &SetAt<H, K, FromStruct<ListHandle>, cef_list_value_t*>;
}

class DictHandle : public Handle<cef_dictionary_value_t> {
 public:
  static int CEF_CALLBACK IsValid(S* self) {
    return NodeBehind<DictHandle>(self) ? 1 : 0;
  }

  DictHandle(NodeLink link, bool read_only)
      : Handle("cef_dictionary_value_t", std::move(link), read_only) {
    using H = DictHandle;
    using K = ByKey;
    S& d = s();
    FillContainerMembers<H, K>(d);
    d.copy = [](S* self, int exclude_empty_children) CEF_CALLBACK -> S* {
      NodePtr n = NodeBehind<H>(self);
      return n ? New<H>(NodeLink::Own(DeepCopy(*n, exclude_empty_children)),
                        false)
               : nullptr;
    };
    d.has_key = &HasAt<H, K>;
    d.get_keys = [](S* self, cef_string_list_t keys) CEF_CALLBACK -> int {
      NodePtr n = NodeBehind<H>(self);
      if (!n || !keys)
        return 0;
      cef_string_list_clear(keys);
      for (const auto& entry : n->GetDict()) {
        cef_string_t key = {};
        key.str = reinterpret_cast<char16*>(
            const_cast<char16_t*>(entry.first.data()));
        key.length = entry.first.size();
        cef_string_list_append(keys, &key);
      }
      return 1;
    };
  }
};

class ListHandle : public Handle<cef_list_value_t> {
 public:
  static int CEF_CALLBACK IsValid(S* self) {
    return NodeBehind<ListHandle>(self) ? 1 : 0;
  }

  ListHandle(NodeLink link, bool read_only)
      : Handle("cef_list_value_t", std::move(link), read_only) {
    using H = ListHandle;
    using K = ByIndex;
    S& l = s();
    FillContainerMembers<H, K>(l);
    l.copy = [](S* self) CEF_CALLBACK -> S* {
      NodePtr n = NodeBehind<H>(self);
      return n ? New<H>(NodeLink::Own(DeepCopy(*n)), false) : nullptr;
    };
    l.set_size = [](S* self, size_t size) CEF_CALLBACK -> int {
      H* h = Of<H>(self);
      NodePtr n = h ? h->writable() : nullptr;
      return n && n->Resize(size) ? 1 : 0;
    };
  }
};

// A value: a simple node of its own, or one complex structure it holds. The
// structure it holds keeps its own ownership: the value only refers to it.
class ValueHandle : public CountedStruct<cef_value_t> {
 public:
  using S = cef_value_t;
  using H = ValueHandle;

  struct Content {
    NodePtr simple;
    Ref<BinaryHandle> binary;
    Ref<DictHandle> dict;
    Ref<ListHandle> list;
  };

  static int CEF_CALLBACK IsValid(S* self) {
    return NodeBehind<ValueHandle>(self) ? 1 : 0;
  }

  ValueHandle(Content content, bool read_only)
      : CountedStruct("cef_value_t"),
        content_(std::move(content)),
        read_only_(read_only) {
    S& v = s();
    v.is_valid = &IsValid;
    v.is_owned = &IsOwnedOf<H>;
    v.is_read_only = [](S* self) CEF_CALLBACK -> int {
      H* h = Of<H>(self);
      return h && h->read_only() ? 1 : 0;
    };
    v.is_same = &IsSameOf<H>;
    v.is_equal = &IsEqualOf<H>;
    v.copy = [](S* self) CEF_CALLBACK -> S* {
      NodePtr n = NodeBehind<H>(self);
      return n ? WrapValue(DeepCopy(*n)) : nullptr;
    };
    v.get_type = &Get<ReadType>;
    v.get_bool = &Get<ReadBool>;
    v.get_int = &Get<ReadInt>;
    v.get_double = &Get<ReadDouble>;
    v.get_string = &Get<ReadString>;
    v.get_binary = &Held<&Content::binary>;
    v.get_dictionary = &Held<&Content::dict>;
    v.get_list = &Held<&Content::list>;
    v.set_null = &Put<MakeNull>;
    v.set_bool = &Put<MakeBool, int>;
    v.set_int = &Put<MakeInt, int>;
    v.set_double = &Put<MakeDouble, double>;
    v.set_string = &Put<MakeString, const cef_string_t*>;
    v.set_binary = &Put<Hold, cef_binary_value_t*>;
    v.set_dictionary = &Put<Hold, cef_dictionary_value_t*>;
    v.set_list = &Put<Hold, cef_list_value_t*>;
  }

  NodePtr node() const {
    if (content_.simple)
      return content_.simple;
    if (content_.binary)
      return content_.binary->node();
    if (content_.dict)
      return content_.dict->node();
    return content_.list ? content_.list->node() : nullptr;
  }
  bool read_only() const {
    return read_only_ || (content_.dict && content_.dict->read_only()) ||
           (content_.list && content_.list->read_only());
  }
  const NodePtr& simple() const { return content_.simple; }
  // The link of the structure held; null for a simple value.
  NodeLink* held_link() {
    if (content_.binary)
      return &content_.binary->link();
    if (content_.dict)
      return &content_.dict->link();
    return content_.list ? &content_.list->link() : nullptr;
  }

 private:
  // A value reads as its own single child.
  template <class Read>
  static typename Read::R CEF_CALLBACK Get(S* self) {
    H* h = Of<H>(self);
    return Read::Read(h && h->read_only(), NodeBehind<H>(self));
  }

  // The structure held, with a new reference: handing it on to a container
  // moves its node there, and this value follows.
  template <auto kField>
  static auto CEF_CALLBACK Held(S* self)
      -> decltype((std::declval<Content&>().*kField)->Share()) {
    H* h = Of<H>(self);
    if (!h || !(h->content_.*kField))
      return nullptr;
    return (h->content_.*kField)->Share();
  }

  struct Hold {
    static Content Make(cef_binary_value_t* value) {
      Content c;
      c.binary = Ref<BinaryHandle>(Of<BinaryHandle>(value));
      return c;
    }
    static Content Make(cef_dictionary_value_t* value) {
      Content c;
      c.dict = Ref<DictHandle>(Of<DictHandle>(value));
      return c;
    }
    static Content Make(cef_list_value_t* value) {
      Content c;
      c.list = Ref<ListHandle>(Of<ListHandle>(value));
      return c;
    }
  };

  template <class Maker, class... A>
  static int CEF_CALLBACK Put(S* self, A... v) {
    auto drop = OnExit([=] { (Drop(v), ...); });
    H* h = Of<H>(self);
    if (!h || h->read_only_)
      return 0;
    Content c;
    if constexpr (std::is_same_v<decltype(Maker::Make(v...)), Content>)
      c = Maker::Make(v...);
    else
      c.simple = Maker::Make(v...);
    if (!c.simple && !c.binary && !c.dict && !c.list)
      return 0;
    h->content_ = std::move(c);
    return 1;
  }

  Content content_;
  const bool read_only_;
};

ValueHandle::Content ContentOver(NodePtr node, bool own, bool read_only) {
  ValueHandle::Content c;
  NodeLink link = own ? NodeLink::Own(node) : NodeLink::Follow(node);
  switch (node->type()) {
    case VTYPE_BINARY:
      c.binary = Ref<BinaryHandle>::Adopt(
          new BinaryHandle(std::move(link), read_only));
      break;
    case VTYPE_DICTIONARY:
      c.dict =
          Ref<DictHandle>::Adopt(new DictHandle(std::move(link), read_only));
      break;
    case VTYPE_LIST:
      c.list =
          Ref<ListHandle>::Adopt(new ListHandle(std::move(link), read_only));
      break;
    default:
      // Simple values are handed out as copies.
      c.simple = own ? std::move(node) : DeepCopy(*node);
      break;
  }
  return c;
}

ReadValue::R ReadValue::Read(bool read_only, const NodePtr& c) {
  if (!c)
    return nullptr;
  const bool simple = !c->is_container() && c->type() != VTYPE_BINARY;
  return New<ValueHandle>(ContentOver(c, false, read_only),
                          read_only && !simple);
}

NodePtr FromValue::Into(const Node& target, const NodePtr* current,
                        cef_value_t* value) {
  ValueHandle* v = Of<ValueHandle>(value);
  if (!v)
    return nullptr;
  if (v->simple())
    return DeepCopy(*v->simple());
  NodeLink* link = v->held_link();
  return link ? Claim(*link, v->read_only(), target, current, true)
              : nullptr;
}

template <class H>
typename H::S* WrapRoot(NodePtr root, cef_value_type_t type, bool read_only) {
  if (!root || root->parent() || root->type() != type)
    return nullptr;
  return New<H>(NodeLink::Own(std::move(root)), read_only);
}

}  // namespace

cef_value_t* WrapValue(NodePtr root, bool read_only) {
  if (!root || root->parent())
    return nullptr;
  return New<ValueHandle>(ContentOver(std::move(root), true, read_only),
                          read_only);
}

cef_binary_value_t* WrapBinary(NodePtr root) {
  return WrapRoot<BinaryHandle>(std::move(root), VTYPE_BINARY, false);
}

cef_dictionary_value_t* WrapDictionary(NodePtr root, bool read_only) {
  return WrapRoot<DictHandle>(std::move(root), VTYPE_DICTIONARY, read_only);
}

cef_list_value_t* WrapList(NodePtr root, bool read_only) {
  return WrapRoot<ListHandle>(std::move(root), VTYPE_LIST, read_only);
}

NodePtr NodeOf(cef_value_t* value) { return NodeBehind<ValueHandle>(value); }
NodePtr NodeOf(cef_binary_value_t* value) {
  return NodeBehind<BinaryHandle>(value);
}
NodePtr NodeOf(cef_dictionary_value_t* value) {
  return NodeBehind<DictHandle>(value);
}
NodePtr NodeOf(cef_list_value_t* value) {
  return NodeBehind<ListHandle>(value);
}

}  // namespace values
}  // namespace cefrt

using cefrt::values::Node;

extern "C" {

cef_value_t* cef_value_create(void) {
  return cefrt::values::WrapValue(Node::NewNull());
}

cef_binary_value_t* cef_binary_value_create(const void* data,
                                            size_t data_size) {
  if (!data || data_size == 0)
    return nullptr;
  const auto* bytes = static_cast<const unsigned char*>(data);
  return cefrt::values::WrapBinary(
      Node::NewBinary(Node::Bytes(bytes, bytes + data_size)));
}

cef_dictionary_value_t* cef_dictionary_value_create(void) {
  return cefrt::values::WrapDictionary(Node::NewDictionary());
}

cef_list_value_t* cef_list_value_create(void) {
  return cefrt::values::WrapList(Node::NewList());
}

// Text that is not Base64, and text that decodes to nothing, give null.
cef_binary_value_t* cef_base64decode(const cef_string_t* data) {
  Node::Bytes bytes;
  if (!data || !cefrt::Base64Decode(cefrt::FromCef(data), &bytes) ||
      bytes.empty())
    return nullptr;
  return cefrt::values::WrapBinary(Node::NewBinary(std::move(bytes)));
}

}  // extern "C"
