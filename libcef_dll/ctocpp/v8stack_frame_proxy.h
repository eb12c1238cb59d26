#ifndef CEF_LIBCEF_DLL_CTOCPP_V8STACK_FRAME_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_V8STACK_FRAME_PROXY_H_

#include "include/cef_v8.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefV8StackFrameProxy final
    : public ObjectProxy<CefV8StackFrameProxy, CefV8StackFrame,
                         cef_v8stack_frame_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_V8STACK_FRAME;

  bool IsValid() override { return Forward(&S::is_valid); }
  CefString GetScriptName() override { return Forward(&S::get_script_name); }
  CefString GetScriptNameOrSourceURL() override {
    return Forward(&S::get_script_name_or_source_url);
  }
  CefString GetFunctionName() override {
    return Forward(&S::get_function_name);
  }
  int GetLineNumber() override { return Forward(&S::get_line_number); }
  int GetColumn() override { return Forward(&S::get_column); }
  bool IsEval() override { return Forward(&S::is_eval); }
  bool IsConstructor() override { return Forward(&S::is_constructor); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_V8STACK_FRAME_PROXY_H_
