#ifndef CEF_LIBCEF_DLL_ADAPTERS_DIALOG_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_DIALOG_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefDialogHandlerAdapter final
    : public HandlerAdapter<CefDialogHandlerAdapter, CefDialogHandler,
                            cef_dialog_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DIALOG_HANDLER;
  typedef Members<Callback<&S::on_file_dialog, &I::OnFileDialog,
                           RequiredAt<1, 7>, NonNegativeAt<6>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_DIALOG_HANDLER_ADAPTER_H_
