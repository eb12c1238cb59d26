#ifndef CEF_LIBCEF_DLL_CTOCPP_V8STACK_TRACE_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_V8STACK_TRACE_PROXY_H_

#include "include/cef_v8.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefV8StackTraceProxy final
    : public ObjectProxy<CefV8StackTraceProxy, CefV8StackTrace,
                         cef_v8stack_trace_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_V8STACK_TRACE;

  bool IsValid() override { return Forward(&S::is_valid); }
  int GetFrameCount() override { return Forward(&S::get_frame_count); }
  // The library judges the index itself.
  CefRefPtr<CefV8StackFrame> GetFrame(int index) override {
    return Forward(&S::get_frame, index);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_V8STACK_TRACE_PROXY_H_
