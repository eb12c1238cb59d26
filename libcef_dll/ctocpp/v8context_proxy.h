#ifndef CEF_LIBCEF_DLL_CTOCPP_V8CONTEXT_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_V8CONTEXT_PROXY_H_

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_task_runner.h"
#include "include/cef_v8.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefV8ContextProxy final
    : public ObjectProxy<CefV8ContextProxy, CefV8Context, cef_v8context_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_V8CONTEXT;

  CefRefPtr<CefTaskRunner> GetTaskRunner() override {
    return Forward(&S::get_task_runner);
  }
  bool IsValid() override { return Forward(&S::is_valid); }
  CefRefPtr<CefBrowser> GetBrowser() override {
    return Forward(&S::get_browser);
  }
  CefRefPtr<CefFrame> GetFrame() override { return Forward(&S::get_frame); }
  CefRefPtr<CefV8Value> GetGlobal() override {
    return Forward(&S::get_global);
  }
  bool Enter() override { return Forward(&S::enter); }
  bool Exit() override { return Forward(&S::exit); }
  bool IsSame(CefRefPtr<CefV8Context> that) override {
    return Forward(&S::is_same, Required(that));
  }
  bool Eval(const CefString& code, CefRefPtr<CefV8Value>& retval,
            CefRefPtr<CefV8Exception>& exception) override {
    return Forward(&S::eval, Required(code), InOut(retval), InOut(exception));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_V8CONTEXT_PROXY_H_
