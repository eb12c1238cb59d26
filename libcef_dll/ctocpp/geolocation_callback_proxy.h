#ifndef CEF_LIBCEF_DLL_CTOCPP_GEOLOCATION_CALLBACK_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_GEOLOCATION_CALLBACK_PROXY_H_

#include "include/cef_callbacks.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefGeolocationCallbackProxy final
    : public ObjectProxy<CefGeolocationCallbackProxy, CefGeolocationCallback,
                         cef_geolocation_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_GEOLOCATION_CALLBACK;

  void Continue(bool allow) override { Forward(&S::cont, allow); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_GEOLOCATION_CALLBACK_PROXY_H_
