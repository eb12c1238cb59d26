// A small embedder of the real library for the page's dialogs: it opens
// PROBE_URL + "page/" + PROBE_MODE and answers the page's script dialogs
// and file chooser as the mode says (PROBE_FILE is the file it picks). It
// prints each handler call, with whether it came on the UI thread, and
// "end <url>" when the page's report (/result or /upload) has loaded. What
// the page's script got is the server's to record. Exit codes: 0 when the
// run ended as the mode expects, 2 when it did not end in time, 3 when a
// client outlived the library, 4 for bad use.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_callbacks.h"
#include "include/cef_client.h"
#include "include/cef_entry.h"
#include "include/cef_frame.h"
#include "include/cef_handlers.h"
#include "include/cef_task.h"
#include "tests/e2e/probe_support.h"

namespace {

struct Probe {
  std::string url;
  std::string mode;
  std::string file;
  CefRefPtr<CefBrowser> browser;
  CefRefPtr<CefJSDialogCallback> kept;  // "kept": answered after the close
  bool stayed = false;
  bool ended = false;
};
Probe g_probe;

using probe::Say;

void Post(std::function<void()> fn, int64_t delay_ms = 0) {
  probe::Post(TID_UI, std::move(fn), delay_ms);
}

std::string OnUi() { return CefCurrentlyOn(TID_UI) ? " ui=1" : " ui=0"; }

void Close() {
  if (g_probe.browser)
    g_probe.browser->GetHost()->CloseBrowser(true);
}

void RunInPage(const std::string& code) {
  if (g_probe.browser)
    g_probe.browser->GetMainFrame()->ExecuteJavaScript(code, g_probe.url, 0);
}

bool Is(const char* mode) { return g_probe.mode == mode; }

class ProbeClient : public CefClient,
                    public CefLifeSpanHandler,
                    public CefLoadHandler,
                    public CefJSDialogHandler,
                    public CefDialogHandler,
                    public probe::Counted {
 public:
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  // The engine's own dialogs, for the page's users, without the handlers.
  CefRefPtr<CefJSDialogHandler> GetJSDialogHandler() override {
    return Is("engine") ? nullptr : this;
  }
  CefRefPtr<CefDialogHandler> GetDialogHandler() override {
    return Is("engine") ? nullptr : this;
  }

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    g_probe.browser = browser;
  }
  void OnBeforeClose(CefRefPtr<CefBrowser>) override {
    g_probe.browser = nullptr;
    if (g_probe.kept) {
      // The dialog has gone with its browser: this answer must do nothing.
      g_probe.kept->Continue(true, CefString("too late"));
      g_probe.kept = nullptr;
      Say("answered-after-close");
      g_probe.ended = true;
    }
    CefQuitMessageLoop();
  }

  void OnLoadEnd(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame,
                 int) override {
    const std::string url = frame->GetURL().ToUtf8();
    if (url.find("/result") != std::string::npos ||
        url.find("/upload") != std::string::npos) {
      if (!g_probe.ended) {
        g_probe.ended = true;
        Say("end " + url);
        Post(&Close);
      }
      return;
    }
    if (url.find("/page/") == std::string::npos)
      return;
    if (Is("leave") || Is("stay"))
      RunInPage("location.href = '/result?value=' +"
                " encodeURIComponent(JSON.stringify('left'));");
    else if (Is("file") || Is("file-cancel"))
      RunInPage("document.getElementById('file').click();");
  }

  bool OnJSDialog(CefRefPtr<CefBrowser>, const CefString& origin_url,
                  const CefString& accept_lang, JSDialogType dialog_type,
                  const CefString& message_text,
                  const CefString& default_prompt_text,
                  CefRefPtr<CefJSDialogCallback> callback,
                  bool& suppress_message) override {
    Say("jsdialog type=" + std::to_string(dialog_type) +
        " origin=" + origin_url.ToUtf8() + " lang=" +
        accept_lang.ToUtf8() + " message=" + message_text.ToUtf8() +
        " default=" + default_prompt_text.ToUtf8() + OnUi());
    if (Is("suppress")) {
      suppress_message = true;
      return false;
    }
    if (Is("dropped"))
      return true;  // and never answers
    if (Is("kept")) {
      g_probe.kept = callback;
      Post(&Close);
      return true;
    }
    if (Is("later")) {
      Post([callback] { callback->Continue(true, CefString()); }, 500);
      return true;
    }
    if (Is("modal")) {
      // As a modal dialog of the program's own would: answered while the
      // handler still runs the loop.
      callback->Continue(true, CefString());
      const auto until =
          std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
      while (std::chrono::steady_clock::now() < until) {
        CefDoMessageLoopWork();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
      return true;
    }
    const bool yes = !Is("confirm-no") && !Is("prompt-cancel");
    callback->Continue(yes, CefString(Is("prompt") ? "Ada Lovelace" : ""));
    return true;
  }

  bool OnBeforeUnloadDialog(CefRefPtr<CefBrowser>,
                            const CefString& message_text, bool is_reload,
                            CefRefPtr<CefJSDialogCallback> callback) override {
    Say("before-unload message=" + message_text.ToUtf8() +
        " reload=" + std::to_string(is_reload) + OnUi());
    // "stay" stays once, then lets the page's own report leave.
    const bool leave = Is("leave") || g_probe.stayed;
    callback->Continue(leave, CefString());
    if (!leave) {
      g_probe.stayed = true;
      Post([] { RunInPage("report('stayed');"); });
    }
    return true;
  }

  void OnResetDialogState(CefRefPtr<CefBrowser>) override {
    Say("reset" + OnUi());
  }
  void OnDialogClosed(CefRefPtr<CefBrowser>) override {
    Say("dialog-closed" + OnUi());
  }

  bool OnFileDialog(CefRefPtr<CefBrowser>, FileDialogMode mode,
                    const CefString& title, const CefString&,
                    const EmbedStringVector& accept_filters,
                    int selected_accept_filter,
                    CefRefPtr<CefFileDialogCallback> callback) override {
    std::string filters;
    for (const CefString& f : accept_filters)
      filters += (filters.empty() ? "" : ",") + f.ToUtf8();
    Say("file-dialog mode=" + std::to_string(mode) + " title=" +
        title.ToUtf8() + " filters=" + filters +
        " selected=" + std::to_string(selected_accept_filter) + OnUi());
    if (Is("file-cancel")) {
      callback->Cancel();
    } else {
      EmbedStringVector paths;
      paths.push_back(CefString(g_probe.file));
      callback->Continue(0, paths);
    }
    return true;
  }

 private:
  IMPLEMENT_REFCOUNTING(ProbeClient);
};

void Open() {
  probe::OpenBrowser("dialog probe", new ProbeClient(),
                     g_probe.url + "page/" + g_probe.mode);
  Post(&Close, 60000);
}

}  // namespace

int main(int argc, char* argv[]) {
  CefMainArgs args(argc, argv);
  const int sub_process = CefExecuteProcess(args, nullptr, nullptr);
  if (sub_process >= 0)
    return sub_process;

  // The server's root, ending in '/', and what the page's file chooser
  // gets, if any.
  if (!probe::FromEnvironment(
          {{"PROBE_URL", &g_probe.url}, {"PROBE_MODE", &g_probe.mode}}))
    return 4;
  if (const char* file = std::getenv("PROBE_FILE"))
    g_probe.file = file;

  if (!probe::Run(args, &Open, [] {
        g_probe.browser = nullptr;
        g_probe.kept = nullptr;
      }))
    return 4;
  return probe::ExitCode(g_probe.ended, "the page did not report in time");
}
