// What the small embedders of the real library that end-to-end tests drive
// have in common: their clients are counted, since none may outlive the
// library; they print what they saw a line at a time and post functions as
// tasks; a browser window is opened the same way; and the library runs from
// start to shut-down around what each one does once it is ready.
#ifndef TESTS_E2E_PROBE_SUPPORT_H_
#define TESTS_E2E_PROBE_SUPPORT_H_

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_entry.h"
#include "include/cef_records.h"
#include "include/cef_task.h"

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

// Fills each string from the environment variable it is paired with; false,
// naming them all on stderr, when any is unset.
inline bool FromEnvironment(
    std::initializer_list<std::pair<const char*, std::string*>> settings) {
  bool all = true;
  for (const auto& [name, value] : settings) {
    const char* text = std::getenv(name);
    all = all && text;
    if (text) *value = text;
  }
  if (!all) {
    std::fprintf(stderr, "probe: set");
    for (const auto& setting : settings)
      std::fprintf(stderr, " %s", setting.first);
    std::fprintf(stderr, "\n");
  }
  return all;
}

// A line of the probe's report, out at once: the test may read it while
// the probe still runs.
inline void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// A function run as the library's task.
class Task : public CefTask {
 public:
  explicit Task(std::function<void()> fn) : fn_(std::move(fn)) {}
  void Execute() override { fn_(); }

 private:
  const std::function<void()> fn_;
  IMPLEMENT_REFCOUNTING(Task);
};

inline void Post(cef_thread_id_t thread, std::function<void()> fn,
                 int64_t delay_ms = 0) {
  CefPostDelayedTask(thread, new Task(std::move(fn)), delay_ms);
}

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

// Starts the library with `app`, runs its loop until quit, calls `done` (to
// drop the probe's own references) and shuts it down. False when the
// library did not start.
inline bool Run(const CefMainArgs& args, CefRefPtr<CefApp> app,
                const std::function<void()>& done = [] {}) {
  CefSettings settings;
  settings.no_sandbox = 1;
  if (!CefInitialize(args, settings, app, nullptr)) return false;
  app = nullptr;
  CefRunMessageLoop();
  done();
  CefShutdown();
  return true;
}

// The same with an App that calls `ready` once the library is.
inline bool Run(const CefMainArgs& args, std::function<void()> ready,
                const std::function<void()>& done = [] {}) {
  return Run(args, new App(std::move(ready)), done);
}

// After the run: true, with a word on stderr, when a client is still alive.
inline bool ClientsOutlivedTheLibrary(const char* who) {
  const int left = Counted::live().load();
  if (left == 0) return false;
  std::fprintf(stderr, "%s: %d clients outlived the library\n", who, left);
  return true;
}

// A probe's exit code once the library has shut down: 2 when its checks did
// not all run (`why` on stderr), 3 when a client outlived the library,
// else 0.
inline int ExitCode(bool finished, const char* why) {
  if (!finished) {
    std::fprintf(stderr, "probe: %s\n", why);
    return 2;
  }
  return ClientsOutlivedTheLibrary("probe") ? 3 : 0;
}

}  // namespace probe

#endif  // TESTS_E2E_PROBE_SUPPORT_H_
