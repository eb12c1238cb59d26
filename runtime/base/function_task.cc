#include "runtime/base/function_task.h"

#include <utility>

#include "include/capi/cef_entry_capi.h"

namespace cefrt {

FunctionTask::FunctionTask(std::function<void()> fn)
    : CountedStruct("cef_task_t"), fn_(std::move(fn)) {
  s().execute = [](cef_task_t* t) CEF_CALLBACK {
    FunctionTask* self = From<FunctionTask>(t);
    if (self && self->fn_) {
      std::function<void()> run = std::move(self->fn_);
      run();
    }
  };
}

bool PostToUi(std::function<void()> fn) {
  return cef_post_task(TID_UI, (new FunctionTask(std::move(fn)))->Give()) != 0;
}

bool PostToIo(std::function<void()> fn) {
  return cef_post_task(TID_IO, (new FunctionTask(std::move(fn)))->Give()) != 0;
}

void RunOnUi(std::function<void()> fn) {
  if (cef_currently_on(TID_UI))
    fn();
  else
    PostToUi(std::move(fn));
}

}  // namespace cefrt
