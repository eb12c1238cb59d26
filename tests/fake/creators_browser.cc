// The library's browser creators. Like the library, they take over the
// references that come with the client and the request context.
#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_client_capi.h"
#include "include/capi/cef_request_context_capi.h"
#include "tests/fake/fake_library.h"

#include <cstdio>

namespace {

std::string Describe(const void* pointer) {
  return pointer ? "<ptr>" : "<null>";
}

std::string Describe(const cef_string_t* text) {
  if (!text) return "<null>";
  cef_string_utf8_t utf8 = {};
  cef_string_utf16_to_utf8(text->str, text->length, &utf8);
  std::string result(utf8.str ? utf8.str : "", utf8.length);
  cef_string_utf8_clear(&utf8);
  return result;
}

std::vector<std::string> Arguments(const cef_window_info_t* windowInfo,
                                   struct _cef_client_t* client,
                                   const cef_string_t* url,
                                   const cef_browser_settings_t* settings,
                                   struct _cef_request_context_t* context) {
  std::vector<std::string> args{Describe(windowInfo), Describe(client),
                                Describe(url), Describe(settings),
                                Describe(context)};
  if (windowInfo) {
    char place[160];
    std::snprintf(place, sizeof(place),
                  "style=%08x parent=%s x=%d y=%d width=%d height=%d name=",
                  static_cast<unsigned>(windowInfo->style),
                  windowInfo->parent_window ? "set" : "none", windowInfo->x,
                  windowInfo->y, windowInfo->width, windowInfo->height);
    fake::State().seen["window"] = place + Describe(&windowInfo->window_name);
  }
  if (settings)
    fake::State().seen["settings_size"] = std::to_string(settings->size);
  fake::Release(client);
  fake::Release(context);
  return args;
}

}  // namespace

extern "C" {

int cef_browser_host_create_browser(
    const cef_window_info_t* windowInfo, struct _cef_client_t* client,
    const cef_string_t* url, const cef_browser_settings_t* settings,
    struct _cef_request_context_t* request_context) {
  fake::RecordCall("cef_browser_host_create_browser",
                   Arguments(windowInfo, client, url, settings,
                             request_context));
  return fake::ResultFor("cef_browser_host_create_browser", 1);
}

cef_browser_t* cef_browser_host_create_browser_sync(
    const cef_window_info_t* windowInfo, struct _cef_client_t* client,
    const cef_string_t* url, const cef_browser_settings_t* settings,
    struct _cef_request_context_t* request_context) {
  return fake::Created<cef_browser_t>(
      "cef_browser_host_create_browser_sync",
      Arguments(windowInfo, client, url, settings, request_context));
}

}  // extern "C"
