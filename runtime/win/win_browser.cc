// Windows has no browser view yet: browsers are refused.
#include "runtime/browser.h"
#include "runtime/ui_toolkit.h"

namespace cefrt {

std::unique_ptr<MessagePump> CreateUiMessagePump(std::vector<std::string>*) {
  return nullptr;
}

void DispatchPendingUiEvents() {}

bool PlatformCanCreateBrowsers() {
  return false;
}

Browser* CreatePlatformBrowser(const cef_window_info_t*, cef_client_t* client,
                               const std::string&,
                               const cef_browser_settings_t*) {
  ReleaseStruct(client);
  return nullptr;
}

void ConfigurePlatform(const BrowserEnvironment&) {}

void ShutdownPlatform() {}

}  // namespace cefrt
