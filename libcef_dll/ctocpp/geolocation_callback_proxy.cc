#include "libcef_dll/ctocpp/geolocation_callback_proxy.h"

CEF_BRIDGE_PROXY(CefGeolocationCallbackProxy)
