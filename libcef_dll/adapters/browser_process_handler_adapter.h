#ifndef CEF_LIBCEF_DLL_ADAPTERS_BROWSER_PROCESS_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_BROWSER_PROCESS_HANDLER_ADAPTER_H_

#include "include/cef_app.h"
#include "include/cef_command_line.h"
#include "include/cef_print_handler.h"
#include "include/cef_values.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefBrowserProcessHandlerAdapter final
    : public HandlerAdapter<CefBrowserProcessHandlerAdapter,
                            CefBrowserProcessHandler,
                            cef_browser_process_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_BROWSER_PROCESS_HANDLER;
  typedef Members<
      Callback<&S::on_context_initialized, &I::OnContextInitialized>,
      Callback<&S::on_before_child_process_launch,
               &I::OnBeforeChildProcessLaunch, RequiredAt<1>>,
      Callback<&S::on_render_process_thread_created,
               &I::OnRenderProcessThreadCreated, RequiredAt<1>>,
      Callback<&S::get_print_handler, &I::GetPrintHandler>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_BROWSER_PROCESS_HANDLER_ADAPTER_H_
