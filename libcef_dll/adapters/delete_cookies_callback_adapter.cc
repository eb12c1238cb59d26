#include "libcef_dll/adapters/delete_cookies_callback_adapter.h"

CEF_BRIDGE_ADAPTER(CefDeleteCookiesCallbackAdapter)
