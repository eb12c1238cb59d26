#include "libcef_dll/ctocpp/request_callback_proxy.h"

CEF_BRIDGE_PROXY(CefRequestCallbackProxy)
