// Work the program hands to one of the library's threads.
#ifndef CEF_INCLUDE_CEF_TASK_H_
#define CEF_INCLUDE_CEF_TASK_H_

#include "include/capi/cef_task_capi.h"
#include "include/cef_base.h"

// The library runs a posted task once on the target thread and then releases
// it; a task that never runs is released all the same.
class CefTask : public virtual CefBase {
 public:
  virtual void Execute() {}
};

#endif  // CEF_INCLUDE_CEF_TASK_H_
