// The value nodes: kinds, containers, deep copy and comparison. Every walk
// over a tree keeps its own stack, so depth costs memory, never the thread's
// stack.
#include "runtime/data/value_tree.h"

#include <type_traits>
#include <utility>

namespace cefrt {
namespace values {

namespace {

const std::u16string kEmptyString;
const Node::Bytes kEmptyBytes;
const Node::Dict kEmptyDict;
const Node::List kEmptyList;

template <class T, class Data>
const T* As(const Data& data) {
  return std::get_if<T>(&data);
}

}  // namespace

template <class T>
NodePtr Node::Make(T&& value) {
  return std::make_shared<Node>(Private{}, std::in_place_type<std::decay_t<T>>,
                                std::forward<T>(value));
}

NodePtr Node::NewNull() { return Make(std::monostate{}); }
NodePtr Node::NewBool(bool value) { return Make(value); }
NodePtr Node::NewInt(int value) { return Make(value); }
NodePtr Node::NewDouble(double value) { return Make(value); }
NodePtr Node::NewString(std::u16string value) { return Make(std::move(value)); }
NodePtr Node::NewBinary(Bytes bytes) { return Make(std::move(bytes)); }
NodePtr Node::NewDictionary() { return Make(Dict{}); }
NodePtr Node::NewList() { return Make(List{}); }

Node::~Node() {
  // Children go to the queue of the outermost destructor running on this
  // thread, which frees them one after another: each child's own destructor
  // queues its children in turn, so depth never reaches the stack. A node is
  // only emptied by its own destructor, once nothing can reach it any more.
  static thread_local std::vector<NodePtr>* queue = nullptr;
  std::vector<NodePtr> own;
  std::vector<NodePtr>& out = queue ? *queue : own;
  auto give = [&out](NodePtr& child) {
    if (child)
      child->parent_ = nullptr;  // one held elsewhere lives on as a root
    out.push_back(std::move(child));
  };
  if (Dict* dict = std::get_if<Dict>(&data_)) {
    for (auto& entry : *dict)
      give(entry.second);
  } else if (List* list = std::get_if<List>(&data_)) {
    for (NodePtr& child : *list)
      give(child);
  }
  if (queue)
    return;
  queue = &own;
  while (!own.empty()) {
    // Freed at the end of the turn; its own children join the queue.
    NodePtr child = std::move(own.back());
    own.pop_back();
  }
  queue = nullptr;
}

cef_value_type_t Node::type() const {
  static constexpr cef_value_type_t kTypes[] = {
      VTYPE_NULL,   VTYPE_BOOL,   VTYPE_INT,        VTYPE_DOUBLE,
      VTYPE_STRING, VTYPE_BINARY, VTYPE_DICTIONARY, VTYPE_LIST};
  return kTypes[data_.index()];
}

bool Node::GetBool() const {
  const bool* v = As<bool>(data_);
  return v && *v;
}

int Node::GetInt() const {
  const int* v = As<int>(data_);
  return v ? *v : 0;
}

double Node::GetDouble() const {
  if (const double* v = As<double>(data_))
    return *v;
  const int* i = As<int>(data_);
  return i ? *i : 0.0;
}

const std::u16string& Node::GetString() const {
  const std::u16string* v = As<std::u16string>(data_);
  return v ? *v : kEmptyString;
}

const Node::Bytes& Node::GetBytes() const {
  const Bytes* v = As<Bytes>(data_);
  return v ? *v : kEmptyBytes;
}

const Node::Dict& Node::GetDict() const {
  const Dict* v = As<Dict>(data_);
  return v ? *v : kEmptyDict;
}

const Node::List& Node::GetList() const {
  const List* v = As<List>(data_);
  return v ? *v : kEmptyList;
}

NodePtr Node::Adopt(NodePtr child) {
  child->parent_ = this;
  return child;
}

void Node::Disown(const NodePtr& child) {
  if (child && child->parent_ == this)
    child->parent_ = nullptr;
}

bool Node::Set(const std::u16string& key, NodePtr child) {
  Dict* dict = std::get_if<Dict>(&data_);
  if (!dict || !child || child->parent_ || child->Contains(this))
    return false;
  NodePtr& slot = (*dict)[key];
  Disown(slot);
  NodePtr old = std::move(slot);  // goes after the new child is in place
  slot = Adopt(std::move(child));
  return true;
}

bool Node::Set(size_t index, NodePtr child) {
  List* list = std::get_if<List>(&data_);
  if (!list || !child || child->parent_ || child->Contains(this))
    return false;
  if (index >= list->size() && !Resize(index + 1))
    return false;
  NodePtr& slot = (*list)[index];
  Disown(slot);
  NodePtr old = std::move(slot);
  slot = Adopt(std::move(child));
  return true;
}

bool Node::Append(NodePtr child) {
  List* list = std::get_if<List>(&data_);
  if (!list || !child || child->parent_ || child->Contains(this))
    return false;
  list->push_back(Adopt(std::move(child)));
  return true;
}

NodePtr Node::Remove(const std::u16string& key) {
  Dict* dict = std::get_if<Dict>(&data_);
  if (!dict)
    return nullptr;
  auto it = dict->find(key);
  if (it == dict->end())
    return nullptr;
  NodePtr child = std::move(it->second);
  dict->erase(it);
  Disown(child);
  return child;
}

NodePtr Node::Remove(size_t index) {
  List* list = std::get_if<List>(&data_);
  if (!list || index >= list->size())
    return nullptr;
  NodePtr child = std::move((*list)[index]);
  list->erase(list->begin() + static_cast<std::ptrdiff_t>(index));
  Disown(child);
  return child;
}

bool Node::Resize(size_t size) {
  List* list = std::get_if<List>(&data_);
  if (!list || (size > list->size() && size > kMaxListGrowth))
    return false;
  if (size < list->size()) {
    List dropped(std::make_move_iterator(list->begin() +
                                         static_cast<std::ptrdiff_t>(size)),
                 std::make_move_iterator(list->end()));
    list->resize(size);
    for (const NodePtr& child : dropped)
      Disown(child);
    return true;
  }
  list->reserve(size);
  while (list->size() < size)
    list->push_back(Adopt(NewNull()));
  return true;
}

bool Node::Clear() {
  if (Dict* dict = std::get_if<Dict>(&data_)) {
    Dict dropped;
    dropped.swap(*dict);
    for (const auto& entry : dropped)
      Disown(entry.second);
    return true;
  }
  if (List* list = std::get_if<List>(&data_)) {
    List dropped;
    dropped.swap(*list);
    for (const NodePtr& child : dropped)
      Disown(child);
    return true;
  }
  return false;
}

const NodePtr* Node::Find(const std::u16string& key) const {
  const Dict* dict = As<Dict>(data_);
  if (!dict)
    return nullptr;
  auto it = dict->find(key);
  return it == dict->end() ? nullptr : &it->second;
}

const NodePtr* Node::Find(size_t index) const {
  const List* list = As<List>(data_);
  return list && index < list->size() ? &(*list)[index] : nullptr;
}

bool Node::Contains(const Node* other) const {
  for (const Node* n = other; n; n = n->parent_) {
    if (n == this)
      return true;
  }
  return false;
}

namespace {

// One container being copied: its source, its copy, and how far along.
struct CopyFrame {
  const Node* source;
  NodePtr copy;
  Node::Dict::const_iterator next_key;
  size_t next_index = 0;
  // Where the copy goes in its parent's copy once finished.
  const std::u16string* key = nullptr;
};

bool Empty(const Node& n) {
  return n.type() == VTYPE_DICTIONARY ? n.GetDict().empty()
                                      : n.GetList().empty();
}

NodePtr ShallowCopy(const Node& node) {
  switch (node.type()) {
    case VTYPE_BOOL:
      return Node::NewBool(node.GetBool());
    case VTYPE_INT:
      return Node::NewInt(node.GetInt());
    case VTYPE_DOUBLE:
      return Node::NewDouble(node.GetDouble());
    case VTYPE_STRING:
      return Node::NewString(node.GetString());
    case VTYPE_BINARY:
      return Node::NewBinary(node.GetBytes());
    case VTYPE_DICTIONARY:
      return Node::NewDictionary();
    case VTYPE_LIST:
      return Node::NewList();
    default:
      return Node::NewNull();
  }
}

}  // namespace

NodePtr DeepCopy(const Node& node, bool exclude_empty_children) {
  NodePtr root = ShallowCopy(node);
  if (!node.is_container())
    return root;
  std::vector<CopyFrame> stack;
  stack.push_back({&node, root, node.GetDict().begin()});
  while (!stack.empty()) {
    CopyFrame& top = stack.back();
    const Node* child = nullptr;
    const std::u16string* key = nullptr;
    if (top.source->type() == VTYPE_DICTIONARY) {
      if (top.next_key != top.source->GetDict().end()) {
        key = &top.next_key->first;
        child = top.next_key->second.get();
        ++top.next_key;
      }
    } else if (top.next_index < top.source->GetList().size()) {
      child = top.source->GetList()[top.next_index++].get();
    }
    if (!child) {
      // This container is complete: hand it to its parent's copy.
      CopyFrame done = std::move(stack.back());
      stack.pop_back();
      if (stack.empty())
        break;
      if (exclude_empty_children && Empty(*done.copy))
        continue;
      if (done.key)
        stack.back().copy->Set(*done.key, std::move(done.copy));
      else
        stack.back().copy->Append(std::move(done.copy));
      continue;
    }
    if (child->is_container()) {
      stack.push_back({child, ShallowCopy(*child), child->GetDict().begin(), 0,
                       key});
      continue;
    }
    if (key)
      top.copy->Set(*key, ShallowCopy(*child));
    else
      top.copy->Append(ShallowCopy(*child));
  }
  return root;
}

bool DeepEqual(const Node& a, const Node& b) {
  std::vector<std::pair<const Node*, const Node*>> pending{{&a, &b}};
  while (!pending.empty()) {
    const Node& x = *pending.back().first;
    const Node& y = *pending.back().second;
    pending.pop_back();
    if (&x == &y)
      continue;
    if (x.type() != y.type())
      return false;
    switch (x.type()) {
      case VTYPE_NULL:
        break;
      case VTYPE_BOOL:
        if (x.GetBool() != y.GetBool())
          return false;
        break;
      case VTYPE_INT:
        if (x.GetInt() != y.GetInt())
          return false;
        break;
      case VTYPE_DOUBLE:
        if (x.GetDouble() != y.GetDouble())
          return false;
        break;
      case VTYPE_STRING:
        if (x.GetString() != y.GetString())
          return false;
        break;
      case VTYPE_BINARY:
        if (x.GetBytes() != y.GetBytes())
          return false;
        break;
      case VTYPE_DICTIONARY: {
        const Node::Dict& dx = x.GetDict();
        const Node::Dict& dy = y.GetDict();
        if (dx.size() != dy.size())
          return false;
        for (auto ix = dx.begin(), iy = dy.begin(); ix != dx.end();
             ++ix, ++iy) {
          if (ix->first != iy->first)
            return false;
          pending.emplace_back(ix->second.get(), iy->second.get());
        }
        break;
      }
      case VTYPE_LIST: {
        const Node::List& lx = x.GetList();
        const Node::List& ly = y.GetList();
        if (lx.size() != ly.size())
          return false;
        for (size_t i = 0; i < lx.size(); ++i)
          pending.emplace_back(lx[i].get(), ly[i].get());
        break;
      }
      default:
        return false;
    }
  }
  return true;
}

}  // namespace values
}  // namespace cefrt
