#ifndef CEF_LIBCEF_DLL_CTOCPP_BEFORE_DOWNLOAD_CALLBACK_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_BEFORE_DOWNLOAD_CALLBACK_PROXY_H_

#include "include/cef_callbacks.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefBeforeDownloadCallbackProxy final
    : public ObjectProxy<CefBeforeDownloadCallbackProxy,
                         CefBeforeDownloadCallback,
                         cef_before_download_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_BEFORE_DOWNLOAD_CALLBACK;

  void Continue(const CefString& download_path, bool show_dialog) override {
    Forward(&S::cont, download_path, show_dialog);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_BEFORE_DOWNLOAD_CALLBACK_PROXY_H_
