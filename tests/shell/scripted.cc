#include "tests/shell/scripted.h"

#include <cstdint>
#include <map>
#include <memory>

#include "include/cef_string.h"
#include "tests/fake/fake_objects.h"

namespace scripted {

namespace {

// States by structure; the maps own them until Reset.
template <class S, class State>
std::map<const S*, std::unique_ptr<State>>& States() {
  static std::map<const S*, std::unique_ptr<State>> states;
  return states;
}

template <class S, class State>
State& Of(const S* structure) {
  std::unique_ptr<State>& state = States<S, State>()[structure];
  if (!state) state = std::make_unique<State>();
  return *state;
}

std::vector<std::unique_ptr<Download>>& Downloads() {
  static std::vector<std::unique_ptr<Download>> downloads;
  return downloads;
}

std::string Text(const cef_string_t* text) {
  return text ? CefString(text).ToUtf8() : std::string();
}

std::map<const cef_browser_host_t*, cef_browser_t*>& HostOwners() {
  static std::map<const cef_browser_host_t*, cef_browser_t*> owners;
  return owners;
}

Browser& OwnerOf(cef_browser_host_t* host) {
  return StateOf(HostOwners()[host]);
}

}  // namespace

Browser& StateOf(cef_browser_t* browser) {
  return Of<cef_browser_t, Browser>(browser);
}
Frame& StateOf(cef_frame_t* frame) { return Of<cef_frame_t, Frame>(frame); }
Menu& StateOf(cef_menu_model_t* menu) {
  return Of<cef_menu_model_t, Menu>(menu);
}
Download& LastDownload() { return *Downloads().back(); }

// The scripts, as the library's callbacks (stdcall on Windows, so no
// lambdas).
namespace {

int CEF_CALLBACK Identifier(cef_browser_t* self) { return StateOf(self).id; }

int CEF_CALLBACK IsSame(cef_browser_t* self, cef_browser_t* that) {
  const int same = that && StateOf(that).id == StateOf(self).id ? 1 : 0;
  fake::Release(that);
  return same;
}

void CEF_CALLBACK Reload(cef_browser_t* self) { ++StateOf(self).reloads; }

cef_browser_host_t* CEF_CALLBACK GetHost(cef_browser_t* self) {
  cef_browser_host_t* host = StateOf(self).host;
  host->base.add_ref(&host->base);
  return host;
}

cef_window_handle_t CEF_CALLBACK WindowHandle(cef_browser_host_t* self) {
  return OwnerOf(self).window;
}

void CEF_CALLBACK CloseBrowser(cef_browser_host_t* self, int force) {
  Browser& browser = OwnerOf(self);
  browser.closes.push_back(force != 0);
  if (browser.on_close) browser.on_close();
}

void CEF_CALLBACK LoadString(cef_frame_t* self, const cef_string_t* page,
                             const cef_string_t* url) {
  StateOf(self).pages.push_back(Text(page));
  StateOf(self).urls.push_back(Text(url));
}

int CEF_CALLBACK Count(cef_menu_model_t* self) { return StateOf(self).count; }

int CEF_CALLBACK Clear(cef_menu_model_t* self) {
  StateOf(self).count = 0;
  ++StateOf(self).clears;
  return 1;
}

int CEF_CALLBACK Complete(cef_download_item_t*) { return 1; }
int CEF_CALLBACK Incomplete(cef_download_item_t*) { return 0; }

void CEF_CALLBACK Continue(cef_before_download_callback_t*,
                           const cef_string_t* path, int show_dialog) {
  LastDownload().paths.push_back(Text(path));
  LastDownload().dialogs.push_back(show_dialog != 0);
}

}  // namespace

cef_browser_t* NewBrowser(int id, bool has_host) {
  cef_browser_t* browser = fake::NewObject<cef_browser_t>();
  Browser& state = StateOf(browser);
  state.id = id;
  state.window = reinterpret_cast<cef_window_handle_t>(
      static_cast<uintptr_t>(0x1000 + id));
  state.has_host = has_host;
  browser->get_identifier = Identifier;
  browser->is_same = IsSame;
  browser->reload = Reload;
  if (!has_host) return browser;

  cef_browser_host_t* host = fake::NewObject<cef_browser_host_t>();
  state.host = host;
  HostOwners()[host] = browser;
  host->get_window_handle = WindowHandle;
  host->close_browser = CloseBrowser;
  browser->get_host = GetHost;
  return browser;
}

cef_frame_t* NewFrame() {
  cef_frame_t* frame = fake::NewObject<cef_frame_t>();
  frame->load_string = LoadString;
  return frame;
}

cef_menu_model_t* NewMenu(int count) {
  cef_menu_model_t* menu = fake::NewObject<cef_menu_model_t>();
  StateOf(menu).count = count;
  menu->get_count = Count;
  menu->clear = Clear;
  return menu;
}

cef_download_item_t* NewDownloadItem(bool complete) {
  cef_download_item_t* item = fake::NewObject<cef_download_item_t>();
  item->is_complete = complete ? Complete : Incomplete;
  return item;
}

cef_before_download_callback_t* NewBeforeDownloadCallback() {
  Downloads().push_back(std::make_unique<Download>());
  cef_before_download_callback_t* callback =
      fake::NewObject<cef_before_download_callback_t>();
  callback->cont = Continue;
  return callback;
}

void Reset() {
  for (auto& entry : States<cef_browser_t, Browser>()) {
    if (cef_browser_host_t* host = entry.second->host) fake::Release(host);
  }
  States<cef_browser_t, Browser>().clear();
  States<cef_frame_t, Frame>().clear();
  States<cef_menu_model_t, Menu>().clear();
  Downloads().clear();
  HostOwners().clear();
}

}  // namespace scripted
