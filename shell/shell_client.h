// The client handler: every browser window of the shell answers to it.
#ifndef SHELL_SHELL_CLIENT_H_
#define SHELL_SHELL_CLIENT_H_

#include <list>
#include <string>

#include "include/cef_browser.h"
#include "include/cef_callbacks.h"
#include "include/cef_client.h"
#include "include/cef_context_menu.h"
#include "include/cef_download_item.h"
#include "include/cef_frame.h"
#include "include/cef_handlers.h"

namespace shell {

// The page shown in place of one that failed to load. The URL and the error
// text are escaped: the page runs under the failed URL's origin.
std::string ErrorPage(const CefString& failed_url, const CefString& error_text,
                      int error_code);

class ShellClient : public CefClient,
                    public CefDisplayHandler,
                    public CefLifeSpanHandler,
                    public CefLoadHandler,
                    public CefContextMenuHandler,
                    public CefDownloadHandler,
                    public CefKeyboardHandler {
 public:
  CefRefPtr<CefContextMenuHandler> GetContextMenuHandler() override {
    return this;
  }
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefDownloadHandler> GetDownloadHandler() override { return this; }
  CefRefPtr<CefKeyboardHandler> GetKeyboardHandler() override { return this; }
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }

  void OnTitleChange(CefRefPtr<CefBrowser> browser,
                     const CefString& title) override;

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
  bool DoClose(CefRefPtr<CefBrowser> browser) override;
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;

  void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                   ErrorCode error_code, const CefString& error_text,
                   const CefString& failed_url) override;

  void OnBeforeContextMenu(CefRefPtr<CefBrowser> browser,
                           CefRefPtr<CefFrame> frame,
                           CefRefPtr<CefContextMenuParams> params,
                           CefRefPtr<CefMenuModel> model) override;

  void OnBeforeDownload(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefDownloadItem> download_item,
                        const CefString& suggested_name,
                        CefRefPtr<CefBeforeDownloadCallback> callback) override;
  void OnDownloadUpdated(CefRefPtr<CefBrowser> browser,
                         CefRefPtr<CefDownloadItem> download_item,
                         CefRefPtr<CefDownloadItemCallback> callback) override;

  bool OnPreKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event,
                     cef_event_handle_t os_event,
                     bool& is_keyboard_shortcut) override;

  // Closes every open window. From another thread it moves itself onto the
  // library's UI thread first.
  void CloseBrowsers(bool force_close);

 private:
  // Only the UI thread touches it.
  std::list<CefRefPtr<CefBrowser>> browsers_;
  IMPLEMENT_REFCOUNTING(ShellClient);
};

}  // namespace shell

#endif  // SHELL_SHELL_CLIENT_H_
