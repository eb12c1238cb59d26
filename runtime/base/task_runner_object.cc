// The task runner object that a program gets for one of the named threads.
#include <memory>
#include <utility>

#include "include/capi/cef_task_capi.h"
#include "include/capi/cef_task_runner_capi.h"
#include "runtime/app/runtime_state.h"
#include "runtime/base/counted.h"
#include "runtime/base/task_runner.h"

namespace cefrt {

namespace {

// Keeps its thread's runner, so that posts after shut-down are refused by the
// closed runner instead of reaching a freed one.
class TaskRunnerObject : public CountedStruct<cef_task_runner_t> {
 public:
  TaskRunnerObject(int tid, std::shared_ptr<TaskRunner> runner)
      : CountedStruct("cef_task_runner_t"),
        tid_(tid),
        runner_(std::move(runner)) {
    cef_task_runner_t& c = s();
    c.is_same = &IsSame;
    c.belongs_to_current_thread =
        [](cef_task_runner_t* self) CEF_CALLBACK -> int {
      return Of(self) && Of(self)->runner_->RunsOnCurrentThread() ? 1 : 0;
    };
    c.belongs_to_thread = [](cef_task_runner_t* self,
                             cef_thread_id_t tid) CEF_CALLBACK -> int {
      return Of(self) && Of(self)->tid_ == static_cast<int>(tid) ? 1 : 0;
    };
    c.post_task = [](cef_task_runner_t* self,
                     cef_task_t* task) CEF_CALLBACK -> int {
      return Post(self, task, 0);
    };
    c.post_delayed_task = [](cef_task_runner_t* self, cef_task_t* task,
                             int64_t delay_ms) CEF_CALLBACK -> int {
      return Post(self, task, delay_ms);
    };
  }

 private:
  ~TaskRunnerObject() override = default;

  static int CEF_CALLBACK IsSame(cef_task_runner_t* self,
                                 cef_task_runner_t* that) {
    TaskRunnerObject* a = Of(self);
    TaskRunnerObject* b = Of(that);
    const int same = a && b && a->runner_ == b->runner_ ? 1 : 0;
    ReleaseStruct(that);
    return same;
  }

  // Null for null and for a structure some other code made.
  static TaskRunnerObject* Of(cef_task_runner_t* s) {
    if (!s || s->base.size != sizeof(cef_task_runner_t) ||
        s->is_same != &IsSame)
      return nullptr;
    return From<TaskRunnerObject>(s);
  }

  // The task's reference is ours whatever the outcome.
  static int Post(cef_task_runner_t* self, cef_task_t* task,
                  int64_t delay_ms) {
    if (!Of(self)) {
      ReleaseTask(task);
      return 0;
    }
    return Of(self)->runner_->Post(task, delay_ms) ? 1 : 0;
  }

  const int tid_;
  const std::shared_ptr<TaskRunner> runner_;
};

cef_task_runner_t* ForThread(int tid) {
  if (tid < 0)
    return nullptr;
  std::shared_ptr<TaskRunner> runner;
  try {
    runner = NamedThreadRunner(tid);
  } catch (...) {
    // The thread could not be started.
  }
  return runner ? (new TaskRunnerObject(tid, std::move(runner)))->Give()
                : nullptr;
}

}  // namespace

}  // namespace cefrt

cef_task_runner_t* cef_task_runner_get_for_current_thread(void) {
  return cefrt::ForThread(cefrt::CurrentNamedThread());
}

cef_task_runner_t* cef_task_runner_get_for_thread(cef_thread_id_t threadId) {
  return cefrt::ForThread(static_cast<int>(threadId));
}
