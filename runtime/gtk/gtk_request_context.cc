// Request contexts. Each context object names one storage (a WebStore);
// contexts made to share another's name the same one. What WebKit keeps no
// counterpart of (preferences, cached host answers) answers the library's
// defaults.
#include "runtime/gtk/gtk_request_context.h"

#include <string>
#include <utility>

#include "include/capi/cef_callbacks_program_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_handlers_capi.h"
#include "include/capi/cef_resource_capi.h"
#include "include/capi/cef_values_capi.h"
#include "runtime/base/function_task.h"
#include "runtime/base/text.h"
#include "runtime/base/url.h"
#include "runtime/browser/browser.h"
#include "runtime/gtk/gtk_browser.h"
#include "runtime/gtk/gtk_cookies.h"
#include "runtime/gtk/gtk_schemes.h"

namespace cefrt {

namespace {

class RequestContext : public CountedStruct<cef_request_context_t> {
 public:
  // `handler` arrives with one reference that the context keeps.
  RequestContext(Ref<WebStore> store, bool global,
                 cef_request_context_handler_t* handler);

  static RequestContext* Of(cef_request_context_t* s) {
    return From<RequestContext>(s);
  }
  const Ref<WebStore>& store() const { return store_; }

 private:
  ~RequestContext() override { ReleaseStruct(handler_); }

  const Ref<WebStore> store_;
  const bool global_;
  cef_request_context_handler_t* const handler_;
};

// The program's callback's completion on the UI thread, where the library
// calls these.
void CompleteOnUi(cef_completion_callback_t* callback) {
  auto held = Hold(callback);
  if (!held)
    return;
  PostToUi([held] {
    if (Offers(held.get(), &cef_completion_callback_t::on_complete))
      held->on_complete(held.get());
  });
}

void ReportResolved(const std::shared_ptr<cef_resolve_callback_t>& callback,
                    cef_errorcode_t result, GList* addresses) {
  if (!Offers(callback.get(), &cef_resolve_callback_t::on_resolve_completed))
    return;
  cef_string_list_t ips = cef_string_list_alloc();
  for (GList* a = addresses; a; a = a->next) {
    gchar* text = g_inet_address_to_string(G_INET_ADDRESS(a->data));
    AppendToList(ips, {Utf8ToU16(text)});
    g_free(text);
  }
  callback->on_resolve_completed(callback.get(), result, ips);
  cef_string_list_free(ips);
}

// The host a resolve request names: an origin's, or the text itself.
std::string HostToResolve(const cef_string_t* origin) {
  const std::string text = Utf8FromCef(origin);
  Url url;
  std::string host = ParseUrl(text, &url) ? url.host : text;
  if (host.size() > 2 && host.front() == '[' && host.back() == ']')
    host = host.substr(1, host.size() - 2);
  return host;
}

// Runs `fn` with the store's web context on the UI thread: now when called
// there (answering its answer), else later, answering true.
bool WithWebContext(const Ref<WebStore>& store,
                    std::function<bool(WebKitWebContext*)> fn) {
  if (cef_currently_on(TID_UI))
    return fn(store->Context());
  return PostToUi([store, fn] { fn(store->Context()); });
}

RequestContext::RequestContext(Ref<WebStore> store, bool global,
                               cef_request_context_handler_t* handler)
    : CountedStruct("cef_request_context_t"),
      store_(std::move(store)),
      global_(global),
      handler_(handler) {
  using S = cef_request_context_t;
  S& c = s();
  c.is_same = [](S* s, S* other) CEF_CALLBACK -> int {
    // Every object for the global context is that one context.
    RequestContext* a = Of(s);
    RequestContext* b = Of(other);
    const bool same =
        a && b && (a == b || (a->global_ && b->global_));
    ReleaseStruct(other);
    return same ? 1 : 0;
  };
  c.is_sharing_with = [](S* s, S* other) CEF_CALLBACK -> int {
    RequestContext* a = Of(s);
    RequestContext* b = Of(other);
    const bool sharing = a && b && a->store_.get() == b->store_.get();
    ReleaseStruct(other);
    return sharing ? 1 : 0;
  };
  c.is_global = [](S* s) CEF_CALLBACK -> int {
    return Of(s) && Of(s)->global_ ? 1 : 0;
  };
  c.get_handler = [](S* s) CEF_CALLBACK -> cef_request_context_handler_t* {
    cef_request_context_handler_t* h = Of(s) ? Of(s)->handler_ : nullptr;
    AddRefStruct(h);
    return h;
  };
  c.get_cache_path = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    return Of(s) ? NewUserFree(Of(s)->store_->cache_path()) : nullptr;
  };
  c.get_default_cookie_manager =
      [](S* s, cef_completion_callback_t* callback)
          CEF_CALLBACK -> cef_cookie_manager_t* {
    if (!Of(s)) {
      ReleaseStruct(callback);
      return nullptr;
    }
    return NewCookieManager(Of(s)->store_, callback);
  };
  c.register_scheme_handler_factory =
      [](S* s, const cef_string_t* scheme, const cef_string_t* domain,
         cef_scheme_handler_factory_t* factory) CEF_CALLBACK -> int {
    auto held = Hold(factory);
    if (!Of(s) || Blank(scheme))
      return 0;
    const std::string name = Utf8FromCef(scheme);
    const std::string host = Utf8FromCef(domain);
    return WithWebContext(Of(s)->store_,
                          [name, host, held](WebKitWebContext* context) {
                            AddRefStruct(held.get());  // the registry's
                            return RegisterSchemeFactory(context, name, host,
                                                         held.get());
                          })
               ? 1
               : 0;
  };
  c.clear_scheme_handler_factories = [](S* s) CEF_CALLBACK -> int {
    if (!Of(s))
      return 0;
    return WithWebContext(Of(s)->store_, [](WebKitWebContext* context) {
             return ClearSchemeFactories(context);
           })
               ? 1
               : 0;
  };
  // No plug-ins to list.
  c.purge_plugin_list_cache = [](S*, int) CEF_CALLBACK {};
  // WebKit keeps no preference store per context: none to read or write.
  c.has_preference = [](S*, const cef_string_t*) CEF_CALLBACK -> int {
    return 0;
  };
  c.get_preference = [](S*, const cef_string_t*) CEF_CALLBACK
      -> cef_value_t* { return nullptr; };
  c.get_all_preferences = [](S* s, int) CEF_CALLBACK
      -> cef_dictionary_value_t* {
    return Of(s) ? cef_dictionary_value_create() : nullptr;
  };
  c.can_set_preference = [](S*, const cef_string_t*) CEF_CALLBACK -> int {
    return 0;
  };
  c.set_preference = [](S*, const cef_string_t* name, cef_value_t* value,
                        cef_string_t* error) CEF_CALLBACK -> int {
    ReleaseStruct(value);
    if (error) {
      const std::u16string why =
          u"Trying to modify a preference that is not supported: " +
          FromCef(name);
      ToCef(why, error);
    }
    return 0;
  };
  // The runtime never lets a bad certificate through by exception, so there
  // is nothing to forget.
  c.clear_certificate_exceptions = [](S*, cef_completion_callback_t* callback)
      CEF_CALLBACK { CompleteOnUi(callback); };
  // WebKit's network process keeps its connections to itself.
  c.close_all_connections = [](S*, cef_completion_callback_t* callback)
      CEF_CALLBACK { CompleteOnUi(callback); };
  c.resolve_host = [](S*, const cef_string_t* origin,
                      cef_resolve_callback_t* callback) CEF_CALLBACK {
    auto held = Hold(callback);
    if (!held)
      return;
    const std::string host = HostToResolve(origin);
    PostToUi([held, host] {
      if (host.empty()) {
        ReportResolved(held, ERR_INVALID_URL, nullptr);
        return;
      }
      // GLib resolves on a worker of its own and answers on this thread.
      GResolver* resolver = g_resolver_get_default();
      g_resolver_lookup_by_name_async(
          resolver, host.c_str(), nullptr,
          [](GObject* source, GAsyncResult* result, gpointer data) {
            std::unique_ptr<std::shared_ptr<cef_resolve_callback_t>> cb(
                static_cast<std::shared_ptr<cef_resolve_callback_t>*>(data));
            GList* addresses = g_resolver_lookup_by_name_finish(
                G_RESOLVER(source), result, nullptr);
            ReportResolved(*cb, addresses ? ERR_NONE : ERR_NAME_NOT_RESOLVED,
                           addresses);
            g_resolver_free_addresses(addresses);
          },
          new std::shared_ptr<cef_resolve_callback_t>(held));
      g_object_unref(resolver);
    });
  };
  // GLib keeps no answers to look up without asking.
  c.resolve_host_cached = [](S*, const cef_string_t*, cef_string_list_t)
      CEF_CALLBACK -> cef_errorcode_t { return ERR_FAILED; };
}

}  // namespace

WebKitWebContext* WebContextFor(cef_request_context_t* context) {
  RequestContext* c = RequestContext::Of(context);
  return c ? c->store()->Context() : SharedWebContext();
}

}  // namespace cefrt

cef_request_context_t* cef_request_context_get_global_context(void) {
  return (new cefrt::RequestContext(cefrt::WebStore::Global(), true, nullptr))
      ->Give();
}

cef_request_context_t* cef_request_context_create_context(
    const cef_request_context_settings_t* settings,
    struct _cef_request_context_handler_t* handler) {
  using R = cef_request_context_settings_t;
  cefrt::WebStore::Options options;
  const cef_string_t none = {};
  const cef_string_t path = cefrt::FieldOr(settings, &R::cache_path, none);
  options.cache_path = cefrt::FromCef(&path);
  options.ignore_certificate_errors =
      cefrt::FieldOr(settings, &R::ignore_certificate_errors, 0) != 0;
  const cef_string_t languages =
      cefrt::FieldOr(settings, &R::accept_language_list, none);
  options.accept_language_list = cefrt::FromCef(&languages);
  return (new cefrt::RequestContext(cefrt::WebStore::Create(options), false,
                                    handler))
      ->Give();
}

cef_request_context_t* cef_create_context_shared(
    cef_request_context_t* other,
    struct _cef_request_context_handler_t* handler) {
  cefrt::RequestContext* source = cefrt::RequestContext::Of(other);
  if (!source) {
    cefrt::ReleaseStruct(handler);
    return nullptr;
  }
  cef_request_context_t* shared =
      (new cefrt::RequestContext(source->store(), false, handler))->Give();
  cefrt::ReleaseStruct(other);
  return shared;
}
