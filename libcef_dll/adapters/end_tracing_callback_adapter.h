#ifndef CEF_LIBCEF_DLL_ADAPTERS_END_TRACING_CALLBACK_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_END_TRACING_CALLBACK_ADAPTER_H_

#include "include/cef_callbacks_program.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefEndTracingCallbackAdapter final
    : public HandlerAdapter<CefEndTracingCallbackAdapter, CefEndTracingCallback,
                            cef_end_tracing_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_END_TRACING_CALLBACK;
  typedef Members<Callback<&S::on_end_tracing_complete,
                           &I::OnEndTracingComplete, RequiredAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_END_TRACING_CALLBACK_ADAPTER_H_
