// Browsers on GTK 3 and WebKitGTK: one top-level GtkWindow holding one
// WebKitWebView per browser, and the library objects over them.
#include <gtk/gtk.h>
#include <libsoup/soup.h>
#include <stdlib.h>
#include <webkit2/webkit2.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string.h>
#include <vector>

#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_callbacks_capi.h"
#include "include/capi/cef_callbacks_program_capi.h"
#include "include/capi/cef_client_capi.h"
#include "include/capi/cef_download_item_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_frame_capi.h"
#include "include/capi/cef_handlers_capi.h"
#include "include/capi/cef_task_capi.h"
#include "include/capi/cef_visitors_capi.h"
#include "runtime/browser_env.h"
#include "runtime/capi_util.h"
#include "runtime/counted.h"
#include "runtime/function_task.h"
#include "runtime/gtk_pump.h"
#include "runtime/keyboard_codes.h"
#include "runtime/log.h"
#include "runtime/menu_model.h"
#include "runtime/text.h"

namespace cefrt {

namespace {

constexpr int kDefaultPlacement = static_cast<int>(0x80000000u);
constexpr uint32_t kVisibleStyle = 0x10000000u;  // WS_VISIBLE
constexpr const char kFocusChannel[] = "cefrtFocus";

// Reports whether the focused element takes text, on every focus change in
// any frame; key events need the answer synchronously.
constexpr const char kFocusScript[] = R"JS((function() {
  function editable(el) {
    if (!el) return false;
    if (el.isContentEditable) return true;
    var tag = el.tagName;
    if (tag === 'TEXTAREA') return !el.readOnly && !el.disabled;
    if (tag !== 'INPUT') return false;
    var type = (el.type || 'text').toLowerCase();
    var inert = ['button', 'checkbox', 'color', 'file', 'hidden', 'image',
                 'radio', 'range', 'reset', 'submit'];
    return inert.indexOf(type) < 0 && !el.readOnly && !el.disabled;
  }
  function post(value) {
    try { window.webkit.messageHandlers.cefrtFocus.postMessage(value); }
    catch (e) {}
  }
  document.addEventListener('focusin', function(e) {
    post(editable(e.target));
  }, true);
  document.addEventListener('focusout', function() { post(false); }, true);
})();)JS";

bool Blank(const cef_string_t* s) {
  return !s || !s->str || s->length == 0;
}

std::string Utf8(const cef_string_t* s) {
  return Utf8FromCef(s);
}

// A handler from the client, carrying its own reference; null when the
// client offers none.
template <class H>
H* Handler(cef_client_t* client, H* (CEF_CALLBACK* cef_client_t::*getter)(
                                     cef_client_t*)) {
  if (!Offers(client, getter))
    return nullptr;
  return (client->*getter)(client);
}

// Reads a field of a settings record only when the record's size covers it.
template <class Record, class Field>
Field FieldOr(const Record* r, Field Record::*field, Field fallback) {
  return r && SizeCovers(r->size, r, &(r->*field), sizeof(Field)) ? r->*field
                                                                    : fallback;
}

void ClearBrowserSettingsStrings(cef_browser_settings_t* s) {
  cef_string_t* fields[] = {&s->standard_font_family, &s->fixed_font_family,
                            &s->serif_font_family, &s->sans_serif_font_family,
                            &s->cursive_font_family, &s->fantasy_font_family,
                            &s->default_encoding, &s->accept_language_list};
  for (cef_string_t* f : fields)
    cef_string_utf16_clear(f);
}

cef_time_t TimeFrom(GDateTime* when) {
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

// The library's network error for a failed load.
int NetErrorFor(const GError* error) {
  if (!error)
    return ERR_FAILED;
  if (g_error_matches(error, WEBKIT_NETWORK_ERROR,
                      WEBKIT_NETWORK_ERROR_CANCELLED) ||
      g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED) ||
      // A navigation that became a download or was handed elsewhere.
      g_error_matches(error, WEBKIT_POLICY_ERROR,
                      WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE))
    return ERR_ABORTED;
  if (error->domain == G_IO_ERROR) {
    switch (error->code) {
      case G_IO_ERROR_TIMED_OUT:
        return ERR_TIMED_OUT;
      case G_IO_ERROR_CONNECTION_REFUSED:
        return ERR_CONNECTION_REFUSED;
      case G_IO_ERROR_HOST_NOT_FOUND:
        return ERR_NAME_NOT_RESOLVED;
      case G_IO_ERROR_NETWORK_UNREACHABLE:
        return ERR_INTERNET_DISCONNECTED;
      default:
        return ERR_FAILED;
    }
  }
  if (error->domain == G_RESOLVER_ERROR)
    return error->code == G_RESOLVER_ERROR_INTERNAL ? ERR_FAILED
                                                    : ERR_NAME_NOT_RESOLVED;
  return ERR_FAILED;
}

class Browser;

struct Environment {
  BrowserEnvironment config;
  WebKitWebContext* context = nullptr;
  int next_browser_id = 1;
  uint32_t next_download_id = 1;
  std::vector<Browser*> open;  // each holds the runtime's reference
};

Environment& Env() {
  static Environment* env = new Environment();
  return *env;
}

WebKitWebContext* Context();

class Frame;

class Browser : public CountedStruct<cef_browser_t> {
 public:
  Browser(cef_client_t* client, bool popup, GtkWindow* opener);

  // Creates the window and the view; `related` is the opener's view for a
  // pop-up the page asked for, which WebKit then loads itself.
  void Open(const cef_window_info_t* info,
            const cef_browser_settings_t* settings, const std::string& url,
            WebKitWebView* related);
  void CallAfterCreated();

  int id() const { return id_; }
  int64_t main_frame_id() const { return id_; }
  WebKitWebView* view() const { return view_; }
  GtkWindow* window() const { return window_ ? GTK_WINDOW(window_) : nullptr; }
  GtkWindow* opener() const { return opener_; }
  bool popup() const { return popup_; }
  cef_client_t* client() const { return client_; }

  cef_frame_t* NewFrame();
  cef_browser_host_t* NewHost();

  // close_browser: `force` skips the life-span handler's do_close.
  void RequestClose(bool force);
  // Ends the browser: on_before_close, window gone, references dropped.
  // `notify` is false at shut-down, when no handler may run any more.
  void Destroy(bool notify);

 private:
  ~Browser() override;

  void Connect();
  void AskAndClose();
  void NotifyTitle();
  void NotifyLoadingState();
  void OnLoadChanged(WebKitLoadEvent event);
  bool OnLoadFailed(const char* uri, const GError* error);
  bool OnContextMenu(WebKitContextMenu* menu, GdkEvent* event,
                     WebKitHitTestResult* hit);
  bool OnKey(GdkEventKey* event);
  GtkWidget* OnCreate(WebKitNavigationAction* action);
  void OnReadyToShow();

  const int id_;
  cef_client_t* client_;  // one reference, dropped when the browser ends
  const bool popup_;
  GtkWindow* opener_;
  bool show_on_ready_ = false;
  bool default_size_ = false;
  GtkWidget* window_ = nullptr;
  WebKitWebView* view_ = nullptr;
  WebKitUserContentManager* content_ = nullptr;
  bool editable_focus_ = false;
  bool load_failed_ = false;
  bool close_pending_ = false;
  bool closed_ = false;
  Ref<MenuModel> menu_;  // the shown menu's model while it is up
  Ref<ContextMenuParams> menu_params_;

  friend class Frame;
};

Browser* BrowserOf(cef_browser_t* s) {
  return CountedStruct<cef_browser_t>::From<Browser>(s);
}

Browser* BrowserForView(WebKitWebView* view) {
  for (Browser* b : Env().open) {
    if (b->view() == view)
      return b;
  }
  return nullptr;
}

class Frame : public CountedStruct<cef_frame_t> {
 public:
  explicit Frame(Browser* browser);
  Browser* browser() const { return browser_.get(); }
  WebKitWebView* view() const { return browser_->view(); }

 private:
  ~Frame() override = default;
  Ref<Browser> browser_;
};

Frame* FrameOf(cef_frame_t* s) {
  return CountedStruct<cef_frame_t>::From<Frame>(s);
}

WebKitWebView* ViewOf(cef_frame_t* s) {
  Frame* f = FrameOf(s);
  return f ? f->view() : nullptr;
}

class Host : public CountedStruct<cef_browser_host_t> {
 public:
  explicit Host(Browser* browser);
  Browser* browser() const { return browser_.get(); }

 private:
  ~Host() override = default;
  Ref<Browser> browser_;
};

Browser* HostBrowser(cef_browser_host_t* s) {
  Host* h = CountedStruct<cef_browser_host_t>::From<Host>(s);
  return h ? h->browser() : nullptr;
}

WebKitWebView* HostView(cef_browser_host_t* s) {
  Browser* b = HostBrowser(s);
  return b ? b->view() : nullptr;
}

// ---------------------------------------------------------------------------
// Downloads

class DownloadItem : public CountedStruct<cef_download_item_t> {
 public:
  enum class State { kInProgress, kComplete, kCanceled, kInterrupted };

  DownloadItem(Browser* browser, WebKitDownload* download);

  Browser* browser() const { return browser_.get(); }
  WebKitDownload* download() const { return download_; }
  State state() const { return state_; }
  bool answered() const { return answered_; }

  void Start();
  // The answer to on_before_download.
  void Continue(const std::u16string& path, bool show_dialog);
  void Cancel();

 private:
  ~DownloadItem() override;

  void Decide(const char* suggested);
  void SetDestination(const std::string& path);
  void Updated();
  void Finish(State state);

  Ref<Browser> browser_;
  WebKitDownload* download_;
  const uint32_t id_;
  State state_ = State::kInProgress;
  bool answered_ = false;
  bool finished_ = false;
  std::u16string url_;
  std::u16string suggested_;
  std::u16string full_path_;
  GDateTime* start_ = nullptr;
  GDateTime* end_ = nullptr;

  friend cef_download_item_t* ItemStruct(DownloadItem*);
  friend struct DownloadItemAccess;
};

struct DownloadItemAccess {
  static DownloadItem* Of(cef_download_item_t* s) {
    return CountedStruct<cef_download_item_t>::From<DownloadItem>(s);
  }
  static int64_t Total(DownloadItem* d) {
    WebKitURIResponse* r = webkit_download_get_response(d->download_);
    return r ? static_cast<int64_t>(webkit_uri_response_get_content_length(r))
             : 0;
  }
  static int64_t Received(DownloadItem* d) {
    return static_cast<int64_t>(
        webkit_download_get_received_data_length(d->download_));
  }
  static std::u16string ResponseText(DownloadItem* d, bool mime) {
    WebKitURIResponse* r = webkit_download_get_response(d->download_);
    if (!r)
      return std::u16string();
    if (mime) {
      const char* type = webkit_uri_response_get_mime_type(r);
      return Utf8ToU16(type ? type : "");
    }
    SoupMessageHeaders* headers = webkit_uri_response_get_http_headers(r);
    const char* value =
        headers ? soup_message_headers_get_one(headers, "Content-Disposition")
                : nullptr;
    return Utf8ToU16(value ? value : "");
  }
};

class BeforeDownloadCallback
    : public CountedStruct<cef_before_download_callback_t> {
 public:
  explicit BeforeDownloadCallback(DownloadItem* item)
      : CountedStruct("cef_before_download_callback_t"), item_(item) {
    s().cont = [](cef_before_download_callback_t* self,
                  const cef_string_t* path, int show_dialog) {
      BeforeDownloadCallback* cb = From<BeforeDownloadCallback>(self);
      if (!cb || cb->used_)
        return;
      cb->used_ = true;
      Ref<DownloadItem> item = cb->item_;
      const std::u16string target = FromCef(path);
      RunOnUi([item, target, show_dialog] {
        item->Continue(target, show_dialog != 0);
      });
    };
  }

 private:
  // Unanswered when the last reference goes: nobody will answer, so the
  // download must not wait for ever.
  ~BeforeDownloadCallback() override {
    if (used_)
      return;
    Ref<DownloadItem> item = item_;
    RunOnUi([item] {
      if (!item->answered())
        item->Cancel();
    });
  }

  Ref<DownloadItem> item_;
  bool used_ = false;
};

class DownloadItemCallback
    : public CountedStruct<cef_download_item_callback_t> {
 public:
  explicit DownloadItemCallback(DownloadItem* item)
      : CountedStruct("cef_download_item_callback_t"), item_(item) {
    s().cancel = [](cef_download_item_callback_t* self) {
      DownloadItemCallback* cb = From<DownloadItemCallback>(self);
      if (!cb)
        return;
      Ref<DownloadItem> item = cb->item_;
      RunOnUi([item] { item->Cancel(); });
    };
    // WebKit cannot pause a transfer.
    s().pause = [](cef_download_item_callback_t*) {};
    s().resume = [](cef_download_item_callback_t*) {};
  }

 private:
  ~DownloadItemCallback() override = default;
  Ref<DownloadItem> item_;
};

DownloadItem::DownloadItem(Browser* browser, WebKitDownload* download)
    : CountedStruct("cef_download_item_t"),
      browser_(browser),
      download_(WEBKIT_DOWNLOAD(g_object_ref(download))),
      id_(Env().next_download_id++),
      start_(g_date_time_new_now_utc()) {
  using S = cef_download_item_t;
  using A = DownloadItemAccess;
  WebKitURIRequest* request = webkit_download_get_request(download);
  const char* uri = request ? webkit_uri_request_get_uri(request) : nullptr;
  url_ = Utf8ToU16(uri ? uri : "");
  cef_download_item_t& c = s();
  c.is_valid = [](S* s) -> int { return A::Of(s) ? 1 : 0; };
  c.is_in_progress = [](S* s) -> int {
    return A::Of(s) && A::Of(s)->state_ == State::kInProgress ? 1 : 0;
  };
  c.is_complete = [](S* s) -> int {
    return A::Of(s) && A::Of(s)->state_ == State::kComplete ? 1 : 0;
  };
  c.is_canceled = [](S* s) -> int {
    return A::Of(s) && A::Of(s)->state_ == State::kCanceled ? 1 : 0;
  };
  c.get_current_speed = [](S* s) -> int64_t {
    DownloadItem* d = A::Of(s);
    if (!d || d->state_ != State::kInProgress)
      return 0;
    const double elapsed = webkit_download_get_elapsed_time(d->download_);
    return elapsed > 0 ? static_cast<int64_t>(A::Received(d) / elapsed) : 0;
  };
  c.get_percent_complete = [](S* s) -> int {
    DownloadItem* d = A::Of(s);
    if (!d)
      return 0;
    if (d->state_ == State::kComplete)
      return 100;
    const int64_t total = A::Total(d);
    return total > 0 ? static_cast<int>(A::Received(d) * 100 / total) : -1;
  };
  c.get_total_bytes = [](S* s) -> int64_t {
    DownloadItem* d = A::Of(s);
    if (!d)
      return 0;
    // Without a length from the server the total is known once complete.
    const int64_t total = A::Total(d);
    return total > 0 ? total
                     : d->state_ == State::kComplete ? A::Received(d) : 0;
  };
  c.get_received_bytes = [](S* s) -> int64_t {
    return A::Of(s) ? A::Received(A::Of(s)) : 0;
  };
  c.get_start_time = [](S* s) -> cef_time_t {
    return A::Of(s) ? TimeFrom(A::Of(s)->start_) : cef_time_t{};
  };
  c.get_end_time = [](S* s) -> cef_time_t {
    return A::Of(s) ? TimeFrom(A::Of(s)->end_) : cef_time_t{};
  };
  c.get_full_path = [](S* s) -> cef_string_userfree_t {
    return A::Of(s) ? NewUserFree(A::Of(s)->full_path_) : nullptr;
  };
  c.get_id = [](S* s) -> uint32_t { return A::Of(s) ? A::Of(s)->id_ : 0; };
  c.get_url = [](S* s) -> cef_string_userfree_t {
    DownloadItem* d = A::Of(s);
    if (!d)
      return nullptr;
    WebKitURIRequest* r = webkit_download_get_request(d->download_);
    const char* uri = r ? webkit_uri_request_get_uri(r) : nullptr;
    return NewUserFree(uri ? Utf8ToU16(uri) : d->url_);
  };
  c.get_original_url = [](S* s) -> cef_string_userfree_t {
    return A::Of(s) ? NewUserFree(A::Of(s)->url_) : nullptr;
  };
  c.get_suggested_file_name = [](S* s) -> cef_string_userfree_t {
    return A::Of(s) ? NewUserFree(A::Of(s)->suggested_) : nullptr;
  };
  c.get_content_disposition = [](S* s) -> cef_string_userfree_t {
    return A::Of(s) ? NewUserFree(A::ResponseText(A::Of(s), false)) : nullptr;
  };
  c.get_mime_type = [](S* s) -> cef_string_userfree_t {
    return A::Of(s) ? NewUserFree(A::ResponseText(A::Of(s), true)) : nullptr;
  };
}

DownloadItem::~DownloadItem() {
  g_signal_handlers_disconnect_by_data(download_, this);
  g_object_unref(download_);
  if (start_)
    g_date_time_unref(start_);
  if (end_)
    g_date_time_unref(end_);
}

void DownloadItem::Start() {
  // The item keeps itself alive until the transfer ends.
  AddRef();
  g_signal_connect(
      download_, "decide-destination",
      G_CALLBACK(+[](WebKitDownload*, gchar* suggested, gpointer self) {
        static_cast<DownloadItem*>(self)->Decide(suggested);
        return TRUE;
      }),
      this);
  g_signal_connect(download_, "received-data",
                   G_CALLBACK(+[](WebKitDownload*, guint64, gpointer self) {
                     static_cast<DownloadItem*>(self)->Updated();
                   }),
                   this);
  g_signal_connect(download_, "finished",
                   G_CALLBACK(+[](WebKitDownload*, gpointer self) {
                     static_cast<DownloadItem*>(self)->Finish(
                         State::kComplete);
                   }),
                   this);
  g_signal_connect(
      download_, "failed",
      G_CALLBACK(+[](WebKitDownload*, GError* error, gpointer self) {
        static_cast<DownloadItem*>(self)->Finish(
            g_error_matches(error, WEBKIT_DOWNLOAD_ERROR,
                            WEBKIT_DOWNLOAD_ERROR_CANCELLED_BY_USER)
                ? State::kCanceled
                : State::kInterrupted);
      }),
      this);
}

void DownloadItem::Decide(const char* suggested) {
  Ref<DownloadItem> keep(this);
  suggested_ = Utf8ToU16(suggested ? suggested : "");
  cef_download_handler_t* h =
      Handler(browser_->client(), &cef_client_t::get_download_handler);
  if (!Offers(h, &cef_download_handler_t::on_before_download)) {
    // Without a handler to place it, a download does not happen.
    ReleaseStruct(h);
    Cancel();
    return;
  }
  cef_string_t name = View(suggested_);
  h->on_before_download(h, browser_->Share(), Share(), &name,
                        (new BeforeDownloadCallback(this))->Give());
  ReleaseStruct(h);
}

std::string DefaultDownloadDir() {
  const char* dir = g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD);
  if (dir && g_file_test(dir, G_FILE_TEST_IS_DIR))
    return dir;
  return g_get_home_dir();
}

void DownloadItem::Continue(const std::u16string& path, bool show_dialog) {
  if (answered_ || finished_)
    return;
  answered_ = true;
  std::filesystem::path target(U16ToUtf8(path.empty() ? suggested_ : path));
  if (target.empty())
    target = "download";
  if (target.is_relative())
    target = std::filesystem::path(DefaultDownloadDir()) / target;
  if (!show_dialog) {
    SetDestination(target.string());
    return;
  }
  GtkWidget* dialog = gtk_file_chooser_dialog_new(
      "Save File", browser_->window(), GTK_FILE_CHOOSER_ACTION_SAVE,
      "_Cancel", GTK_RESPONSE_CANCEL, "_Save", GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
  gtk_file_chooser_set_current_folder(chooser,
                                      target.parent_path().string().c_str());
  gtk_file_chooser_set_current_name(chooser,
                                    target.filename().string().c_str());
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  AddRef();  // until the dialog answers
  g_signal_connect(
      dialog, "response",
      G_CALLBACK(+[](GtkDialog* d, gint response, gpointer self) {
        DownloadItem* item = static_cast<DownloadItem*>(self);
        if (response == GTK_RESPONSE_ACCEPT) {
          gchar* file = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(d));
          if (file)
            item->SetDestination(file);
          else
            item->Cancel();
          g_free(file);
        } else {
          item->Cancel();
        }
        gtk_widget_destroy(GTK_WIDGET(d));
        item->Release();
      }),
      this);
  gtk_widget_show(dialog);
}

void DownloadItem::SetDestination(const std::string& path) {
  if (finished_)
    return;
  full_path_ = Utf8ToU16(path);
  gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
  if (!uri) {
    Cancel();
    return;
  }
  // The user or the program named this very file.
  webkit_download_set_allow_overwrite(download_, TRUE);
  webkit_download_set_destination(download_, uri);
  g_free(uri);
  Updated();
}

void DownloadItem::Cancel() {
  if (!finished_)
    webkit_download_cancel(download_);
}

void DownloadItem::Updated() {
  if (!answered_)
    return;  // the program has not placed it yet
  Ref<DownloadItem> keep(this);
  cef_download_handler_t* h =
      Handler(browser_->client(), &cef_client_t::get_download_handler);
  if (Offers(h, &cef_download_handler_t::on_download_updated))
    h->on_download_updated(h, browser_->Share(), Share(),
                           (new DownloadItemCallback(this))->Give());
  ReleaseStruct(h);
}

void DownloadItem::Finish(State state) {
  // WebKit follows "failed" with "finished".
  if (finished_)
    return;
  finished_ = true;
  state_ = state;
  end_ = g_date_time_new_now_utc();
  const bool tell = answered_;
  answered_ = true;
  if (tell)
    Updated();
  Release();  // Start's reference
}

// ---------------------------------------------------------------------------
// The web context all browsers share

void OnDownloadStarted(WebKitWebContext*, WebKitDownload* download,
                       gpointer) {
  Browser* browser = BrowserForView(webkit_download_get_web_view(download));
  if (!browser)
    return;  // not from one of ours: WebKit's own handling
  DownloadItem* item = new DownloadItem(browser, download);
  item->Start();
  item->Release();
}

WebKitWebContext* Context() {
  Environment& env = Env();
  if (env.context)
    return env.context;
  const BrowserEnvironment& cfg = env.config;
  if (cfg.disable_gpu) {
    // Read by the web process when it starts; the user's own choice wins.
    g_setenv("WEBKIT_DISABLE_DMABUF_RENDERER", "1", FALSE);
    g_setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", FALSE);
  }
  WebKitWebsiteDataManager* data = nullptr;
  if (cfg.cache_path.empty()) {
    data = webkit_website_data_manager_new_ephemeral();
  } else {
    const std::filesystem::path base(U16ToUtf8(cfg.cache_path));
    data = webkit_website_data_manager_new(
        "base-data-directory", base.string().c_str(), "base-cache-directory",
        (base / "Cache").string().c_str(), nullptr);
  }
  if (cfg.no_proxy) {
    webkit_website_data_manager_set_network_proxy_settings(
        data, WEBKIT_NETWORK_PROXY_MODE_NO_PROXY, nullptr);
  } else if (!cfg.proxy_server.empty()) {
    std::string proxy = U16ToUtf8(cfg.proxy_server);
    if (proxy.find("://") == std::string::npos)
      proxy = "http://" + proxy;
    WebKitNetworkProxySettings* settings =
        webkit_network_proxy_settings_new(proxy.c_str(), nullptr);
    webkit_website_data_manager_set_network_proxy_settings(
        data, WEBKIT_NETWORK_PROXY_MODE_CUSTOM, settings);
    webkit_network_proxy_settings_free(settings);
  }
  env.context = webkit_web_context_new_with_website_data_manager(data);
  if (!cfg.cache_path.empty()) {
    const std::filesystem::path cookies =
        std::filesystem::path(U16ToUtf8(cfg.cache_path)) / "Cookies";
    webkit_cookie_manager_set_persistent_storage(
        webkit_website_data_manager_get_cookie_manager(data),
        cookies.string().c_str(), WEBKIT_COOKIE_PERSISTENT_STORAGE_SQLITE);
  }
  g_object_unref(data);

  std::vector<std::string> languages;
  const std::string list = U16ToUtf8(
      cfg.accept_language_list.empty() ? cfg.locale
                                       : cfg.accept_language_list);
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(',', start);
    if (end == std::string::npos)
      end = list.size();
    std::string lang = list.substr(start, end - start);
    lang.erase(0, lang.find_first_not_of(' '));
    lang.erase(lang.find_last_not_of(' ') + 1);
    if (!lang.empty())
      languages.push_back(lang);
    start = end + 1;
  }
  if (!languages.empty()) {
    std::vector<const gchar*> c_langs;
    for (const std::string& l : languages)
      c_langs.push_back(l.c_str());
    c_langs.push_back(nullptr);
    webkit_web_context_set_preferred_languages(env.context, c_langs.data());
  }
  g_signal_connect(env.context, "download-started",
                   G_CALLBACK(OnDownloadStarted), nullptr);
  return env.context;
}

WebKitSettings* SettingsFor(const cef_browser_settings_t* bs) {
  const BrowserEnvironment& cfg = Env().config;
  WebKitSettings* s = webkit_settings_new();
  webkit_settings_set_enable_developer_extras(s, TRUE);
  if (cfg.disable_gpu)
    webkit_settings_set_hardware_acceleration_policy(
        s, WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
  if (!cfg.user_agent.empty())
    webkit_settings_set_user_agent(s, U16ToUtf8(cfg.user_agent).c_str());
  if (!bs)
    return s;
  using B = cef_browser_settings_t;
  auto state = [bs](cef_state_t B::*field) {
    return FieldOr(bs, field, STATE_DEFAULT);
  };
  if (state(&B::javascript) != STATE_DEFAULT)
    webkit_settings_set_enable_javascript(
        s, state(&B::javascript) == STATE_ENABLED);
  if (state(&B::javascript_open_windows) != STATE_DEFAULT)
    webkit_settings_set_javascript_can_open_windows_automatically(
        s, state(&B::javascript_open_windows) == STATE_ENABLED);
  if (state(&B::javascript_access_clipboard) != STATE_DEFAULT)
    webkit_settings_set_javascript_can_access_clipboard(
        s, state(&B::javascript_access_clipboard) == STATE_ENABLED);
  if (state(&B::image_loading) != STATE_DEFAULT)
    webkit_settings_set_auto_load_images(
        s, state(&B::image_loading) == STATE_ENABLED);
  if (state(&B::local_storage) != STATE_DEFAULT)
    webkit_settings_set_enable_html5_local_storage(
        s, state(&B::local_storage) == STATE_ENABLED);
  if (state(&B::databases) != STATE_DEFAULT)
    webkit_settings_set_enable_html5_database(
        s, state(&B::databases) == STATE_ENABLED);
  if (state(&B::webgl) != STATE_DEFAULT)
    webkit_settings_set_enable_webgl(s, state(&B::webgl) == STATE_ENABLED);
  if (state(&B::caret_browsing) != STATE_DEFAULT)
    webkit_settings_set_enable_caret_browsing(
        s, state(&B::caret_browsing) == STATE_ENABLED);
  const int font_size = FieldOr(bs, &B::default_font_size, 0);
  if (font_size > 0)
    webkit_settings_set_default_font_size(s, static_cast<guint32>(font_size));
  const int fixed_size = FieldOr(bs, &B::default_fixed_font_size, 0);
  if (fixed_size > 0)
    webkit_settings_set_default_monospace_font_size(
        s, static_cast<guint32>(fixed_size));
  const int min_size = FieldOr(bs, &B::minimum_font_size, 0);
  if (min_size > 0)
    webkit_settings_set_minimum_font_size(s, static_cast<guint32>(min_size));
  struct FontField {
    cef_string_t B::*field;
    void (*set)(WebKitSettings*, const gchar*);
  };
  const FontField fonts[] = {
      {&B::standard_font_family, webkit_settings_set_default_font_family},
      {&B::fixed_font_family, webkit_settings_set_monospace_font_family},
      {&B::serif_font_family, webkit_settings_set_serif_font_family},
      {&B::sans_serif_font_family, webkit_settings_set_sans_serif_font_family},
      {&B::cursive_font_family, webkit_settings_set_cursive_font_family},
      {&B::fantasy_font_family, webkit_settings_set_fantasy_font_family},
      {&B::default_encoding, webkit_settings_set_default_charset},
  };
  for (const FontField& f : fonts) {
    const cef_string_t value = FieldOr(bs, f.field, cef_string_t{});
    if (!Blank(&value))
      f.set(s, Utf8(&value).c_str());
  }
  return s;
}

// ---------------------------------------------------------------------------
// Browser

Browser::Browser(cef_client_t* client, bool popup, GtkWindow* opener)
    : CountedStruct("cef_browser_t"),
      id_(Env().next_browser_id++),
      client_(client),
      popup_(popup),
      opener_(opener) {
  using S = cef_browser_t;
  cef_browser_t& c = s();
  c.get_host = [](S* s) -> cef_browser_host_t* {
    return BrowserOf(s) ? BrowserOf(s)->NewHost() : nullptr;
  };
  c.can_go_back = [](S* s) -> int {
    WebKitWebView* v = BrowserOf(s) ? BrowserOf(s)->view() : nullptr;
    return v && webkit_web_view_can_go_back(v) ? 1 : 0;
  };
  c.go_back = [](S* s) {
    if (WebKitWebView* v = BrowserOf(s) ? BrowserOf(s)->view() : nullptr)
      webkit_web_view_go_back(v);
  };
  c.can_go_forward = [](S* s) -> int {
    WebKitWebView* v = BrowserOf(s) ? BrowserOf(s)->view() : nullptr;
    return v && webkit_web_view_can_go_forward(v) ? 1 : 0;
  };
  c.go_forward = [](S* s) {
    if (WebKitWebView* v = BrowserOf(s) ? BrowserOf(s)->view() : nullptr)
      webkit_web_view_go_forward(v);
  };
  c.is_loading = [](S* s) -> int {
    WebKitWebView* v = BrowserOf(s) ? BrowserOf(s)->view() : nullptr;
    return v && webkit_web_view_is_loading(v) ? 1 : 0;
  };
  c.reload = [](S* s) {
    if (WebKitWebView* v = BrowserOf(s) ? BrowserOf(s)->view() : nullptr)
      webkit_web_view_reload(v);
  };
  c.reload_ignore_cache = [](S* s) {
    if (WebKitWebView* v = BrowserOf(s) ? BrowserOf(s)->view() : nullptr)
      webkit_web_view_reload_bypass_cache(v);
  };
  c.stop_load = [](S* s) {
    if (WebKitWebView* v = BrowserOf(s) ? BrowserOf(s)->view() : nullptr)
      webkit_web_view_stop_loading(v);
  };
  c.get_identifier = [](S* s) -> int {
    return BrowserOf(s) ? BrowserOf(s)->id() : 0;
  };
  c.is_same = [](S* s, S* that) -> int {
    // One structure per browser: the same browser is the same structure.
    const int same = s && that == s ? 1 : 0;
    ReleaseStruct(that);
    return same;
  };
  c.is_popup = [](S* s) -> int {
    return BrowserOf(s) && BrowserOf(s)->popup() ? 1 : 0;
  };
  c.has_document = [](S* s) -> int {
    WebKitWebView* v = BrowserOf(s) ? BrowserOf(s)->view() : nullptr;
    return v && webkit_web_view_get_main_resource(v) ? 1 : 0;
  };
  c.get_main_frame = [](S* s) -> cef_frame_t* {
    return BrowserOf(s) ? BrowserOf(s)->NewFrame() : nullptr;
  };
  // WebKit's UI side sees only the main frame.
  c.get_focused_frame = [](S* s) -> cef_frame_t* {
    return BrowserOf(s) ? BrowserOf(s)->NewFrame() : nullptr;
  };
  c.get_frame_byident = [](S* s, int64_t id) -> cef_frame_t* {
    Browser* b = BrowserOf(s);
    return b && id == b->main_frame_id() ? b->NewFrame() : nullptr;
  };
  c.get_frame = [](S* s, const cef_string_t* name) -> cef_frame_t* {
    Browser* b = BrowserOf(s);
    return b && Blank(name) ? b->NewFrame() : nullptr;
  };
  c.get_frame_count = [](S* s) -> size_t { return BrowserOf(s) ? 1 : 0; };
  c.get_frame_identifiers = [](S* s, size_t* count, int64_t* ids) {
    if (!count)
      return;
    Browser* b = BrowserOf(s);
    if (!b || !ids || *count < 1) {
      *count = 0;
      return;
    }
    ids[0] = b->main_frame_id();
    *count = 1;
  };
  c.get_frame_names = [](S* s, cef_string_list_t names) {
    if (BrowserOf(s) && names)
      AppendToList(names, {std::u16string()});  // the main frame's
  };
  // There is no renderer process of the library's own to talk to.
  c.send_process_message = [](S*, cef_process_id_t,
                              struct _cef_process_message_t* message) -> int {
    ReleaseStruct(message);
    return 0;
  };
}

Browser::~Browser() {
  ReleaseStruct(client_);
}

cef_frame_t* Browser::NewFrame() {
  return (new Frame(this))->Give();
}

cef_browser_host_t* Browser::NewHost() {
  return (new Host(this))->Give();
}

void Browser::Open(const cef_window_info_t* info,
                   const cef_browser_settings_t* settings,
                   const std::string& url, WebKitWebView* related) {
  content_ = webkit_user_content_manager_new();
  WebKitUserScript* script = webkit_user_script_new(
      kFocusScript, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
      WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
  webkit_user_content_manager_add_script(content_, script);
  webkit_user_script_unref(script);
  webkit_user_content_manager_register_script_message_handler(content_,
                                                              kFocusChannel);
  WebKitSettings* web_settings = SettingsFor(settings);
  if (related) {
    view_ = WEBKIT_WEB_VIEW(g_object_new(
        WEBKIT_TYPE_WEB_VIEW, "related-view", related, "settings",
        web_settings, "user-content-manager", content_, nullptr));
  } else {
    view_ = WEBKIT_WEB_VIEW(g_object_new(
        WEBKIT_TYPE_WEB_VIEW, "web-context", Context(), "settings",
        web_settings, "user-content-manager", content_, nullptr));
  }
  g_object_unref(web_settings);

  window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWindow* window = GTK_WINDOW(window_);
  const std::string title = info ? Utf8(&info->window_name) : std::string();
  gtk_window_set_title(window, title.c_str());
  int x = info ? info->x : kDefaultPlacement;
  int y = info ? info->y : kDefaultPlacement;
  int width = info ? info->width : kDefaultPlacement;
  int height = info ? info->height : kDefaultPlacement;
  default_size_ = width == kDefaultPlacement || height == kDefaultPlacement ||
                  width <= 0 || height <= 0;
  gtk_window_set_default_size(window, default_size_ ? 800 : width,
                              default_size_ ? 600 : height);
  if (x != kDefaultPlacement && y != kDefaultPlacement)
    gtk_window_move(window, x, y);
  if (opener_)
    gtk_window_set_transient_for(window, nullptr);
  gtk_container_add(GTK_CONTAINER(window_), GTK_WIDGET(view_));
  Connect();

  // Style bits are Windows' own; only a style that leaves out WS_VISIBLE
  // keeps the window hidden.
  const bool visible =
      !info || info->style == 0 || (info->style & kVisibleStyle) != 0;
  if (related) {
    show_on_ready_ = visible;  // WebKit says when the page is ready
  } else {
    gtk_widget_show_all(window_);
    if (!visible)
      gtk_widget_hide(window_);
    gtk_widget_grab_focus(GTK_WIDGET(view_));
    if (!url.empty())
      webkit_web_view_load_uri(view_, url.c_str());
  }
}

void Browser::Connect() {
  g_signal_connect(view_, "notify::title",
                   G_CALLBACK(+[](GObject*, GParamSpec*, gpointer self) {
                     static_cast<Browser*>(self)->NotifyTitle();
                   }),
                   this);
  g_signal_connect(
      view_, "load-changed",
      G_CALLBACK(+[](WebKitWebView*, WebKitLoadEvent e, gpointer self) {
        static_cast<Browser*>(self)->OnLoadChanged(e);
      }),
      this);
  g_signal_connect(view_, "load-failed",
                   G_CALLBACK(+[](WebKitWebView*, WebKitLoadEvent,
                                  gchar* uri, GError* error, gpointer self) {
                     return static_cast<Browser*>(self)->OnLoadFailed(uri,
                                                                      error)
                                ? TRUE
                                : FALSE;
                   }),
                   this);
  g_signal_connect(view_, "context-menu",
                   G_CALLBACK(+[](WebKitWebView*, WebKitContextMenu* menu,
                                  GdkEvent* event, WebKitHitTestResult* hit,
                                  gpointer self) {
                     return static_cast<Browser*>(self)->OnContextMenu(
                                menu, event, hit)
                                ? TRUE
                                : FALSE;
                   }),
                   this);
  g_signal_connect(
      view_, "context-menu-dismissed",
      G_CALLBACK(+[](WebKitWebView*, gpointer self) {
        Browser* b = static_cast<Browser*>(self);
        Ref<Browser> keep(b);
        b->menu_.reset();
        b->menu_params_.reset();
        cef_context_menu_handler_t* h =
            Handler(b->client_, &cef_client_t::get_context_menu_handler);
        if (Offers(h, &cef_context_menu_handler_t::on_context_menu_dismissed))
          h->on_context_menu_dismissed(h, b->Share(), b->NewFrame());
        ReleaseStruct(h);
      }),
      this);
  auto on_key = +[](GtkWidget*, GdkEventKey* event, gpointer self) {
    return static_cast<Browser*>(self)->OnKey(event) ? TRUE : FALSE;
  };
  g_signal_connect(view_, "key-press-event", G_CALLBACK(on_key), this);
  g_signal_connect(view_, "key-release-event", G_CALLBACK(on_key), this);
  g_signal_connect(
      view_, "create",
      G_CALLBACK(+[](WebKitWebView*, WebKitNavigationAction* action,
                     gpointer self) {
        return static_cast<Browser*>(self)->OnCreate(action);
      }),
      this);
  g_signal_connect(view_, "ready-to-show",
                   G_CALLBACK(+[](WebKitWebView*, gpointer self) {
                     static_cast<Browser*>(self)->OnReadyToShow();
                   }),
                   this);
  // The page's window.close() and a close the page's unload handlers
  // allowed both arrive here.
  g_signal_connect(view_, "close",
                   G_CALLBACK(+[](WebKitWebView*, gpointer self) {
                     static_cast<Browser*>(self)->AskAndClose();
                   }),
                   this);
  g_signal_connect(window_, "delete-event",
                   G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer self) {
                     static_cast<Browser*>(self)->RequestClose(false);
                     return TRUE;  // the browser closes the window itself
                   }),
                   this);
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  g_signal_connect(
      content_, "script-message-received::cefrtFocus",
      G_CALLBACK(+[](WebKitUserContentManager*, WebKitJavascriptResult* r,
                     gpointer self) {
        JSCValue* value = webkit_javascript_result_get_js_value(r);
        static_cast<Browser*>(self)->editable_focus_ =
            value && jsc_value_to_boolean(value);
      }),
      this);
  G_GNUC_END_IGNORE_DEPRECATIONS
}

void Browser::CallAfterCreated() {
  Ref<Browser> keep(this);
  cef_life_span_handler_t* h =
      Handler(client_, &cef_client_t::get_life_span_handler);
  if (Offers(h, &cef_life_span_handler_t::on_after_created))
    h->on_after_created(h, Share());
  ReleaseStruct(h);
}

void Browser::NotifyTitle() {
  if (!view_)
    return;
  Ref<Browser> keep(this);
  const gchar* title = webkit_web_view_get_title(view_);
  const std::u16string text = Utf8ToU16(title ? title : "");
  cef_display_handler_t* h =
      Handler(client_, &cef_client_t::get_display_handler);
  if (Offers(h, &cef_display_handler_t::on_title_change)) {
    cef_string_t view = View(text);
    h->on_title_change(h, Share(), &view);
  }
  ReleaseStruct(h);
}

void Browser::NotifyLoadingState() {
  if (!view_)
    return;
  cef_load_handler_t* h = Handler(client_, &cef_client_t::get_load_handler);
  if (Offers(h, &cef_load_handler_t::on_loading_state_change))
    h->on_loading_state_change(h, Share(),
                               webkit_web_view_is_loading(view_) ? 1 : 0,
                               webkit_web_view_can_go_back(view_) ? 1 : 0,
                               webkit_web_view_can_go_forward(view_) ? 1 : 0);
  ReleaseStruct(h);
}

void Browser::OnLoadChanged(WebKitLoadEvent event) {
  if (!view_)
    return;
  Ref<Browser> keep(this);
  switch (event) {
    case WEBKIT_LOAD_STARTED: {
      load_failed_ = false;
      editable_focus_ = false;
      NotifyLoadingState();
      cef_load_handler_t* h =
          Handler(client_, &cef_client_t::get_load_handler);
      if (Offers(h, &cef_load_handler_t::on_load_start))
        h->on_load_start(h, Share(), NewFrame());
      ReleaseStruct(h);
      break;
    }
    case WEBKIT_LOAD_COMMITTED: {
      const gchar* uri = webkit_web_view_get_uri(view_);
      const std::u16string url = Utf8ToU16(uri ? uri : "");
      cef_display_handler_t* h =
          Handler(client_, &cef_client_t::get_display_handler);
      if (Offers(h, &cef_display_handler_t::on_address_change)) {
        cef_string_t view = View(url);
        h->on_address_change(h, Share(), NewFrame(), &view);
      }
      ReleaseStruct(h);
      break;
    }
    case WEBKIT_LOAD_FINISHED: {
      if (!load_failed_) {
        int status = 0;
        WebKitWebResource* main = webkit_web_view_get_main_resource(view_);
        WebKitURIResponse* response =
            main ? webkit_web_resource_get_response(main) : nullptr;
        if (response)
          status = static_cast<int>(
              webkit_uri_response_get_status_code(response));
        cef_load_handler_t* h =
            Handler(client_, &cef_client_t::get_load_handler);
        if (Offers(h, &cef_load_handler_t::on_load_end))
          h->on_load_end(h, Share(), NewFrame(), status);
        ReleaseStruct(h);
      }
      if (view_)
        NotifyLoadingState();
      break;
    }
    default:
      break;
  }
}

bool Browser::OnLoadFailed(const char* uri, const GError* error) {
  Ref<Browser> keep(this);
  load_failed_ = true;
  cef_load_handler_t* h = Handler(client_, &cef_client_t::get_load_handler);
  if (!Offers(h, &cef_load_handler_t::on_load_error)) {
    ReleaseStruct(h);
    return false;  // WebKit's own error page
  }
  const std::u16string url = Utf8ToU16(uri ? uri : "");
  const std::u16string text =
      Utf8ToU16(error && error->message ? error->message : "");
  cef_string_t url_view = View(url);
  cef_string_t text_view = View(text);
  h->on_load_error(h, Share(), NewFrame(),
                   static_cast<cef_errorcode_t>(NetErrorFor(error)),
                   &text_view, &url_view);
  ReleaseStruct(h);
  return true;
}

// ---------------------------------------------------------------------------
// Context menu

// The library's ids for WebKit's own entries; the rest get ids of their own
// below the program's range.
int CommandIdFor(WebKitContextMenuAction action) {
  switch (action) {
    case WEBKIT_CONTEXT_MENU_ACTION_GO_BACK: return 100;
    case WEBKIT_CONTEXT_MENU_ACTION_GO_FORWARD: return 101;
    case WEBKIT_CONTEXT_MENU_ACTION_RELOAD: return 102;
    case WEBKIT_CONTEXT_MENU_ACTION_STOP: return 104;
    case WEBKIT_CONTEXT_MENU_ACTION_CUT: return 112;
    case WEBKIT_CONTEXT_MENU_ACTION_COPY: return 113;
    case WEBKIT_CONTEXT_MENU_ACTION_PASTE: return 114;
    case WEBKIT_CONTEXT_MENU_ACTION_DELETE: return 115;
    case WEBKIT_CONTEXT_MENU_ACTION_SELECT_ALL: return 116;
    case WEBKIT_CONTEXT_MENU_ACTION_NO_GUESSES_FOUND: return 205;
    case WEBKIT_CONTEXT_MENU_ACTION_LEARN_SPELLING: return 206;
    default: return 1000 + static_cast<int>(action);
  }
}

// GTK marks mnemonics with '_', the library with '&'.
std::u16string LabelFromGtk(const char* label) {
  std::string out;
  for (const char* p = label; p && *p; ++p) {
    if (*p == '_' && p[1] == '_') {
      out += '_';
      ++p;
    } else if (*p == '_') {
      out += '&';
    } else if (*p == '&') {
      out += "&&";
    } else {
      out += *p;
    }
  }
  return Utf8ToU16(out);
}

std::string LabelToGtk(const std::u16string& label) {
  std::string out;
  const std::string in = U16ToUtf8(label);
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] == '&' && i + 1 < in.size() && in[i + 1] == '&') {
      out += '&';
      ++i;
    } else if (in[i] == '&') {
      out += '_';
    } else if (in[i] == '_') {
      out += "__";
    } else {
      out += in[i];
    }
  }
  return out;
}

Ref<MenuModel> ModelFrom(WebKitContextMenu* menu) {
  Ref<MenuModel> model = Ref<MenuModel>::Adopt(new MenuModel());
  for (GList* l = webkit_context_menu_get_items(menu); l; l = l->next) {
    WebKitContextMenuItem* native = WEBKIT_CONTEXT_MENU_ITEM(l->data);
    MenuModel::Item item;
    item.native = std::shared_ptr<void>(g_object_ref(native), g_object_unref);
    if (webkit_context_menu_item_is_separator(native)) {
      item.type = MENUITEMTYPE_SEPARATOR;
      model->AppendNative(std::move(item));
      continue;
    }
    item.command_id =
        CommandIdFor(webkit_context_menu_item_get_stock_action(native));
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    GtkAction* action = webkit_context_menu_item_get_action(native);
    if (action) {
      item.label = LabelFromGtk(gtk_action_get_label(action));
      item.enabled = gtk_action_get_sensitive(action);
      item.visible = gtk_action_get_visible(action);
      if (GTK_IS_TOGGLE_ACTION(action)) {
        item.type = GTK_IS_RADIO_ACTION(action) ? MENUITEMTYPE_RADIO
                                                : MENUITEMTYPE_CHECK;
        item.checked =
            gtk_toggle_action_get_active(GTK_TOGGLE_ACTION(action));
      }
    }
    G_GNUC_END_IGNORE_DEPRECATIONS
    if (WebKitContextMenu* sub = webkit_context_menu_item_get_submenu(native)) {
      item.type = MENUITEMTYPE_SUBMENU;
      item.submenu = ModelFrom(sub);
    } else if (item.type == MENUITEMTYPE_NONE) {
      item.type = MENUITEMTYPE_COMMAND;
    }
    model->AppendNative(std::move(item));
  }
  return model;
}

struct MenuCommand {
  Ref<Browser> browser;
  Ref<ContextMenuParams> params;
  int command_id;
};

// Rebuilds `menu` from what the handler left in the model: WebKit's own
// entries stay as they were, the program's run its command handler.
void ApplyModel(WebKitContextMenu* menu, MenuModel* model, Browser* browser,
                ContextMenuParams* params) {
  std::vector<MenuModel::Item> items = model->Items();
  webkit_context_menu_remove_all(menu);
  for (MenuModel::Item& item : items) {
    if (!item.visible)
      continue;
    WebKitContextMenuItem* out = nullptr;
    if (item.type == MENUITEMTYPE_SEPARATOR) {
      out = webkit_context_menu_item_new_separator();
    } else if (item.type == MENUITEMTYPE_SUBMENU && item.submenu) {
      WebKitContextMenu* sub = webkit_context_menu_new();
      ApplyModel(sub, item.submenu.get(), browser, params);
      out = webkit_context_menu_item_new_with_submenu(
          LabelToGtk(item.label).c_str(), sub);
    } else if (item.native) {
      out = WEBKIT_CONTEXT_MENU_ITEM(item.native.get());
    } else {
      GSimpleAction* action = g_simple_action_new("cefrt-command", nullptr);
      g_simple_action_set_enabled(action, item.enabled);
      MenuCommand* command =
          new MenuCommand{Ref<Browser>(browser), Ref<ContextMenuParams>(params),
                          item.command_id};
      g_signal_connect_data(
          action, "activate",
          G_CALLBACK(+[](GSimpleAction*, GVariant*, gpointer data) {
            MenuCommand* cmd = static_cast<MenuCommand*>(data);
            Browser* b = cmd->browser.get();
            cef_context_menu_handler_t* h =
                Handler(b->client(), &cef_client_t::get_context_menu_handler);
            if (Offers(h, &cef_context_menu_handler_t::on_context_menu_command))
              h->on_context_menu_command(h, b->Share(), b->NewFrame(),
                                         cmd->params->Share(),
                                         cmd->command_id, EVENTFLAG_NONE);
            ReleaseStruct(h);
          }),
          command,
          +[](gpointer data, GClosure*) {
            delete static_cast<MenuCommand*>(data);
          },
          GConnectFlags(0));
      out = webkit_context_menu_item_new_from_gaction(
          G_ACTION(action), LabelToGtk(item.label).c_str(), nullptr);
      g_object_unref(action);
    }
    webkit_context_menu_append(menu, out);
  }
}

bool Browser::OnContextMenu(WebKitContextMenu* menu, GdkEvent* event,
                            WebKitHitTestResult* hit) {
  Ref<Browser> keep(this);
  cef_context_menu_handler_t* h =
      Handler(client_, &cef_client_t::get_context_menu_handler);
  if (!Offers(h, &cef_context_menu_handler_t::on_before_context_menu)) {
    ReleaseStruct(h);
    return false;  // WebKit's menu as it is
  }
  ContextMenuParams::Data data;
  gdouble x = 0, y = 0;
  if (event && gdk_event_get_coords(event, &x, &y)) {
    data.x = static_cast<int>(x);
    data.y = static_cast<int>(y);
  }
  const gchar* page = webkit_web_view_get_uri(view_);
  data.page_url = data.frame_url = Utf8ToU16(page ? page : "");
  data.type_flags = CM_TYPEFLAG_PAGE;
  if (hit) {
    if (webkit_hit_test_result_context_is_link(hit)) {
      data.type_flags |= CM_TYPEFLAG_LINK;
      const gchar* link = webkit_hit_test_result_get_link_uri(hit);
      data.link_url = data.unfiltered_link_url = Utf8ToU16(link ? link : "");
    }
    if (webkit_hit_test_result_context_is_image(hit)) {
      data.type_flags |= CM_TYPEFLAG_MEDIA;
      data.media_type = CM_MEDIATYPE_IMAGE;
      data.has_image_contents = true;
      const gchar* src = webkit_hit_test_result_get_image_uri(hit);
      data.source_url = Utf8ToU16(src ? src : "");
    } else if (webkit_hit_test_result_context_is_media(hit)) {
      data.type_flags |= CM_TYPEFLAG_MEDIA;
      data.media_type = CM_MEDIATYPE_VIDEO;
      const gchar* src = webkit_hit_test_result_get_media_uri(hit);
      data.source_url = Utf8ToU16(src ? src : "");
    }
    if (webkit_hit_test_result_context_is_selection(hit))
      data.type_flags |= CM_TYPEFLAG_SELECTION;
    if (webkit_hit_test_result_context_is_editable(hit)) {
      data.type_flags |= CM_TYPEFLAG_EDITABLE;
      data.is_editable = true;
    }
  }
  Ref<MenuModel> model = ModelFrom(menu);
  Ref<ContextMenuParams> params =
      Ref<ContextMenuParams>::Adopt(new ContextMenuParams(data));
  h->on_before_context_menu(h, Share(), NewFrame(), params->Share(),
                            model->Share());
  ReleaseStruct(h);
  if (!view_ || model->Count() == 0)
    return true;  // nothing left to show
  ApplyModel(menu, model.get(), this, params.get());
  menu_ = model;
  menu_params_ = params;
  return false;
}

// ---------------------------------------------------------------------------
// Keys, pop-ups, closing

bool Browser::OnKey(GdkEventKey* event) {
  Ref<Browser> keep(this);
  cef_keyboard_handler_t* h =
      Handler(client_, &cef_client_t::get_keyboard_handler);
  if (!Offers(h, &cef_keyboard_handler_t::on_pre_key_event)) {
    ReleaseStruct(h);
    return false;
  }
  cef_key_event_t e = {};
  e.type = event->type == GDK_KEY_PRESS ? KEYEVENT_RAWKEYDOWN : KEYEVENT_KEYUP;
  e.modifiers = EventFlagsFor(event->state, event->keyval);
  e.windows_key_code = WindowsKeyCodeForKeyval(event->keyval);
  e.native_key_code = event->hardware_keycode;
  const gunichar ch = gdk_keyval_to_unicode(event->keyval);
  const gunichar plain = gdk_keyval_to_unicode(gdk_keyval_to_lower(event->keyval));
  e.character = static_cast<char16>(ch < 0x10000 ? ch : 0);
  e.unmodified_character = static_cast<char16>(plain < 0x10000 ? plain : 0);
  e.focus_on_editable_field = editable_focus_ ? 1 : 0;
  int shortcut = 0;
  const int handled = h->on_pre_key_event(
      h, Share(), &e, reinterpret_cast<cef_event_handle_t>(event), &shortcut);
  ReleaseStruct(h);
  return handled != 0;
}

GtkWidget* Browser::OnCreate(WebKitNavigationAction* action) {
  Ref<Browser> keep(this);
  WebKitURIRequest* request = webkit_navigation_action_get_request(action);
  const char* uri = request ? webkit_uri_request_get_uri(request) : nullptr;
  const std::u16string target = Utf8ToU16(uri ? uri : "");

  cef_popup_features_t features = {};
  features.menuBarVisible = features.statusBarVisible = 1;
  features.toolBarVisible = features.locationBarVisible = 1;
  features.scrollbarsVisible = features.resizable = 1;
  cef_window_info_t info = {};
  info.x = info.y = info.width = info.height = kDefaultPlacement;
  cef_browser_settings_t settings = {};
  settings.size = sizeof(settings);
  int no_javascript_access = 0;
  cef_client_t* client = client_;

  cef_life_span_handler_t* h =
      Handler(client_, &cef_client_t::get_life_span_handler);
  int cancel = 0;
  if (Offers(h, &cef_life_span_handler_t::on_before_popup)) {
    // The client goes with a reference of its own, which the handler takes
    // over; only a different client coming back brings one for the popup.
    AddRefStruct(client);
    cef_string_t url_view = View(target);
    cef_string_t name_view = {};
    const cef_window_open_disposition_t disposition =
        webkit_navigation_action_get_navigation_type(action) ==
                WEBKIT_NAVIGATION_TYPE_LINK_CLICKED
            ? WOD_NEW_FOREGROUND_TAB
            : WOD_NEW_POPUP;
    cancel = h->on_before_popup(
        h, Share(), NewFrame(), &url_view, &name_view, disposition,
        webkit_navigation_action_is_user_gesture(action) ? 1 : 0, &features,
        &info, &client, &settings, &no_javascript_access);
  }
  ReleaseStruct(h);
  if (client == client_)
    AddRefStruct(client);  // the popup's own, beside the opener's
  if (cancel || !view_) {
    ReleaseStruct(client);
    cef_string_utf16_clear(&info.window_name);
    ClearBrowserSettingsStrings(&settings);
    return nullptr;
  }
  Browser* popup = new Browser(client, true, window());
  Env().open.push_back(popup);  // the runtime's reference
  popup->Open(&info, &settings, std::string(), view_);
  cef_string_utf16_clear(&info.window_name);
  ClearBrowserSettingsStrings(&settings);
  popup->CallAfterCreated();
  return popup->view_ ? GTK_WIDGET(popup->view_) : nullptr;
}

void Browser::OnReadyToShow() {
  if (!window_)
    return;
  if (default_size_) {
    WebKitWindowProperties* props = webkit_web_view_get_window_properties(view_);
    GdkRectangle geometry = {};
    webkit_window_properties_get_geometry(props, &geometry);
    if (geometry.width > 0 && geometry.height > 0)
      gtk_window_resize(GTK_WINDOW(window_), geometry.width, geometry.height);
    if (geometry.x > 0 || geometry.y > 0)
      gtk_window_move(GTK_WINDOW(window_), geometry.x, geometry.y);
  }
  if (show_on_ready_) {
    gtk_widget_show_all(window_);
    gtk_widget_grab_focus(GTK_WIDGET(view_));
  }
}

void Browser::RequestClose(bool force) {
  if (closed_ || !view_)
    return;
  if (force) {
    // Later, from the loop: the caller may be walking its browser list.
    Ref<Browser>* keep = new Ref<Browser>(this);
    g_idle_add_full(
        G_PRIORITY_DEFAULT,
        +[](gpointer data) {
          (*static_cast<Ref<Browser>*>(data))->Destroy(true);
          return G_SOURCE_REMOVE;
        },
        keep, +[](gpointer data) { delete static_cast<Ref<Browser>*>(data); });
    return;
  }
  // The page's unload handlers may refuse; "close" follows when they allow.
  webkit_web_view_try_close(view_);
}

void Browser::AskAndClose() {
  if (closed_ || close_pending_)
    return;
  Ref<Browser> keep(this);
  cef_life_span_handler_t* h =
      Handler(client_, &cef_client_t::get_life_span_handler);
  const int keep_open = Offers(h, &cef_life_span_handler_t::do_close)
                            ? h->do_close(h, Share())
                            : 0;
  ReleaseStruct(h);
  if (keep_open)
    return;  // the program closes it when it is ready
  close_pending_ = true;
  RequestClose(true);
}

void Browser::Destroy(bool notify) {
  if (closed_)
    return;
  closed_ = true;
  Ref<Browser> keep(this);
  if (notify) {
    cef_life_span_handler_t* h =
        Handler(client_, &cef_client_t::get_life_span_handler);
    if (Offers(h, &cef_life_span_handler_t::on_before_close))
      h->on_before_close(h, Share());
    ReleaseStruct(h);
  }
  menu_.reset();
  menu_params_.reset();
  if (view_)
    g_signal_handlers_disconnect_by_data(view_, this);
  if (content_) {
    g_signal_handlers_disconnect_by_data(content_, this);
    g_object_unref(content_);
    content_ = nullptr;
  }
  if (window_) {
    g_signal_handlers_disconnect_by_data(window_, this);
    gtk_widget_destroy(window_);
  }
  window_ = nullptr;
  view_ = nullptr;
  // The client usually keeps its browsers: let go of it so neither side
  // keeps the other alive.
  cef_client_t* client = client_;
  client_ = nullptr;
  ReleaseStruct(client);
  std::vector<Browser*>& open = Env().open;
  auto it = std::find(open.begin(), open.end(), this);
  if (it != open.end()) {
    open.erase(it);
    Release();  // the runtime's reference
  }
}

// ---------------------------------------------------------------------------
// Frame

void Visit(cef_string_visitor_t* visitor, const std::u16string& text) {
  if (Offers(visitor, &cef_string_visitor_t::visit)) {
    cef_string_t view = View(text);
    visitor->visit(visitor, &view);
  }
  ReleaseStruct(visitor);
}

void EditCommand(cef_frame_t* s, const char* command) {
  if (WebKitWebView* v = ViewOf(s))
    webkit_web_view_execute_editing_command(v, command);
}

Frame::Frame(Browser* browser)
    : CountedStruct("cef_frame_t"), browser_(browser) {
  using S = cef_frame_t;
  cef_frame_t& c = s();
  c.is_valid = [](S* s) -> int { return ViewOf(s) ? 1 : 0; };
  c.undo = [](S* s) { EditCommand(s, WEBKIT_EDITING_COMMAND_UNDO); };
  c.redo = [](S* s) { EditCommand(s, WEBKIT_EDITING_COMMAND_REDO); };
  c.cut = [](S* s) { EditCommand(s, WEBKIT_EDITING_COMMAND_CUT); };
  c.copy = [](S* s) { EditCommand(s, WEBKIT_EDITING_COMMAND_COPY); };
  c.paste = [](S* s) { EditCommand(s, WEBKIT_EDITING_COMMAND_PASTE); };
  c.del = [](S* s) { EditCommand(s, "Delete"); };
  c.select_all = [](S* s) {
    EditCommand(s, WEBKIT_EDITING_COMMAND_SELECT_ALL);
  };
  // WebKitGTK has no source view mode.
  c.view_source = [](S*) {};
  c.get_source = [](S* s, cef_string_visitor_t* visitor) {
    WebKitWebView* v = ViewOf(s);
    WebKitWebResource* main = v ? webkit_web_view_get_main_resource(v) : nullptr;
    if (!main) {
      ReleaseStruct(visitor);
      return;
    }
    webkit_web_resource_get_data(
        main, nullptr,
        +[](GObject* resource, GAsyncResult* result, gpointer data) {
          gsize length = 0;
          guchar* bytes = webkit_web_resource_get_data_finish(
              WEBKIT_WEB_RESOURCE(resource), result, &length, nullptr);
          Visit(static_cast<cef_string_visitor_t*>(data),
                Utf8ToU16(std::string(reinterpret_cast<char*>(bytes), length)));
          g_free(bytes);
        },
        visitor);
  };
  c.get_text = [](S* s, cef_string_visitor_t* visitor) {
    WebKitWebView* v = ViewOf(s);
    if (!v) {
      ReleaseStruct(visitor);
      return;
    }
    const char kScript[] = "document.body ? document.body.innerText : ''";
    webkit_web_view_evaluate_javascript(
        v, kScript, -1, nullptr, nullptr, nullptr,
        +[](GObject* view, GAsyncResult* result, gpointer data) {
          JSCValue* value = webkit_web_view_evaluate_javascript_finish(
              WEBKIT_WEB_VIEW(view), result, nullptr);
          std::u16string text;
          if (value && jsc_value_is_string(value)) {
            gchar* str = jsc_value_to_string(value);
            text = Utf8ToU16(str ? str : "");
            g_free(str);
          }
          if (value)
            g_object_unref(value);
          Visit(static_cast<cef_string_visitor_t*>(data), text);
        },
        visitor);
  };
  // Requests are the program's to build, and this runtime builds none.
  c.load_request = [](S*, struct _cef_request_t* request) {
    ReleaseStruct(request);
  };
  c.load_url = [](S* s, const cef_string_t* url) {
    WebKitWebView* v = ViewOf(s);
    if (v && !Blank(url))
      webkit_web_view_load_uri(v, Utf8(url).c_str());
  };
  c.load_string = [](S* s, const cef_string_t* html, const cef_string_t* url) {
    WebKitWebView* v = ViewOf(s);
    if (!v || Blank(html) || Blank(url))
      return;
    const std::string address = Utf8(url);
    webkit_web_view_load_alternate_html(v, Utf8(html).c_str(),
                                        address.c_str(), address.c_str());
  };
  c.execute_java_script = [](S* s, const cef_string_t* code,
                             const cef_string_t* script_url, int) {
    WebKitWebView* v = ViewOf(s);
    if (!v || Blank(code))
      return;
    const std::string source = Utf8(code);
    const std::string origin = Utf8(script_url);
    webkit_web_view_evaluate_javascript(
        v, source.c_str(), static_cast<gssize>(source.size()), nullptr,
        origin.empty() ? nullptr : origin.c_str(), nullptr, nullptr, nullptr);
  };
  c.is_main = [](S* s) -> int { return FrameOf(s) ? 1 : 0; };
  c.is_focused = [](S* s) -> int {
    WebKitWebView* v = ViewOf(s);
    return v && gtk_widget_has_focus(GTK_WIDGET(v)) ? 1 : 0;
  };
  c.get_name = [](S* s) -> cef_string_userfree_t {
    return FrameOf(s) ? NewUserFree(std::u16string()) : nullptr;
  };
  c.get_identifier = [](S* s) -> int64_t {
    return FrameOf(s) ? FrameOf(s)->browser()->main_frame_id() : 0;
  };
  c.get_parent = [](S*) -> cef_frame_t* { return nullptr; };
  c.get_url = [](S* s) -> cef_string_userfree_t {
    WebKitWebView* v = ViewOf(s);
    const gchar* uri = v ? webkit_web_view_get_uri(v) : nullptr;
    return FrameOf(s) ? NewUserFree(Utf8ToU16(uri ? uri : "")) : nullptr;
  };
  c.get_browser = [](S* s) -> cef_browser_t* {
    return FrameOf(s) ? FrameOf(s)->browser()->Share() : nullptr;
  };
  // Script contexts live in WebKit's web process, out of reach here.
  c.get_v8context = [](S*) -> struct _cef_v8context_t* { return nullptr; };
  c.visit_dom = [](S*, struct _cef_domvisitor_t* visitor) {
    ReleaseStruct(visitor);
  };
}

// ---------------------------------------------------------------------------
// Host

// The library's zoom levels are steps of 20%.
double ZoomLevelFromFactor(double factor) {
  return factor > 0 ? std::log(factor) / std::log(1.2) : 0.0;
}

Host::Host(Browser* browser)
    : CountedStruct("cef_browser_host_t"), browser_(browser) {
  using S = cef_browser_host_t;
  cef_browser_host_t& c = s();
  c.get_browser = [](S* s) -> cef_browser_t* {
    return HostBrowser(s) ? HostBrowser(s)->Share() : nullptr;
  };
  c.close_browser = [](S* s, int force) {
    if (Browser* b = HostBrowser(s)) {
      Ref<Browser> keep(b);
      RunOnUi([keep, force] {
        if (force)
          keep->RequestClose(true);
        else
          keep->RequestClose(false);
      });
    }
  };
  c.set_focus = [](S* s, int focus) {
    WebKitWebView* v = HostView(s);
    if (v && focus)
      gtk_widget_grab_focus(GTK_WIDGET(v));
  };
  c.set_window_visibility = [](S* s, int visible) {
    Browser* b = HostBrowser(s);
    if (b && b->window())
      gtk_widget_set_visible(GTK_WIDGET(b->window()), visible != 0);
  };
  c.get_window_handle = [](S* s) -> cef_window_handle_t {
    Browser* b = HostBrowser(s);
    return b ? static_cast<cef_window_handle_t>(b->window()) : nullptr;
  };
  c.get_opener_window_handle = [](S* s) -> cef_window_handle_t {
    Browser* b = HostBrowser(s);
    return b ? static_cast<cef_window_handle_t>(b->opener()) : nullptr;
  };
  c.get_client = [](S* s) -> cef_client_t* {
    Browser* b = HostBrowser(s);
    cef_client_t* client = b ? b->client() : nullptr;
    AddRefStruct(client);
    return client;
  };
  // Every browser shares the one context that cef_initialize set up.
  c.get_request_context = [](S*) -> struct _cef_request_context_t* {
    return nullptr;
  };
  c.get_zoom_level = [](S* s) -> double {
    WebKitWebView* v = HostView(s);
    return v ? ZoomLevelFromFactor(webkit_web_view_get_zoom_level(v)) : 0.0;
  };
  c.set_zoom_level = [](S* s, double level) {
    if (WebKitWebView* v = HostView(s))
      webkit_web_view_set_zoom_level(v, std::pow(1.2, level));
  };
  // No dialog of its own: answered as dismissed.
  c.run_file_dialog = [](S*, cef_file_dialog_mode_t, const cef_string_t*,
                         const cef_string_t*, cef_string_list_t, int,
                         struct _cef_run_file_dialog_callback_t* callback) {
    if (Offers(callback, &cef_run_file_dialog_callback_t::
                             on_file_dialog_dismissed)) {
      cef_string_list_t none = cef_string_list_alloc();
      callback->on_file_dialog_dismissed(callback, 0, none);
      cef_string_list_free(none);
    }
    ReleaseStruct(callback);
  };
  c.start_download = [](S* s, const cef_string_t* url) {
    WebKitWebView* v = HostView(s);
    if (v && !Blank(url)) {
      WebKitDownload* d = webkit_web_view_download_uri(v, Utf8(url).c_str());
      if (d)
        g_object_unref(d);
    }
  };
  c.print = [](S* s) {
    if (WebKitWebView* v = HostView(s)) {
      WebKitPrintOperation* op = webkit_print_operation_new(v);
      Browser* b = HostBrowser(s);
      webkit_print_operation_run_dialog(op, b->window());
      g_object_unref(op);
    }
  };
  // WebKitGTK prints to PDF only through its dialog: reported as failed.
  c.print_to_pdf = [](S*, const cef_string_t* path,
                      const cef_pdf_print_settings_t*,
                      struct _cef_pdf_print_callback_t* callback) {
    if (Offers(callback, &cef_pdf_print_callback_t::on_pdf_print_finished))
      callback->on_pdf_print_finished(callback, path, 0);
    ReleaseStruct(callback);
  };
  c.find = [](S* s, int, const cef_string_t* text, int forward, int match_case,
              int find_next) {
    WebKitWebView* v = HostView(s);
    if (!v || Blank(text))
      return;
    WebKitFindController* find = webkit_web_view_get_find_controller(v);
    const std::string needle = Utf8(text);
    const char* current = webkit_find_controller_get_search_text(find);
    if (find_next && current && needle == current) {
      if (forward)
        webkit_find_controller_search_next(find);
      else
        webkit_find_controller_search_previous(find);
      return;
    }
    guint32 options = WEBKIT_FIND_OPTIONS_WRAP_AROUND;
    if (!match_case)
      options |= WEBKIT_FIND_OPTIONS_CASE_INSENSITIVE;
    if (!forward)
      options |= WEBKIT_FIND_OPTIONS_BACKWARDS;
    webkit_find_controller_search(find, needle.c_str(), options, G_MAXUINT);
  };
  c.stop_finding = [](S* s, int) {
    if (WebKitWebView* v = HostView(s))
      webkit_find_controller_search_finish(
          webkit_web_view_get_find_controller(v));
  };
  // WebKit's inspector has a window of its own; the arguments that would
  // describe another one do not apply.
  c.show_dev_tools = [](S* s, const cef_window_info_t*,
                        struct _cef_client_t* client,
                        const cef_browser_settings_t*, const cef_point_t*) {
    if (WebKitWebView* v = HostView(s))
      webkit_web_inspector_show(webkit_web_view_get_inspector(v));
    ReleaseStruct(client);
  };
  c.close_dev_tools = [](S* s) {
    if (WebKitWebView* v = HostView(s))
      webkit_web_inspector_close(webkit_web_view_get_inspector(v));
  };
  // Navigation entries are not among the objects this runtime provides.
  c.get_navigation_entries = [](S*, struct _cef_navigation_entry_visitor_t* v,
                                int) { ReleaseStruct(v); };
  // The members below serve off-screen rendering, spelling and drag
  // embedding, none of which a WebKitWebView in its own window takes from
  // outside; they keep the library's defaults.
  c.set_mouse_cursor_change_disabled = [](S*, int) {};
  c.is_mouse_cursor_change_disabled = [](S*) -> int { return 0; };
  c.replace_misspelling = [](S*, const cef_string_t*) {};
  c.add_word_to_dictionary = [](S*, const cef_string_t*) {};
  c.is_window_rendering_disabled = [](S*) -> int { return 0; };
  c.was_resized = [](S*) {};
  c.was_hidden = [](S*, int) {};
  c.notify_screen_info_changed = [](S*) {};
  c.invalidate = [](S*, cef_paint_element_type_t) {};
  c.send_key_event = [](S*, const cef_key_event_t*) {};
  c.send_mouse_click_event = [](S*, const cef_mouse_event_t*,
                                cef_mouse_button_type_t, int, int) {};
  c.send_mouse_move_event = [](S*, const cef_mouse_event_t*, int) {};
  c.send_mouse_wheel_event = [](S*, const cef_mouse_event_t*, int, int) {};
  c.send_focus_event = [](S* s, int focus) {
    WebKitWebView* v = HostView(s);
    if (v && focus)
      gtk_widget_grab_focus(GTK_WIDGET(v));
  };
  c.send_capture_lost_event = [](S*) {};
  c.notify_move_or_resize_started = [](S*) {};
  c.get_windowless_frame_rate = [](S*) -> int { return 0; };
  c.set_windowless_frame_rate = [](S*, int) {};
  c.get_nstext_input_context = [](S*) -> cef_text_input_context_t {
    return nullptr;
  };
  c.handle_key_event_before_text_input_client = [](S*, cef_event_handle_t) {};
  c.handle_key_event_after_text_input_client = [](S*, cef_event_handle_t) {};
  c.drag_target_drag_enter = [](S*, struct _cef_drag_data_t* data,
                                const cef_mouse_event_t*,
                                cef_drag_operations_mask_t) {
    ReleaseStruct(data);
  };
  c.drag_target_drag_over = [](S*, const cef_mouse_event_t*,
                               cef_drag_operations_mask_t) {};
  c.drag_target_drag_leave = [](S*) {};
  c.drag_target_drop = [](S*, const cef_mouse_event_t*) {};
  c.drag_source_ended_at = [](S*, int, int, cef_drag_operations_mask_t) {};
  c.drag_source_system_drag_ended = [](S*) {};
}

// Creates the browser on the UI thread; null when no display is open.
Browser* CreateOnUi(const cef_window_info_t* info, cef_client_t* client,
                    const std::string& url,
                    const cef_browser_settings_t* settings) {
  if (!GtkInitialized()) {
    CEFRT_LOG(LOGSEVERITY_ERROR, "no display: cannot create a browser");
    ReleaseStruct(client);
    return nullptr;
  }
  Browser* browser = new Browser(client, false, nullptr);
  Env().open.push_back(browser);  // the runtime's reference
  browser->AddRef();              // the caller's
  browser->Open(info, settings, url, nullptr);
  browser->CallAfterCreated();
  return browser;
}

// A copy of the records that outlives the caller's, for the trip to the UI
// thread.
struct CreateRequest {
  cef_window_info_t info = {};
  bool has_info = false;
  cef_browser_settings_t settings = {};
  bool has_settings = false;
  cef_client_t* client = nullptr;
  std::string url;

  ~CreateRequest() {
    cef_string_utf16_clear(&info.window_name);
    ClearBrowserSettingsStrings(&settings);
    ReleaseStruct(client);
  }
};

// `from` and `to` may be the same record: the caller's bytes copied as is,
// to be replaced by an owned copy.
void CopyString(const cef_string_t* from, cef_string_t* to) {
  const cef_string_t source = from ? *from : cef_string_t{};
  *to = cef_string_t{};
  if (source.str)
    cef_string_utf16_set(source.str, source.length, to, 1);
}

}  // namespace

void ConfigureBrowsers(const BrowserEnvironment& env) {
  Env().config = env;
}

void ShutdownBrowsers() {
  Environment& env = Env();
  while (!env.open.empty())
    env.open.back()->Destroy(false);
  if (env.context) {
    g_signal_handlers_disconnect_by_func(
        env.context, reinterpret_cast<gpointer>(OnDownloadStarted), nullptr);
    g_object_unref(env.context);
    env.context = nullptr;
  }
  env.config = BrowserEnvironment();
  if (GtkInitialized())
    DispatchPendingGtkEvents();
}

}  // namespace cefrt

using cefrt::CreateRequest;

int cef_browser_host_create_browser(
    const cef_window_info_t* windowInfo, struct _cef_client_t* client,
    const cef_string_t* url, const cef_browser_settings_t* settings,
    struct _cef_request_context_t* request_context) {
  cefrt::ReleaseStruct(request_context);
  if (!cefrt::GtkInitialized()) {
    CEFRT_LOG(LOGSEVERITY_ERROR, "no display: cannot create a browser");
    cefrt::ReleaseStruct(client);
    return 0;
  }
  auto request = std::make_shared<CreateRequest>();
  request->client = client;
  if (windowInfo) {
    request->info = *windowInfo;
    cefrt::CopyString(&windowInfo->window_name, &request->info.window_name);
    request->has_info = true;
  }
  if (settings) {
    const size_t n = std::min(settings->size, sizeof(cef_browser_settings_t));
    memcpy(&request->settings, settings, n);
    request->settings.size = n;
    cef_browser_settings_t& s = request->settings;
    cef_string_t* fields[] = {&s.standard_font_family, &s.fixed_font_family,
                              &s.serif_font_family, &s.sans_serif_font_family,
                              &s.cursive_font_family, &s.fantasy_font_family,
                              &s.default_encoding, &s.accept_language_list};
    for (cef_string_t* f : fields) {
      const size_t offset = static_cast<size_t>(
          reinterpret_cast<char*>(f) - reinterpret_cast<char*>(&s));
      if (offset + sizeof(cef_string_t) <= n)
        cefrt::CopyString(f, f);  // reads the caller's bytes, then owns
      else
        *f = cef_string_t{};
    }
    request->has_settings = true;
  }
  request->url = cefrt::Utf8FromCef(url);
  return cefrt::PostToUi([request] {
    cef_client_t* c = request->client;
    request->client = nullptr;
    cefrt::Browser* b = cefrt::CreateOnUi(
        request->has_info ? &request->info : nullptr, c, request->url,
        request->has_settings ? &request->settings : nullptr);
    if (b)
      b->Release();  // nobody asked for it back
  }) ? 1 : 0;
}

cef_browser_t* cef_browser_host_create_browser_sync(
    const cef_window_info_t* windowInfo, struct _cef_client_t* client,
    const cef_string_t* url, const cef_browser_settings_t* settings,
    struct _cef_request_context_t* request_context) {
  cefrt::ReleaseStruct(request_context);
  if (!cef_currently_on(TID_UI)) {
    CEFRT_LOG(LOGSEVERITY_ERROR,
              "cef_browser_host_create_browser_sync called off the UI thread");
    cefrt::ReleaseStruct(client);
    return nullptr;
  }
  cefrt::Browser* b = cefrt::CreateOnUi(windowInfo, client,
                                        cefrt::Utf8FromCef(url), settings);
  return b ? b->Give() : nullptr;
}
