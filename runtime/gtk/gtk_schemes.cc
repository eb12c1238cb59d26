// The program's schemes on WebKit: each request of a registered scheme goes
// to the program's factory and resource handler (on the IO thread), and
// their answer back to WebKit (on the UI thread) as a response whose body a
// stream of ours pulls from the handler read by read.
#include "runtime/gtk/gtk_schemes.h"

#include <libsoup/soup.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

#include "include/capi/cef_entry_capi.h"
#include "runtime/app/scheme_registrar.h"
#include "runtime/base/ascii.h"
#include "runtime/base/capi_util.h"
#include "runtime/base/counted.h"
#include "runtime/base/function_task.h"
#include "runtime/base/text.h"
#include "runtime/browser/load_error.h"
#include "runtime/browser/resource_job.h"
#include "runtime/gtk/gtk_browser.h"

// The body of one response: each read asks the program's handler.
struct CefrtSchemeStream {
  GInputStream parent;
  std::shared_ptr<cefrt::ResourceJob>* job;
  GTask* pending;  // the read waiting for the handler
  void* buffer;
  gsize count;
  gulong cancel_id;
  gboolean ended;
};
struct CefrtSchemeStreamClass {
  GInputStreamClass parent_class;
};

G_DEFINE_TYPE(CefrtSchemeStream, cefrt_scheme_stream, G_TYPE_INPUT_STREAM)

namespace cefrt {

namespace {

void EndStream(CefrtSchemeStream* self) {
  if (!self->ended && self->job && *self->job)
    (*self->job)->Cancel();  // no-op once the body has ended
  self->ended = TRUE;
}

void DeliverRead(CefrtSchemeStream* self, const std::string& bytes) {
  GTask* task = self->pending;
  if (!task)
    return;
  self->pending = nullptr;
  if (self->cancel_id)
    g_cancellable_disconnect(g_task_get_cancellable(task), self->cancel_id);
  self->cancel_id = 0;
  if (g_task_return_error_if_cancelled(task)) {
    EndStream(self);
  } else {
    const gsize n = std::min<gsize>(bytes.size(), self->count);
    if (n)
      memcpy(self->buffer, bytes.data(), n);
    else
      self->ended = TRUE;
    g_task_return_int(task, static_cast<gssize>(n));
  }
  g_object_unref(task);
}

void ReadAsync(GInputStream* stream, void* buffer, gsize count, int,
               GCancellable* cancellable, GAsyncReadyCallback callback,
               gpointer data) {
  CefrtSchemeStream* self = reinterpret_cast<CefrtSchemeStream*>(stream);
  GTask* task = g_task_new(stream, cancellable, callback, data);
  if (g_task_return_error_if_cancelled(task)) {
    EndStream(self);
    g_object_unref(task);
    return;
  }
  if (self->ended || count == 0) {
    g_task_return_int(task, 0);
    g_object_unref(task);
    return;
  }
  self->pending = task;
  self->buffer = buffer;
  self->count = count;
  if (cancellable) {
    // WebKit cancels the read when it drops the request; the handler hears
    // it at once, and its answer (or none) ends the read.
    std::shared_ptr<ResourceJob> job = *self->job;
    auto* keep = new std::shared_ptr<ResourceJob>(job);
    self->cancel_id = g_cancellable_connect(
        cancellable,
        G_CALLBACK(+[](GCancellable*, gpointer j) {
          (*static_cast<std::shared_ptr<ResourceJob>*>(j))->Cancel();
        }),
        keep, +[](gpointer j) {
          delete static_cast<std::shared_ptr<ResourceJob>*>(j);
        });
  }
  std::shared_ptr<CefrtSchemeStream> ref(
      static_cast<CefrtSchemeStream*>(g_object_ref(self)),
      [](CefrtSchemeStream* s) { g_object_unref(s); });
  (*self->job)->Read(count, [ref](std::string bytes) {
    DeliverRead(ref.get(), bytes);
  });
}

gssize ReadFinish(GInputStream*, GAsyncResult* result, GError** error) {
  return g_task_propagate_int(G_TASK(result), error);
}

gssize ReadSync(GInputStream*, void*, gsize, GCancellable*, GError** error) {
  g_set_error_literal(error, G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED,
                      "the program's response is read asynchronously");
  return -1;
}

gboolean CloseStream(GInputStream* stream, GCancellable*, GError**) {
  EndStream(reinterpret_cast<CefrtSchemeStream*>(stream));
  return TRUE;
}

}  // namespace
}  // namespace cefrt

static void cefrt_scheme_stream_init(CefrtSchemeStream* self) {
  self->job = new std::shared_ptr<cefrt::ResourceJob>();
}

static void cefrt_scheme_stream_finalize(GObject* object) {
  CefrtSchemeStream* self = reinterpret_cast<CefrtSchemeStream*>(object);
  cefrt::EndStream(self);
  delete self->job;
  self->job = nullptr;
  G_OBJECT_CLASS(cefrt_scheme_stream_parent_class)->finalize(object);
}

static void cefrt_scheme_stream_class_init(CefrtSchemeStreamClass* klass) {
  G_OBJECT_CLASS(klass)->finalize = cefrt_scheme_stream_finalize;
  GInputStreamClass* stream = G_INPUT_STREAM_CLASS(klass);
  stream->read_fn = cefrt::ReadSync;
  stream->read_async = cefrt::ReadAsync;
  stream->read_finish = cefrt::ReadFinish;
  stream->close_fn = cefrt::CloseStream;
}

namespace cefrt {

GQuark NetErrorQuark() { return g_quark_from_static_string("cefrt-net-error"); }

namespace {
constexpr char kRedirectedKey[] = "cefrt-redirected-from";
}  // namespace

void ExpectRedirectAway(WebKitWebView* view,
                        const std::vector<std::string>& uris) {
  std::string joined;
  for (const std::string& uri : uris)
    joined += uri + "\n";
  g_object_set_data_full(G_OBJECT(view), kRedirectedKey,
                         g_strdup(joined.c_str()), g_free);
}

bool RedirectedAway(WebKitWebView* view, const char* uri) {
  const char* from = static_cast<const char*>(
      g_object_get_data(G_OBJECT(view), kRedirectedKey));
  if (!from || !uri)
    return false;
  const bool same =
      std::string(from).find(std::string(uri) + "\n") != std::string::npos;
  g_object_set_data(G_OBJECT(view), kRedirectedKey, nullptr);
  return same;
}

namespace {

// Schemes WebKit serves itself and lets no one else serve.
bool EngineScheme(const std::string& scheme) {
  static const char* const kOwn[] = {"http", "https", "file", "data", "blob",
                                     "about", "ws", "wss", "javascript"};
  return std::any_of(std::begin(kOwn), std::end(kOwn),
                     [&](const char* own) { return scheme == own; });
}

struct Factory {
  std::string scheme;
  std::string domain;  // empty: every domain
  cef_scheme_handler_factory_t* factory;  // one reference
};

class SchemeTask;

// UI thread only, but for the factory lists, which any thread may change.
struct Registry {
  std::mutex mutex;
  std::map<WebKitWebContext*, std::vector<Factory>> factories;
  std::set<WebKitWebContext*> served;
  std::set<std::pair<WebKitWebContext*, std::string>> registered;
  std::map<WebKitWebContext*, std::vector<std::shared_ptr<SchemeTask>>> tasks;
};

Registry& Reg() {
  static Registry* registry = new Registry();
  return *registry;
}

// The factory for a request, with a reference for the caller; one named for
// the host wins over one for every host.
cef_scheme_handler_factory_t* FindFactory(WebKitWebContext* context,
                                          const std::string& scheme,
                                          const std::string& host) {
  Registry& r = Reg();
  std::lock_guard<std::mutex> lock(r.mutex);
  auto it = r.factories.find(context);
  if (it == r.factories.end())
    return nullptr;
  const Factory* found = nullptr;
  for (const Factory& f : it->second) {
    if (f.scheme != scheme)
      continue;
    if (!f.domain.empty() && f.domain == host) {
      found = &f;
      break;
    }
    if (f.domain.empty() && !found)
      found = &f;
  }
  if (!found)
    return nullptr;
  AddRefStruct(found->factory);
  return found->factory;
}

// One request of WebKit's, until its response (or error) is handed back.
class SchemeTask : public std::enable_shared_from_this<SchemeTask> {
 public:
  SchemeTask(WebKitWebContext* context, WebKitURISchemeRequest* request)
      : context_(context),
        request_(WEBKIT_URI_SCHEME_REQUEST(g_object_ref(request))),
        view_(webkit_uri_scheme_request_get_web_view(request)) {
    if (view_)
      destroy_id_ = g_signal_connect(
          view_, "destroy", G_CALLBACK(+[](GtkWidget*, gpointer self) {
            static_cast<SchemeTask*>(self)->Fail(ERR_ABORTED);
          }),
          this);
  }
  ~SchemeTask() { Done(); }

  void Run(cef_scheme_handler_factory_t* factory, const std::string& scheme,
           const RequestData& data);
  void Attach(std::shared_ptr<ResourceJob> job) {
    if (!request_) {
      job->Cancel();
      return;
    }
    job_ = std::move(job);
  }
  void Respond(const ResponseHead& head);
  void Fail(int net_error);

 private:
  // Lets go of WebKit's request and of the task's place in the list.
  void Done();
  void Forget();

  WebKitWebContext* const context_;
  WebKitURISchemeRequest* request_;
  WebKitWebView* view_;
  gulong destroy_id_ = 0;
  std::shared_ptr<ResourceJob> job_;
};

void SchemeTask::Run(cef_scheme_handler_factory_t* factory,
                     const std::string& scheme, const RequestData& data) {
  Ref<Browser> browser(view_ ? GtkBrowserForView(view_) : nullptr);
  std::weak_ptr<SchemeTask> weak = shared_from_this();
  // Released with the task even when it never runs.
  std::shared_ptr<cef_scheme_handler_factory_t> held(
      factory, [](cef_scheme_handler_factory_t* f) { ReleaseStruct(f); });
  const bool posted = PostToIo([held, browser, scheme, data, weak] {
    cef_scheme_handler_factory_t* factory = held.get();
    const std::u16string name = Utf8ToU16(scheme);
    cef_string_t name_view = View(name);
    cef_resource_handler_t* handler = nullptr;
    if (Offers(factory, &cef_scheme_handler_factory_t::create)) {
      const bool live = browser && !browser->closed();
      handler = factory->create(factory, live ? browser->Share() : nullptr,
                                live ? browser->NewFrame() : nullptr,
                                &name_view, NewReadOnlyRequest(data));
    }
    if (!handler) {
      PostToUi([weak] {
        if (auto task = weak.lock())
          task->Fail(ERR_UNKNOWN_URL_SCHEME);
      });
      return;
    }
    ResourceJob::Sink sink;
    sink.head = [weak](const ResponseHead& head) {
      if (auto task = weak.lock())
        task->Respond(head);
    };
    sink.failed = [weak](int error) {
      if (auto task = weak.lock())
        task->Fail(error);
    };
    auto job = std::make_shared<ResourceJob>(handler, data, std::move(sink));
    PostToUi([weak, job] {
      if (auto task = weak.lock())
        task->Attach(job);
      else
        job->Cancel();
    });
    job->Start();
  });
  if (!posted)
    Fail(ERR_ABORTED);
}

void SchemeTask::Respond(const ResponseHead& head) {
  if (!request_)
    return;
  std::shared_ptr<SchemeTask> keep = shared_from_this();
  if (!head.redirect_url.empty() && view_ &&
      g_strcmp0(webkit_web_view_get_uri(view_),
                webkit_uri_scheme_request_get_uri(request_)) == 0) {
    // WebKit follows no redirect a scheme's response names: the view loads
    // the new address in place of this one, which ends this request. The
    // load it interrupts is no failure the program should hear of.
    WebKitWebView* view = view_;
    Forget();
    ExpectRedirectAway(view, {webkit_uri_scheme_request_get_uri(request_)});
    webkit_web_view_load_uri(view, head.redirect_url.c_str());
    Done();
    return;
  }
  CefrtSchemeStream* stream = static_cast<CefrtSchemeStream*>(
      g_object_new(cefrt_scheme_stream_get_type(), nullptr));
  *stream->job = job_;
  if (!job_)
    stream->ended = TRUE;
  if (view_)  // the body is not wanted once the view has gone
    g_signal_connect_object(view_, "destroy",
                            G_CALLBACK(+[](GtkWidget*, gpointer s) {
                              EndStream(static_cast<CefrtSchemeStream*>(s));
                            }),
                            stream, GConnectFlags(0));
  WebKitURISchemeResponse* response = webkit_uri_scheme_response_new(
      G_INPUT_STREAM(stream), head.redirect_url.empty() ? head.length : 0);
  webkit_uri_scheme_response_set_status(
      response, static_cast<guint>(head.redirect_url.empty() ? head.status : 302),
      head.status_text.empty() ? nullptr : head.status_text.c_str());
  if (!head.mime_type.empty())
    webkit_uri_scheme_response_set_content_type(response,
                                                head.mime_type.c_str());
  SoupMessageHeaders* headers =
      soup_message_headers_new(SOUP_MESSAGE_HEADERS_RESPONSE);
  for (const auto& header : head.headers)
    soup_message_headers_append(headers, U16ToUtf8(header.first).c_str(),
                                U16ToUtf8(header.second).c_str());
  if (!head.redirect_url.empty())
    soup_message_headers_replace(headers, "Location",
                                 head.redirect_url.c_str());
  webkit_uri_scheme_response_set_http_headers(response, headers);
  job_.reset();  // the stream has it now
  WebKitURISchemeRequest* request = request_;
  g_object_ref(request);
  Done();
  webkit_uri_scheme_request_finish_with_response(request, response);
  g_object_unref(request);
  g_object_unref(response);
  g_object_unref(stream);
}

void SchemeTask::Fail(int net_error) {
  if (!request_)
    return;
  std::shared_ptr<SchemeTask> keep = shared_from_this();
  if (job_)
    job_->Cancel();
  job_.reset();
  WebKitURISchemeRequest* request = request_;
  g_object_ref(request);
  Done();
  GError* error = g_error_new_literal(NetErrorQuark(), net_error,
                                      NetErrorText(net_error).c_str());
  webkit_uri_scheme_request_finish_error(request, error);
  g_error_free(error);
  g_object_unref(request);
}

void SchemeTask::Forget() {
  if (view_ && destroy_id_)
    g_signal_handler_disconnect(view_, destroy_id_);
  destroy_id_ = 0;
  view_ = nullptr;
}

void SchemeTask::Done() {
  Forget();
  if (!request_)
    return;
  g_object_unref(request_);
  request_ = nullptr;
  auto& list = Reg().tasks[context_];
  list.erase(std::remove_if(list.begin(), list.end(),
                            [this](const std::shared_ptr<SchemeTask>& t) {
                              return t.get() == this;
                            }),
             list.end());
}

void AddHeader(const char* name, const char* value, gpointer list) {
  static_cast<HeaderList*>(list)->emplace_back(Utf8ToU16(name),
                                               Utf8ToU16(value));
}

void OnSchemeRequest(WebKitURISchemeRequest* request, gpointer data) {
  WebKitWebContext* context = static_cast<WebKitWebContext*>(data);
  const std::string scheme =
      AsciiLower(webkit_uri_scheme_request_get_scheme(request));
  const char* uri = webkit_uri_scheme_request_get_uri(request);
  std::string host;
  if (GUri* parsed = g_uri_parse(uri, G_URI_FLAGS_NONE, nullptr)) {
    if (const char* h = g_uri_get_host(parsed))
      host = AsciiLower(h);
    g_uri_unref(parsed);
  }
  RequestData rd;
  rd.url = Utf8ToU16(uri);
  if (const char* method = webkit_uri_scheme_request_get_http_method(request))
    rd.method = Utf8ToU16(method);
  if (SoupMessageHeaders* headers =
          webkit_uri_scheme_request_get_http_headers(request))
    soup_message_headers_foreach(headers, AddHeader, &rd.headers);
  WebKitWebView* view = webkit_uri_scheme_request_get_web_view(request);
  rd.resource_type =
      view && g_strcmp0(webkit_web_view_get_uri(view), uri) == 0
          ? RT_MAIN_FRAME
          : RT_SUB_RESOURCE;

  auto task = std::make_shared<SchemeTask>(context, request);
  Reg().tasks[context].push_back(task);
  cef_scheme_handler_factory_t* factory = FindFactory(context, scheme, host);
  if (!factory) {
    task->Fail(ERR_UNKNOWN_URL_SCHEME);
    return;
  }
  task->Run(factory, scheme, rd);
}

// UI thread: WebKit sends the scheme's requests to us from now on.
void RegisterWithWebKit(WebKitWebContext* context, const std::string& scheme) {
  Registry& r = Reg();
  if (!r.served.count(context) || !r.registered.emplace(context, scheme).second)
    return;
  webkit_web_context_register_uri_scheme(context, scheme.c_str(),
                                         OnSchemeRequest, context, nullptr);
}

}  // namespace

bool RegisterSchemeFactory(WebKitWebContext* context, const std::string& name,
                           const std::string& domain_name,
                           cef_scheme_handler_factory_t* factory) {
  const std::string scheme = AsciiLower(name);
  const std::string domain = AsciiLower(domain_name);
  if (!context || scheme.empty() || EngineScheme(scheme)) {
    ReleaseStruct(factory);
    return false;
  }
  std::vector<Factory> dropped;
  {
    Registry& r = Reg();
    std::lock_guard<std::mutex> lock(r.mutex);
    std::vector<Factory>& list = r.factories[context];
    auto same = std::find_if(list.begin(), list.end(), [&](const Factory& f) {
      return f.scheme == scheme && f.domain == domain;
    });
    if (same != list.end()) {
      dropped.push_back(*same);
      list.erase(same);
    }
    if (factory)
      list.push_back(Factory{scheme, domain, factory});
  }
  for (Factory& f : dropped)
    ReleaseStruct(f.factory);  // outside the lock: it is the program's code
  if (factory)
    RunOnUi([context, scheme] { RegisterWithWebKit(context, scheme); });
  return true;
}

bool ClearSchemeFactories(WebKitWebContext* context) {
  std::vector<Factory> dropped;
  {
    Registry& r = Reg();
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = r.factories.find(context);
    if (it != r.factories.end()) {
      dropped = std::move(it->second);
      r.factories.erase(it);
    }
  }
  for (Factory& f : dropped)
    ReleaseStruct(f.factory);
  return true;
}

void ServeSchemesOn(WebKitWebContext* context) {
  Registry& r = Reg();
  r.served.insert(context);
  WebKitSecurityManager* security =
      webkit_web_context_get_security_manager(context);
  for (const CustomScheme& s : CustomSchemes()) {
    if (s.local)
      webkit_security_manager_register_uri_scheme_as_local(security,
                                                           s.name.c_str());
    if (s.display_isolated)
      webkit_security_manager_register_uri_scheme_as_display_isolated(
          security, s.name.c_str());
    if (s.standard) {
      // A standard scheme's pages are origins of their own that may fetch
      // from their scheme, as pages of http do.
      webkit_security_manager_register_uri_scheme_as_secure(security,
                                                            s.name.c_str());
      webkit_security_manager_register_uri_scheme_as_cors_enabled(
          security, s.name.c_str());
    }
  }
  std::vector<std::string> schemes;
  {
    std::lock_guard<std::mutex> lock(r.mutex);
    for (const Factory& f : r.factories[context])
      schemes.push_back(f.scheme);
  }
  for (const std::string& scheme : schemes)
    RegisterWithWebKit(context, scheme);
}

void ForgetSchemesOf(WebKitWebContext* context) {
  Registry& r = Reg();
  // Requests still waiting end here: their handlers hear the cancel.
  std::vector<std::shared_ptr<SchemeTask>> pending = r.tasks[context];
  for (const std::shared_ptr<SchemeTask>& task : pending)
    task->Fail(ERR_ABORTED);
  r.tasks.erase(context);
  ClearSchemeFactories(context);
  r.served.erase(context);
  for (auto it = r.registered.begin(); it != r.registered.end();) {
    if (it->first == context)
      it = r.registered.erase(it);
    else
      ++it;
  }
}

}  // namespace cefrt

namespace {

// The global context is the UI thread's: registrations from elsewhere go
// there.
template <class Fn>
int OnGlobalContext(Fn fn) {
  if (cef_currently_on(TID_UI)) {
    fn();
    return 1;
  }
  return cefrt::PostToUi(fn) ? 1 : 0;
}

}  // namespace

int cef_register_scheme_handler_factory(
    const cef_string_t* scheme_name, const cef_string_t* domain_name,
    struct _cef_scheme_handler_factory_t* factory) {
  const std::string scheme = cefrt::AsciiLower(cefrt::Utf8FromCef(scheme_name));
  const std::string domain = cefrt::Utf8FromCef(domain_name);
  if (scheme.empty() || cefrt::EngineScheme(scheme)) {
    cefrt::ReleaseStruct(factory);
    return 0;
  }
  std::shared_ptr<cef_scheme_handler_factory_t> owned(
      factory, [](cef_scheme_handler_factory_t* f) { cefrt::ReleaseStruct(f); });
  const int posted = OnGlobalContext([scheme, domain, owned]() mutable {
    cef_scheme_handler_factory_t* f = owned.get();
    if (f)
      cefrt::AddRefStruct(f);
    cefrt::RegisterSchemeFactory(cefrt::SharedWebContext(), scheme, domain, f);
  });
  return posted;
}

int cef_clear_scheme_handler_factories(void) {
  return OnGlobalContext(
      [] { cefrt::ClearSchemeFactories(cefrt::SharedWebContext()); });
}
