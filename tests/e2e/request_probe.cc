// A small embedder of the real library for one check: once its first page
// has loaded, its frame loads a request of the probe's own (PROBE_METHOD
// GET or POST, two values of one header, a referrer and, for POST, a body)
// to PROBE_URL + "echo", and the probe prints how that load ended:
// "load-end <status>" or "load-error <code>". What reached the server is the
// test's to check. Exit codes: 0 when the request's load ended either way,
// 2 when it did not end in time, 3 when a client outlived the library, 4 for
// bad use.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_entry.h"
#include "include/cef_records.h"
#include "include/cef_request.h"
#include "include/cef_task.h"
#include "tests/e2e/probe_support.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

struct Probe {
  std::string url;
  std::string method;
  CefRefPtr<CefBrowser> browser;
  bool sent = false;
  bool ended = false;
};
Probe g_probe;

CefRefPtr<CefRequest> ProbeRequest() {
  CefRefPtr<CefRequest> request = CefRequest::Create();
  CefRequest::HeaderMap headers;
  headers.insert(std::make_pair(CefString("X-Probe"), CefString("one")));
  headers.insert(std::make_pair(CefString("X-Probe"), CefString("two")));
  CefRefPtr<CefPostData> data;
  if (g_probe.method == "POST") {
    headers.insert(std::make_pair(CefString("Content-Type"),
                                  CefString("text/plain; charset=utf-8")));
    data = CefPostData::Create();
    const std::string parts[] = {"first part;", "second part"};
    for (const std::string& part : parts) {
      CefRefPtr<CefPostDataElement> element = CefPostDataElement::Create();
      element->SetToBytes(part.size(), part.data());
      data->AddElement(element);
    }
  }
  request->Set(g_probe.url + "echo", g_probe.method, data, headers);
  request->SetReferrer(g_probe.url + "start", REFERRER_POLICY_ALWAYS);
  return request;
}

void Close() {
  if (g_probe.browser)
    g_probe.browser->GetHost()->CloseBrowser(true);
}

class ProbeClient : public CefClient,
                    public CefLifeSpanHandler,
                    public CefLoadHandler,
                    public probe::Counted {
 public:
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    g_probe.browser = browser;
  }
  void OnBeforeClose(CefRefPtr<CefBrowser>) override {
    g_probe.browser = nullptr;
    CefQuitMessageLoop();
  }

  void OnLoadEnd(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame,
                 int status) override {
    if (!g_probe.sent) {
      g_probe.sent = true;
      frame->LoadRequest(ProbeRequest());
      return;
    }
    End("load-end", status);
  }
  void OnLoadError(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                   ErrorCode code, const CefString&,
                   const CefString&) override {
    if (g_probe.sent)
      End("load-error", code);
  }

 private:
  void End(const char* how, int value) {
    if (g_probe.ended)
      return;
    g_probe.ended = true;
    probe::Say(how + (" " + std::to_string(value)));
    probe::Post(TID_UI, &Close);
  }
  IMPLEMENT_REFCOUNTING(ProbeClient);
};

void Open() {
  probe::OpenBrowser("request probe", new ProbeClient(),
                     g_probe.url + "start");
  probe::Post(TID_UI, &Close, 60000);
}

}  // namespace

int main(int argc, char* argv[]) {
#if defined(_WIN32)
  (void)argc;
  (void)argv;
  CefMainArgs args(GetModuleHandleW(nullptr));
#else
  CefMainArgs args(argc, argv);
#endif
  const int sub_process = CefExecuteProcess(args, nullptr, nullptr);
  if (sub_process >= 0)
    return sub_process;

  // The server's root, ending in '/'.
  if (!probe::FromEnvironment(
          {{"PROBE_URL", &g_probe.url}, {"PROBE_METHOD", &g_probe.method}}))
    return 4;

  if (!probe::Run(args, &Open, [] { g_probe.browser = nullptr; }))
    return 4;
  return probe::ExitCode(g_probe.ended, "the request's load did not end");
}
