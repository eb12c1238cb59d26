#include "libcef_dll/adapters/life_span_handler_adapter.h"

#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_frame.h"

CEF_BRIDGE_ADAPTER(CefLifeSpanHandlerAdapter)
