#include "libcef_dll/adapters/resolve_callback_adapter.h"

CEF_BRIDGE_ADAPTER(CefResolveCallbackAdapter)
