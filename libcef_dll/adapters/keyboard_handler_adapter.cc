#include "libcef_dll/adapters/keyboard_handler_adapter.h"

#include "include/cef_browser.h"

CEF_BRIDGE_ADAPTER(CefKeyboardHandlerAdapter)
