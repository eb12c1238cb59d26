// The program's request handler on WebKit's navigation decisions. WebKit
// shows the UI process navigations only (not the requests of sub-resources),
// and does not say which frame a navigation is for: each is asked about as
// the main frame's.
#include <libsoup/soup.h>

#include <memory>
#include <string>
#include <utility>

#include "runtime/base/text.h"
#include "runtime/browser/load_error.h"
#include "runtime/browser/request_handler.h"
#include "runtime/browser/resource_job.h"
#include "runtime/gtk/gtk_browser.h"
#include "runtime/gtk/gtk_schemes.h"

namespace cefrt {

namespace {

constexpr char kStateKey[] = "cefrt-request-state";
constexpr size_t kReadSize = 64 * 1024;

// A view's navigation while the handler decides about it.
struct ViewState {
  WebKitPolicyDecision* decision = nullptr;  // held until answered
  std::shared_ptr<void> question;
  std::shared_ptr<ResourceJob> job;  // the handler serving the page
  std::string bypass_url;  // a load of ours, asked about already
  std::string last_url;    // the latest navigation's address

  ~ViewState() { Reset(); }
  void Reset() {
    question.reset();
    if (job)
      job->Cancel();
    job.reset();
    if (decision) {
      webkit_policy_decision_ignore(decision);
      g_object_unref(decision);
    }
    decision = nullptr;
  }
  WebKitPolicyDecision* TakeDecision() {
    WebKitPolicyDecision* d = decision;
    decision = nullptr;
    question.reset();
    return d;
  }
};

ViewState* StateOf(WebKitWebView* view) {
  auto* state = static_cast<ViewState*>(g_object_get_data(G_OBJECT(view),
                                                          kStateKey));
  if (!state) {
    state = new ViewState();
    g_object_set_data_full(G_OBJECT(view), kStateKey, state,
                           [](gpointer s) { delete static_cast<ViewState*>(s); });
  }
  return state;
}

void AddHeader(const char* name, const char* value, gpointer list) {
  static_cast<HeaderList*>(list)->emplace_back(Utf8ToU16(name),
                                               Utf8ToU16(value));
}

// Loads the engine makes of the view's own content, which no handler serves.
bool Askable(const std::string& url) {
  return url.rfind("http:", 0) == 0 || url.rfind("https:", 0) == 0;
}

// Reads the whole body, then shows it at the request's own address.
void ServeBody(Ref<Browser> keep, std::shared_ptr<ResourceJob> job,
               std::string url, std::string mime, std::string charset,
               std::shared_ptr<std::string> body) {
  job->Read(kReadSize, [keep, job, url, mime, charset,
                        body](std::string bytes) {
    WebKitWebView* view = static_cast<GtkBrowser*>(keep.get())->view();
    if (!view || StateOf(view)->job != job)
      return;  // the view has gone, or another navigation took over
    if (!bytes.empty()) {
      body->append(bytes);
      ServeBody(keep, job, url, mime, charset, body);
      return;
    }
    ViewState* state = StateOf(view);
    state->job.reset();
    state->bypass_url = url;
    GBytes* data = g_bytes_new(body->data(), body->size());
    webkit_web_view_load_bytes(view, data, mime.c_str(),
                               charset.empty() ? nullptr : charset.c_str(),
                               url.c_str());
    g_bytes_unref(data);
  });
}

void Serve(GtkBrowser* browser, const LoadAnswer& answer) {
  const std::string url = U16ToUtf8(answer.request.url);
  Ref<Browser> keep(browser);
  auto cell = std::make_shared<std::weak_ptr<ResourceJob>>();
  ResourceJob::Sink sink;
  sink.failed = [keep, url](int error) {
    keep->NotifyLoadError(error, Utf8ToU16(NetErrorText(error)),
                          Utf8ToU16(url));
  };
  sink.head = [keep, url, cell](const ResponseHead& head) {
    WebKitWebView* view = static_cast<GtkBrowser*>(keep.get())->view();
    std::shared_ptr<ResourceJob> job = cell->lock();
    if (!view || !job || StateOf(view)->job != job)
      return;
    if (!head.redirect_url.empty()) {
      StateOf(view)->job.reset();
      keep->LoadUrl(head.redirect_url);
      return;
    }
    std::string mime = head.mime_type.empty() ? "text/html" : head.mime_type;
    std::string charset;
    const size_t semi = mime.find(';');
    if (semi != std::string::npos) {
      const size_t eq = mime.find("charset=", semi);
      if (eq != std::string::npos)
        charset = mime.substr(eq + 8);
      mime.erase(semi);
    }
    ServeBody(keep, job, url, mime, charset, std::make_shared<std::string>());
  };
  AddRefStruct(answer.handler.get());
  auto job = std::make_shared<ResourceJob>(answer.handler.get(),
                                           answer.request, std::move(sink));
  *cell = job;
  StateOf(browser->view())->job = job;
  job->Start();
}

void OnAnswer(WebKitWebView* view, const LoadAnswer& answer) {
  ViewState* state = StateOf(view);
  WebKitPolicyDecision* decision = state->TakeDecision();
  if (!decision)
    return;
  GtkBrowser* browser = GtkBrowserForView(view);
  if (answer.kind == LoadAnswer::kProceed || !browser) {
    if (browser)
      webkit_policy_decision_use(decision);
    else
      webkit_policy_decision_ignore(decision);
    g_object_unref(decision);
    return;
  }
  webkit_policy_decision_ignore(decision);
  g_object_unref(decision);
  Ref<Browser> keep(browser);
  switch (answer.kind) {
    case LoadAnswer::kCancel:
      browser->NotifyLoadError(ERR_ABORTED, u"The load was cancelled.",
                               answer.request.url);
      break;
    case LoadAnswer::kReplace:
      state->bypass_url = U16ToUtf8(answer.request.url);
      browser->LoadRequest(answer.request);
      break;
    case LoadAnswer::kServe:
      Serve(browser, answer);
      break;
    default:
      break;
  }
}

// The handler had its say about a redirect: the load follows it, or goes to
// the address the handler chose instead.
void OnRedirectAnswer(WebKitWebView* view, const RequestData& target,
                      const std::string& from, const std::string& to) {
  ViewState* state = StateOf(view);
  WebKitPolicyDecision* decision = state->TakeDecision();
  if (!decision)
    return;
  GtkBrowser* browser = GtkBrowserForView(view);
  const std::string url = U16ToUtf8(target.url);
  if (browser && to == url && !AskBeforeBrowse(browser, target, true)) {
    webkit_policy_decision_use(decision);
    g_object_unref(decision);
    return;
  }
  webkit_policy_decision_ignore(decision);
  g_object_unref(decision);
  if (!browser || to == url)
    return;
  ExpectRedirectAway(view, {from, url});
  state->bypass_url = to;
  state->last_url = to;
  webkit_web_view_load_uri(view, to.c_str());
}

gboolean OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                        WebKitPolicyDecisionType type, gpointer self) {
  if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION)
    return FALSE;
  GtkBrowser* browser = static_cast<GtkBrowser*>(self);
  if (browser->closed())
    return FALSE;
  WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
      WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  WebKitURIRequest* request = webkit_navigation_action_get_request(action);
  const char* uri = request ? webkit_uri_request_get_uri(request) : nullptr;
  const std::string url = uri ? uri : "";
  ViewState* state = StateOf(view);
  if (!state->bypass_url.empty() && state->bypass_url == url) {
    state->bypass_url.clear();
    state->last_url = url;
    return FALSE;
  }
  RequestData rd;
  rd.url = Utf8ToU16(url);
  if (const char* method = webkit_uri_request_get_http_method(request))
    rd.method = Utf8ToU16(method);
  if (SoupMessageHeaders* headers = webkit_uri_request_get_http_headers(request))
    soup_message_headers_foreach(headers, AddHeader, &rd.headers);
  rd.resource_type = RT_MAIN_FRAME;
  rd.transition_type =
      TransitionOf(webkit_navigation_action_get_navigation_type(action));
  Ref<Browser> keep(browser);
  const bool redirect = webkit_navigation_action_is_redirect(action) != 0;
  const std::string from = state->last_url;
  state->last_url = url;
  if (redirect && !from.empty() && from != url &&
      AsksAboutRedirects(browser)) {
    // WebKit waits for the decision before it follows the redirect.
    state->Reset();
    state->decision = WEBKIT_POLICY_DECISION(g_object_ref(decision));
    RequestData original;
    original.url = Utf8ToU16(from);
    original.resource_type = RT_MAIN_FRAME;
    state->question = AskRedirect(
        browser, original, url, [view, rd, from](std::string to) {
          OnRedirectAnswer(view, rd, from, to);
        });
    return TRUE;
  }
  if (AskBeforeBrowse(browser, rd, redirect)) {
    webkit_policy_decision_ignore(decision);
    return TRUE;
  }
  if (!browser->HasView() || !Askable(url) || !AsksAboutLoads(browser))
    return FALSE;
  state->Reset();  // a newer navigation replaces one still in question
  state->decision = WEBKIT_POLICY_DECISION(g_object_ref(decision));
  state->question = AskBeforeLoad(
      browser, rd, [view](LoadAnswer answer) { OnAnswer(view, answer); });
  return TRUE;
}

}  // namespace

void ConnectRequestHandler(GtkBrowser* browser, WebKitWebView* view) {
  g_signal_connect(view, "decide-policy", G_CALLBACK(OnDecidePolicy), browser);
  // Whatever is still in question ends with the view.
  g_signal_connect(view, "destroy", G_CALLBACK(+[](GtkWidget* w, gpointer) {
                     g_object_set_data(G_OBJECT(w), kStateKey, nullptr);
                   }),
                   nullptr);
}

}  // namespace cefrt
