// A small embedder of the real library for navigation and page content
// against a local server (PROBE_URL, ending in /). PROBE_MODE picks what it
// does once its first page has loaded:
//   history     three pages (the third by a link), the history listed, then
//               back, back, forward and the history again
//   status      a missing page, then a data: page, then the history
//   content     the source and the text of a page its script changed, a
//               script of the program's own that asks the server for a page,
//               then the source of a page in Latin-1
//   viewsource  the page's source in a window of its own, whose text it
//               writes to viewsource.txt
//   find        finds in turn, each answer told by the find handler
//   zoom        the page's width before and after zooming in
//   print       the print dialog, left for the test to cancel
// It prints one line per thing it learns; the test compares. Where the test
// must look at the screen, the probe prints "waiting" and goes on once the
// test has written the file "go". Exit codes: 0 when the mode ran to its
// end, 2 when it did not in time, 3 when a client outlived the library,
// 4 for bad use.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_entry.h"
#include "include/cef_navigation_entry.h"
#include "include/cef_records.h"
#include "include/cef_task.h"
#include "include/cef_visitors.h"
#include "tests/e2e/probe_support.h"

namespace {

using probe::Post;
using probe::Say;

// Every handler and visitor here is documented to run on the UI thread.
void OnUi(const char* who) {
  if (!CefCurrentlyOn(TID_UI))
    Say(std::string("off-ui ") + who);
}

struct Probe {
  std::string url;
  std::string mode;
  std::vector<CefRefPtr<CefBrowser>> browsers;
  int step = 0;
  bool ended = false;
  int source_parts = 0;
  std::string last_width;
  int width_asks = 0;
  int finds = 0;
  // The main page's load has ended, its title not yet come: WebKit may
  // tell the title after the load's end.
  bool titled = false;
  bool settled = false;
  bool back = false;
  bool forward = false;
};
Probe g;

// The server's pages by their path; other addresses as they are.
std::string Short(const std::string& url) {
  return url.compare(0, g.url.size(), g.url) == 0
             ? "/" + url.substr(g.url.size())
             : url;
}

CefRefPtr<CefBrowser> Main() {
  return g.browsers.empty() ? nullptr : g.browsers.front();
}

void CloseAll() {
  for (CefRefPtr<CefBrowser>& b : g.browsers)
    b->GetHost()->CloseBrowser(true);
}

void End() {
  g.ended = true;
  Say("end");
  CloseAll();
}

// Goes on once the test has looked.
void PollForTest(std::function<void()> then) {
  if (access("go", F_OK) == 0)
    then();
  else
    Post(TID_UI, [then] { PollForTest(then); }, 200);
}

void AwaitTest(std::function<void()> then) {
  Say("waiting");
  PollForTest(std::move(then));
}

class Entries : public CefNavigationEntryVisitor {
 public:
  Entries(std::string label, bool stop_at_first)
      : label_(std::move(label)), stop_(stop_at_first) {}
  ~Entries() override {
    Say(label_ + " visits=" + std::to_string(visits_));
  }
  bool Visit(CefRefPtr<CefNavigationEntry> entry, bool current, int index,
             int total) override {
    OnUi("navigation-entry-visitor");
    ++visits_;
    const CefTime done = entry->GetCompletionTime();
    char line[1024];
    std::snprintf(
        line, sizeof line,
        "%s %d/%d current=%d valid=%d url=%s original=%s title=%s status=%d "
        "transition=0x%x post=%d completed=%d",
        label_.c_str(), index, total, current ? 1 : 0,
        entry->IsValid() ? 1 : 0, Short(entry->GetURL().ToUtf8()).c_str(),
        Short(entry->GetOriginalURL().ToUtf8()).c_str(),
        entry->GetTitle().ToUtf8().c_str(), entry->GetHttpStatusCode(),
        static_cast<unsigned>(entry->GetTransitionType()),
        entry->HasPostData() ? 1 : 0, done.year >= 2020 ? 1 : 0);
    Say(line);
    return !stop_;
  }

 private:
  const std::string label_;
  const bool stop_;
  int visits_ = 0;
  IMPLEMENT_REFCOUNTING(Entries);
};

class Text : public CefStringVisitor {
 public:
  Text(std::string file, std::function<void()> then)
      : file_(std::move(file)), then_(std::move(then)) {}
  void Visit(const CefString& text) override {
    OnUi("string-visitor");
    std::ofstream(file_, std::ios::binary) << text.ToUtf8();
    Say("wrote " + file_);
    then_();
  }

 private:
  const std::string file_;
  const std::function<void()> then_;
  IMPLEMENT_REFCOUNTING(Text);
};

void History(const char* label, bool current_only = false,
             bool stop_at_first = false) {
  Main()->GetHost()->GetNavigationEntries(new Entries(label, stop_at_first),
                                          current_only);
}

void SayState(CefRefPtr<CefBrowser> b, bool back, bool forward) {
  Say("state " + Short(b->GetMainFrame()->GetURL().ToUtf8()) +
      " back=" + std::to_string(back) + " forward=" + std::to_string(forward) +
      " can-back=" + std::to_string(b->CanGoBack()) +
      " can-forward=" + std::to_string(b->CanGoForward()));
}

void AskWidth() {
  ++g.width_asks;
  Main()->GetMainFrame()->ExecuteJavaScript(
      "document.title = 'width ' + window.innerWidth + ' #" +
          std::to_string(g.width_asks) + "';",
      g.url + "width.js", 1);
}

// The modes' steps, each run when the main page has settled.
void Settled(CefRefPtr<CefBrowser> b, bool back, bool forward) {
  CefRefPtr<CefFrame> frame = b->GetMainFrame();
  const int step = g.step++;
  if (g.mode == "history") {
    SayState(b, back, forward);
    switch (step) {
      case 0: frame->LoadURL(g.url + "two"); break;
      case 1:
        frame->ExecuteJavaScript("document.getElementById('next').click();",
                                 g.url + "click.js", 1);
        break;
      case 2:
        History("entry");
        History("stopping", false, true);
        // Asked from another thread: the visitor still runs on the UI one.
        Post(TID_IO, [] {
          History("current", true);
          Post(TID_UI, [] { Main()->GoBack(); });
        });
        break;
      case 3: b->GoBack(); break;
      case 4: b->GoForward(); break;
      default:
        History("after");
        Post(TID_UI, End);
        break;
    }
  } else if (g.mode == "status") {
    if (step == 0) {
      frame->LoadURL("data:text/html,<title>Data</title>data");
    } else {
      History("entry");
      Post(TID_UI, End);
    }
  } else if (g.mode == "content" && step == 1) {
    frame->GetSource(new Text("latin.html", End));
  } else if (g.mode == "content" && step == 0) {
    auto part = [] {
      if (++g.source_parts < 2)
        return;
      Main()->GetMainFrame()->ExecuteJavaScript(
          "var at; try { throw new Error('x'); } catch (e) {"
          " at = e.line + ' ' + e.sourceURL; }"
          " fetch('/from-script').then(function() {"
          " document.title = 'ran at ' + at; });",
          g.url + "program.js", 40);
    };
    frame->GetSource(new Text("source.html", part));
    frame->GetText(new Text("text.txt", part));
  } else if (g.mode == "viewsource" && step == 0) {
    frame->ViewSource();
  } else if (g.mode == "find" && step == 0) {
    b->GetHost()->Find(7, "apple", true, false, false);
  } else if (g.mode == "zoom" && step == 0) {
    AskWidth();
  } else if (g.mode == "print" && step == 0) {
    b->GetHost()->Print();
    Say("print-returned");
    AwaitTest(End);
  }
}

// A mode's next step once the main page has both loaded and been titled
// (every page here has a title).
void MaySettle(CefRefPtr<CefBrowser> b) {
  if (!g.titled || !g.settled || g.ended)
    return;
  g.settled = false;
  Settled(b, g.back, g.forward);
}

void Found(int identifier, int count, int ordinal, bool final_update) {
  Say("find " + std::to_string(identifier) + " count=" +
      std::to_string(count) + " active=" + std::to_string(ordinal) +
      " final=" + std::to_string(final_update));
  CefRefPtr<CefBrowserHost> host = Main()->GetHost();
  switch (++g.finds) {
    case 1: host->Find(7, "apple", true, false, true); break;
    case 2: host->Find(7, "apple", true, false, true); break;
    case 3: host->Find(7, "apple", false, false, true); break;
    case 4: host->Find(8, "apple", true, true, false); break;
    case 5: host->Find(9, "kiwi", true, false, false); break;
    default:
      host->StopFinding(true);
      End();
      break;
  }
}

void Titled(CefRefPtr<CefBrowser> b, const std::string& title) {
  if (!b->IsSame(Main()))
    return;
  Say("title " + title);
  if (!title.empty() && !g.titled) {
    g.titled = true;
    MaySettle(b);
  }
  if (g.mode == "content" && title.rfind("ran at ", 0) == 0) {
    b->GetMainFrame()->LoadURL(g.url + "latin");
  } else if (g.mode == "zoom" && title.rfind("width ", 0) == 0) {
    const std::string width = title.substr(0, title.find(" #"));
    CefRefPtr<CefBrowserHost> host = b->GetHost();
    if (g.last_width.empty()) {
      g.last_width = width;
      host->SetZoomLevel(2.0);
      char line[64];
      std::snprintf(line, sizeof line, "zoom %.3f", host->GetZoomLevel());
      Say(line);
      AskWidth();
    } else if (width != g.last_width || g.width_asks > 30) {
      End();
    } else {
      // The new zoom reaches the page's layout a little later.
      Post(TID_UI, AskWidth, 300);
    }
  }
}

class ProbeClient : public CefClient,
                    public CefLifeSpanHandler,
                    public CefLoadHandler,
                    public CefDisplayHandler,
                    public CefFindHandler,
                    public probe::Counted {
 public:
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefFindHandler> GetFindHandler() override { return this; }

  bool OnBeforePopup(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                     const CefString& target_url, const CefString&,
                     WindowOpenDisposition, bool, const CefPopupFeatures&,
                     CefWindowInfo&, CefRefPtr<CefClient>&,
                     CefBrowserSettings&, bool&) override {
    OnUi("on_before_popup");
    Say("popup " + Short(target_url.ToUtf8()));
    return false;
  }
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    OnUi("on_after_created");
    g.browsers.push_back(browser);
    if (g.ended)
      browser->GetHost()->CloseBrowser(true);
  }
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override {
    for (auto it = g.browsers.begin(); it != g.browsers.end(); ++it) {
      if ((*it)->IsSame(browser)) {
        g.browsers.erase(it);
        break;
      }
    }
    if (g.browsers.empty())
      CefQuitMessageLoop();
  }

  void OnLoadingStateChange(CefRefPtr<CefBrowser> browser, bool loading,
                            bool back, bool forward) override {
    OnUi("on_loading_state_change");
    if (loading || !browser->IsSame(Main()))
      return;
    g.settled = true;
    g.back = back;
    g.forward = forward;
    MaySettle(browser);
  }
  void OnLoadStart(CefRefPtr<CefBrowser> browser,
                   CefRefPtr<CefFrame>) override {
    OnUi("on_load_start");
    if (browser->IsSame(Main()))
      g.titled = false;
  }
  void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                 int status) override {
    OnUi("on_load_end");
    const std::string url = frame->GetURL().ToUtf8();
    Say("load-end " + Short(url) + " " + std::to_string(status));
    if (g.mode == "viewsource" && !browser->IsSame(Main())) {
      Say("source-window " + url);
      frame->GetText(new Text("viewsource.txt", [] { AwaitTest(End); }));
    }
  }
  void OnLoadError(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                   ErrorCode code, const CefString&,
                   const CefString& url) override {
    Say("load-error " + Short(url.ToUtf8()) + " " + std::to_string(code));
  }

  void OnTitleChange(CefRefPtr<CefBrowser> browser,
                     const CefString& title) override {
    OnUi("on_title_change");
    Titled(browser, title.ToUtf8());
  }

  void OnFindResult(CefRefPtr<CefBrowser>, int identifier, int count,
                    const CefRect&, int ordinal, bool final_update) override {
    OnUi("on_find_result");
    Found(identifier, count, ordinal, final_update);
  }

 private:
  IMPLEMENT_REFCOUNTING(ProbeClient);
};

void Open() {
  const std::string first = g.mode == "history"  ? "one"
                            : g.mode == "status" ? "missing"
                            : g.mode == "content" ? "script"
                            : g.mode == "find"    ? "find"
                            : g.mode == "zoom"    ? "wide"
                                                  : "one";
  probe::OpenBrowser("navigation probe", new ProbeClient(), g.url + first);
  Post(TID_UI, CloseAll, 90000);
}

}  // namespace

int main(int argc, char* argv[]) {
  CefMainArgs args(argc, argv);
  const int sub_process = CefExecuteProcess(args, nullptr, nullptr);
  if (sub_process >= 0)
    return sub_process;

  // The server's root, ending in '/'.
  if (!probe::FromEnvironment({{"PROBE_URL", &g.url}, {"PROBE_MODE", &g.mode}}))
    return 4;

  if (!probe::Run(args, &Open, [] { g.browsers.clear(); }))
    return 4;
  return probe::ExitCode(g.ended, "the mode did not run to its end");
}
