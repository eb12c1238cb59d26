#include "libcef_dll/adapters/load_handler_adapter.h"

#include "include/cef_browser.h"
#include "include/cef_frame.h"

CEF_BRIDGE_ADAPTER(CefLoadHandlerAdapter)
