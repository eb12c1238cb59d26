#ifndef CEF_LIBCEF_DLL_ADAPTERS_SCHEME_HANDLER_FACTORY_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_SCHEME_HANDLER_FACTORY_ADAPTER_H_

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_request.h"
#include "include/cef_resource.h"
#include "libcef_dll/adapters/handler_adapter.h"

// Requests that come from no browser arrive without browser and frame, so
// only the scheme name and the request are required.
class CefSchemeHandlerFactoryAdapter final
    : public HandlerAdapter<CefSchemeHandlerFactoryAdapter,
                            CefSchemeHandlerFactory,
                            cef_scheme_handler_factory_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_SCHEME_HANDLER_FACTORY;
  typedef Members<Callback<&S::create, &I::Create, RequiredAt<3, 4>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_SCHEME_HANDLER_FACTORY_ADAPTER_H_
