#ifndef CEF_LIBCEF_DLL_ADAPTERS_RUN_FILE_DIALOG_CALLBACK_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_RUN_FILE_DIALOG_CALLBACK_ADAPTER_H_

#include "include/cef_callbacks_program.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefRunFileDialogCallbackAdapter final
    : public HandlerAdapter<CefRunFileDialogCallbackAdapter,
                            CefRunFileDialogCallback,
                            cef_run_file_dialog_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_RUN_FILE_DIALOG_CALLBACK;
  typedef Members<Callback<&S::on_file_dialog_dismissed,
                           &I::OnFileDialogDismissed, NonNegativeAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_RUN_FILE_DIALOG_CALLBACK_ADAPTER_H_
