#ifndef CEF_LIBCEF_DLL_ADAPTERS_JSDIALOG_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_JSDIALOG_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefJSDialogHandlerAdapter final
    : public HandlerAdapter<CefJSDialogHandlerAdapter, CefJSDialogHandler,
                            cef_jsdialog_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_JSDIALOG_HANDLER;
  typedef Members<
      Callback<&S::on_jsdialog, &I::OnJSDialog, RequiredAt<1, 7, 8>>,
      Callback<&S::on_before_unload_dialog, &I::OnBeforeUnloadDialog,
               RequiredAt<1, 4>>,
      Callback<&S::on_reset_dialog_state, &I::OnResetDialogState,
               RequiredAt<1>>,
      Callback<&S::on_dialog_closed, &I::OnDialogClosed, RequiredAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_JSDIALOG_HANDLER_ADAPTER_H_
