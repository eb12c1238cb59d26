#include "libcef_dll/ctocpp/callback_proxy.h"

CEF_BRIDGE_PROXY(CefCallbackProxy)
