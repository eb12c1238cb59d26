// A task that runs a function, for the runtime's own hops between threads.
#ifndef CEF_RUNTIME_FUNCTION_TASK_H_
#define CEF_RUNTIME_FUNCTION_TASK_H_

#include <functional>

#include "include/capi/cef_task_capi.h"
#include "runtime/base/counted.h"

namespace cefrt {

class FunctionTask : public CountedStruct<cef_task_t> {
 public:
  explicit FunctionTask(std::function<void()> fn);

 private:
  ~FunctionTask() override = default;
  std::function<void()> fn_;
};

// Posts `fn` to the UI thread; false (and `fn` dropped unrun) when the
// runtime is not running.
bool PostToUi(std::function<void()> fn);
// The same for the IO thread.
bool PostToIo(std::function<void()> fn);

// Runs `fn` now when called on the UI thread, else posts it there.
void RunOnUi(std::function<void()> fn);

}  // namespace cefrt

#endif  // CEF_RUNTIME_FUNCTION_TASK_H_
