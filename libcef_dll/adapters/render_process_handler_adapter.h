#ifndef CEF_LIBCEF_DLL_ADAPTERS_RENDER_PROCESS_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_RENDER_PROCESS_HANDLER_ADAPTER_H_

#include "include/cef_app.h"
#include "libcef_dll/adapters/handler_adapter.h"

// on_focused_node_changed's frame and node are null when nothing editable
// has the focus, so only its browser is required.
class CefRenderProcessHandlerAdapter final
    : public HandlerAdapter<CefRenderProcessHandlerAdapter,
                            CefRenderProcessHandler,
                            cef_render_process_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_RENDER_PROCESS_HANDLER;
  typedef Members<
      Callback<&S::on_render_thread_created, &I::OnRenderThreadCreated,
               RequiredAt<1>>,
      Callback<&S::on_web_kit_initialized, &I::OnWebKitInitialized>,
      Callback<&S::on_browser_created, &I::OnBrowserCreated, RequiredAt<1>>,
      Callback<&S::on_browser_destroyed, &I::OnBrowserDestroyed,
               RequiredAt<1>>,
      Callback<&S::get_load_handler, &I::GetLoadHandler>,
      Callback<&S::on_before_navigation, &I::OnBeforeNavigation,
               RequiredAt<1, 2, 3>>,
      Callback<&S::on_context_created, &I::OnContextCreated,
               RequiredAt<1, 2, 3>>,
      Callback<&S::on_context_released, &I::OnContextReleased,
               RequiredAt<1, 2, 3>>,
      Callback<&S::on_uncaught_exception, &I::OnUncaughtException,
               RequiredAt<1, 2, 3, 4, 5>>,
      Callback<&S::on_focused_node_changed, &I::OnFocusedNodeChanged,
               RequiredAt<1>>,
      Callback<&S::on_process_message_received, &I::OnProcessMessageReceived,
               RequiredAt<1, 3>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_RENDER_PROCESS_HANDLER_ADAPTER_H_
