#ifndef CEF_LIBCEF_DLL_ADAPTERS_REQUEST_CONTEXT_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_REQUEST_CONTEXT_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefRequestContextHandlerAdapter final
    : public HandlerAdapter<CefRequestContextHandlerAdapter,
                            CefRequestContextHandler,
                            cef_request_context_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_REQUEST_CONTEXT_HANDLER;
  typedef Members<Callback<&S::get_cookie_manager, &I::GetCookieManager>,
                  Callback<&S::on_before_plugin_load, &I::OnBeforePluginLoad,
                           RequiredAt<1, 4, 5>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_REQUEST_CONTEXT_HANDLER_ADAPTER_H_
