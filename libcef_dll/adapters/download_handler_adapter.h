#ifndef CEF_LIBCEF_DLL_ADAPTERS_DOWNLOAD_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_DOWNLOAD_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefDownloadHandlerAdapter final
    : public HandlerAdapter<CefDownloadHandlerAdapter, CefDownloadHandler,
                            cef_download_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DOWNLOAD_HANDLER;
  typedef Members<
      Callback<&S::on_before_download, &I::OnBeforeDownload,
               RequiredAt<1, 2, 3, 4>>,
      Callback<&S::on_download_updated, &I::OnDownloadUpdated,
               RequiredAt<1, 2, 3>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_DOWNLOAD_HANDLER_ADAPTER_H_
