// What the small embedders of the real library that end-to-end tests drive
// have in common: their clients are counted, since none may outlive the
// library; a browser window is opened the same way; and the library runs
// from start to shut-down around what each one does once it is ready.
#ifndef TESTS_E2E_PROBE_SUPPORT_H_
#define TESTS_E2E_PROBE_SUPPORT_H_

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_entry.h"
#include "include/cef_records.h"

namespace probe {

// A client class derives from this as well, to be counted.
class Counted {
 public:
  Counted() { ++live(); }
  ~Counted() { --live(); }
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;

  static std::atomic<int>& live() {
    static std::atomic<int> count{0};
    return count;
  }
};

inline void OpenBrowser(const char* title, CefRefPtr<CefClient> client,
                        const std::string& url,
                        const CefBrowserSettings& settings =
                            CefBrowserSettings()) {
  CefWindowInfo window_info;
  window_info.SetAsPopup(nullptr, CefString(title));
  CefBrowserHost::CreateBrowser(window_info, client, CefString(url), settings,
                                nullptr);
}

// Runs `ready` on the UI thread once the library's context is ready.
class App : public CefApp, public CefBrowserProcessHandler {
 public:
  explicit App(std::function<void()> ready) : ready_(std::move(ready)) {}
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override {
    return this;
  }
  void OnContextInitialized() override { ready_(); }

 private:
  const std::function<void()> ready_;
  IMPLEMENT_REFCOUNTING(App);
};

// Starts the library, calls `ready` once it is, runs its loop until quit,
// calls `done` (to drop the probe's own references) and shuts it down.
// False when the library did not start.
inline bool Run(const CefMainArgs& args, std::function<void()> ready,
                const std::function<void()>& done = [] {}) {
  CefSettings settings;
  settings.no_sandbox = 1;
  CefRefPtr<App> app = new App(std::move(ready));
  if (!CefInitialize(args, settings, app, nullptr)) return false;
  CefRunMessageLoop();
  done();
  CefShutdown();
  return true;
}

// After the run: true, with a word on stderr, when a client is still alive.
inline bool ClientsOutlivedTheLibrary(const char* who) {
  const int left = Counted::live().load();
  if (left == 0) return false;
  std::fprintf(stderr, "%s: %d clients outlived the library\n", who, left);
  return true;
}

}  // namespace probe

#endif  // TESTS_E2E_PROBE_SUPPORT_H_
