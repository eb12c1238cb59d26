#include "libcef_dll/ctocpp/browser_proxy.h"

CEF_BRIDGE_PROXY(CefBrowserProxy)
