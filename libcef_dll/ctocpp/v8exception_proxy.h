#ifndef CEF_LIBCEF_DLL_CTOCPP_V8EXCEPTION_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_V8EXCEPTION_PROXY_H_

#include "include/cef_v8.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefV8ExceptionProxy final
    : public ObjectProxy<CefV8ExceptionProxy, CefV8Exception,
                         cef_v8exception_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_V8EXCEPTION;

  CefString GetMessage() override { return Forward(&S::get_message); }
  CefString GetSourceLine() override { return Forward(&S::get_source_line); }
  CefString GetScriptResourceName() override {
    return Forward(&S::get_script_resource_name);
  }
  int GetLineNumber() override { return Forward(&S::get_line_number); }
  int GetStartPosition() override { return Forward(&S::get_start_position); }
  int GetEndPosition() override { return Forward(&S::get_end_position); }
  int GetStartColumn() override { return Forward(&S::get_start_column); }
  int GetEndColumn() override { return Forward(&S::get_end_column); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_V8EXCEPTION_PROXY_H_
