#ifndef CEF_LIBCEF_DLL_ADAPTERS_GET_GEOLOCATION_CALLBACK_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_GET_GEOLOCATION_CALLBACK_ADAPTER_H_

#include "include/cef_callbacks_program.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefGetGeolocationCallbackAdapter final
    : public HandlerAdapter<CefGetGeolocationCallbackAdapter,
                            CefGetGeolocationCallback,
                            cef_get_geolocation_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_GET_GEOLOCATION_CALLBACK;
  typedef Members<
      Callback<&S::on_location_update, &I::OnLocationUpdate, RequiredAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_GET_GEOLOCATION_CALLBACK_ADAPTER_H_
