// A small embedder of the real library for cookies and request contexts: it
// runs one script of steps (PROBE_MODE "store" or "contexts") against the
// cookie server at PROBE_URL, one step after the previous one's callback or
// page load, and prints what it saw, one fact a line; what reached the
// server is the test's to check. Each callback says whether it ran on the
// thread the library documents ("io=1", "ui=1"). Exit codes: 0 when every
// step ran, 2 when the script did not finish in time, 3 when a client
// outlived the library, 4 for bad use.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_callbacks_program.h"
#include "include/cef_client.h"
#include "include/cef_cookie.h"
#include "include/cef_entry.h"
#include "include/cef_records.h"
#include "include/cef_request_context.h"
#include "include/cef_task.h"
#include "include/cef_visitors.h"
#include "tests/e2e/probe_support.h"

namespace {

using Step = std::function<void()>;

struct Probe {
  std::string url;   // the server's root, ending in '/'
  std::string dir;   // a directory of the probe's own
  std::vector<Step> steps;
  size_t next = 0;
  bool finished = false;
  bool all_ran = false;
  bool awaiting_load = false;
  bool popup_loaded = false;
  std::map<std::string, CefRefPtr<CefBrowser>> browsers;
  std::map<std::string, CefRefPtr<CefRequestContext>> contexts;
  std::map<std::string, CefRefPtr<CefCookieManager>> managers;
};
Probe g;

using probe::Say;

std::string Io() { return CefCurrentlyOn(TID_IO) ? " io=1" : " io=0"; }

void CloseAll() {
  if (g.browsers.empty()) {
    CefQuitMessageLoop();
    return;
  }
  const auto open = g.browsers;
  for (const auto& b : open)
    b.second->GetHost()->CloseBrowser(true);
}

// Runs the next step on the UI thread, from whichever thread says so.
void Next() {
  probe::Post(TID_UI, [] {
    if (g.finished)
      return;
    if (g.next == g.steps.size()) {
      g.finished = g.all_ran = true;
      Say("done");
      CloseAll();
      return;
    }
    g.steps[g.next++]();
  });
}

class Ready : public CefCompletionCallback {
 public:
  explicit Ready(std::string what) : what_(std::move(what)) {}
  void OnComplete() override {
    Say("ready " + what_ + Io());
    Next();
  }

 private:
  const std::string what_;
  IMPLEMENT_REFCOUNTING(Ready);
};

class SetDone : public CefSetCookieCallback {
 public:
  explicit SetDone(std::string what) : what_(std::move(what)) {}
  void OnComplete(bool success) override {
    Say("set " + what_ + " ok=" + std::to_string(success) + Io());
    Next();
  }

 private:
  const std::string what_;
  IMPLEMENT_REFCOUNTING(SetDone);
};

class DeleteDone : public CefDeleteCookiesCallback {
 public:
  explicit DeleteDone(std::string what) : what_(std::move(what)) {}
  void OnComplete(int num_deleted) override {
    Say("deleted " + what_ + " n=" + std::to_string(num_deleted) + Io());
    Next();
  }

 private:
  const std::string what_;
  IMPLEMENT_REFCOUNTING(DeleteDone);
};

std::string Expiry(const CefCookie& cookie) {
  if (!cookie.has_expires)
    return "";
  const cef_time_t& t = cookie.expires;
  char text[64];
  std::snprintf(text, sizeof(text), " expires=%04d-%02d-%02d %02d:%02d:%02d",
                t.year, t.month, t.day_of_month, t.hour, t.minute, t.second);
  return text;
}

// Prints each cookie it visits; deletes the one named `doomed`; stops after
// `limit` visits. The walk is over when the library lets go of it.
class Lister : public CefCookieVisitor {
 public:
  explicit Lister(std::string what, std::string doomed = "", int limit = 100)
      : what_(std::move(what)), doomed_(std::move(doomed)), limit_(limit) {}
  ~Lister() override {
    Say("visited " + what_ + " n=" + std::to_string(visits_));
    Next();
  }
  bool Visit(const CefCookie& cookie, int count, int total,
             bool& deleteCookie) override {
    ++visits_;
    const std::string name = CefString(&cookie.name).ToUtf8();
    Say("cookie " + what_ + " " + name + "=" +
        CefString(&cookie.value).ToUtf8() +
        " domain=" + CefString(&cookie.domain).ToUtf8() +
        " path=" + CefString(&cookie.path).ToUtf8() +
        " httponly=" + std::to_string(cookie.httponly) + Expiry(cookie) +
        " count=" + std::to_string(count) + " total=" + std::to_string(total) +
        Io());
    deleteCookie = name == doomed_;
    return visits_ < limit_;
  }

 private:
  const std::string what_;
  const std::string doomed_;
  const int limit_;
  int visits_ = 0;
  IMPLEMENT_REFCOUNTING(Lister);
};

class Resolved : public CefResolveCallback {
 public:
  void OnResolveCompleted(cef_errorcode_t result,
                          const std::vector<CefString>& ips) override {
    std::string line = "resolved err=" + std::to_string(result) +
                       (CefCurrentlyOn(TID_UI) ? " ui=1" : " ui=0");
    for (const CefString& ip : ips)
      line += " " + ip.ToUtf8();
    Say(line);
    Next();
  }
  IMPLEMENT_REFCOUNTING(Resolved);
};

class Handler : public CefRequestContextHandler {
  IMPLEMENT_REFCOUNTING(Handler);
};

CefRefPtr<CefRequestContextHandler> g_handler;

class Client : public CefClient,
               public CefLifeSpanHandler,
               public CefLoadHandler,
               public probe::Counted {
 public:
  explicit Client(std::string name) : name_(std::move(name)) {}
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    const std::string name = browser->IsPopup() ? "popup" : name_;
    g.browsers[name] = browser;
    // Which of the probe's contexts the browser says it uses.
    CefRefPtr<CefRequestContext> context =
        browser->GetHost()->GetRequestContext();
    std::string line = "browser " + name + " context";
    for (const auto& c : g.contexts) {
      if (context && context->IsSame(c.second))
        line += " " + c.first;
    }
    if (context && context->IsGlobal())
      line += " is-global";
    Say(line);
  }
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override {
    for (auto it = g.browsers.begin(); it != g.browsers.end(); ++it) {
      if (it->second->IsSame(browser)) {
        g.browsers.erase(it);
        break;
      }
    }
    if (g.browsers.empty())
      CefQuitMessageLoop();
  }
  void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                 int) override {
    if (!frame->IsMain())
      return;
    if (browser->IsPopup())
      g.popup_loaded = true;
    if (g.awaiting_load) {
      g.awaiting_load = false;
      Next();
    }
  }

 private:
  const std::string name_;
  IMPLEMENT_REFCOUNTING(Client);
};

void Open(const std::string& name, const std::string& path,
          CefRefPtr<CefRequestContext> context) {
  g.awaiting_load = true;
  CefWindowInfo info;
  info.SetAsPopup(nullptr, CefString(name));
  CefBrowserSettings settings;
  settings.javascript_open_windows = STATE_ENABLED;
  CefBrowserHost::CreateBrowser(info, new Client(name), g.url + path,
                                settings, context);
}

void Load(const std::string& browser, const std::string& path) {
  g.awaiting_load = true;
  g.browsers[browser]->GetMainFrame()->LoadURL(g.url + path);
}

CefCookie Cookie(const std::string& name, const std::string& value,
                 const std::string& domain = "") {
  CefCookie c;
  CefString(&c.name) = name;
  CefString(&c.value) = value;
  CefString(&c.domain) = domain;
  CefString(&c.path) = "/";
  return c;
}

void StoreScript() {
  auto global = [] { return g.managers["global"]; };
  g.steps = {
      [] { g.managers["global"] =
               CefCookieManager::GetGlobalManager(new Ready("global")); },
      [] { Open("main", "set", nullptr); },
      [=] { global()->VisitAllCookies(new Lister("all")); },
      [=] { global()->VisitUrlCookies(g.url, false, new Lister("url")); },
      [=] {
        global()->VisitUrlCookies(g.url, true, new Lister("url-httponly"));
      },
      [=] {
        // Not this host's domain, and a value the header cannot carry: both
        // refused, and said so.
        Say("set-invalid-url returned=" +
            std::to_string(global()->SetCookie("not a url", Cookie("x", "y"),
                                               nullptr)));
        global()->SetCookie(g.url, Cookie("alien", "1", "example.com"),
                            new SetDone("alien"));
      },
      [=] {
        global()->SetCookie(g.url, Cookie("semi", "a;b"), new SetDone("semi"));
      },
      [=] {
        global()->SetCookie(g.url, Cookie("prog", "three"),
                            new SetDone("prog"));
      },
      [] { Load("main", "after-set"); },
      [=] {
        global()->DeleteCookies(g.url, "prog", new DeleteDone("prog"));
      },
      [] { Load("main", "after-delete"); },
      [=] { global()->VisitAllCookies(new Lister("doom", "hidden")); },
      [=] { global()->VisitAllCookies(new Lister("stop", "", 1)); },
      [=] { global()->VisitAllCookies(new Lister("left")); },
      [] { Load("main", "after-visit-delete"); },
      [=] { global()->FlushStore(new Ready("flush")); },
      // An expiry goes in and comes back as given (UTC); the longer path
      // comes first.
      [=] {
        CefCookie dated = Cookie("dated", "five");
        CefString(&dated.path) = "/dated/";
        dated.has_expires = 1;
        dated.expires.year = 2040;
        dated.expires.month = 1;
        dated.expires.day_of_month = 2;
        dated.expires.hour = 3;
        dated.expires.minute = 4;
        dated.expires.second = 5;
        global()->SetCookie(g.url + "dated/", dated, new SetDone("dated"));
      },
      [=] {
        global()->VisitUrlCookies(g.url + "dated/", false,
                                  new Lister("dated"));
      },
      // A manager of its own, in memory: nobody else's cookies.
      [] {
        g.managers["own"] =
            CefCookieManager::CreateManager("", false, new Ready("own"));
      },
      [] {
        g.managers["own"]->SetCookie(g.url, Cookie("own", "four"),
                                     new SetDone("own"));
      },
      [] { g.managers["own"]->VisitAllCookies(new Lister("own")); },
      [=] { global()->VisitAllCookies(new Lister("global-after-own")); },
      [] { g.managers["own"]->DeleteCookies("", "", new DeleteDone("own")); },
      [] { g.managers["own"]->VisitAllCookies(new Lister("own-after")); },
  };
}

void Table() {
  g.contexts["global2"] = CefRequestContext::GetGlobalContext();
  CefRequestContextSettings none;
  g.contexts["other"] = CefRequestContext::CreateContext(none, nullptr);
  for (const auto& a : g.contexts) {
    Say("table " + a.first + " global=" +
        std::to_string(a.second->IsGlobal()));
    for (const auto& b : g.contexts) {
      Say("table " + a.first + " " + b.first +
          " same=" + std::to_string(a.second->IsSame(b.second)) +
          " sharing=" + std::to_string(a.second->IsSharingWith(b.second)));
    }
  }
  CefRefPtr<CefRequestContext> own = g.contexts["own"];
  Say("own handler=" + std::to_string(own->GetHandler() == g_handler) +
      " cache=" + std::to_string(own->GetCachePath() ==
                                 CefString(g.dir + "/own")));
  Next();
}

void ContextsScript() {
  g_handler = new Handler();
  g.steps = {
      [] {
        g.contexts["global"] = CefRequestContext::GetGlobalContext();
        Open("global", "set", nullptr);
      },
      [] {
        CefRequestContextSettings settings;
        CefString(&settings.cache_path) = g.dir + "/own";
        g.contexts["own"] = CefRequestContext::CreateContext(settings,
                                                             g_handler);
        g.managers["own"] = g.contexts["own"]->GetDefaultCookieManager(
            new Ready("own"));
      },
      [] {
        g.managers["own"]->SetCookie(g.url, Cookie("mine", "own"),
                                     new SetDone("mine"));
      },
      [] { Open("own", "own-page", g.contexts["own"]); },
      [] { Load("global", "global-page"); },
      [] {
        g.contexts["shared"] =
            CefRequestContext::CreateContext(g.contexts["own"], nullptr);
        g.contexts["shared"]->GetDefaultCookieManager(nullptr)
            ->VisitAllCookies(new Lister("shared"));
      },
      [] {
        g.managers["global"] =
            g.contexts["global"]->GetDefaultCookieManager(nullptr);
        g.managers["global"]->VisitAllCookies(new Lister("global"));
      },
      &Table,
      // The page opens a pop-up, which loads in its opener's context.
      [] { Load("own", "opener"); },
      [] {
        // The pop-up's own load may end before or after its opener's.
        if (g.popup_loaded)
          Next();
        else
          g.awaiting_load = true;
      },
      [] {
        g.contexts["own"]->ResolveHost("http://127.0.0.1:1/", new Resolved());
      },
      [] {
        std::vector<CefString> ips;
        Say("cached err=" +
            std::to_string(g.contexts["own"]->ResolveHostCached(
                "http://127.0.0.1/", ips)));
        Next();
      },
  };
}

void Start() {
  Next();
  probe::Post(
      TID_UI,
      [] {
        if (g.finished)
          return;
        g.finished = true;
        Say("timeout at step " + std::to_string(g.next));
        CloseAll();
      },
      90000);
}

}  // namespace

int main(int argc, char* argv[]) {
  CefMainArgs args(argc, argv);
  const int sub_process = CefExecuteProcess(args, nullptr, nullptr);
  if (sub_process >= 0)
    return sub_process;

  std::string mode;
  if (!probe::FromEnvironment({{"PROBE_URL", &g.url},
                               {"PROBE_DIR", &g.dir},
                               {"PROBE_MODE", &mode}}))
    return 4;
  if (mode == "store") {
    StoreScript();
  } else if (mode == "contexts") {
    ContextsScript();
  } else {
    std::fprintf(stderr, "probe: unknown mode %s\n", mode.c_str());
    return 4;
  }

  const bool ran = probe::Run(args, &Start, [] {
    g.browsers.clear();
    g.contexts.clear();
    g.managers.clear();
    g.steps.clear();
    g_handler = nullptr;
  });
  if (!ran)
    return 4;
  return probe::ExitCode(g.all_ran, "the steps did not all run");
}
