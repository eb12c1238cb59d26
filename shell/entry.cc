#include "shell/entry.h"

#include <string>

#include "include/cef_app.h"
#include "include/cef_entry.h"
#include "libcef_dll/platform.h"
#include "shell/shell_app.h"

namespace shell {

namespace {

std::wstring Widen(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

}  // namespace

int Run(const CefMainArgs& args) {
  CefEnableHighDPISupport();

  // The guard inside CefExecuteProcess answers a foreign library with 0,
  // which would look like a sub-process that succeeded; say why and fail.
  std::string library_hash;
  if (!CefApiHashMatches(&library_hash)) {
    bridge_platform::DebugLine(L"libcef interface mismatch: library " +
                               Widen(library_hash) + L", program " +
                               Widen(CEF_API_HASH_PLATFORM));
    return kExitApiMismatch;
  }

  const int exit_code = CefExecuteProcess(args, nullptr, nullptr);
  if (exit_code >= 0) return exit_code;

  CefSettings settings;
  settings.no_sandbox = 1;
  CefString(&settings.cache_path).AssignUtf8(kCachePath);
  CefString(&settings.locale).AssignUtf8(kLocale);

  CefRefPtr<ShellApp> app = new ShellApp();

  // A library that failed to start would never end the message loop.
  if (!CefInitialize(args, settings, app, nullptr)) {
    bridge_platform::DebugLine(L"libcef failed to initialize; exiting");
    return kExitInitializeFailed;
  }

  CefRunMessageLoop();
  CefShutdown();
  const bool refused = app->browser_refused();
  app = nullptr;
  return refused ? kExitBrowserRefused : 0;
}

}  // namespace shell
