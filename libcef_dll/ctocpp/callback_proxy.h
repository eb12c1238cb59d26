#ifndef CEF_LIBCEF_DLL_CTOCPP_CALLBACK_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_CALLBACK_PROXY_H_

#include "include/cef_callbacks.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefCallbackProxy final
    : public ObjectProxy<CefCallbackProxy, CefCallback, cef_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_CALLBACK;

  void Continue() override { Forward(&S::cont); }
  void Cancel() override { Forward(&S::cancel); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_CALLBACK_PROXY_H_
