#include "libcef_dll/adapters/write_handler_adapter.h"

CEF_BRIDGE_ADAPTER(CefWriteHandlerAdapter)
