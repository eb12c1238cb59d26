#ifndef CEF_LIBCEF_DLL_ADAPTERS_FIND_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_FIND_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefFindHandlerAdapter final
    : public HandlerAdapter<CefFindHandlerAdapter, CefFindHandler,
                            cef_find_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_FIND_HANDLER;
  typedef Members<
      Callback<&S::on_find_result, &I::OnFindResult, RequiredAt<1, 4>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_FIND_HANDLER_ADAPTER_H_
