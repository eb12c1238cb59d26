// The entry points that create browsers, on whichever platform view.
#include <string.h>

#include <algorithm>
#include <memory>
#include <string>

#include "include/capi/cef_entry_capi.h"
#include "runtime/browser/browser.h"
#include "runtime/base/function_task.h"
#include "runtime/base/log.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

// Creates the browser on the UI thread; null when no view can be made.
Browser* CreateOnUi(const cef_window_info_t* info, cef_client_t* client,
                    const std::string& url,
                    const cef_browser_settings_t* settings,
                    cef_request_context_t* context) {
  if (!PlatformCanCreateBrowsers()) {
    CEFRT_LOG(LOGSEVERITY_ERROR, "no display: cannot create a browser");
    ReleaseStruct(client);
    ReleaseStruct(context);
    return nullptr;
  }
  Browser* browser =
      CreatePlatformBrowser(info, client, url, settings, context);
  if (browser)
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
  cef_request_context_t* context = nullptr;
  std::string url;

  ~CreateRequest() {
    cef_string_utf16_clear(&info.window_name);
    ClearBrowserSettingsStrings(&settings);
    ReleaseStruct(client);
    ReleaseStruct(context);
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

}  // namespace cefrt

int cef_browser_host_create_browser(
    const cef_window_info_t* windowInfo, struct _cef_client_t* client,
    const cef_string_t* url, const cef_browser_settings_t* settings,
    struct _cef_request_context_t* request_context) {
  if (!cefrt::PlatformCanCreateBrowsers()) {
    CEFRT_LOG(LOGSEVERITY_ERROR, "no display: cannot create a browser");
    cefrt::ReleaseStruct(client);
    cefrt::ReleaseStruct(request_context);
    return 0;
  }
  auto request = std::make_shared<cefrt::CreateRequest>();
  request->client = client;
  request->context = request_context;
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
    cef_request_context_t* context = request->context;
    request->context = nullptr;
    cefrt::Browser* b = cefrt::CreateOnUi(
        request->has_info ? &request->info : nullptr, c, request->url,
        request->has_settings ? &request->settings : nullptr, context);
    if (b)
      b->Release();  // nobody asked for it back
  }) ? 1 : 0;
}

cef_browser_t* cef_browser_host_create_browser_sync(
    const cef_window_info_t* windowInfo, struct _cef_client_t* client,
    const cef_string_t* url, const cef_browser_settings_t* settings,
    struct _cef_request_context_t* request_context) {
  if (!cef_currently_on(TID_UI)) {
    CEFRT_LOG(LOGSEVERITY_ERROR,
              "cef_browser_host_create_browser_sync called off the UI thread");
    cefrt::ReleaseStruct(client);
    cefrt::ReleaseStruct(request_context);
    return nullptr;
  }
  cefrt::Browser* b =
      cefrt::CreateOnUi(windowInfo, client, cefrt::Utf8FromCef(url), settings,
                        request_context);
  return b ? b->Give() : nullptr;
}
