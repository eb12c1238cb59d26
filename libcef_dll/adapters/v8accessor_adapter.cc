#include "libcef_dll/adapters/v8accessor_adapter.h"

CEF_BRIDGE_ADAPTER(CefV8AccessorAdapter)
