// A small embedder of the real library that saves its start page's download
// without a dialog to PROBE_TARGET and records what on_download_updated was
// told. PROBE_EXPECT=complete: the download must complete with progress
// reported on the way (received bytes growing). PROBE_EXPECT=closed: the
// probe closes the browser once bytes arrive, and the download must be
// reported cancelled before the browser is gone. Exit codes: 0 as expected,
// 2 otherwise (or not in time), 3 when a client outlived the library, 4 for
// bad use.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_callbacks.h"
#include "include/cef_client.h"
#include "include/cef_download_item.h"
#include "include/cef_entry.h"
#include "include/cef_records.h"
#include "include/cef_task.h"
#include "tests/e2e/probe_support.h"

namespace {

constexpr int kLimitMs = 120000;

struct Probe {
  std::string url, target;
  bool close_early = false;
  int progress_updates = 0;  // in progress, more bytes than the last one
  int64_t last_received = 0;
  bool complete = false;
  bool canceled = false;
  bool canceled_before_close = false;
  bool closing = false;
  bool timed_out = false;
};
Probe g_probe;

class ProbeClient : public CefClient,
                    public CefLifeSpanHandler,
                    public CefDownloadHandler,
                    public probe::Counted {
 public:

  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefDownloadHandler> GetDownloadHandler() override { return this; }

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    browser_ = browser;
  }
  void OnBeforeDownload(CefRefPtr<CefBrowser>, CefRefPtr<CefDownloadItem>,
                        const CefString&,
                        CefRefPtr<CefBeforeDownloadCallback> callback) override {
    callback->Continue(CefString(g_probe.target), false);
  }
  void OnDownloadUpdated(CefRefPtr<CefBrowser>,
                         CefRefPtr<CefDownloadItem> item,
                         CefRefPtr<CefDownloadItemCallback>) override {
    if (item->IsComplete()) g_probe.complete = true;
    if (item->IsCanceled()) g_probe.canceled = true;
    if (item->IsInProgress() && item->GetReceivedBytes() > g_probe.last_received) {
      g_probe.last_received = item->GetReceivedBytes();
      ++g_probe.progress_updates;
    }
    const bool ended = g_probe.complete || g_probe.canceled ||
                       !item->IsInProgress();
    if (ended || (g_probe.close_early && g_probe.last_received > 0)) Close();
  }
  void OnBeforeClose(CefRefPtr<CefBrowser>) override {
    g_probe.canceled_before_close = g_probe.canceled;
    browser_ = nullptr;
    CefQuitMessageLoop();
  }

  void Close() {
    if (g_probe.closing || !browser_) return;
    g_probe.closing = true;
    if (CefRefPtr<CefBrowserHost> host = browser_->GetHost())
      host->CloseBrowser(true);
  }

 private:
  CefRefPtr<CefBrowser> browser_;
  IMPLEMENT_REFCOUNTING(ProbeClient);
};

CefRefPtr<ProbeClient> g_client;

void GiveUp() {
  if (!g_client || g_probe.closing) return;
  g_probe.timed_out = true;
  g_client->Close();
}

void Open() {
  probe::OpenBrowser("download probe", g_client.get(), g_probe.url);
  probe::Post(TID_UI, &GiveUp, kLimitMs);
}

}  // namespace

int main(int argc, char* argv[]) {
  CefMainArgs args(argc, argv);
  const int sub_process = CefExecuteProcess(args, nullptr, nullptr);
  if (sub_process >= 0) return sub_process;

  const char* url = std::getenv("PROBE_URL");
  const char* target = std::getenv("PROBE_TARGET");
  const char* expect = std::getenv("PROBE_EXPECT");
  if (!url || !target || !expect ||
      (std::strcmp(expect, "complete") != 0 &&
       std::strcmp(expect, "closed") != 0)) {
    std::fprintf(stderr, "probe: set PROBE_URL, PROBE_TARGET and "
                         "PROBE_EXPECT (complete|closed)\n");
    return 4;
  }
  g_probe.url = url;
  g_probe.target = target;
  g_probe.close_early = std::strcmp(expect, "closed") == 0;

  g_client = new ProbeClient();
  if (!probe::Run(args, &Open, [] { g_client = nullptr; })) return 4;

  std::printf("probe: %d progress updates, last %lld bytes; complete %d, "
              "cancelled %d (before close %d)%s\n",
              g_probe.progress_updates,
              static_cast<long long>(g_probe.last_received), g_probe.complete,
              g_probe.canceled, g_probe.canceled_before_close,
              g_probe.timed_out ? "; timed out" : "");
  const bool as_expected =
      !g_probe.timed_out &&
      (g_probe.close_early
           ? g_probe.canceled_before_close && !g_probe.complete
           : g_probe.complete && g_probe.progress_updates >= 2);
  if (!as_expected) return 2;
  if (probe::ClientsOutlivedTheLibrary("probe")) return 3;
  return 0;
}
