// The browser, frame, context, menu, download, print and certificate
// interfaces compile together, and each keeps CefBase as a virtual base, so an
// object implementing several of them still has exactly one count.
#include <type_traits>
#include <utility>

#include "include/cef_browser.h"
#include "include/cef_command_line.h"
#include "include/cef_context_menu.h"
#include "include/cef_cookie.h"
#include "include/cef_download_item.h"
#include "include/cef_drag_data.h"
#include "include/cef_frame.h"
#include "include/cef_navigation_entry.h"
#include "include/cef_print_settings.h"
#include "include/cef_process_message.h"
#include "include/cef_request_context.h"
#include "include/cef_scheme.h"
#include "include/cef_ssl_info.h"
#include "include/cef_stream.h"
#include "include/cef_task_runner.h"
#include "include/cef_web_plugin.h"

namespace {

// A static_cast down from a virtual base is ill-formed.
template <class T, class = void>
struct DowncastsFromBase : std::false_type {};
template <class T>
struct DowncastsFromBase<
    T, std::void_t<decltype(static_cast<T*>(std::declval<CefBase*>()))>>
    : std::true_type {};

template <class... T>
constexpr bool AllOnVirtualBase() {
  return ((std::is_base_of<CefBase, T>::value && std::is_abstract<T>::value &&
           !DowncastsFromBase<T>::value) &&
          ...);
}

static_assert(AllOnVirtualBase<
                  CefBrowser, CefBrowserHost, CefCommandLine,
                  CefContextMenuParams, CefMenuModel, CefCookieManager,
                  CefDownloadItem, CefDragData, CefFrame, CefNavigationEntry,
                  CefPrintSettings, CefProcessMessage, CefRequestContext,
                  CefSchemeRegistrar, CefSSLCertPrincipal, CefSSLInfo,
                  CefStreamWriter, CefTaskRunner, CefWebPluginInfo>(),
              "every interface derives virtually from CefBase");

// One count reachable without ambiguity from a class with several bases.
struct BrowserAndFrame : CefBrowser, CefFrame {};
static_assert(std::is_convertible<BrowserAndFrame*, CefBase*>::value,
              "a single CefBase");

// The record holders are the C records the proxies pass by address.
static_assert(std::is_base_of<cef_mouse_event_t, CefMouseEvent>::value, "");
static_assert(std::is_base_of<cef_pdf_print_settings_t,
                              CefPdfPrintSettings>::value, "");
static_assert(std::is_base_of<cef_request_context_settings_t,
                              CefRequestContextSettings>::value, "");
static_assert(std::is_base_of<cef_page_range_t, CefPageRange>::value, "");

}  // namespace
