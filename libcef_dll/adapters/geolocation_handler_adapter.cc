#include "libcef_dll/adapters/geolocation_handler_adapter.h"

#include "include/cef_browser.h"
#include "include/cef_callbacks.h"

CEF_BRIDGE_ADAPTER(CefGeolocationHandlerAdapter)
