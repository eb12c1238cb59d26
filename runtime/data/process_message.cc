#include "runtime/data/process_message.h"

#include <utility>

#include "runtime/base/text.h"

namespace cefrt {

namespace {

ProcessMessage* Of(cef_process_message_t* s) {
  return CountedStruct<cef_process_message_t>::From<ProcessMessage>(s);
}

cef_list_value_t* HolderOf(values::NodePtr arguments, bool read_only) {
  values::NodePtr holder = values::Node::NewList();
  holder->Append(arguments ? std::move(arguments) : values::Node::NewList());
  return values::WrapList(std::move(holder), read_only);
}

}  // namespace

ProcessMessage::ProcessMessage(std::u16string name, values::NodePtr arguments,
                               bool read_only)
    : CountedStruct("cef_process_message_t"),
      name_(std::move(name)),
      read_only_(read_only),
      holder_(HolderOf(std::move(arguments), read_only)) {
  cef_process_message_t& c = s();
  c.is_valid = [](cef_process_message_t* self) CEF_CALLBACK -> int {
    return Of(self) ? 1 : 0;
  };
  c.is_read_only = [](cef_process_message_t* self) CEF_CALLBACK -> int {
    return Of(self) && Of(self)->read_only_ ? 1 : 0;
  };
  // A writable message with a list of its own.
  c.copy = [](cef_process_message_t* self)
      CEF_CALLBACK -> cef_process_message_t* {
    ProcessMessage* m = Of(self);
    if (!m)
      return nullptr;
    values::NodePtr holder = values::NodeOf(m->holder_);
    const values::NodePtr* args = holder ? holder->Find(size_t{0}) : nullptr;
    values::NodePtr copy = args && *args ? values::DeepCopy(**args) : nullptr;
    return (new ProcessMessage(m->name_, std::move(copy), false))->Give();
  };
  c.get_name = [](cef_process_message_t* self)
      CEF_CALLBACK -> cef_string_userfree_t {
    return Of(self) ? NewUserFree(Of(self)->name_) : nullptr;
  };
  c.get_argument_list = [](cef_process_message_t* self)
      CEF_CALLBACK -> cef_list_value_t* {
    return Of(self) ? Of(self)->Arguments() : nullptr;
  };
}

ProcessMessage::~ProcessMessage() {
  ReleaseStruct(holder_);
}

cef_list_value_t* ProcessMessage::Arguments() const {
  return holder_ ? holder_->get_list(holder_, 0) : nullptr;
}

}  // namespace cefrt

cef_process_message_t* cef_process_message_create(const cef_string_t* name) {
  std::u16string text = cefrt::FromCef(name);
  if (text.empty())
    return nullptr;
  return (new cefrt::ProcessMessage(std::move(text),
                                    cefrt::values::Node::NewList(), false))
      ->Give();
}
