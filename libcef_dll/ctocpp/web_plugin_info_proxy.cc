#include "libcef_dll/ctocpp/web_plugin_info_proxy.h"

CEF_BRIDGE_PROXY(CefWebPluginInfoProxy)
