#include "shell/shell_client.h"

#include <sstream>

#include "include/cef_closure.h"
#include "include/cef_entry.h"
#include "shell/platform.h"

namespace shell {

namespace {

constexpr int kVirtualKeyF5 = 0x74;

void AppendEscaped(std::ostringstream& page, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '&': page << "&amp;"; break;
      case '<': page << "&lt;"; break;
      case '>': page << "&gt;"; break;
      case '"': page << "&quot;"; break;
      case '\'': page << "&#39;"; break;
      default: page << c;
    }
  }
}

}  // namespace

std::string ErrorPage(const CefString& failed_url, const CefString& error_text,
                      int error_code) {
  std::ostringstream page;
  page << "<html><body bgcolor=\"white\"><h2>Failed to load URL ";
  AppendEscaped(page, failed_url.ToUtf8());
  page << " with error ";
  AppendEscaped(page, error_text.ToUtf8());
  page << " (" << error_code << ").</h2></body></html>";
  return page.str();
}

void ShellClient::OnTitleChange(CefRefPtr<CefBrowser> browser,
                                const CefString& title) {
  // A browser whose structure lacks its host has no window to title.
  CefRefPtr<CefBrowserHost> host = browser->GetHost();
  if (!host) return;
  platform::SetWindowTitle(host->GetWindowHandle(), title.ToWide());
}

void ShellClient::OnAfterCreated(CefRefPtr<CefBrowser> browser) {
  browsers_.push_back(browser);
}

bool ShellClient::DoClose(CefRefPtr<CefBrowser>) { return false; }

void ShellClient::OnBeforeClose(CefRefPtr<CefBrowser> browser) {
  for (auto it = browsers_.begin(); it != browsers_.end(); ++it) {
    if ((*it)->IsSame(browser)) {
      browsers_.erase(it);
      break;
    }
  }
  // The last window has gone: the process may end.
  if (browsers_.empty()) CefQuitMessageLoop();
}

void ShellClient::OnLoadError(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame,
                              ErrorCode error_code, const CefString& error_text,
                              const CefString& failed_url) {
  // An aborted load is no failure: the frame keeps what it shows.
  if (error_code == ERR_ABORTED) return;
  frame->LoadString(ErrorPage(failed_url, error_text, error_code), failed_url);
}

void ShellClient::OnBeforeContextMenu(CefRefPtr<CefBrowser>,
                                      CefRefPtr<CefFrame>,
                                      CefRefPtr<CefContextMenuParams>,
                                      CefRefPtr<CefMenuModel> model) {
  if (model->GetCount() > 0) model->Clear();
}

void ShellClient::OnBeforeDownload(
    CefRefPtr<CefBrowser>, CefRefPtr<CefDownloadItem>,
    const CefString& suggested_name,
    CefRefPtr<CefBeforeDownloadCallback> callback) {
  // The library's save dialog lets the user pick the place.
  callback->Continue(suggested_name, true);
}

void ShellClient::OnDownloadUpdated(CefRefPtr<CefBrowser>,
                                    CefRefPtr<CefDownloadItem> download_item,
                                    CefRefPtr<CefDownloadItemCallback>) {
  if (download_item->IsComplete())
    platform::ShowNotice(L"\u63d0\u793a", L"\u4e0b\u8f7d\u6210\u529f\uff01");
}

bool ShellClient::OnPreKeyEvent(CefRefPtr<CefBrowser> browser,
                                const CefKeyEvent& event, cef_event_handle_t,
                                bool&) {
  // F5 outside a text field belongs to the shell, in all its events, so the
  // page never sees half of it.
  if (event.focus_on_editable_field || event.windows_key_code != kVirtualKeyF5)
    return false;
  if (event.type == KEYEVENT_RAWKEYDOWN && browser) browser->Reload();
  return true;
}

void ShellClient::CloseBrowsers(bool force_close) {
  if (!CefCurrentlyOn(TID_UI)) {
    CefPostTask(TID_UI,
                BindMethod(&ShellClient::CloseBrowsers,
                           CefRefPtr<ShellClient>(this), force_close));
    return;
  }
  // A copy: a library may close a browser inside CloseBrowser, and its
  // OnBeforeClose then changes the list.
  const std::list<CefRefPtr<CefBrowser>> open = browsers_;
  for (const CefRefPtr<CefBrowser>& browser : open) {
    if (CefRefPtr<CefBrowserHost> host = browser->GetHost())
      host->CloseBrowser(force_close);
  }
}

}  // namespace shell
