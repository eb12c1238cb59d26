#include "runtime/gtk/gtk_browser.h"

#include <stdlib.h>

#include <algorithm>
#include <string>

#include "runtime/gtk/gtk_pump.h"
#include "runtime/gtk/gtk_request_context.h"
#include "runtime/gtk/gtk_schemes.h"
#include "runtime/browser/load_error.h"
#include "runtime/base/text.h"
#include "runtime/gtk/v8_page.h"

namespace cefrt {

namespace {

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

// The library's network error for a failed load.
int NetErrorFor(const GError* error) {
  if (!error)
    return ERR_FAILED;
  if (error->domain == NetErrorQuark())  // a program's handler failed it
    return error->code;
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

}  // namespace

GtkBrowser* GtkBrowserForView(WebKitWebView* view) {
  for (Browser* b : OpenBrowsers()) {
    GtkBrowser* g = static_cast<GtkBrowser*>(b);
    if (g->view() == view)
      return g;
  }
  return nullptr;
}

GtkBrowser::GtkBrowser(cef_client_t* client, bool popup, GtkWindow* opener)
    : Browser(client, popup), opener_(opener) {}

void GtkBrowser::Open(const cef_window_info_t* info,
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
  WebKitSettings* web_settings = WebSettingsFor(settings);
  if (related) {
    view_ = WEBKIT_WEB_VIEW(g_object_new(
        WEBKIT_TYPE_WEB_VIEW, "related-view", related, "settings",
        web_settings, "user-content-manager", content_, nullptr));
  } else {
    view_ = WEBKIT_WEB_VIEW(g_object_new(
        WEBKIT_TYPE_WEB_VIEW, "web-context", WebContextFor(request_context()),
        "settings", web_settings, "user-content-manager", content_, nullptr));
  }
  g_object_unref(web_settings);
  v8_ = new V8Page(this, view_, content_);

  window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWindow* window = GTK_WINDOW(window_);
  const std::string title = info ? Utf8FromCef(&info->window_name) : std::string();
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
      LoadUrl(url);
  }
}

void GtkBrowser::Connect() {
  ConnectHistory();  // first: the history is current when handlers hear
  g_signal_connect(view_, "notify::title",
                   G_CALLBACK(+[](GObject*, GParamSpec*, gpointer self) {
                     GtkBrowser* b = static_cast<GtkBrowser*>(self);
                     const gchar* title = webkit_web_view_get_title(b->view_);
                     b->NotifyTitle(Utf8ToU16(title ? title : ""));
                   }),
                   this);
  g_signal_connect(
      view_, "load-changed",
      G_CALLBACK(+[](WebKitWebView*, WebKitLoadEvent e, gpointer self) {
        static_cast<GtkBrowser*>(self)->OnLoadChanged(e);
      }),
      this);
  g_signal_connect(view_, "load-failed",
                   G_CALLBACK(+[](WebKitWebView*, WebKitLoadEvent,
                                  gchar* uri, GError* error, gpointer self) {
                     return static_cast<GtkBrowser*>(self)->OnLoadFailed(uri,
                                                                      error)
                                ? TRUE
                                : FALSE;
                   }),
                   this);
  g_signal_connect(view_, "context-menu",
                   G_CALLBACK(+[](WebKitWebView*, WebKitContextMenu* menu,
                                  GdkEvent* event, WebKitHitTestResult* hit,
                                  gpointer self) {
                     return static_cast<GtkBrowser*>(self)->OnContextMenu(
                                menu, event, hit)
                                ? TRUE
                                : FALSE;
                   }),
                   this);
  g_signal_connect(
      view_, "context-menu-dismissed",
      G_CALLBACK(+[](WebKitWebView*, gpointer self) {
        static_cast<GtkBrowser*>(self)->OnContextMenuDismissed();
      }),
      this);
  auto on_key = +[](GtkWidget*, GdkEventKey* event, gpointer self) {
    return static_cast<GtkBrowser*>(self)->OnKey(event) ? TRUE : FALSE;
  };
  g_signal_connect(view_, "key-press-event", G_CALLBACK(on_key), this);
  g_signal_connect(view_, "key-release-event", G_CALLBACK(on_key), this);
  g_signal_connect(
      view_, "create",
      G_CALLBACK(+[](WebKitWebView*, WebKitNavigationAction* action,
                     gpointer self) {
        return static_cast<GtkBrowser*>(self)->OnCreate(action);
      }),
      this);
  g_signal_connect(view_, "authenticate",
                   G_CALLBACK(+[](WebKitWebView*,
                                  WebKitAuthenticationRequest* request,
                                  gpointer self) {
                     static_cast<GtkBrowser*>(self)->OnAuthenticate(request);
                     return FALSE;  // the engine's own prompt asks
                   }),
                   this);
  g_signal_connect(view_, "ready-to-show",
                   G_CALLBACK(+[](WebKitWebView*, gpointer self) {
                     static_cast<GtkBrowser*>(self)->OnReadyToShow();
                   }),
                   this);
  ConnectRequestHandler(this, view_);
  // The page's window.close() and a close the page's unload handlers
  // allowed both arrive here.
  g_signal_connect(view_, "close",
                   G_CALLBACK(+[](WebKitWebView*, gpointer self) {
                     static_cast<GtkBrowser*>(self)->AskAndClose();
                   }),
                   this);
  g_signal_connect(window_, "delete-event",
                   G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer self) {
                     static_cast<GtkBrowser*>(self)->RequestClose(false);
                     return TRUE;  // the browser closes the window itself
                   }),
                   this);
  ConnectDialogs(this, view_);
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  g_signal_connect(
      content_, "script-message-received::cefrtFocus",
      G_CALLBACK(+[](WebKitUserContentManager*, WebKitJavascriptResult* r,
                     gpointer self) {
        JSCValue* value = webkit_javascript_result_get_js_value(r);
        static_cast<GtkBrowser*>(self)->editable_focus_ =
            value && jsc_value_to_boolean(value);
      }),
      this);
  G_GNUC_END_IGNORE_DEPRECATIONS
}

void GtkBrowser::OnLoadChanged(WebKitLoadEvent event) {
  if (!view_)
    return;
  Ref<Browser> keep(this);
  switch (event) {
    case WEBKIT_LOAD_STARTED: {
      load_failed_ = false;
      timed_out_ = false;
      editable_focus_ = false;
      if (const gchar* uri = webkit_web_view_get_uri(view_))
        pending_url_ = uri;
      ArmCommitTimer();
      NotifyLoadingState();
      NotifyLoadStart();
      break;
    }
    case WEBKIT_LOAD_COMMITTED: {
      committed_ = true;
      DisarmCommitTimer();
      const gchar* uri = webkit_web_view_get_uri(view_);
      NotifyAddress(Utf8ToU16(uri ? uri : ""));
      break;
    }
    case WEBKIT_LOAD_FINISHED: {
      DisarmCommitTimer();
      if (!load_failed_) {
        int status = 0;
        WebKitWebResource* main = webkit_web_view_get_main_resource(view_);
        WebKitURIResponse* response =
            main ? webkit_web_resource_get_response(main) : nullptr;
        if (response)
          status = static_cast<int>(
              webkit_uri_response_get_status_code(response));
        NotifyLoadEnd(status);
      }
      if (view_)
        NotifyLoadingState();
      break;
    }
    default:
      break;
  }
}

bool GtkBrowser::OnLoadFailed(const char* uri, const GError* error) {
  Ref<Browser> keep(this);
  load_failed_ = true;
  DisarmCommitTimer();
  if (RedirectedAway(view_, uri))  // a handler sent the view elsewhere
    return true;
  // Without a handler, WebKit's own error page.
  if (timed_out_) {
    timed_out_ = false;
    return NotifyLoadError(ERR_TIMED_OUT, u"The server did not answer in time.",
                           Utf8ToU16(uri ? uri : pending_url_.c_str()));
  }
  return NotifyLoadError(
      NetErrorFor(error),
      Utf8ToU16(error && error->message ? error->message : ""),
      Utf8ToU16(uri ? uri : ""));
}

void GtkBrowser::ArmCommitTimer() {
  DisarmCommitTimer();
  commit_timer_ = g_timeout_add(
      LoadTimeoutMs(),  // no answer at all must not leave the window blank
      +[](gpointer self) {
        GtkBrowser* b = static_cast<GtkBrowser*>(self);
        b->commit_timer_ = 0;
        b->OnCommitTimeout();
        return G_SOURCE_REMOVE;
      },
      this);
}

void GtkBrowser::DisarmCommitTimer() {
  if (commit_timer_)
    g_source_remove(commit_timer_);
  commit_timer_ = 0;
}

void GtkBrowser::OnCommitTimeout() {
  if (!view_)
    return;
  // Stopping fails the load; OnLoadFailed reports it as the timeout.
  timed_out_ = true;
  webkit_web_view_stop_loading(view_);
}

GtkWidget* GtkBrowser::OnCreate(WebKitNavigationAction* action) {
  Ref<Browser> keep(this);
  WebKitURIRequest* request = webkit_navigation_action_get_request(action);
  const char* uri = request ? webkit_uri_request_get_uri(request) : nullptr;
  PopupRequest popup_request;
  AskPopup(Utf8ToU16(uri ? uri : ""),
           webkit_navigation_action_get_navigation_type(action) ==
                   WEBKIT_NAVIGATION_TYPE_LINK_CLICKED
               ? WOD_NEW_FOREGROUND_TAB
               : WOD_NEW_POPUP,
           webkit_navigation_action_is_user_gesture(action) != 0,
           &popup_request);
  GtkBrowser* popup = OpenPopup(&popup_request, view_);
  return popup ? GTK_WIDGET(popup->view_) : nullptr;
}

GtkBrowser* GtkBrowser::OpenPopup(PopupRequest* request,
                                  WebKitWebView* related) {
  if (request->cancel || !view_)
    return nullptr;
  GtkBrowser* popup = new GtkBrowser(request->TakeClient(), true, window());
  AddRefStruct(request_context());  // a pop-up loads in its opener's context
  popup->SetRequestContext(request_context());
  popup->Register();  // the runtime's reference
  popup->Open(&request->info, &request->settings, std::string(), related);
  popup->CallAfterCreated();
  return popup->view_ ? popup : nullptr;
}

void GtkBrowser::OnAuthenticate(WebKitAuthenticationRequest* request) {
  ForgetAuthentication();
  auth_request_ = WEBKIT_AUTHENTICATION_REQUEST(g_object_ref(request));
  g_signal_connect(request, "cancelled",
                   G_CALLBACK(+[](WebKitAuthenticationRequest*, gpointer self) {
                     static_cast<GtkBrowser*>(self)->ForgetAuthentication();
                   }),
                   this);
  g_signal_connect(request, "authenticated",
                   G_CALLBACK(+[](WebKitAuthenticationRequest*,
                                  WebKitCredential*, gpointer self) {
                     static_cast<GtkBrowser*>(self)->ForgetAuthentication();
                   }),
                   this);
}

void GtkBrowser::ForgetAuthentication() {
  if (!auth_request_)
    return;
  WebKitAuthenticationRequest* request = auth_request_;
  auth_request_ = nullptr;
  g_signal_handlers_disconnect_by_data(request, this);
  g_object_unref(request);
}

void GtkBrowser::OnReadyToShow() {
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

void GtkBrowser::RequestClose(bool force) {
  if (closed() || !view_)
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


void GtkBrowser::DestroyView() {
  // The program hears of the context's end while the page still exists.
  delete v8_;
  v8_ = nullptr;
  DisarmCommitTimer();
  ForgetAuthentication();
  menu_.reset();
  menu_params_.reset();
  if (view_) {
    g_signal_handlers_disconnect_by_data(view_, this);
    g_signal_handlers_disconnect_by_data(
        webkit_web_view_get_find_controller(view_), this);
  }
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
}

struct _cef_v8context_t* GtkBrowser::ScriptContext() {
  return v8_ ? v8_->Context() : nullptr;
}

bool GtkBrowser::CanGoBack() { return webkit_web_view_can_go_back(view_); }
bool GtkBrowser::CanGoForward() {
  return webkit_web_view_can_go_forward(view_);
}
void GtkBrowser::GoBack() { webkit_web_view_go_back(view_); }
void GtkBrowser::GoForward() { webkit_web_view_go_forward(view_); }
bool GtkBrowser::IsLoading() { return webkit_web_view_is_loading(view_); }

void GtkBrowser::Reload(bool ignore_cache) {
  if (!committed_ && !pending_url_.empty()) {
    // Loading anew also drops a connection that never answered.
    webkit_web_view_load_uri(view_, pending_url_.c_str());
    return;
  }
  if (ignore_cache)
    webkit_web_view_reload_bypass_cache(view_);
  else
    webkit_web_view_reload(view_);
}

void GtkBrowser::StopLoad() { webkit_web_view_stop_loading(view_); }

bool GtkBrowser::HasDocument() {
  return webkit_web_view_get_main_resource(view_) != nullptr;
}

bool PlatformCanCreateBrowsers() {
  return GtkInitialized();
}

Browser* CreatePlatformBrowser(const cef_window_info_t* info,
                               cef_client_t* client, const std::string& url,
                               const cef_browser_settings_t* settings,
                               cef_request_context_t* context) {
  GtkBrowser* browser = new GtkBrowser(client, false, nullptr);
  browser->SetRequestContext(context);
  browser->Register();  // the runtime's reference
  browser->AddRef();    // the caller's
  browser->Open(info, settings, url, nullptr);
  return browser;
}

void ConfigurePlatform(const BrowserEnvironment& env) {
  if (!GtkInitialized())
    return;
  UseLocaleForDialogs(U16ToUtf8(env.locale));
  FilterToolkitEvents(true);
}

void ShutdownPlatform() {
  ShutdownScripts();  // JavaScript
  if (GtkInitialized())
    FilterToolkitEvents(false);
  LetClosedPagesFinish();
  ReleaseSharedWebContext();
  if (GtkInitialized())
    DispatchPendingGtkEvents();
  EndWebKitHelpers();
}

}  // namespace cefrt
