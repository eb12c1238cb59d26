#ifndef CEF_LIBCEF_DLL_CTOCPP_REQUEST_CALLBACK_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_REQUEST_CALLBACK_PROXY_H_

#include "include/cef_callbacks.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefRequestCallbackProxy final
    : public ObjectProxy<CefRequestCallbackProxy, CefRequestCallback,
                         cef_request_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_REQUEST_CALLBACK;

  void Continue(bool allow) override { Forward(&S::cont, allow); }
  void Cancel() override { Forward(&S::cancel); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_REQUEST_CALLBACK_PROXY_H_
