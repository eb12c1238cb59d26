#ifndef CEF_LIBCEF_DLL_ADAPTERS_RESOURCE_BUNDLE_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_RESOURCE_BUNDLE_HANDLER_ADAPTER_H_

#include "include/cef_app.h"
#include "libcef_dll/adapters/handler_adapter.h"

// The string is written into the library's record; the data pointer and its
// size are read into locals and written back after the call.
class CefResourceBundleHandlerAdapter final
    : public HandlerAdapter<CefResourceBundleHandlerAdapter,
                            CefResourceBundleHandler,
                            cef_resource_bundle_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_RESOURCE_BUNDLE_HANDLER;
  typedef Members<
      Callback<&S::get_localized_string, &I::GetLocalizedString,
               RequiredAt<2>>,
      Callback<&S::get_data_resource, &I::GetDataResource, RequiredAt<2, 3>>,
      Callback<&S::get_data_resource_for_scale, &I::GetDataResourceForScale,
               RequiredAt<3, 4>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_RESOURCE_BUNDLE_HANDLER_ADAPTER_H_
