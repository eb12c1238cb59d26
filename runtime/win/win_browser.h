// A browser on Win32: one top-level window showing the loaded document with
// native controls (there is no HTML engine on this side), pages fetched over
// WinHTTP.
#ifndef CEF_RUNTIME_WIN_WIN_BROWSER_H_
#define CEF_RUNTIME_WIN_WIN_BROWSER_H_

#include <windows.h>

#include <stdint.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/browser/browser.h"
#include "runtime/win/html_document.h"
#include "runtime/win/win_http.h"

namespace cefrt {

class WinBrowser : public Browser {
 public:
  WinBrowser(cef_client_t* client, bool popup, HWND opener);

  // Creates the window and starts loading `url`; false when the window
  // cannot be made.
  bool Open(const cef_window_info_t* info, const std::string& url);

  HWND hwnd() const { return hwnd_; }

  bool HasView() const override { return hwnd_ != nullptr; }
  bool CanGoBack() override;
  bool CanGoForward() override;
  void GoBack() override;
  void GoForward() override;
  bool IsLoading() override { return loading_; }
  void Reload(bool ignore_cache) override;
  void StopLoad() override;
  bool HasDocument() override { return has_document_; }

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

  cef_window_handle_t WindowHandle() override { return hwnd_; }
  cef_window_handle_t OpenerHandle() override { return opener_; }
  void Focus() override;
  void SetVisible(bool visible) override;
  double ZoomLevel() override { return 0.0; }
  void SetZoomLevel(double) override {}
  void Print() override {}
  void Find(int, const std::string&, bool, bool, bool) override {}
  void StopFinding(bool) override {}
  void ShowDevTools() override {}
  void CloseDevTools() override {}
  void StartDownload(const std::string& url) override;

  void RequestClose(bool force) override;

  // Keys and right clicks in this browser's window, before the controls
  // get them; true when the message is used up.
  bool PreTranslate(MSG* msg);

  // From the loading threads, on the UI thread.
  void OnPageLoaded(uint64_t load, const HttpResponse& response,
                    const std::string& body, int net_error);
  void OnDownloadResponse(uint64_t load, const HttpResponse& response,
                          std::shared_ptr<class DownloadPipe> pipe);

 protected:
  void DestroyView() override;

 private:
  enum class HistoryStep { kNew, kReload, kBack, kForward };
  struct Navigation {
    std::string url;
    std::string method = "GET";
    std::string body;
    std::string content_type;
    std::string referrer;
    std::vector<std::pair<std::string, std::string>> headers;  // the program's
    HistoryStep step = HistoryStep::kNew;
  };

  ~WinBrowser() override = default;

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                     LPARAM lparam);
  // Every control's: what another loop dispatches to it is filtered as
  // the UI pump filters it.
  static LRESULT CALLBACK ControlProc(HWND control, UINT message,
                                      WPARAM wparam, LPARAM lparam);
  // Keys and right clicks that reached `hwnd` from a loop other than the UI
  // pump; true when used up.
  bool FilterFromOtherLoop(HWND hwnd, UINT message, WPARAM wparam,
                           LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  // Loading.
  void Navigate(Navigation navigation);
  uint64_t BeginLoad(const std::string& url);
  void AbortLoad();
  // Ends the current load with an error; the handler hears it first.
  void FailLoad(int net_error, const std::string& url);
  void Commit(uint64_t load, const std::string& url, const std::string& html,
              int status, HistoryStep step);

  // The document view.
  void ShowDocument(HtmlDocument document);
  void ClearControls();
  void Layout();
  void Scroll(int delta);
  void OnCommand(int id, int code);
  void Activate(size_t node);
  void SubmitForm(int form, size_t submitter);
  HWND FocusedEdit() const;
  size_t NodeOfControl(HWND control) const;

  // A form's fields in the shown page's encoding, as servers expect them.
  std::vector<std::pair<std::string, std::string>> InPageCharset(
      std::vector<std::pair<std::string, std::string>> fields) const;

  // Keys and the context menu.
  bool OnKey(MSG* msg);
  void ShowContextMenu(POINT screen);

  HWND hwnd_ = nullptr;
  HWND opener_;
  HFONT text_font_ = nullptr;
  HFONT heading_font_ = nullptr;
  HFONT link_font_ = nullptr;

  // What is shown.
  std::string url_;
  std::string source_;
  std::string charset_;  // the page's encoding, "" for UTF-8
  std::string pending_charset_;  // of the page on its way
  HtmlDocument document_;
  std::u16string title_;
  bool has_document_ = false;
  std::vector<HWND> controls_;  // one per node; null for hidden fields
  int scroll_ = 0;
  int content_height_ = 0;

  // History of committed addresses.
  std::vector<Navigation> history_;
  size_t history_index_ = 0;

  // The load in progress, if any.
  uint64_t load_ = 0;  // increases with every load
  bool loading_ = false;
  Navigation pending_;
  std::shared_ptr<HttpTransfer> transfer_;
};

// A key press or release, or the character it makes.
bool IsKeyMessage(UINT message);

// Routes keys and right clicks of browser windows; the UI pump calls it for
// every message before translating and dispatching it.
bool PreTranslateBrowserMessage(MSG* msg);

// Whether the UI pump is dispatching this message now, after routing it.
bool DispatchedByUiPump(HWND hwnd, UINT message, WPARAM wparam,
                        LPARAM lparam);

WinBrowser* FindWinBrowser(int id);

// Whether the UI thread runs the Win32 pump that browser windows need.
bool UiPumpReady();

}  // namespace cefrt

#endif  // CEF_RUNTIME_WIN_WIN_BROWSER_H_
