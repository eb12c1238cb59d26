// The tags are part of the wrapper records' layout, so a renumbering must be
// deliberate. Besides pinning each value, this checks the rule they were
// assigned by: the bare base first, then the interface names in byte-wise
// order, which makes the values strictly increasing and therefore distinct.
#include "libcef_dll/wrapper_types.h"

#include <cstddef>

namespace {

struct TagEntry {
  WrapperType tag;
  const char* interface_name;
  int expected;
};

constexpr TagEntry kTags[] = {
    {WT_BASE, "CefBase", 1},
    {WT_APP, "CefApp", 2},
    {WT_AUTH_CALLBACK, "CefAuthCallback", 3},
    {WT_BEFORE_DOWNLOAD_CALLBACK, "CefBeforeDownloadCallback", 4},
    {WT_BINARY_VALUE, "CefBinaryValue", 5},
    {WT_BROWSER, "CefBrowser", 6},
    {WT_BROWSER_HOST, "CefBrowserHost", 7},
    {WT_BROWSER_PROCESS_HANDLER, "CefBrowserProcessHandler", 8},
    {WT_CALLBACK, "CefCallback", 9},
    {WT_CLIENT, "CefClient", 10},
    {WT_COMMAND_LINE, "CefCommandLine", 11},
    {WT_COMPLETION_CALLBACK, "CefCompletionCallback", 12},
    {WT_CONTEXT_MENU_HANDLER, "CefContextMenuHandler", 13},
    {WT_CONTEXT_MENU_PARAMS, "CefContextMenuParams", 14},
    {WT_COOKIE_MANAGER, "CefCookieManager", 15},
    {WT_COOKIE_VISITOR, "CefCookieVisitor", 16},
    {WT_DOMDOCUMENT, "CefDOMDocument", 17},
    {WT_DOMNODE, "CefDOMNode", 18},
    {WT_DOMVISITOR, "CefDOMVisitor", 19},
    {WT_DELETE_COOKIES_CALLBACK, "CefDeleteCookiesCallback", 20},
    {WT_DIALOG_HANDLER, "CefDialogHandler", 21},
    {WT_DICTIONARY_VALUE, "CefDictionaryValue", 22},
    {WT_DISPLAY_HANDLER, "CefDisplayHandler", 23},
    {WT_DOWNLOAD_HANDLER, "CefDownloadHandler", 24},
    {WT_DOWNLOAD_ITEM, "CefDownloadItem", 25},
    {WT_DOWNLOAD_ITEM_CALLBACK, "CefDownloadItemCallback", 26},
    {WT_DRAG_DATA, "CefDragData", 27},
    {WT_DRAG_HANDLER, "CefDragHandler", 28},
    {WT_END_TRACING_CALLBACK, "CefEndTracingCallback", 29},
    {WT_FILE_DIALOG_CALLBACK, "CefFileDialogCallback", 30},
    {WT_FIND_HANDLER, "CefFindHandler", 31},
    {WT_FOCUS_HANDLER, "CefFocusHandler", 32},
    {WT_FRAME, "CefFrame", 33},
    {WT_GEOLOCATION_CALLBACK, "CefGeolocationCallback", 34},
    {WT_GEOLOCATION_HANDLER, "CefGeolocationHandler", 35},
    {WT_GET_GEOLOCATION_CALLBACK, "CefGetGeolocationCallback", 36},
    {WT_JSDIALOG_CALLBACK, "CefJSDialogCallback", 37},
    {WT_JSDIALOG_HANDLER, "CefJSDialogHandler", 38},
    {WT_KEYBOARD_HANDLER, "CefKeyboardHandler", 39},
    {WT_LIFE_SPAN_HANDLER, "CefLifeSpanHandler", 40},
    {WT_LIST_VALUE, "CefListValue", 41},
    {WT_LOAD_HANDLER, "CefLoadHandler", 42},
    {WT_MENU_MODEL, "CefMenuModel", 43},
    {WT_NAVIGATION_ENTRY, "CefNavigationEntry", 44},
    {WT_NAVIGATION_ENTRY_VISITOR, "CefNavigationEntryVisitor", 45},
    {WT_PDF_PRINT_CALLBACK, "CefPdfPrintCallback", 46},
    {WT_POST_DATA, "CefPostData", 47},
    {WT_POST_DATA_ELEMENT, "CefPostDataElement", 48},
    {WT_PRINT_DIALOG_CALLBACK, "CefPrintDialogCallback", 49},
    {WT_PRINT_HANDLER, "CefPrintHandler", 50},
    {WT_PRINT_JOB_CALLBACK, "CefPrintJobCallback", 51},
    {WT_PRINT_SETTINGS, "CefPrintSettings", 52},
    {WT_PROCESS_MESSAGE, "CefProcessMessage", 53},
    {WT_RENDER_HANDLER, "CefRenderHandler", 55},
    {WT_RENDER_PROCESS_HANDLER, "CefRenderProcessHandler", 56},
    {WT_REQUEST, "CefRequest", 57},
    {WT_REQUEST_CALLBACK, "CefRequestCallback", 58},
    {WT_REQUEST_CONTEXT, "CefRequestContext", 59},
    {WT_REQUEST_CONTEXT_HANDLER, "CefRequestContextHandler", 60},
    {WT_REQUEST_HANDLER, "CefRequestHandler", 61},
    {WT_RESOLVE_CALLBACK, "CefResolveCallback", 62},
    {WT_RESOURCE_BUNDLE_HANDLER, "CefResourceBundleHandler", 64},
    {WT_RESOURCE_HANDLER, "CefResourceHandler", 65},
    {WT_RESPONSE, "CefResponse", 66},
    {WT_RESPONSE_FILTER, "CefResponseFilter", 67},
    {WT_RUN_CONTEXT_MENU_CALLBACK, "CefRunContextMenuCallback", 68},
    {WT_RUN_FILE_DIALOG_CALLBACK, "CefRunFileDialogCallback", 69},
    {WT_SSLCERT_PRINCIPAL, "CefSSLCertPrincipal", 70},
    {WT_SSLINFO, "CefSSLInfo", 71},
    {WT_SCHEME_HANDLER_FACTORY, "CefSchemeHandlerFactory", 72},
    {WT_SCHEME_REGISTRAR, "CefSchemeRegistrar", 73},
    {WT_SET_COOKIE_CALLBACK, "CefSetCookieCallback", 74},
    {WT_STREAM_WRITER, "CefStreamWriter", 76},
    {WT_STRING_VISITOR, "CefStringVisitor", 77},
    {WT_TASK, "CefTask", 78},
    {WT_TASK_RUNNER, "CefTaskRunner", 79},
    {WT_V8ACCESSOR, "CefV8Accessor", 88},
    {WT_V8CONTEXT, "CefV8Context", 89},
    {WT_V8EXCEPTION, "CefV8Exception", 90},
    {WT_V8HANDLER, "CefV8Handler", 91},
    {WT_V8STACK_FRAME, "CefV8StackFrame", 92},
    {WT_V8STACK_TRACE, "CefV8StackTrace", 93},
    {WT_V8VALUE, "CefV8Value", 94},
    {WT_VALUE, "CefValue", 95},
    {WT_WEB_PLUGIN_INFO, "CefWebPluginInfo", 96},
    {WT_WEB_PLUGIN_INFO_VISITOR, "CefWebPluginInfoVisitor", 97},
    {WT_WEB_PLUGIN_UNSTABLE_CALLBACK, "CefWebPluginUnstableCallback", 98},
    {WT_WRITE_HANDLER, "CefWriteHandler", 99},
};

constexpr std::size_t kTagCount = sizeof(kTags) / sizeof(kTags[0]);

// Byte-wise, as unsigned chars: "CefDOMVisitor" sorts before
// "CefDeleteCookiesCallback".
constexpr int CompareNames(const char* a, const char* b) {
  while (*a && *a == *b) {
    ++a;
    ++b;
  }
  return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

constexpr bool ValuesAsExpected() {
  for (std::size_t i = 0; i < kTagCount; ++i) {
    if (static_cast<int>(kTags[i].tag) != kTags[i].expected) return false;
  }
  return true;
}

constexpr bool AllDistinct() {
  for (std::size_t i = 0; i < kTagCount; ++i) {
    for (std::size_t j = i + 1; j < kTagCount; ++j) {
      if (kTags[i].tag == kTags[j].tag) return false;
    }
  }
  return true;
}

// Entry 0 is the bare base; the rest must be in name order with increasing
// values.
constexpr bool AssignedInNameOrder() {
  for (std::size_t i = 2; i < kTagCount; ++i) {
    if (CompareNames(kTags[i - 1].interface_name,
                     kTags[i].interface_name) >= 0) {
      return false;
    }
    if (kTags[i - 1].tag >= kTags[i].tag) return false;
  }
  return kTags[0].tag == WT_BASE && kTags[0].tag < kTags[1].tag;
}

constexpr bool IsUnassigned(int value) {
  return value == 54 || value == 63 || value == 75 ||
         (value >= 80 && value <= 87);
}

constexpr bool NoneUnassigned() {
  for (std::size_t i = 0; i < kTagCount; ++i) {
    if (IsUnassigned(kTags[i].tag)) return false;
  }
  return true;
}

static_assert(kTagCount == 88, "45 proxied and 43 adapted interfaces");
static_assert(ValuesAsExpected(), "a tag has changed its value");
static_assert(AllDistinct(), "two interfaces share a tag");
static_assert(AssignedInNameOrder(), "tags out of interface-name order");
static_assert(NoneUnassigned(), "a tag uses a reserved value");
static_assert(WT_WRITE_HANDLER == 99, "the highest tag");
static_assert(sizeof(WrapperType) == 4, "records store the tag in 32 bits");

}  // namespace
