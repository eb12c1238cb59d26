#ifndef CEF_LIBCEF_DLL_CTOCPP_TASK_RUNNER_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_TASK_RUNNER_PROXY_H_

#include "include/cef_task.h"
#include "include/cef_task_runner.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefTaskRunnerProxy final
    : public ObjectProxy<CefTaskRunnerProxy, CefTaskRunner, cef_task_runner_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_TASK_RUNNER;

  bool IsSame(CefRefPtr<CefTaskRunner> that) override {
    return Forward(&S::is_same, Required(that));
  }
  bool BelongsToCurrentThread() override {
    return Forward(&S::belongs_to_current_thread);
  }
  bool BelongsToThread(cef_thread_id_t threadId) override {
    return Forward(&S::belongs_to_thread, threadId);
  }
  bool PostTask(CefRefPtr<CefTask> task) override {
    return Forward(&S::post_task, Required(task));
  }
  bool PostDelayedTask(CefRefPtr<CefTask> task, int64_t delay_ms) override {
    return Forward(&S::post_delayed_task, Required(task), delay_ms);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_TASK_RUNNER_PROXY_H_
