#include "libcef_dll/ctocpp/task_runner_proxy.h"

CEF_BRIDGE_PROXY(CefTaskRunnerProxy)

CefRefPtr<CefTaskRunner> CefTaskRunner::GetForCurrentThread() {
  return CefTaskRunnerProxy::Wrap(cef_task_runner_get_for_current_thread());
}

CefRefPtr<CefTaskRunner> CefTaskRunner::GetForThread(cef_thread_id_t threadId) {
  return CefTaskRunnerProxy::Wrap(cef_task_runner_get_for_thread(threadId));
}
