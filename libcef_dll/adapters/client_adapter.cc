#include "libcef_dll/adapters/client_adapter.h"

#include "include/cef_browser.h"
#include "include/cef_process_message.h"

CEF_BRIDGE_HANDED_BACK_ADAPTER(CefClientAdapter)
