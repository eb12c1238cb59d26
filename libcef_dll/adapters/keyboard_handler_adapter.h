#ifndef CEF_LIBCEF_DLL_ADAPTERS_KEYBOARD_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_KEYBOARD_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefKeyboardHandlerAdapter final
    : public HandlerAdapter<CefKeyboardHandlerAdapter, CefKeyboardHandler,
                            cef_keyboard_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_KEYBOARD_HANDLER;
  typedef Members<
      Callback<&S::on_pre_key_event, &I::OnPreKeyEvent, RequiredAt<1, 2, 4>>,
      Callback<&S::on_key_event, &I::OnKeyEvent, RequiredAt<1, 2>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_KEYBOARD_HANDLER_ADAPTER_H_
