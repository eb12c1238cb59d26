#ifndef CEF_LIBCEF_DLL_ADAPTERS_LOAD_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_LOAD_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefLoadHandlerAdapter final
    : public HandlerAdapter<CefLoadHandlerAdapter, CefLoadHandler,
                            cef_load_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_LOAD_HANDLER;
  typedef Members<
      Callback<&S::on_loading_state_change, &I::OnLoadingStateChange,
               RequiredAt<1>>,
      Callback<&S::on_load_start, &I::OnLoadStart, RequiredAt<1, 2>>,
      Callback<&S::on_load_end, &I::OnLoadEnd, RequiredAt<1, 2>>,
      Callback<&S::on_load_error, &I::OnLoadError, RequiredAt<1, 2, 5>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_LOAD_HANDLER_ADAPTER_H_
