#include "libcef_dll/adapters/resource_handler_adapter.h"

CEF_BRIDGE_ADAPTER(CefResourceHandlerAdapter)
