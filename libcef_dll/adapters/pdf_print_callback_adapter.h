#ifndef CEF_LIBCEF_DLL_ADAPTERS_PDF_PRINT_CALLBACK_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_PDF_PRINT_CALLBACK_ADAPTER_H_

#include "include/cef_callbacks_program.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefPdfPrintCallbackAdapter final
    : public HandlerAdapter<CefPdfPrintCallbackAdapter, CefPdfPrintCallback,
                            cef_pdf_print_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_PDF_PRINT_CALLBACK;
  typedef Members<Callback<&S::on_pdf_print_finished, &I::OnPdfPrintFinished,
                           RequiredAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_PDF_PRINT_CALLBACK_ADAPTER_H_
