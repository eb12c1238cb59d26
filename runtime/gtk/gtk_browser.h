// A browser on GTK 3 and WebKitGTK: one top-level GtkWindow holding one
// WebKitWebView.
#ifndef CEF_RUNTIME_GTK_GTK_BROWSER_H_
#define CEF_RUNTIME_GTK_GTK_BROWSER_H_

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <string>

#include "runtime/browser/browser.h"
#include "runtime/browser/menu_model.h"

namespace cefrt {

class V8Page;

class GtkBrowser : public Browser {
 public:
  GtkBrowser(cef_client_t* client, bool popup, GtkWindow* opener);

  // Creates the window and the view; `related` is the opener's view for a
  // pop-up the page asked for, which WebKit then loads itself.
  void Open(const cef_window_info_t* info,
            const cef_browser_settings_t* settings, const std::string& url,
            WebKitWebView* related);

  WebKitWebView* view() const { return view_; }
  GtkWindow* window() const { return window_ ? GTK_WINDOW(window_) : nullptr; }

  bool HasView() const override { return view_ != nullptr; }
  bool CanGoBack() override;
  bool CanGoForward() override;
  void GoBack() override;
  void GoForward() override;
  bool IsLoading() override;
  void Reload(bool ignore_cache) override;
  void StopLoad() override;
  bool HasDocument() override;

  std::u16string Url() override;
  void LoadUrl(const std::string& url) override;
  void LoadRequest(const RequestData& request) override;
  void LoadString(const std::string& html, const std::string& url) override;
  void RunEditCommand(EditCommand command) override;
  void GetSource(cef_string_visitor_t* visitor) override;
  void GetText(cef_string_visitor_t* visitor) override;
  void ExecuteScript(const std::string& code,
                     const std::string& script_url) override;
  bool IsFocused() override;

  cef_window_handle_t WindowHandle() override;
  cef_window_handle_t OpenerHandle() override;
  void Focus() override;
  void SetVisible(bool visible) override;
  double ZoomLevel() override;
  void SetZoomLevel(double level) override;
  void Print() override;
  void Find(int identifier, const std::string& text, bool forward,
            bool match_case, bool find_next) override;
  void StopFinding(bool clear_selection) override;
  void ShowDevTools() override;
  void CloseDevTools() override;
  void StartDownload(const std::string& url) override;
  // JavaScript contexts.
  struct _cef_v8context_t* ScriptContext() override;
  V8Page* v8_page() const { return v8_; }
  // History, source and find: gtk_history.cc, gtk_frame.cc, gtk_host.cc.
  bool NavigationHistory(std::vector<NavigationRecord>* entries,
                         int* current) override;
  void ViewSource() override;

  void RequestClose(bool force) override;

  // The window manager asked to close the window while a modal dialog of
  // it holds the input: the dialogs go first, then the window as usual.
  void CloseBlockedWindow();

 protected:
  void DestroyView() override;

 private:
  ~GtkBrowser() override = default;

  void Connect();
  void OnLoadChanged(WebKitLoadEvent event);
  bool OnLoadFailed(const char* uri, const GError* error);
  void ArmCommitTimer();
  void DisarmCommitTimer();
  void OnCommitTimeout();
  bool OnContextMenu(WebKitContextMenu* menu, GdkEvent* event,
                     WebKitHitTestResult* hit);
  void OnContextMenuDismissed();
  bool OnKey(GdkEventKey* event);
  void OnAuthenticate(WebKitAuthenticationRequest* request);
  void ForgetAuthentication();
  GtkWidget* OnCreate(WebKitNavigationAction* action);
  // A new window for a pop-up on_before_popup allowed; null when it did not
  // open.
  GtkBrowser* OpenPopup(PopupRequest* request, WebKitWebView* related);
  void OnReadyToShow();

  GtkWindow* opener_;
  bool show_on_ready_ = false;
  bool default_size_ = false;
  GtkWidget* window_ = nullptr;
  WebKitWebView* view_ = nullptr;
  WebKitUserContentManager* content_ = nullptr;
  bool editable_focus_ = false;
  bool load_failed_ = false;
  // Whether the view ever showed a document; until then WebKit has nothing
  // to reload and ignores a reload.
  bool committed_ = false;
  std::string pending_url_;  // the main frame's latest requested URL
  guint commit_timer_ = 0;
  bool timed_out_ = false;   // the pending load was stopped for its silence
  // The engine's sign-in prompt's request while the prompt is up.
  WebKitAuthenticationRequest* auth_request_ = nullptr;
  Ref<MenuModel> menu_;  // the shown menu's model while it is up
  Ref<ContextMenuParams> menu_params_;
  V8Page* v8_ = nullptr;  // the page's script contexts

  // History, source and find.
  void ConnectHistory();
  void RecordHistory(WebKitLoadEvent event);
  void RecordTitle();
  bool OnNavigationPolicy(WebKitPolicyDecision* decision,
                          WebKitPolicyDecisionType type);
  void OpenSourceWindow(const std::string& source, const std::string& charset);
  void OnFindCounted(unsigned count);
  struct PendingNavigation {
    cef_transition_type_t transition = TT_EXPLICIT;
    bool back_forward = false;
    bool post = false;
    bool redirected = false;
  } navigation_;
  bool history_committed_ = false;  // the current item shows the current load
  struct PendingFind {
    int identifier;
    bool again;  // the next match of the same search
    bool forward;
  };
  std::vector<PendingFind> finds_;  // each waits for its count
  std::string find_text_;
  guint32 find_options_ = 0;
  int find_ordinal_ = 0;
};

GtkBrowser* GtkBrowserForView(WebKitWebView* view);

// The library's transition type of a WebKit navigation.
cef_transition_type_t TransitionOf(WebKitNavigationType type);

// The web context all browsers share, made on first use.
WebKitWebContext* SharedWebContext();
void ReleaseSharedWebContext();
// Gives the pages just closed a moment to say goodbye over the network
// before the session goes.
void LetClosedPagesFinish();
// Waits a moment for WebKit's helper processes to end, then ends the rest.
void EndWebKitHelpers();
// Dialogs of the toolkit's and the engine's speak the settings' locale.
void UseLocaleForDialogs(const std::string& locale);
// Lets a browser window close while a modal dialog of it is up, and spares
// GTK the key events it could only complain about.
void FilterToolkitEvents(bool on);
// WebKit's settings for a browser, from the library's.
WebKitSettings* WebSettingsFor(const cef_browser_settings_t* settings);
// Request handler: asks the client's request handler about the view's
// navigations.
void ConnectRequestHandler(GtkBrowser* browser, WebKitWebView* view);
// Follows the shared context's downloads that come from our views.
void OnDownloadStarted(WebKitWebContext*, WebKitDownload* download, gpointer);

// Dialogs: the page's script dialogs and file chooser go to the program's
// handlers first.
void ConnectDialogs(GtkBrowser* browser, WebKitWebView* view);

}  // namespace cefrt

#endif  // CEF_RUNTIME_GTK_GTK_BROWSER_H_
