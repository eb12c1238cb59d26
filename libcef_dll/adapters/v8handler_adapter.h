#ifndef CEF_LIBCEF_DLL_ADAPTERS_V8HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_V8HANDLER_ADAPTER_H_

#include "include/cef_v8.h"
#include "include/cef_v8_handler.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefV8HandlerAdapter final
    : public HandlerAdapter<CefV8HandlerAdapter, CefV8Handler,
                            cef_v8handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_V8HANDLER;
  typedef Members<Callback<&S::execute, &I::Execute, RequiredAt<1, 2, 5, 6>,
                           ArrayAt<3>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_V8HANDLER_ADAPTER_H_
