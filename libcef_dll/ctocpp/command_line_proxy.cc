#include "libcef_dll/ctocpp/command_line_proxy.h"

#include "include/cef_entry.h"

CEF_BRIDGE_PROXY(CefCommandLineProxy)

// Both creators refuse a library that speaks another interface version.
CefRefPtr<CefCommandLine> CefCommandLine::CreateCommandLine() {
  if (!CefApiHashMatches()) return nullptr;
  return CefCommandLineProxy::Wrap(cef_command_line_create());
}

CefRefPtr<CefCommandLine> CefCommandLine::GetGlobalCommandLine() {
  if (!CefApiHashMatches()) return nullptr;
  return CefCommandLineProxy::Wrap(cef_command_line_get_global());
}
