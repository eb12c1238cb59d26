#include "libcef_dll/ctocpp/auth_callback_proxy.h"

CEF_BRIDGE_PROXY(CefAuthCallbackProxy)
