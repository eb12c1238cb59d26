#include "libcef_dll/adapters/browser_process_handler_adapter.h"

CEF_BRIDGE_ADAPTER(CefBrowserProcessHandlerAdapter)
