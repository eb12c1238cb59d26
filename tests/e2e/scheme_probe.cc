// A small embedder of the real library that serves a scheme of its own
// ("probe", registered as standard at start-up) and answers as a request
// handler, in one of several modes (PROBE_MODE; PROBE_URL is the local
// server's root, ending in /):
//   page      a page of the scheme, its body streamed in small reads (one
//             answered later through the callback), fetches a resource of
//             the scheme and shows in its title what it saw
//   redirect  the scheme's handler redirects to another page of the scheme
//   cancel    the handler declines the request (process_request false)
//   abort     the handler accepts, then cancels through its callback
//   browse    on_before_browse cancels a link click on a page of the scheme
//   header    on_before_resource_load adds a header (answering later) to a
//             navigation to the server
//   block     on_before_resource_load cancels a navigation to the server
//   serve     get_resource_handler serves an address of the server
//   follow    on_resource_redirect sends the server's redirect elsewhere
//   context   the factory is registered on a request context of the probe's
//             only, and a browser in that context loads a page of the scheme
//   stall_head, stall_body  the handler keeps its callback and never
//             answers (before the headers, or in the body): the browser
//             closes meanwhile, and the handler must hear the cancel
// The probe prints one line per event ("title ...", "load-error <code>
// <url>", "called <handler>", "url <address>", "wrong-thread <handler>")
// and "done" when its mode's check is complete. Exit codes: 0 done, 2 not
// done in time, 3 a client outlived the library, 4 bad use.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <utility>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_callbacks.h"
#include "include/cef_client.h"
#include "include/cef_entry.h"
#include "include/cef_handlers.h"
#include "include/cef_records.h"
#include "include/cef_request.h"
#include "include/cef_request_context.h"
#include "include/cef_resource.h"
#include "include/cef_response.h"
#include "include/cef_scheme.h"
#include "include/cef_task.h"
#include "tests/e2e/probe_support.h"

namespace {

struct Probe {
  std::string mode;
  std::string server;  // http://127.0.0.1:port/
  CefRefPtr<CefBrowser> browser;
  bool done = false;
  bool clicked = false;
};
Probe g_probe;

using probe::Say;

// Notes each handler call and whether it came on the library's documented
// thread.
void Called(const char* what, cef_thread_id_t thread) {
  Say(std::string("called ") + what);
  if (!CefCurrentlyOn(thread))
    Say(std::string("wrong-thread ") + what);
}

void Later(cef_thread_id_t thread, int64_t ms, std::function<void()> fn) {
  probe::Post(thread, std::move(fn), ms);
}

void Finish() {
  if (g_probe.done)
    return;
  g_probe.done = true;
  Say("done");
  Later(TID_UI, 0, [] {
    if (g_probe.browser)
      g_probe.browser->GetHost()->CloseBrowser(true);
  });
}

const char kPage[] =
    "<html><head><title>page</title></head><body><script>"
    "fetch('probe://site/data').then(function(r) {"
    "  return r.text().then(function(t) {"
    "    document.title = 'fetched ' + r.status + ' ' + r.statusText + ' ' +"
    "        r.headers.get('X-Probe') + ' ' + t;"
    "  });"
    "}).catch(function(e) { document.title = 'fetch failed ' + e; });"
    "</script></body></html>";

// What a path of the probe's scheme answers.
struct Answer {
  int status = 200;
  std::string status_text = "OK";
  std::string mime = "text/html";
  std::string body;
  std::string redirect;
};

Answer AnswerFor(const std::string& url) {
  Answer a;
  const std::string path = url.substr(url.find("//site") == std::string::npos
                                          ? url.size()
                                          : url.find("//site") + 6);
  if (path.rfind("/page", 0) == 0) {
    a.status_text = "Fine Here";
    a.body = kPage;
  } else if (path.rfind("/data", 0) == 0) {
    a.status = 203;
    a.status_text = "Served By Probe";
    a.mime = "text/plain";
    a.body = "data-body";
  } else if (path.rfind("/redirect", 0) == 0) {
    a.redirect = "probe://site/target";
  } else if (path.rfind("/target", 0) == 0) {
    a.body = "<html><head><title>target</title></head></html>";
  } else if (path.rfind("/links", 0) == 0) {
    a.body =
        "<html><head><title>links</title></head><body>"
        "<a id='a' href='" + g_probe.server + "echo?clicked'>go</a>"
        "<script>window.marker = 'kept';</script></body></html>";
  } else {
    // An address of the server this probe serves itself.
    a.body = "<html><head><title>served</title></head></html>";
  }
  return a;
}

// Serves one request: the body in reads of at most 7 bytes, the second of
// which is answered later through the callback.
class ProbeResource : public CefResourceHandler, public probe::Counted {
 public:
  explicit ProbeResource(bool decline, bool abort)
      : decline_(decline), abort_(abort) {}

  bool ProcessRequest(CefRefPtr<CefRequest> request,
                      CefRefPtr<CefCallback> callback) override {
    Called("process_request", TID_IO);
    if (decline_)
      return false;
    answer_ = AnswerFor(request->GetURL().ToUtf8());
    if (g_probe.mode == "stall_head") {
      held_ = callback;  // never answered
      Later(TID_UI, 300, Finish);
      return true;
    }
    Later(TID_IO, 50, [callback, this] {
      if (abort_)
        callback->Cancel();
      else
        callback->Continue();
    });
    return true;
  }
  void GetResponseHeaders(CefRefPtr<CefResponse> response,
                          int64_t& response_length,
                          CefString& redirect) override {
    Called("get_response_headers", TID_IO);
    response->SetStatus(answer_.status);
    response->SetStatusText(answer_.status_text);
    response->SetMimeType(answer_.mime);
    CefResponse::HeaderMap headers;
    headers.insert(std::make_pair(CefString("X-Probe"), CefString("probed")));
    response->SetHeaderMap(headers);
    response_length = static_cast<int64_t>(answer_.body.size());
    if (!answer_.redirect.empty())
      redirect = answer_.redirect;
  }
  bool ReadResponse(void* out, int bytes_to_read, int& bytes_read,
                    CefRefPtr<CefCallback> callback) override {
    Called("read_response", TID_IO);
    ++reads_;
    if (reads_ == 2 && g_probe.mode == "stall_body") {
      bytes_read = 0;
      held_ = callback;  // never answered
      Later(TID_UI, 300, Finish);
      return true;
    }
    if (reads_ == 2) {
      bytes_read = 0;
      Later(TID_IO, 50, [callback] {
        Say("later-read");
        callback->Continue();
      });
      return true;
    }
    const size_t left = answer_.body.size() - offset_;
    const size_t n = std::min<size_t>(
        {left, static_cast<size_t>(bytes_to_read), static_cast<size_t>(7)});
    if (n == 0)
      return false;
    std::memcpy(out, answer_.body.data() + offset_, n);
    offset_ += n;
    bytes_read = static_cast<int>(n);
    return true;
  }
  void Cancel() override { Called("cancel", TID_IO); }

 private:
  const bool decline_;
  const bool abort_;
  Answer answer_;
  CefRefPtr<CefCallback> held_;
  size_t offset_ = 0;
  int reads_ = 0;
  IMPLEMENT_REFCOUNTING(ProbeResource);
};

class ProbeFactory : public CefSchemeHandlerFactory, public probe::Counted {
 public:
  CefRefPtr<CefResourceHandler> Create(CefRefPtr<CefBrowser> browser,
                                       CefRefPtr<CefFrame> frame,
                                       const CefString& scheme,
                                       CefRefPtr<CefRequest> request) override {
    Called("create", TID_IO);
    Say("create " + scheme.ToUtf8() + " " + request->GetURL().ToUtf8() +
        (browser && frame ? " with-browser" : " no-browser"));
    return new ProbeResource(g_probe.mode == "cancel",
                             g_probe.mode == "abort");
  }
  IMPLEMENT_REFCOUNTING(ProbeFactory);
};

class ProbeClient : public CefClient,
                    public CefLifeSpanHandler,
                    public CefLoadHandler,
                    public CefDisplayHandler,
                    public CefRequestHandler,
                    public probe::Counted {
 public:
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    g_probe.browser = browser;
  }
  void OnBeforeClose(CefRefPtr<CefBrowser>) override {
    g_probe.browser = nullptr;
    CefQuitMessageLoop();
  }

  void OnTitleChange(CefRefPtr<CefBrowser> browser,
                     const CefString& title) override {
    const std::string t = title.ToUtf8();
    Say("title " + t);
    const std::string& mode = g_probe.mode;
    if ((mode == "page" && t.rfind("fetched", 0) == 0) ||
        ((mode == "redirect" || mode == "context") && t == "target") ||
        (mode == "serve" && t == "served") ||
        (mode == "browse" && t.rfind("state", 0) == 0)) {
      Say("url " + browser->GetMainFrame()->GetURL().ToUtf8());
      Finish();
    } else if (mode == "browse" && t == "links" && !g_probe.clicked) {
      g_probe.clicked = true;
      browser->GetMainFrame()->ExecuteJavaScript(
          "document.getElementById('a').click();"
          "setTimeout(function() {"
          "  document.title = 'state ' + window.marker; }, 1500);",
          "probe://site/links", 0);
    }
  }
  void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame>,
                 int status) override {
    Say("load-end " + std::to_string(status));
    if (g_probe.mode == "header" || g_probe.mode == "follow") {
      Say("url " + browser->GetMainFrame()->GetURL().ToUtf8());
      Finish();
    }
  }
  void OnLoadError(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, CefLoadHandler::ErrorCode code,
                   const CefString&, const CefString& url) override {
    Say("load-error " + std::to_string(code) + " " + url.ToUtf8());
    Finish();
  }

  bool OnBeforeBrowse(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame,
                      CefRefPtr<CefRequest> request, bool) override {
    Called("on_before_browse", TID_UI);
    const std::string url = request->GetURL().ToUtf8();
    Say("browse " + request->GetMethod().ToUtf8() + " " + url +
        (frame ? "" : " no-frame"));
    return g_probe.mode == "browse" &&
           url.find("clicked") != std::string::npos;
  }
  ReturnValue OnBeforeResourceLoad(
      CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
      CefRefPtr<CefRequest> request,
      CefRefPtr<CefRequestCallback> callback) override {
    Called("on_before_resource_load", TID_IO);
    const std::string url = request->GetURL().ToUtf8();
    Say("before-load " + url);
    if (url.find("echo") == std::string::npos)
      return RV_CONTINUE;
    if (g_probe.mode == "block")
      return RV_CANCEL;
    if (g_probe.mode == "header") {
      CefRequest::HeaderMap headers;
      request->GetHeaderMap(headers);
      headers.insert(std::make_pair(CefString("X-Added"), CefString("by-probe")));
      request->SetHeaderMap(headers);
      Later(TID_IO, 50, [callback] { callback->Continue(true); });
      return RV_CONTINUE_ASYNC;
    }
    return RV_CONTINUE;
  }
  void OnResourceRedirect(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                          CefRefPtr<CefRequest> request,
                          CefString& new_url) override {
    Called("on_resource_redirect", TID_IO);
    Say("resource-redirect " + request->GetURL().ToUtf8() + " to " +
        new_url.ToUtf8());
    if (g_probe.mode == "follow")
      new_url = g_probe.server + "echo?rewritten";
  }
  CefRefPtr<CefResourceHandler> GetResourceHandler(
      CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
      CefRefPtr<CefRequest> request) override {
    Called("get_resource_handler", TID_IO);
    if (g_probe.mode == "serve" &&
        request->GetURL().ToUtf8().find("echo?served") != std::string::npos)
      return new ProbeResource(false, false);
    return nullptr;
  }

 private:
  IMPLEMENT_REFCOUNTING(ProbeClient);
};

std::string StartUrl() {
  const std::string& m = g_probe.mode;
  if (m == "page") return "probe://site/page";
  if (m == "redirect") return "probe://site/redirect";
  if (m == "context") return "probe://site/target";
  if (m == "cancel" || m == "abort") return "probe://site/page?" + m;
  if (m == "browse") return "probe://site/links";
  if (m == "stall_head" || m == "stall_body") return "probe://site/page";
  if (m == "header" || m == "block") return g_probe.server + "echo?" + m;
  if (m == "serve") return g_probe.server + "echo?served";
  if (m == "follow") return g_probe.server + "redirect";
  return std::string();
}

// The global context has no factory for the scheme in this mode: only the
// context's own registration can serve the page.
void OpenInOwnContext() {
  CefRequestContextSettings settings;
  CefRefPtr<CefRequestContext> context =
      CefRequestContext::CreateContext(settings, nullptr);
  Say(std::string("context-factory ") +
      (context && context->RegisterSchemeHandlerFactory("probe", "",
                                                        new ProbeFactory())
           ? "yes"
           : "no"));
  CefWindowInfo window_info;
  window_info.SetAsPopup(nullptr, CefString("scheme probe"));
  CefBrowserHost::CreateBrowser(window_info, new ProbeClient(),
                                CefString(StartUrl()), CefBrowserSettings(),
                                context);
}

class App : public CefApp, public CefBrowserProcessHandler {
 public:
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override {
    return this;
  }
  void OnRegisterCustomSchemes(
      CefRefPtr<CefSchemeRegistrar> registrar) override {
    Say(std::string("registered ") +
        (registrar->AddCustomScheme("probe", true, false, false) ? "yes"
                                                                   : "no"));
  }
  void OnContextInitialized() override {
    if (g_probe.mode == "context") {
      OpenInOwnContext();
    } else {
      CefRegisterSchemeHandlerFactory("probe", "", new ProbeFactory());
      probe::OpenBrowser("scheme probe", new ProbeClient(), StartUrl());
    }
    Later(TID_UI, 60000, [] {
      if (g_probe.browser)
        g_probe.browser->GetHost()->CloseBrowser(true);
    });
  }

 private:
  IMPLEMENT_REFCOUNTING(App);
};

}  // namespace

int main(int argc, char* argv[]) {
  CefMainArgs args(argc, argv);
  const int sub_process = CefExecuteProcess(args, nullptr, nullptr);
  if (sub_process >= 0)
    return sub_process;
  if (!probe::FromEnvironment(
          {{"PROBE_MODE", &g_probe.mode}, {"PROBE_URL", &g_probe.server}}) ||
      StartUrl().empty())
    return 4;

  if (!probe::Run(args, new App(), [] { g_probe.browser = nullptr; }))
    return 4;
  return probe::ExitCode(g_probe.done, "the mode's check did not complete");
}
