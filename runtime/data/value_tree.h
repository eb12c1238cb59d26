// The tree behind the runtime's value objects (cef_value_t, binary,
// dictionary and list values) and the JSON reader and writer: one node type
// for every kind of value, and the passage between nodes and the structures
// a program holds.
//
// A node is held by exactly one owner: its parent container, or, for a root,
// the one structure that wraps it. Other structures follow a node without
// keeping it alive, so a structure the program keeps after its tree is gone
// reads as invalid instead of dangling. Nodes are not locked: a tree is used
// from one thread at a time.
#ifndef CEF_RUNTIME_DATA_VALUE_TREE_H_
#define CEF_RUNTIME_DATA_VALUE_TREE_H_

#include <stddef.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "include/capi/cef_values_capi.h"

namespace cefrt {
namespace values {

class Node;
using NodePtr = std::shared_ptr<Node>;

class Node {
 public:
  using Bytes = std::vector<unsigned char>;
  // Keys in code-unit order, which is the order GetKeys and JSON give.
  using Dict = std::map<std::u16string, NodePtr>;
  using List = std::vector<NodePtr>;

  static NodePtr NewNull();
  static NodePtr NewBool(bool value);
  static NodePtr NewInt(int value);
  static NodePtr NewDouble(double value);
  static NodePtr NewString(std::u16string value);
  static NodePtr NewBinary(Bytes bytes);
  static NodePtr NewDictionary();
  static NodePtr NewList();

  // Tears a deep tree down without recursing.
  ~Node();
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;

  // VTYPE_NULL ... VTYPE_LIST; never VTYPE_INVALID.
  cef_value_type_t type() const;
  bool is_container() const {
    return type() == VTYPE_DICTIONARY || type() == VTYPE_LIST;
  }

  // Typed reads answer the library's default (false, 0, empty) for a node of
  // another kind; GetDouble also reads an int.
  bool GetBool() const;
  int GetInt() const;
  double GetDouble() const;
  const std::u16string& GetString() const;
  const Bytes& GetBytes() const;
  const Dict& GetDict() const;
  const List& GetList() const;

  // The container holding this node; null for a root.
  Node* parent() const { return parent_; }

  // Building and changing containers. A child must be a root (no parent); it
  // becomes this node's. Each answers false, changing nothing, on a node of
  // another kind or a child that is null or already owned.
  bool Set(const std::u16string& key, NodePtr child);  // dictionary
  bool Set(size_t index, NodePtr child);  // list; pads with nulls up to index
  bool Append(NodePtr child);             // list
  // Removes a child; the removed node becomes a root (null if none).
  NodePtr Remove(const std::u16string& key);
  NodePtr Remove(size_t index);
  // Lists: shrinks, or grows with nulls; false on a node of another kind or
  // for more than kMaxListGrowth entries.
  bool Resize(size_t size);
  bool Clear();
  // The child at a key or index; null when there is none.
  const NodePtr* Find(const std::u16string& key) const;
  const NodePtr* Find(size_t index) const;

  // Whether `other` is this node or lies below it.
  bool Contains(const Node* other) const;

  // A list grows by index or resize up to this many entries; beyond it the
  // request is refused rather than exhausting memory.
  static constexpr size_t kMaxListGrowth = size_t{1} << 22;

 private:
  struct Private {};

 public:
  // For make_shared only; use the New* creators.
  template <class T, class V>
  Node(Private, std::in_place_type_t<T> kind, V&& value)
      : data_(kind, std::forward<V>(value)) {}

 private:
  using Data = std::variant<std::monostate, bool, int, double, std::u16string,
                            Bytes, Dict, List>;
  template <class T>
  static NodePtr Make(T&& value);
  NodePtr Adopt(NodePtr child);
  void Disown(const NodePtr& child);

  Data data_;
  Node* parent_ = nullptr;
};

// A new root with the same content. With `exclude_empty_children`, empty
// dictionaries and lists below the root are left out, as are containers
// left empty by that.
NodePtr DeepCopy(const Node& node, bool exclude_empty_children = false);
// Same kinds and contents, all the way down.
bool DeepEqual(const Node& a, const Node& b);

// The structures over a root node (one without a parent): each comes with
// one reference for the receiver and owns the root. A read-only structure,
// and every structure reached through it, refuses changes. The wrong kind of
// node, a null or an owned one gives null.
cef_value_t* WrapValue(NodePtr root, bool read_only = false);
cef_binary_value_t* WrapBinary(NodePtr root);
cef_dictionary_value_t* WrapDictionary(NodePtr root, bool read_only = false);
cef_list_value_t* WrapList(NodePtr root, bool read_only = false);

// The node behind a structure the program hands back; null when the
// structure is not one of the runtime's or its node is gone. A cef_value_t
// answers the node of the container it holds. The caller's reference on the
// structure is neither taken nor released. The node stays alive while the
// result is held; change it only through its structures.
NodePtr NodeOf(cef_value_t* value);
NodePtr NodeOf(cef_binary_value_t* value);
NodePtr NodeOf(cef_dictionary_value_t* value);
NodePtr NodeOf(cef_list_value_t* value);

}  // namespace values
}  // namespace cefrt

#endif  // CEF_RUNTIME_DATA_VALUE_TREE_H_
