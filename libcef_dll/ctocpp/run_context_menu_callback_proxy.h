#ifndef CEF_LIBCEF_DLL_CTOCPP_RUN_CONTEXT_MENU_CALLBACK_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_RUN_CONTEXT_MENU_CALLBACK_PROXY_H_

#include "include/cef_callbacks.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefRunContextMenuCallbackProxy final
    : public ObjectProxy<CefRunContextMenuCallbackProxy,
                         CefRunContextMenuCallback,
                         cef_run_context_menu_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_RUN_CONTEXT_MENU_CALLBACK;

  void Continue(int command_id, EventFlags event_flags) override {
    Forward(&S::cont, command_id, event_flags);
  }
  void Cancel() override { Forward(&S::cancel); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_RUN_CONTEXT_MENU_CALLBACK_PROXY_H_
