#include "libcef_dll/adapters/resource_bundle_handler_adapter.h"

CEF_BRIDGE_ADAPTER(CefResourceBundleHandlerAdapter)
