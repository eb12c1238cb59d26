#ifndef CEF_LIBCEF_DLL_ADAPTERS_GEOLOCATION_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_GEOLOCATION_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefGeolocationHandlerAdapter final
    : public HandlerAdapter<CefGeolocationHandlerAdapter, CefGeolocationHandler,
                            cef_geolocation_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_GEOLOCATION_HANDLER;
  typedef Members<
      Callback<&S::on_request_geolocation_permission,
               &I::OnRequestGeolocationPermission, RequiredAt<1, 2, 4>>,
      Callback<&S::on_cancel_geolocation_permission,
               &I::OnCancelGeolocationPermission, RequiredAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_GEOLOCATION_HANDLER_ADAPTER_H_
