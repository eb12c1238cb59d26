#include "libcef_dll/adapters/web_plugin_info_visitor_adapter.h"

#include "include/cef_web_plugin.h"

CEF_BRIDGE_ADAPTER(CefWebPluginInfoVisitorAdapter)
