#include "libcef_dll/adapters/render_handler_adapter.h"

#include "include/cef_browser.h"
#include "include/cef_drag_data.h"

CEF_BRIDGE_ADAPTER(CefRenderHandlerAdapter)
