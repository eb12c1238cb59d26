#ifndef CEF_LIBCEF_DLL_CTOCPP_JSDIALOG_CALLBACK_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_JSDIALOG_CALLBACK_PROXY_H_

#include "include/cef_callbacks.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefJSDialogCallbackProxy final
    : public ObjectProxy<CefJSDialogCallbackProxy, CefJSDialogCallback,
                         cef_jsdialog_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_JSDIALOG_CALLBACK;

  void Continue(bool success, const CefString& user_input) override {
    Forward(&S::cont, success, user_input);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_JSDIALOG_CALLBACK_PROXY_H_
