// A browser as every platform's view presents it to the program: the
// library's browser structure, the calls into the client's handlers, and the
// list of open browsers. A platform subclass supplies the window and view.
#ifndef CEF_RUNTIME_BROWSER_H_
#define CEF_RUNTIME_BROWSER_H_

#include <stdint.h>

#include <string>
#include <vector>

#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_client_capi.h"
#include "include/capi/cef_frame_capi.h"
#include "include/capi/cef_handlers_capi.h"
#include "include/capi/cef_request_context_capi.h"
#include "include/capi/cef_visitors_capi.h"
#include "runtime/browser/browser_env.h"
#include "runtime/base/capi_util.h"
#include "runtime/base/counted.h"
#include "runtime/browser/menu_model.h"
#include "runtime/browser/navigation_entry.h"
#include "runtime/data/request.h"

namespace cefrt {

// Placement fields of the window info that leave the choice to the system
// (Windows' CW_USEDEFAULT).
constexpr int kDefaultPlacement = static_cast<int>(0x80000000u);
constexpr uint32_t kVisibleStyle = 0x10000000u;  // WS_VISIBLE

inline bool Blank(const cef_string_t* s) {
  return !s || !s->str || s->length == 0;
}

// A handler from the client, carrying its own reference; null when the
// client offers none.
template <class H>
H* Handler(cef_client_t* client,
           H* (CEF_CALLBACK* cef_client_t::*getter)(cef_client_t*)) {
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

void ClearBrowserSettingsStrings(cef_browser_settings_t* s);

// Hands `text` to a string visitor and releases it.
void Visit(cef_string_visitor_t* visitor, const std::u16string& text);

// The comma-separated language list the settings ask for, trimmed.
std::vector<std::string> PreferredLanguages(const BrowserEnvironment& env);

// Editing commands a frame forwards to the focused element.
enum class EditCommand { kUndo, kRedo, kCut, kCopy, kPaste, kDelete,
                         kSelectAll };

// What on_before_popup decided for a pop-up the page asked for.
struct PopupRequest {
  bool cancel = false;
  cef_client_t* client = nullptr;  // one reference, the pop-up's
  cef_window_info_t info = {};
  cef_browser_settings_t settings = {};
  cef_popup_features_t features = {};

  PopupRequest();
  ~PopupRequest();
  PopupRequest(const PopupRequest&) = delete;
  PopupRequest& operator=(const PopupRequest&) = delete;
  // Hands the client reference to the caller.
  cef_client_t* TakeClient();
};

class Browser : public CountedStruct<cef_browser_t> {
 public:
  int id() const { return id_; }
  int64_t main_frame_id() const { return id_; }
  bool popup() const { return popup_; }
  bool closed() const { return closed_; }
  cef_client_t* client() const { return client_; }

  cef_frame_t* NewFrame();
  cef_browser_host_t* NewHost();

  // Adds the browser to the open list, which holds the runtime's reference
  // from now on.
  void Register();

  // The browser's view, as the library's objects drive it. Each is called on
  // the UI thread only while the browser is alive.
  virtual bool HasView() const = 0;
  virtual bool CanGoBack() = 0;
  virtual bool CanGoForward() = 0;
  virtual void GoBack() = 0;
  virtual void GoForward() = 0;
  virtual bool IsLoading() = 0;
  virtual void Reload(bool ignore_cache) = 0;
  virtual void StopLoad() = 0;
  virtual bool HasDocument() = 0;
  // Frame.
  virtual std::u16string Url() = 0;
  virtual void LoadUrl(const std::string& url) = 0;
  // A program's request, as the view can send it.
  virtual void LoadRequest(const RequestData& request) = 0;
  virtual void LoadString(const std::string& html, const std::string& url) = 0;
  virtual void RunEditCommand(EditCommand command) = 0;
  virtual void GetSource(cef_string_visitor_t* visitor) = 0;  // releases it
  virtual void GetText(cef_string_visitor_t* visitor) = 0;    // releases it
  virtual void ExecuteScript(const std::string& code,
                             const std::string& script_url) = 0;
  virtual bool IsFocused() = 0;
  // Host.
  virtual cef_window_handle_t WindowHandle() = 0;
  virtual cef_window_handle_t OpenerHandle() = 0;
  virtual void Focus() = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual double ZoomLevel() = 0;
  virtual void SetZoomLevel(double level) = 0;
  virtual void Print() = 0;
  virtual void Find(int identifier, const std::string& text, bool forward,
                    bool match_case, bool find_next) = 0;
  virtual void StopFinding(bool clear_selection) = 0;
  virtual void ShowDevTools() = 0;
  virtual void CloseDevTools() = 0;
  virtual void StartDownload(const std::string& url) = 0;
  // Navigation history and page source. The history oldest first, with the
  // current entry's index; false when the view keeps none.
  virtual bool NavigationHistory(std::vector<NavigationRecord>* entries,
                                 int* current) {
    (void)entries;
    (void)current;
    return false;
  }
  // Opens the page's source in a window of its own.
  virtual void ViewSource() {}

  // JavaScript: the main frame's current script context with a new
  // reference, or null.
  virtual struct _cef_v8context_t* ScriptContext() { return nullptr; }

  // close_browser: `force` skips the life-span handler's do_close.
  virtual void RequestClose(bool force) = 0;
  // Ends the browser: on_before_close, window gone, references dropped.
  // `notify` is false at shut-down, when no handler may run any more.
  void Destroy(bool notify);

  // The client's handlers, for the platform views.
  void CallAfterCreated();
  void NotifyTitle(const std::u16string& title);
  void NotifyAddress(const std::u16string& url);
  void NotifyLoadingState();
  void NotifyLoadStart();
  void NotifyLoadEnd(int http_status);
  // False when the client has no load-error handler.
  bool NotifyLoadError(int error_code, const std::u16string& text,
                       const std::u16string& url);
  // True when the handler consumed the key.
  bool PreKeyEvent(const cef_key_event_t& event, cef_event_handle_t native);
  // The page's or the user's close: asks do_close, then closes unless the
  // handler keeps the window.
  void AskAndClose();
  // Asks on_before_popup; `request` then says whether and how to open it.
  void AskPopup(const std::u16string& target_url,
                cef_window_open_disposition_t disposition, bool user_gesture,
                PopupRequest* request);
  // Asks on_before_context_menu with `model`; false when the client has no
  // context-menu handler (the view's own menu then applies).
  bool AskContextMenu(MenuModel* model, ContextMenuParams* params);
  void RunContextMenuCommand(ContextMenuParams* params, int command_id);
  void NotifyContextMenuDismissed();

  // Request contexts: the one the browser was made with (null: the global
  // one). `context` arrives with one reference that the browser keeps.
  void SetRequestContext(cef_request_context_t* context);
  cef_request_context_t* request_context() const { return request_context_; }

 protected:
  // `client` arrives with one reference that the browser keeps.
  Browser(cef_client_t* client, bool popup);
  ~Browser() override;

  // Takes the window and the view down, without any handler.
  virtual void DestroyView() = 0;

 private:
  const int id_;
  cef_client_t* client_;  // one reference, dropped when the browser ends
  const bool popup_;
  bool closed_ = false;
  bool close_pending_ = false;
  cef_request_context_t* request_context_ = nullptr;
};

Browser* BrowserOf(cef_browser_t* s);

// The browsers open in this process, oldest first.
const std::vector<Browser*>& OpenBrowsers();

const BrowserEnvironment& Environment();

// The platform's side of creating browsers and of ending them all.
bool PlatformCanCreateBrowsers();
// `client` and `context` arrive with one reference each; the result carries
// one for the caller besides the runtime's, or is null.
Browser* CreatePlatformBrowser(const cef_window_info_t* info,
                               cef_client_t* client, const std::string& url,
                               const cef_browser_settings_t* settings,
                               cef_request_context_t* context);
void ConfigurePlatform(const BrowserEnvironment& env);
void ShutdownPlatform();

}  // namespace cefrt

#endif  // CEF_RUNTIME_BROWSER_H_
