#ifndef CEF_LIBCEF_DLL_CTOCPP_AUTH_CALLBACK_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_AUTH_CALLBACK_PROXY_H_

#include "include/cef_callbacks.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefAuthCallbackProxy final
    : public ObjectProxy<CefAuthCallbackProxy, CefAuthCallback,
                         cef_auth_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_AUTH_CALLBACK;

  void Continue(const CefString& username, const CefString& password) override {
    Forward(&S::cont, Required(username), Required(password));
  }
  void Cancel() override { Forward(&S::cancel); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_AUTH_CALLBACK_PROXY_H_
