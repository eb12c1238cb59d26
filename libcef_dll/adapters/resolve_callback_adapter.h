#ifndef CEF_LIBCEF_DLL_ADAPTERS_RESOLVE_CALLBACK_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_RESOLVE_CALLBACK_ADAPTER_H_

#include "include/cef_callbacks_program.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefResolveCallbackAdapter final
    : public HandlerAdapter<CefResolveCallbackAdapter, CefResolveCallback,
                            cef_resolve_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_RESOLVE_CALLBACK;
  typedef Members<Callback<&S::on_resolve_completed, &I::OnResolveCompleted>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_RESOLVE_CALLBACK_ADAPTER_H_
