// Library objects for the shell's tests, built on the C interface: browsers
// with their hosts, frames, menu models, download items and callbacks, each
// answering from a small script and counted by the fake library's ledger.
#ifndef TESTS_SHELL_SCRIPTED_H_
#define TESTS_SHELL_SCRIPTED_H_

#include <functional>
#include <string>
#include <vector>

#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_callbacks_capi.h"
#include "include/capi/cef_context_menu_capi.h"
#include "include/capi/cef_download_item_capi.h"
#include "include/capi/cef_frame_capi.h"

namespace scripted {

struct Browser {
  int id = 0;
  cef_window_handle_t window = nullptr;
  // Without a host the browser's structure lacks get_host.
  bool has_host = true;
  int reloads = 0;
  std::vector<bool> closes;
  // Runs inside CloseBrowser, for a library that closes at once.
  std::function<void()> on_close;
  // Held by the script for the test's length; released by Reset.
  cef_browser_host_t* host = nullptr;
};

struct Frame {
  std::vector<std::string> pages;
  std::vector<std::string> urls;
};

struct Menu {
  int count = 0;
  int clears = 0;
};

struct Download {
  bool complete = false;
  std::vector<std::string> paths;
  std::vector<bool> dialogs;
};

// Each returns a structure with the one reference that travels with it.
cef_browser_t* NewBrowser(int id, bool has_host = true);
cef_frame_t* NewFrame();
cef_menu_model_t* NewMenu(int count);
cef_download_item_t* NewDownloadItem(bool complete);
cef_before_download_callback_t* NewBeforeDownloadCallback();

Browser& StateOf(cef_browser_t* browser);
Frame& StateOf(cef_frame_t* frame);
Menu& StateOf(cef_menu_model_t* menu);
Download& LastDownload();

// Releases what the scripts hold and forgets every state.
void Reset();

}  // namespace scripted

#endif  // TESTS_SHELL_SCRIPTED_H_
