#include "libcef_dll/ctocpp/process_message_proxy.h"

CEF_BRIDGE_PROXY(CefProcessMessageProxy)

CefRefPtr<CefProcessMessage> CefProcessMessage::Create(const CefString& name) {
  if (name.IsEmpty()) return nullptr;
  return CefProcessMessageProxy::Wrap(
      cef_process_message_create(name.Record()));
}
