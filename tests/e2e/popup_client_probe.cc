// A small embedder of the real library for one check: its page opens a
// pop-up at once, and its life-span handler keeps, replaces or clears the
// client it is offered for the pop-up (PROBE_MOVE: keep, replace, clear).
// A reference that the crossing leaks keeps a client alive after shut-down;
// one taken twice frees it under the library. Exit codes: 0 when every
// client was destroyed and the pop-up was offered once, 2 when no pop-up was
// offered in time, 3 when a client outlived the library, 4 for bad use.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_entry.h"
#include "include/cef_records.h"
#include "include/cef_task.h"
#include "tests/e2e/probe_support.h"

namespace {

enum class Move { kKeep, kReplace, kClear };

struct Probe {
  Move move = Move::kKeep;
  std::string url;
  std::vector<CefRefPtr<CefBrowser>> browsers;
  int offered = 0;
  bool gave_up = false;
};
Probe g_probe;

// Closes every window; when `give_up`, only if no pop-up was offered yet.
void CloseAll(bool give_up) {
  if (give_up && g_probe.offered > 0) return;
  g_probe.gave_up = give_up;
  const std::vector<CefRefPtr<CefBrowser>> open = g_probe.browsers;
  for (const CefRefPtr<CefBrowser>& browser : open) {
    if (CefRefPtr<CefBrowserHost> host = browser->GetHost())
      host->CloseBrowser(true);
  }
}

class ProbeClient : public CefClient,
                    public CefLifeSpanHandler,
                    public probe::Counted {
 public:
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }

  bool OnBeforePopup(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                     const CefString&, const CefString&, WindowOpenDisposition,
                     bool, const CefPopupFeatures&, CefWindowInfo&,
                     CefRefPtr<CefClient>& client, CefBrowserSettings&,
                     bool&) override {
    ++g_probe.offered;
    if (client.get() != this) {
      std::fprintf(stderr, "probe: the pop-up was offered another client\n");
      g_probe.gave_up = true;
    }
    if (g_probe.move == Move::kReplace) client = new ProbeClient();
    if (g_probe.move == Move::kClear) client = nullptr;
    // Once the pop-up is up (or, without a client, unseen), close all.
    probe::Post(TID_UI, [] { CloseAll(false); }, 700);
    return false;
  }

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    g_probe.browsers.push_back(browser);
  }

  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override {
    for (auto it = g_probe.browsers.begin(); it != g_probe.browsers.end();
         ++it) {
      if ((*it)->IsSame(browser)) {
        g_probe.browsers.erase(it);
        break;
      }
    }
    if (g_probe.browsers.empty()) CefQuitMessageLoop();
  }

  IMPLEMENT_REFCOUNTING(ProbeClient);
};

void Open() {
  CefBrowserSettings settings;
  settings.javascript_open_windows = STATE_ENABLED;
  probe::OpenBrowser("probe", new ProbeClient(), g_probe.url, settings);
  probe::Post(TID_UI, [] { CloseAll(true); }, 20000);
}

bool ParseMove(const char* text, Move* move) {
  if (!text) return false;
  const struct {
    const char* name;
    Move move;
  } names[] = {{"keep", Move::kKeep},
               {"replace", Move::kReplace},
               {"clear", Move::kClear}};
  for (const auto& each : names) {
    if (std::strcmp(text, each.name) == 0) {
      *move = each.move;
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  CefMainArgs args(argc, argv);
  const int sub_process = CefExecuteProcess(args, nullptr, nullptr);
  if (sub_process >= 0) return sub_process;

  const char* url = std::getenv("PROBE_URL");
  if (!ParseMove(std::getenv("PROBE_MOVE"), &g_probe.move) || !url) {
    std::fprintf(stderr, "probe: set PROBE_MOVE (keep|replace|clear) and "
                         "PROBE_URL\n");
    return 4;
  }
  g_probe.url = url;

  if (!probe::Run(args, &Open)) return 4;

  if (g_probe.gave_up || g_probe.offered != 1) {
    std::fprintf(stderr, "probe: pop-up offered %d times\n", g_probe.offered);
    return 2;
  }
  if (probe::ClientsOutlivedTheLibrary("probe")) return 3;
  return 0;
}
