#include "libcef_dll/adapters/print_handler_adapter.h"

#include "include/cef_browser.h"
#include "include/cef_callbacks.h"
#include "include/cef_print_settings.h"

CEF_BRIDGE_ADAPTER(CefPrintHandlerAdapter)
