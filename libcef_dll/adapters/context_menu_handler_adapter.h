#ifndef CEF_LIBCEF_DLL_ADAPTERS_CONTEXT_MENU_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_CONTEXT_MENU_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefContextMenuHandlerAdapter final
    : public HandlerAdapter<CefContextMenuHandlerAdapter,
                            CefContextMenuHandler,
                            cef_context_menu_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_CONTEXT_MENU_HANDLER;
  typedef Members<
      Callback<&S::on_before_context_menu, &I::OnBeforeContextMenu,
               RequiredAt<1, 2, 3, 4>>,
      Callback<&S::run_context_menu, &I::RunContextMenu,
               RequiredAt<1, 2, 3, 4, 5>>,
      Callback<&S::on_context_menu_command, &I::OnContextMenuCommand,
               RequiredAt<1, 2, 3>>,
      Callback<&S::on_context_menu_dismissed, &I::OnContextMenuDismissed,
               RequiredAt<1, 2>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_CONTEXT_MENU_HANDLER_ADAPTER_H_
