#include "libcef_dll/adapters/context_menu_handler_adapter.h"

#include "include/cef_browser.h"
#include "include/cef_callbacks.h"
#include "include/cef_context_menu.h"
#include "include/cef_frame.h"

CEF_BRIDGE_ADAPTER(CefContextMenuHandlerAdapter)
