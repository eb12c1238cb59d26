// A handle on one of the library's threads for posting work to it. The
// library implements it; the program reaches it through a proxy or the
// creators.
#ifndef CEF_INCLUDE_CEF_TASK_RUNNER_H_
#define CEF_INCLUDE_CEF_TASK_RUNNER_H_

#include <cstdint>

#include "include/capi/cef_task_runner_capi.h"
#include "include/cef_base.h"

class CefTask;

class CefTaskRunner : public virtual CefBase {
 public:
  // Null on a thread that the library does not run.
  static CefRefPtr<CefTaskRunner> GetForCurrentThread();
  static CefRefPtr<CefTaskRunner> GetForThread(cef_thread_id_t threadId);

  virtual bool IsSame(CefRefPtr<CefTaskRunner> that) = 0;
  virtual bool BelongsToCurrentThread() = 0;
  virtual bool BelongsToThread(cef_thread_id_t threadId) = 0;
  virtual bool PostTask(CefRefPtr<CefTask> task) = 0;
  virtual bool PostDelayedTask(CefRefPtr<CefTask> task, int64_t delay_ms) = 0;
};

#endif  // CEF_INCLUDE_CEF_TASK_RUNNER_H_
