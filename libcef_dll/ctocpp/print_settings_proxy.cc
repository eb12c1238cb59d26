#include "libcef_dll/ctocpp/print_settings_proxy.h"

CEF_BRIDGE_PROXY(CefPrintSettingsProxy)

CefRefPtr<CefPrintSettings> CefPrintSettings::Create() {
  return CefPrintSettingsProxy::Wrap(cef_print_settings_create());
}
