#include "shell/shell_app.h"

#include "include/cef_browser.h"
#include "include/cef_entry.h"
#include "include/cef_records.h"
#include "libcef_dll/platform.h"
#include "shell/shell_client.h"

#ifndef PELLAVINE_START_HOST
#define PELLAVINE_START_HOST "127.0.0.1"
#endif

namespace shell {

const char* StartUrl() {
  return "http://" PELLAVINE_START_HOST ":88/quillbook/loginIndex";
}

void ShellApp::OnBeforeCommandLineProcessing(
    const CefString& process_type, CefRefPtr<CefCommandLine> command_line) {
  // Only the browser process: sub-processes get the library's own lines.
  if (!process_type.Equals(CefString())) return;
  command_line->AppendSwitch("disable-gpu");
  command_line->AppendSwitch("no-proxy-server");
}

void ShellApp::OnContextInitialized() {
  CefWindowInfo window_info;
  window_info.SetAsPopup(nullptr, CefString(kShellWindowName));
  CefRefPtr<ShellClient> client = new ShellClient();
  CefBrowserSettings browser_settings;
  browser_settings.size = sizeof(cef_browser_settings_t);
  if (!CefBrowserHost::CreateBrowser(window_info, client, StartUrl(),
                                     browser_settings, nullptr)) {
    bridge_platform::DebugLine(
        L"libcef refused to create the browser; exiting");
    browser_refused_ = true;
    CefQuitMessageLoop();
  }
}

}  // namespace shell
