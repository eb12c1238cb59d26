// A small embedder of the real library that opens and closes browser
// windows one after another, as the shell would, and measures its resident
// memory after the first SOAK_BASELINE windows and after all SOAK_COUNT.
// Prints the figures. Exit codes: 0 when every window loaded and closed,
// every client went with the library and memory stayed within 10% of the
// baseline; 2 when a window did not load or close in time, 3 when a client
// outlived the library, 4 for bad use, 5 when memory grew more than that.
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_entry.h"
#include "include/cef_records.h"
#include "include/cef_task.h"
#include "tests/e2e/probe_support.h"

namespace {

// Bounds each window's round trip, so a stuck one ends the run.
constexpr int kWindowLimitMs = 30000;
constexpr double kAllowedGrowth = 0.10;

struct Soak {
  int count = 0;
  int baseline = 0;
  std::string url;
  int opened = 0;
  int closed = 0;
  bool gave_up = false;
  long rss_baseline_kb = 0;
  long rss_end_kb = 0;
};
Soak g_soak;

long ResidentKb() {
  // What the allocator merely keeps for reuse is not growth.
  malloc_trim(0);
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void OpenNext();

class SoakClient : public CefClient,
                   public CefLifeSpanHandler,
                   public CefLoadHandler,
                   public probe::Counted {
 public:

  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    browser_ = browser;
  }
  void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame>,
                 int) override {
    if (CefRefPtr<CefBrowserHost> host = browser->GetHost())
      host->CloseBrowser(true);
  }
  void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame>,
                   ErrorCode code, const CefString&,
                   const CefString&) override {
    std::fprintf(stderr, "soak: window %d failed to load (%d)\n",
                 g_soak.opened, static_cast<int>(code));
    g_soak.gave_up = true;
    if (CefRefPtr<CefBrowserHost> host = browser->GetHost())
      host->CloseBrowser(true);
  }
  void OnBeforeClose(CefRefPtr<CefBrowser>) override {
    browser_ = nullptr;
    ++g_soak.closed;
    if (g_soak.closed == g_soak.baseline) g_soak.rss_baseline_kb = ResidentKb();
    if (g_soak.closed >= g_soak.count || g_soak.gave_up) {
      g_soak.rss_end_kb = ResidentKb();
      CefQuitMessageLoop();
      return;
    }
    // From the loop, as a person's next window would come.
    probe::Post(TID_UI, &OpenNext);
  }

  // Closes a window that did not get through in time.
  void GiveUp(int window) {
    if (window != g_soak.opened || g_soak.closed >= window) return;
    std::fprintf(stderr, "soak: window %d did not load and close in time\n",
                 window);
    g_soak.gave_up = true;
    if (browser_) {
      if (CefRefPtr<CefBrowserHost> host = browser_->GetHost())
        host->CloseBrowser(true);
    } else {
      CefQuitMessageLoop();
    }
  }

 private:
  CefRefPtr<CefBrowser> browser_;
  IMPLEMENT_REFCOUNTING(SoakClient);
};

CefRefPtr<SoakClient> g_client;

void OpenNext() {
  ++g_soak.opened;
  probe::OpenBrowser("soak", g_client.get(), g_soak.url);
  probe::Post(
      TID_UI,
      [n = g_soak.opened] {
        if (g_client) g_client->GiveUp(n);
      },
      kWindowLimitMs);
}

int FromEnv(const char* name) {
  const char* text = std::getenv(name);
  return text ? std::atoi(text) : 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  CefMainArgs args(argc, argv);
  const int sub_process = CefExecuteProcess(args, nullptr, nullptr);
  if (sub_process >= 0) return sub_process;

  g_soak.count = FromEnv("SOAK_COUNT");
  g_soak.baseline = FromEnv("SOAK_BASELINE");
  const char* url = std::getenv("SOAK_URL");
  if (g_soak.baseline <= 0 || g_soak.count <= g_soak.baseline || !url) {
    std::fprintf(stderr, "soak: set SOAK_COUNT > SOAK_BASELINE > 0 and "
                         "SOAK_URL\n");
    return 4;
  }
  g_soak.url = url;

  g_client = new SoakClient();
  if (!probe::Run(args, &OpenNext, [] { g_client = nullptr; })) return 4;

  const double growth =
      g_soak.rss_baseline_kb > 0
          ? static_cast<double>(g_soak.rss_end_kb - g_soak.rss_baseline_kb) /
                static_cast<double>(g_soak.rss_baseline_kb)
          : 0;
  std::printf("soak: %d windows; resident %ld kB after %d, %ld kB after "
              "%d (%+.1f%%)\n",
              g_soak.closed, g_soak.rss_baseline_kb, g_soak.baseline,
              g_soak.rss_end_kb, g_soak.closed, growth * 100);
  if (g_soak.gave_up || g_soak.closed != g_soak.count) return 2;
  if (probe::ClientsOutlivedTheLibrary("soak")) return 3;
#if defined(__SANITIZE_ADDRESS__)
  // The sanitizer's quarantine holds freed memory on purpose; its leak
  // check stands in for the memory rule.
  return 0;
#else
  return growth > kAllowedGrowth ? 5 : 0;
#endif
}
