#include "libcef_dll/adapters/find_handler_adapter.h"

#include "include/cef_browser.h"

CEF_BRIDGE_ADAPTER(CefFindHandlerAdapter)
