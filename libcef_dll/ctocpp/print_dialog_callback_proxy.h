#ifndef CEF_LIBCEF_DLL_CTOCPP_PRINT_DIALOG_CALLBACK_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_PRINT_DIALOG_CALLBACK_PROXY_H_

#include "include/cef_callbacks.h"
#include "include/cef_print_settings.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefPrintDialogCallbackProxy final
    : public ObjectProxy<CefPrintDialogCallbackProxy, CefPrintDialogCallback,
                         cef_print_dialog_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_PRINT_DIALOG_CALLBACK;

  void Continue(CefRefPtr<CefPrintSettings> settings) override {
    Forward(&S::cont, Required(settings));
  }
  void Cancel() override { Forward(&S::cancel); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_PRINT_DIALOG_CALLBACK_PROXY_H_
