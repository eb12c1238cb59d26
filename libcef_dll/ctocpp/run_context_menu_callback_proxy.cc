#include "libcef_dll/ctocpp/run_context_menu_callback_proxy.h"

CEF_BRIDGE_PROXY(CefRunContextMenuCallbackProxy)
