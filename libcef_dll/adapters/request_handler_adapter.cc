#include "libcef_dll/adapters/request_handler_adapter.h"

#include "include/cef_browser.h"
#include "include/cef_callbacks.h"
#include "include/cef_frame.h"
#include "include/cef_request.h"
#include "include/cef_response.h"
#include "include/cef_ssl_info.h"

CEF_BRIDGE_ADAPTER(CefRequestHandlerAdapter)
