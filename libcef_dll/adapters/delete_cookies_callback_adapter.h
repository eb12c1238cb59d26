#ifndef CEF_LIBCEF_DLL_ADAPTERS_DELETE_COOKIES_CALLBACK_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_DELETE_COOKIES_CALLBACK_ADAPTER_H_

#include "include/cef_callbacks_program.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefDeleteCookiesCallbackAdapter final
    : public HandlerAdapter<CefDeleteCookiesCallbackAdapter,
                            CefDeleteCookiesCallback,
                            cef_delete_cookies_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DELETE_COOKIES_CALLBACK;
  typedef Members<Callback<&S::on_complete, &I::OnComplete>> Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_DELETE_COOKIES_CALLBACK_ADAPTER_H_
