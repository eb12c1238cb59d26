#include "libcef_dll/adapters/v8handler_adapter.h"

CEF_BRIDGE_HANDED_BACK_ADAPTER(CefV8HandlerAdapter)
