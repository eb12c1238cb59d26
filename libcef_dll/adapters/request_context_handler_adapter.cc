#include "libcef_dll/adapters/request_context_handler_adapter.h"

#include "include/cef_web_plugin.h"

CEF_BRIDGE_HANDED_BACK_ADAPTER(CefRequestContextHandlerAdapter)
