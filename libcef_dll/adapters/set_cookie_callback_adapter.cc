#include "libcef_dll/adapters/set_cookie_callback_adapter.h"

CEF_BRIDGE_ADAPTER(CefSetCookieCallbackAdapter)
