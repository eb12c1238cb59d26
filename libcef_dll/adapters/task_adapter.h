#ifndef CEF_LIBCEF_DLL_ADAPTERS_TASK_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_TASK_ADAPTER_H_

#include "include/cef_task.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefTaskAdapter final
    : public HandlerAdapter<CefTaskAdapter, CefTask, cef_task_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_TASK;
  typedef Members<Callback<&S::execute, &I::Execute>> Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_TASK_ADAPTER_H_
