#include "libcef_dll/adapters/download_handler_adapter.h"

#include "include/cef_browser.h"
#include "include/cef_callbacks.h"
#include "include/cef_download_item.h"

CEF_BRIDGE_ADAPTER(CefDownloadHandlerAdapter)
