#include "libcef_dll/ctocpp/v8stack_trace_proxy.h"

CEF_BRIDGE_PROXY(CefV8StackTraceProxy)

CefRefPtr<CefV8StackTrace> CefV8StackTrace::GetCurrent(int frame_limit) {
  return CefV8StackTraceProxy::Wrap(cef_v8stack_trace_get_current(frame_limit));
}
