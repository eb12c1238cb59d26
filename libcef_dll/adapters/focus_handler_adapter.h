#ifndef CEF_LIBCEF_DLL_ADAPTERS_FOCUS_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_FOCUS_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefFocusHandlerAdapter final
    : public HandlerAdapter<CefFocusHandlerAdapter, CefFocusHandler,
                            cef_focus_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_FOCUS_HANDLER;
  typedef Members<Callback<&S::on_take_focus, &I::OnTakeFocus, RequiredAt<1>>,
                  Callback<&S::on_set_focus, &I::OnSetFocus, RequiredAt<1>>,
                  Callback<&S::on_got_focus, &I::OnGotFocus, RequiredAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_FOCUS_HANDLER_ADAPTER_H_
