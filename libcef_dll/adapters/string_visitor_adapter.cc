#include "libcef_dll/adapters/string_visitor_adapter.h"

CEF_BRIDGE_ADAPTER(CefStringVisitorAdapter)
