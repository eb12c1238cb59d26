#include "runtime/browser/browser.h"

#include <algorithm>

#include "runtime/browser/download_item.h"
#include "runtime/browser/frame.h"
#include "runtime/base/function_task.h"
#include "runtime/browser/host.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

struct Browsers {
  BrowserEnvironment config;
  int next_id = 1;
  std::vector<Browser*> open;  // each holds the runtime's reference
};

Browsers& State() {
  static Browsers* browsers = new Browsers();  // outlives static destructors
  return *browsers;
}

// The view's members act only while the browser has a view.
Browser* alive(cef_browser_t* s) {
  Browser* b = BrowserOf(s);
  return b && b->HasView() ? b : nullptr;
}

}  // namespace

void ClearBrowserSettingsStrings(cef_browser_settings_t* s) {
  cef_string_t* fields[] = {&s->standard_font_family, &s->fixed_font_family,
                            &s->serif_font_family, &s->sans_serif_font_family,
                            &s->cursive_font_family, &s->fantasy_font_family,
                            &s->default_encoding, &s->accept_language_list};
  for (cef_string_t* f : fields)
    cef_string_utf16_clear(f);
}

void Visit(cef_string_visitor_t* visitor, const std::u16string& text) {
  if (Offers(visitor, &cef_string_visitor_t::visit)) {
    cef_string_t view = View(text);
    visitor->visit(visitor, &view);
  }
  ReleaseStruct(visitor);
}

std::vector<std::string> PreferredLanguages(const BrowserEnvironment& env) {
  std::vector<std::string> languages;
  const std::string list = U16ToUtf8(
      env.accept_language_list.empty() ? env.locale : env.accept_language_list);
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
  return languages;
}

PopupRequest::PopupRequest() {
  features.menuBarVisible = features.statusBarVisible = 1;
  features.toolBarVisible = features.locationBarVisible = 1;
  features.scrollbarsVisible = features.resizable = 1;
  info.x = info.y = info.width = info.height = kDefaultPlacement;
  settings.size = sizeof(settings);
}

PopupRequest::~PopupRequest() {
  ReleaseStruct(client);
  cef_string_utf16_clear(&info.window_name);
  ClearBrowserSettingsStrings(&settings);
}

cef_client_t* PopupRequest::TakeClient() {
  cef_client_t* c = client;
  client = nullptr;
  return c;
}

Browser* BrowserOf(cef_browser_t* s) {
  return CountedStruct<cef_browser_t>::From<Browser>(s);
}

const std::vector<Browser*>& OpenBrowsers() {
  return State().open;
}

const BrowserEnvironment& Environment() {
  return State().config;
}

Browser::Browser(cef_client_t* client, bool popup)
    : CountedStruct("cef_browser_t"),
      id_(State().next_id++),
      client_(client),
      popup_(popup) {
  using S = cef_browser_t;
  cef_browser_t& c = s();
  c.get_host = [](S* s) CEF_CALLBACK -> cef_browser_host_t* {
    return BrowserOf(s) ? BrowserOf(s)->NewHost() : nullptr;
  };
  c.can_go_back = [](S* s) CEF_CALLBACK -> int {
    return alive(s) && alive(s)->CanGoBack() ? 1 : 0;
  };
  c.go_back = [](S* s) CEF_CALLBACK {
    if (Browser* b = alive(s))
      b->GoBack();
  };
  c.can_go_forward = [](S* s) CEF_CALLBACK -> int {
    return alive(s) && alive(s)->CanGoForward() ? 1 : 0;
  };
  c.go_forward = [](S* s) CEF_CALLBACK {
    if (Browser* b = alive(s))
      b->GoForward();
  };
  c.is_loading = [](S* s) CEF_CALLBACK -> int {
    return alive(s) && alive(s)->IsLoading() ? 1 : 0;
  };
  c.reload = [](S* s) CEF_CALLBACK {
    if (Browser* b = alive(s))
      b->Reload(false);
  };
  c.reload_ignore_cache = [](S* s) CEF_CALLBACK {
    if (Browser* b = alive(s))
      b->Reload(true);
  };
  c.stop_load = [](S* s) CEF_CALLBACK {
    if (Browser* b = alive(s))
      b->StopLoad();
  };
  c.get_identifier = [](S* s) CEF_CALLBACK -> int {
    return BrowserOf(s) ? BrowserOf(s)->id() : 0;
  };
  c.is_same = [](S* s, S* that) CEF_CALLBACK -> int {
    // One structure per browser: the same browser is the same structure.
    const int same = s && that == s ? 1 : 0;
    ReleaseStruct(that);
    return same;
  };
  c.is_popup = [](S* s) CEF_CALLBACK -> int {
    return BrowserOf(s) && BrowserOf(s)->popup() ? 1 : 0;
  };
  c.has_document = [](S* s) CEF_CALLBACK -> int {
    return alive(s) && alive(s)->HasDocument() ? 1 : 0;
  };
  c.get_main_frame = [](S* s) CEF_CALLBACK -> cef_frame_t* {
    return BrowserOf(s) ? BrowserOf(s)->NewFrame() : nullptr;
  };
  // Only the main frame is in reach of the browser side.
  c.get_focused_frame = [](S* s) CEF_CALLBACK -> cef_frame_t* {
    return BrowserOf(s) ? BrowserOf(s)->NewFrame() : nullptr;
  };
  c.get_frame_byident = [](S* s, int64_t id) CEF_CALLBACK -> cef_frame_t* {
    Browser* b = BrowserOf(s);
    return b && id == b->main_frame_id() ? b->NewFrame() : nullptr;
  };
  c.get_frame = [](S* s, const cef_string_t* name) CEF_CALLBACK -> cef_frame_t* {
    Browser* b = BrowserOf(s);
    return b && Blank(name) ? b->NewFrame() : nullptr;
  };
  c.get_frame_count = [](S* s) CEF_CALLBACK -> size_t { return BrowserOf(s) ? 1 : 0; };
  c.get_frame_identifiers = [](S* s, size_t* count, int64_t* ids) CEF_CALLBACK {
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
  c.get_frame_names = [](S* s, cef_string_list_t names) CEF_CALLBACK {
    if (BrowserOf(s) && names)
      AppendToList(names, {std::u16string()});  // the main frame's
  };
  // There is no renderer process of the library's own to talk to.
  c.send_process_message = [](S*, cef_process_id_t,
                              struct _cef_process_message_t* message) CEF_CALLBACK -> int {
    ReleaseStruct(message);
    return 0;
  };
}

Browser::~Browser() {
  ReleaseStruct(client_);
  ReleaseStruct(request_context_);
}

void Browser::SetRequestContext(cef_request_context_t* context) {
  ReleaseStruct(request_context_);
  request_context_ = context;
}

cef_frame_t* Browser::NewFrame() {
  return NewFrameFor(this);
}

cef_browser_host_t* Browser::NewHost() {
  return NewHostFor(this);
}

void Browser::Register() {
  State().open.push_back(this);
}

void Browser::CallAfterCreated() {
  Ref<Browser> keep(this);
  cef_life_span_handler_t* h =
      Handler(client_, &cef_client_t::get_life_span_handler);
  if (Offers(h, &cef_life_span_handler_t::on_after_created))
    h->on_after_created(h, Share());
  ReleaseStruct(h);
}

void Browser::NotifyTitle(const std::u16string& title) {
  if (closed_)
    return;
  Ref<Browser> keep(this);
  cef_display_handler_t* h =
      Handler(client_, &cef_client_t::get_display_handler);
  if (Offers(h, &cef_display_handler_t::on_title_change)) {
    cef_string_t view = View(title);
    h->on_title_change(h, Share(), &view);
  }
  ReleaseStruct(h);
}

void Browser::NotifyAddress(const std::u16string& url) {
  if (closed_)
    return;
  Ref<Browser> keep(this);
  cef_display_handler_t* h =
      Handler(client_, &cef_client_t::get_display_handler);
  if (Offers(h, &cef_display_handler_t::on_address_change)) {
    cef_string_t view = View(url);
    h->on_address_change(h, Share(), NewFrame(), &view);
  }
  ReleaseStruct(h);
}

void Browser::NotifyLoadingState() {
  if (closed_ || !HasView())
    return;
  Ref<Browser> keep(this);
  cef_load_handler_t* h = Handler(client_, &cef_client_t::get_load_handler);
  if (Offers(h, &cef_load_handler_t::on_loading_state_change))
    h->on_loading_state_change(h, Share(), IsLoading() ? 1 : 0,
                               CanGoBack() ? 1 : 0, CanGoForward() ? 1 : 0);
  ReleaseStruct(h);
}

void Browser::NotifyLoadStart() {
  if (closed_)
    return;
  Ref<Browser> keep(this);
  cef_load_handler_t* h = Handler(client_, &cef_client_t::get_load_handler);
  if (Offers(h, &cef_load_handler_t::on_load_start))
    h->on_load_start(h, Share(), NewFrame());
  ReleaseStruct(h);
}

void Browser::NotifyLoadEnd(int http_status) {
  if (closed_)
    return;
  Ref<Browser> keep(this);
  cef_load_handler_t* h = Handler(client_, &cef_client_t::get_load_handler);
  if (Offers(h, &cef_load_handler_t::on_load_end))
    h->on_load_end(h, Share(), NewFrame(), http_status);
  ReleaseStruct(h);
}

bool Browser::NotifyLoadError(int error_code, const std::u16string& text,
                              const std::u16string& url) {
  if (closed_)
    return true;
  Ref<Browser> keep(this);
  cef_load_handler_t* h = Handler(client_, &cef_client_t::get_load_handler);
  if (!Offers(h, &cef_load_handler_t::on_load_error)) {
    ReleaseStruct(h);
    return false;
  }
  cef_string_t url_view = View(url);
  cef_string_t text_view = View(text);
  h->on_load_error(h, Share(), NewFrame(),
                   static_cast<cef_errorcode_t>(error_code), &text_view,
                   &url_view);
  ReleaseStruct(h);
  return true;
}

bool Browser::PreKeyEvent(const cef_key_event_t& event,
                          cef_event_handle_t native) {
  if (closed_)
    return false;
  Ref<Browser> keep(this);
  cef_keyboard_handler_t* h =
      Handler(client_, &cef_client_t::get_keyboard_handler);
  if (!Offers(h, &cef_keyboard_handler_t::on_pre_key_event)) {
    ReleaseStruct(h);
    return false;
  }
  int shortcut = 0;
  const int handled =
      h->on_pre_key_event(h, Share(), &event, native, &shortcut);
  ReleaseStruct(h);
  return handled != 0;
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

void Browser::AskPopup(const std::u16string& target_url,
                       cef_window_open_disposition_t disposition,
                       bool user_gesture, PopupRequest* request) {
  Ref<Browser> keep(this);
  // The pop-up starts with this browser's client, one reference of its own.
  AddRefStruct(client_);
  request->client = client_;
  cef_life_span_handler_t* h =
      Handler(client_, &cef_client_t::get_life_span_handler);
  if (Offers(h, &cef_life_span_handler_t::on_before_popup)) {
    // The handler gets a reference with the structure. The same structure
    // coming back used that one up; a different one carries its own.
    cef_client_t* sent = request->client;
    AddRefStruct(sent);
    cef_client_t* client = sent;
    cef_string_t url_view = View(target_url);
    cef_string_t name_view = {};
    int no_javascript_access = 0;
    request->cancel =
        h->on_before_popup(h, Share(), NewFrame(), &url_view, &name_view,
                           disposition, user_gesture ? 1 : 0,
                           &request->features, &request->info, &client,
                           &request->settings, &no_javascript_access) != 0;
    if (client != sent) {
      ReleaseStruct(request->client);
      request->client = client;
    }
  }
  ReleaseStruct(h);
  if (closed_)
    request->cancel = true;
}

bool Browser::AskContextMenu(MenuModel* model, ContextMenuParams* params) {
  Ref<Browser> keep(this);
  cef_context_menu_handler_t* h =
      Handler(client_, &cef_client_t::get_context_menu_handler);
  if (!Offers(h, &cef_context_menu_handler_t::on_before_context_menu)) {
    ReleaseStruct(h);
    return false;
  }
  h->on_before_context_menu(h, Share(), NewFrame(), params->Share(),
                            model->Share());
  ReleaseStruct(h);
  return true;
}

void Browser::RunContextMenuCommand(ContextMenuParams* params,
                                    int command_id) {
  if (closed_)
    return;
  Ref<Browser> keep(this);
  cef_context_menu_handler_t* h =
      Handler(client_, &cef_client_t::get_context_menu_handler);
  if (Offers(h, &cef_context_menu_handler_t::on_context_menu_command))
    h->on_context_menu_command(h, Share(), NewFrame(), params->Share(),
                               command_id, EVENTFLAG_NONE);
  ReleaseStruct(h);
}

void Browser::NotifyContextMenuDismissed() {
  if (closed_)
    return;
  Ref<Browser> keep(this);
  cef_context_menu_handler_t* h =
      Handler(client_, &cef_client_t::get_context_menu_handler);
  if (Offers(h, &cef_context_menu_handler_t::on_context_menu_dismissed))
    h->on_context_menu_dismissed(h, Share(), NewFrame());
  ReleaseStruct(h);
}

void Browser::Destroy(bool notify) {
  if (closed_)
    return;
  closed_ = true;
  Ref<Browser> keep(this);
  // A download left running would keep the browser, and the file half
  // written, past the window's end.
  DownloadItem::CancelRunning(this, notify);
  if (notify) {
    cef_life_span_handler_t* h =
        Handler(client_, &cef_client_t::get_life_span_handler);
    if (Offers(h, &cef_life_span_handler_t::on_before_close))
      h->on_before_close(h, Share());
    ReleaseStruct(h);
  }
  DestroyView();
  // The client usually keeps its browsers: let go of it so neither side
  // keeps the other alive.
  cef_client_t* client = client_;
  client_ = nullptr;
  ReleaseStruct(client);
  std::vector<Browser*>& open = State().open;
  auto it = std::find(open.begin(), open.end(), this);
  if (it != open.end()) {
    open.erase(it);
    Release();  // the runtime's reference
  }
}

void ConfigureBrowsers(const BrowserEnvironment& env) {
  State().config = env;
  ConfigurePlatform(env);
}

void ShutdownBrowsers() {
  std::vector<Browser*>& open = State().open;
  while (!open.empty())
    open.back()->Destroy(false);
  ShutdownPlatform();
  State().config = BrowserEnvironment();
}

}  // namespace cefrt
