#include "libcef_dll/ctocpp/v8context_proxy.h"

CEF_BRIDGE_PROXY(CefV8ContextProxy)

CefRefPtr<CefV8Context> CefV8Context::GetCurrentContext() {
  return CefV8ContextProxy::Wrap(cef_v8context_get_current_context());
}

CefRefPtr<CefV8Context> CefV8Context::GetEnteredContext() {
  return CefV8ContextProxy::Wrap(cef_v8context_get_entered_context());
}

bool CefV8Context::InContext() { return cef_v8context_in_context() != 0; }
