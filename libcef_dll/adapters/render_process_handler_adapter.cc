#include "libcef_dll/adapters/render_process_handler_adapter.h"

#include "include/cef_browser.h"
#include "include/cef_dom.h"
#include "include/cef_frame.h"
#include "include/cef_process_message.h"
#include "include/cef_request.h"
#include "include/cef_v8.h"
#include "include/cef_values.h"

CEF_BRIDGE_ADAPTER(CefRenderProcessHandlerAdapter)
