#include "libcef_dll/adapters/cookie_visitor_adapter.h"

CEF_BRIDGE_ADAPTER(CefCookieVisitorAdapter)
