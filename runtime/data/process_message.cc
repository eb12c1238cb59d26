#include "runtime/data/process_message.h"

#include <utility>

#include "runtime/base/text.h"

namespace cefrt {

namespace {

cef_list_value_t* HolderOf(values::NodePtr arguments, bool read_only) {
  values::NodePtr holder = values::Node::NewList();
  holder->Append(arguments ? std::move(arguments) : values::Node::NewList());
  return values::WrapList(std::move(holder), read_only);
}

}  // namespace

ProcessMessage::ProcessMessage(std::u16string name, values::NodePtr arguments,
                               bool read_only)
    : DataObject("cef_process_message_t", MessageState{std::move(name)}),
      holder_(HolderOf(std::move(arguments), read_only)) {
  if (read_only)
    Freeze();
  cef_process_message_t& c = s();
  c.is_valid = &IsValid;
  c.is_read_only = &ReadOnly;
  // A writable message with a list of its own.
  c.copy = [](cef_process_message_t* self)
      CEF_CALLBACK -> cef_process_message_t* {
    ProcessMessage* m = Of<ProcessMessage>(self);
    if (!m)
      return nullptr;
    values::NodePtr holder = values::NodeOf(m->holder_);
    const values::NodePtr* args = holder ? holder->Find(size_t{0}) : nullptr;
    values::NodePtr copy = args && *args ? values::DeepCopy(**args) : nullptr;
    return (new ProcessMessage(m->Snapshot().name, std::move(copy), false))
        ->Give();
  };
  c.get_name = &GetString<&MessageState::name>;
  c.get_argument_list = [](cef_process_message_t* self)
      CEF_CALLBACK -> cef_list_value_t* {
    ProcessMessage* m = Of<ProcessMessage>(self);
    return m ? m->Arguments() : nullptr;
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
