// A named message with its argument list, as sent between processes.
#ifndef CEF_RUNTIME_DATA_PROCESS_MESSAGE_H_
#define CEF_RUNTIME_DATA_PROCESS_MESSAGE_H_

#include <string>

#include "include/capi/cef_process_message_capi.h"
#include "include/capi/cef_values_capi.h"
#include "runtime/data/data_object.h"
#include "runtime/data/value_tree.h"

namespace cefrt {

struct MessageState {
  std::u16string name;
};

class ProcessMessage
    : public DataObject<cef_process_message_t, MessageState> {
 public:
  // Takes `arguments`, a root list node. A read-only message (one that
  // arrived) hands out a read-only list.
  ProcessMessage(std::u16string name, values::NodePtr arguments,
                 bool read_only);

 private:
  ~ProcessMessage() override;

  // The message's own list, with one new reference.
  cef_list_value_t* Arguments() const;

  // A list whose one entry is the arguments, so that the list handed out is
  // owned by the message: set into another container it is copied, never
  // taken away.
  cef_list_value_t* const holder_;
};

}  // namespace cefrt

#endif  // CEF_RUNTIME_DATA_PROCESS_MESSAGE_H_
