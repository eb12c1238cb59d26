#ifndef CEF_LIBCEF_DLL_ADAPTERS_SET_COOKIE_CALLBACK_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_SET_COOKIE_CALLBACK_ADAPTER_H_

#include "include/cef_callbacks_program.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefSetCookieCallbackAdapter final
    : public HandlerAdapter<CefSetCookieCallbackAdapter, CefSetCookieCallback,
                            cef_set_cookie_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_SET_COOKIE_CALLBACK;
  typedef Members<Callback<&S::on_complete, &I::OnComplete>> Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_SET_COOKIE_CALLBACK_ADAPTER_H_
