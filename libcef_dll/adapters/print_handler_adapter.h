#ifndef CEF_LIBCEF_DLL_ADAPTERS_PRINT_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_PRINT_HANDLER_ADAPTER_H_

#include "include/cef_print_handler.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefPrintHandlerAdapter final
    : public HandlerAdapter<CefPrintHandlerAdapter, CefPrintHandler,
                            cef_print_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_PRINT_HANDLER;
  typedef Members<
      Callback<&S::on_print_start, &I::OnPrintStart, RequiredAt<1>>,
      Callback<&S::on_print_settings, &I::OnPrintSettings, RequiredAt<1>>,
      Callback<&S::on_print_dialog, &I::OnPrintDialog, RequiredAt<2>>,
      Callback<&S::on_print_job, &I::OnPrintJob, RequiredAt<1, 2, 3>>,
      Callback<&S::on_print_reset, &I::OnPrintReset>,
      Callback<&S::get_pdf_paper_size, &I::GetPdfPaperSize>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_PRINT_HANDLER_ADAPTER_H_
