// Cookie managers over WebKit's cookie managers. WebKit answers on the UI
// thread; the program hears on the IO thread, and its visitor's deletions go
// back to WebKit on the UI thread.
#include "runtime/gtk/gtk_cookies.h"

#include <algorithm>
#include <thread>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "include/capi/cef_callbacks_program_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_visitors_capi.h"
#include "runtime/base/capi_util.h"
#include "runtime/base/function_task.h"
#include "runtime/base/text.h"
#include "runtime/base/url.h"
#include "runtime/browser/browser.h"
#include "runtime/gtk/gtk_browser.h"

namespace cefrt {

// PostToIo is defined once, in runtime/browser/resource_job.cc.

namespace {

std::mutex g_global_mutex;
Ref<WebStore> g_global;  // under g_global_mutex

// Calls the program's completion-style callback on the IO thread.
template <class CB, class... Args>
void ReplyOnIo(const std::shared_ptr<CB>& cb, Args... args) {
  if (!cb)
    return;
  PostToIo([cb, args...] {
    if (Offers(cb.get(), &CB::on_complete))
      cb->on_complete(cb.get(), args...);
  });
}

// WebKit's asynchronous calls finish through one of these.
using Finish = std::function<void(GObject*, GAsyncResult*)>;
gpointer Pending(Finish finish) { return new Finish(std::move(finish)); }
void OnReady(GObject* source, GAsyncResult* result, gpointer data) {
  std::unique_ptr<Finish> finish(static_cast<Finish*>(data));
  (*finish)(source, result);
}

// Cookies copied out of WebKit, freed with the set.
struct CookieSet {
  std::vector<SoupCookie*> items;
  CookieSet() = default;
  CookieSet(const CookieSet&) = delete;
  CookieSet& operator=(const CookieSet&) = delete;
  ~CookieSet() {
    for (SoupCookie* c : items)
      soup_cookie_free(c);
  }
};
using Cookies = std::shared_ptr<CookieSet>;
using Filter = std::function<bool(SoupCookie*)>;

// UI thread: every cookie of `store` that `keep` accepts, to `done` (also on
// the UI thread); none when WebKit fails.
void FetchCookies(WebStore* store, Filter keep,
                  std::function<void(Cookies)> done) {
  webkit_cookie_manager_get_all_cookies(
      store->Cookies(), nullptr, OnReady,
      Pending([keep, done](GObject* source, GAsyncResult* result) {
        GList* list = webkit_cookie_manager_get_all_cookies_finish(
            WEBKIT_COOKIE_MANAGER(source), result, nullptr);
        auto set = std::make_shared<CookieSet>();
        for (GList* l = list; l; l = l->next) {
          SoupCookie* c = static_cast<SoupCookie*>(l->data);
          if (keep(c))
            set->items.push_back(c);
          else
            soup_cookie_free(c);
        }
        g_list_free(list);
        done(set);
      }));
}

// UI thread: deletes `cookies` from `store`, then tells `done` how many went.
void DeleteCookies(WebStore* store, Cookies cookies,
                   std::function<void(int)> done) {
  if (cookies->items.empty()) {
    done(0);
    return;
  }
  struct Tally {
    size_t left;
    int deleted = 0;
  };
  auto tally = std::make_shared<Tally>(Tally{cookies->items.size()});
  for (SoupCookie* c : cookies->items) {
    webkit_cookie_manager_delete_cookie(
        store->Cookies(), c, nullptr, OnReady,
        Pending([tally, cookies, done](GObject* source, GAsyncResult* result) {
          if (webkit_cookie_manager_delete_cookie_finish(
                  WEBKIT_COOKIE_MANAGER(source), result, nullptr))
            ++tally->deleted;
          if (--tally->left == 0)
            done(tally->deleted);
        }));
  }
}

cef_time_t TimeOf(GDateTime* when) {
  cef_time_t t = {};
  if (!when)
    return t;
  GDateTime* utc = g_date_time_to_utc(when);
  t.year = g_date_time_get_year(utc);
  t.month = g_date_time_get_month(utc);
  t.day_of_week = g_date_time_get_day_of_week(utc) % 7;  // Sunday is 0
  t.day_of_month = g_date_time_get_day_of_month(utc);
  t.hour = g_date_time_get_hour(utc);
  t.minute = g_date_time_get_minute(utc);
  t.second = g_date_time_get_second(utc);
  t.millisecond = g_date_time_get_microsecond(utc) / 1000;
  g_date_time_unref(utc);
  return t;
}

// Null for a record that names no valid moment.
GDateTime* DateTimeOf(const cef_time_t& t) {
  if (t.month < 1 || t.month > 12 || t.day_of_month < 1 ||
      t.day_of_month > 31 || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
      t.minute > 59 || t.second < 0 || t.second > 60 || t.millisecond < 0 ||
      t.millisecond > 999)
    return nullptr;
  return g_date_time_new_utc(t.year, t.month, t.day_of_month, t.hour,
                             t.minute, t.second + t.millisecond / 1000.0);
}

// A cookie record over a WebKit cookie; it owns its strings. WebKit keeps
// no creation or access times: those stay zero.
class CookieRecord {
 public:
  explicit CookieRecord(SoupCookie* c) {
    ToCef(Utf8ToU16(soup_cookie_get_name(c)), &r_.name);
    ToCef(Utf8ToU16(soup_cookie_get_value(c)), &r_.value);
    ToCef(Utf8ToU16(soup_cookie_get_domain(c)), &r_.domain);
    ToCef(Utf8ToU16(soup_cookie_get_path(c)), &r_.path);
    r_.secure = soup_cookie_get_secure(c) ? 1 : 0;
    r_.httponly = soup_cookie_get_http_only(c) ? 1 : 0;
    GDateTime* expires = soup_cookie_get_expires(c);
    r_.has_expires = expires ? 1 : 0;
    r_.expires = TimeOf(expires);
  }
  ~CookieRecord() {
    cef_string_utf16_clear(&r_.name);
    cef_string_utf16_clear(&r_.value);
    cef_string_utf16_clear(&r_.domain);
    cef_string_utf16_clear(&r_.path);
  }
  CookieRecord(const CookieRecord&) = delete;
  CookieRecord& operator=(const CookieRecord&) = delete;
  const cef_cookie_t* get() const { return &r_; }

 private:
  cef_cookie_t r_ = {};
};

bool CookieScheme(const std::string& scheme) {
  return scheme == "http" || scheme == "https" || scheme == "ws" ||
         scheme == "wss";
}

// A URL cookies can belong to: one of the cookie schemes, with a host.
bool CookieUrl(const cef_string_t* text, Url* url) {
  return !Blank(text) && ParseUrl(Utf8FromCef(text), url) &&
         CookieScheme(url->scheme) && !url->host.empty();
}

bool CleanToken(const std::string& s, bool allow_equals) {
  for (unsigned char ch : s) {
    if (ch < 0x20 || ch == 0x7f || ch == ';' || (!allow_equals && ch == '='))
      return false;
  }
  return true;
}

// WebKit's cookie for what the program asked `url` to get; null when an
// attribute is malformed or the domain is not the URL's.
SoupCookie* SoupCookieFor(const Url& url, const cef_cookie_t& c) {
  const std::string name = Utf8FromCef(&c.name);
  const std::string value = Utf8FromCef(&c.value);
  std::string domain = Utf8FromCef(&c.domain);
  std::string path = Utf8FromCef(&c.path);
  if ((name.empty() && value.empty()) || !CleanToken(name, false) ||
      !CleanToken(value, true) || !CleanToken(domain, false) ||
      !CleanToken(path, true))
    return nullptr;
  std::transform(domain.begin(), domain.end(), domain.begin(),
                 [](unsigned char ch) { return std::tolower(ch); });
  if (domain.empty()) {
    domain = url.host;  // a host cookie
  } else {
    const std::string bare = domain[0] == '.' ? domain.substr(1) : domain;
    const bool matches =
        url.host == bare ||
        (url.host.size() > bare.size() &&
         url.host.compare(url.host.size() - bare.size(), bare.size(), bare) ==
             0 &&
         url.host[url.host.size() - bare.size() - 1] == '.');
    if (bare.empty() || !matches)
      return nullptr;
    domain = "." + bare;
  }
  if (path.empty())
    path = "/";
  else if (path[0] != '/')
    return nullptr;
  SoupCookie* cookie =
      soup_cookie_new(name.c_str(), value.c_str(), domain.c_str(),
                      path.c_str(), -1);
  soup_cookie_set_secure(cookie, c.secure != 0);
  soup_cookie_set_http_only(cookie, c.httponly != 0);
  if (c.has_expires) {
    GDateTime* expires = DateTimeOf(c.expires);
    if (!expires) {
      soup_cookie_free(cookie);
      return nullptr;
    }
    soup_cookie_set_expires(cookie, expires);
    g_date_time_unref(expires);
  }
  return cookie;
}

// IO thread: walks `cookies` with the program's visitor; returns those it
// asked to delete.
Cookies Walk(cef_cookie_visitor_t* visitor, const Cookies& cookies) {
  auto doomed = std::make_shared<CookieSet>();
  // Longest path first, as the library orders them; WebKit keeps no
  // creation time to order by next.
  std::stable_sort(cookies->items.begin(), cookies->items.end(),
                   [](SoupCookie* a, SoupCookie* b) {
                     return strlen(soup_cookie_get_path(a)) >
                            strlen(soup_cookie_get_path(b));
                   });
  const int total = static_cast<int>(cookies->items.size());
  for (int i = 0; i < total; ++i) {
    SoupCookie* c = cookies->items[static_cast<size_t>(i)];
    int remove = 0;
    const int go_on = visitor->visit(visitor, CookieRecord(c).get(), i, total,
                                     &remove);
    if (remove)
      doomed->items.push_back(soup_cookie_copy(c));
    if (!go_on)
      break;
  }
  return doomed;
}

class CookieManager : public CountedStruct<cef_cookie_manager_t> {
 public:
  explicit CookieManager(Ref<WebStore> store);

 private:
  ~CookieManager() override = default;
  static Ref<WebStore> StoreOf(cef_cookie_manager_t* s) {
    CookieManager* m = From<CookieManager>(s);
    return m ? m->store_ : Ref<WebStore>();
  }
  // Visits the cookies `keep` accepts; false when nothing can be visited.
  static bool Visit(cef_cookie_manager_t* s, Filter keep,
                    cef_cookie_visitor_t* visitor);

  Ref<WebStore> store_;
};

bool CookieManager::Visit(cef_cookie_manager_t* s, Filter keep,
                          cef_cookie_visitor_t* visitor) {
  auto held = Hold(visitor);
  Ref<WebStore> store = StoreOf(s);
  if (!store || !Offers(visitor, &cef_cookie_visitor_t::visit))
    return false;
  return PostToUi([store, keep, held] {
    FetchCookies(store.get(), keep, [store, held](Cookies cookies) {
      if (cookies->items.empty())
        return;  // the visitor hears of no cookie at all
      PostToIo([store, held, cookies] {
        Cookies doomed = Walk(held.get(), cookies);
        if (doomed->items.empty())
          return;
        PostToUi([store, doomed] {
          DeleteCookies(store.get(), doomed, [](int) {});
        });
      });
    });
  });
}

CookieManager::CookieManager(Ref<WebStore> store)
    : CountedStruct("cef_cookie_manager_t"), store_(std::move(store)) {
  using S = cef_cookie_manager_t;
  S& c = s();
  // WebKit keeps cookies for http, https, ws and wss only, and cannot be
  // taught other schemes: the list changes nothing.
  c.set_supported_schemes = [](S*, cef_string_list_t,
                               cef_completion_callback_t* callback)
      CEF_CALLBACK { ReplyOnIo(Hold(callback)); };
  c.visit_all_cookies = [](S* s, cef_cookie_visitor_t* visitor) CEF_CALLBACK {
    return Visit(s, [](SoupCookie*) { return true; }, visitor) ? 1 : 0;
  };
  c.visit_url_cookies = [](S* s, const cef_string_t* url, int http_only,
                           cef_cookie_visitor_t* visitor) CEF_CALLBACK {
    Url parsed;
    if (!CookieUrl(url, &parsed)) {
      ReleaseStruct(visitor);
      return 0;
    }
    auto uri = std::shared_ptr<GUri>(
        g_uri_parse(Utf8FromCef(url).c_str(), G_URI_FLAGS_NONE, nullptr),
        [](GUri* u) {
          if (u)
            g_uri_unref(u);
        });
    if (!uri) {
      ReleaseStruct(visitor);
      return 0;
    }
    return Visit(s,
                 [uri, http_only](SoupCookie* c) {
                   return soup_cookie_applies_to_uri(c, uri.get()) &&
                          (http_only || !soup_cookie_get_http_only(c));
                 },
                 visitor)
               ? 1
               : 0;
  };
  c.set_cookie = [](S* s, const cef_string_t* url, const cef_cookie_t* cookie,
                    cef_set_cookie_callback_t* callback) CEF_CALLBACK {
    auto held = Hold(callback);
    Ref<WebStore> store = StoreOf(s);
    Url parsed;
    if (!store || !cookie || !CookieUrl(url, &parsed))
      return 0;
    SoupCookie* made = SoupCookieFor(parsed, *cookie);
    if (!made) {
      ReplyOnIo(held, 0);
      return 1;
    }
    auto set = std::make_shared<CookieSet>();
    set->items.push_back(made);
    return PostToUi([store, set, held] {
      webkit_cookie_manager_add_cookie(
          store->Cookies(), set->items[0], nullptr, OnReady,
          Pending([set, held](GObject* source, GAsyncResult* result) {
            const bool ok = webkit_cookie_manager_add_cookie_finish(
                WEBKIT_COOKIE_MANAGER(source), result, nullptr);
            ReplyOnIo(held, ok ? 1 : 0);
          }));
    }) ? 1 : 0;
  };
  c.delete_cookies = [](S* s, const cef_string_t* url,
                        const cef_string_t* cookie_name,
                        cef_delete_cookies_callback_t* callback) CEF_CALLBACK {
    auto held = Hold(callback);
    Ref<WebStore> store = StoreOf(s);
    Url parsed;
    if (!store || (!Blank(url) && !CookieUrl(url, &parsed)))
      return 0;
    Filter keep = [](SoupCookie*) { return true; };
    if (!Blank(url)) {
      const std::string host = parsed.host;
      const std::string name = Utf8FromCef(cookie_name);
      // A name takes the host's and its domains' cookies of that name;
      // without one, only the host's own cookies go, whatever their path.
      keep = [host, name](SoupCookie* c) {
        const char* domain = soup_cookie_get_domain(c);
        if (name.empty())
          return domain[0] != '.' && host == domain;
        return name == soup_cookie_get_name(c) &&
               soup_cookie_domain_matches(c, host.c_str());
      };
    }
    return PostToUi([store, keep, held] {
      FetchCookies(store.get(), keep, [store, held](Cookies doomed) {
        DeleteCookies(store.get(), doomed,
                      [held](int deleted) { ReplyOnIo(held, deleted); });
      });
    }) ? 1 : 0;
  };
  c.set_storage_path = [](S* s, const cef_string_t* path, int,
                          cef_completion_callback_t* callback) CEF_CALLBACK {
    auto held = Hold(callback);
    Ref<WebStore> store = StoreOf(s);
    if (!store || !store->SetStoragePath(FromCef(path)))
      return 0;
    WhenStoreReady(store, held);
    return 1;
  };
  // WebKit writes each change to its store as it happens: once WebKit has
  // answered a read, everything asked before it has been written.
  c.flush_store = [](S* s, cef_completion_callback_t* callback) CEF_CALLBACK {
    auto held = Hold(callback);
    Ref<WebStore> store = StoreOf(s);
    if (!store)
      return 0;
    return PostToUi([store, held] {
      FetchCookies(store.get(), [](SoupCookie*) { return false; },
                   [held](Cookies) { ReplyOnIo(held); });
    }) ? 1 : 0;
  };
}

}  // namespace

WebStore::WebStore(bool global, const Options& options)
    : Counted("web store"), global_(global), options_(options) {}

WebStore::~WebStore() {
  WebKitWebContext* context = context_;
  if (!context)
    return;
  // The thread that made it is the UI thread, even while shutting down,
  // when nothing can be posted there any more.
  if (std::this_thread::get_id() == made_on_)
    ReleaseWebContext(context);
  else
    PostToUi([context] { ReleaseWebContext(context); });
}

Ref<WebStore> WebStore::Global() {
  std::lock_guard<std::mutex> lock(g_global_mutex);
  if (!g_global) {
    Options options;
    options.cache_path = Environment().cache_path;
    g_global = Ref<WebStore>::Adopt(new WebStore(true, options));
  }
  return g_global;
}

Ref<WebStore> WebStore::Create(const Options& options) {
  return Ref<WebStore>::Adopt(new WebStore(false, options));
}

void WebStore::ForgetGlobal() {
  Ref<WebStore> global;
  std::lock_guard<std::mutex> lock(g_global_mutex);
  std::swap(global, g_global);
}

std::u16string WebStore::cache_path() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return options_.cache_path;
}

WebKitWebContext* WebStore::Context() {
  if (global_)
    return SharedWebContext();
  if (!context_) {
    BrowserEnvironment env = Environment();
    bool ignore_certificate_errors = false;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      env.cache_path = options_.cache_path;
      if (!options_.accept_language_list.empty())
        env.accept_language_list = options_.accept_language_list;
      ignore_certificate_errors = options_.ignore_certificate_errors;
      made_ = true;
    }
    context_ = NewWebContext(env, ignore_certificate_errors);
    made_on_ = std::this_thread::get_id();
  }
  return context_;
}

WebKitCookieManager* WebStore::Cookies() {
  return webkit_website_data_manager_get_cookie_manager(
      webkit_web_context_get_website_data_manager(Context()));
}

bool WebStore::SetStoragePath(const std::u16string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!global_ && !made_) {
    options_.cache_path = path;  // the store is made there
    return true;
  }
  // A store made in memory stays there, and one on disk cannot go back.
  const bool in_memory = options_.cache_path.empty();
  if (in_memory || path.empty())
    return in_memory && path.empty();
  Ref<WebStore> self(this);
  const std::string file =
      (std::filesystem::path(U16ToUtf8(path)) / "Cookies").string();
  return PostToUi([self, file] {
    webkit_cookie_manager_set_persistent_storage(
        self->Cookies(), file.c_str(), WEBKIT_COOKIE_PERSISTENT_STORAGE_SQLITE);
  });
}

void WhenStoreReady(Ref<WebStore> store,
                    std::shared_ptr<cef_completion_callback_t> ready) {
  if (!ready)
    return;
  PostToUi([store, ready] {
    store->Context();
    ReplyOnIo(ready);
  });
}

cef_cookie_manager_t* NewCookieManager(Ref<WebStore> store,
                                       cef_completion_callback_t* ready) {
  WhenStoreReady(store, Hold(ready));
  return (new CookieManager(std::move(store)))->Give();
}

}  // namespace cefrt

cef_cookie_manager_t* cef_cookie_manager_get_global_manager(
    struct _cef_completion_callback_t* callback) {
  return cefrt::NewCookieManager(cefrt::WebStore::Global(), callback);
}

cef_cookie_manager_t* cef_cookie_manager_create_manager(
    const cef_string_t* path, int persist_session_cookies,
    struct _cef_completion_callback_t* callback) {
  cefrt::WebStore::Options options;
  options.cache_path = cefrt::FromCef(path);
  (void)persist_session_cookies;  // WebKit decides what it writes
  return cefrt::NewCookieManager(cefrt::WebStore::Create(options), callback);
}
