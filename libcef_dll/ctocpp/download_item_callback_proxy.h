#ifndef CEF_LIBCEF_DLL_CTOCPP_DOWNLOAD_ITEM_CALLBACK_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_DOWNLOAD_ITEM_CALLBACK_PROXY_H_

#include "include/cef_callbacks.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefDownloadItemCallbackProxy final
    : public ObjectProxy<CefDownloadItemCallbackProxy, CefDownloadItemCallback,
                         cef_download_item_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DOWNLOAD_ITEM_CALLBACK;

  void Cancel() override { Forward(&S::cancel); }
  void Pause() override { Forward(&S::pause); }
  void Resume() override { Forward(&S::resume); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_DOWNLOAD_ITEM_CALLBACK_PROXY_H_
