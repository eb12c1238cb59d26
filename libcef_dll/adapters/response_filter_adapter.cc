#include "libcef_dll/adapters/response_filter_adapter.h"

CEF_BRIDGE_ADAPTER(CefResponseFilterAdapter)
