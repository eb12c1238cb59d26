#include "libcef_dll/ctocpp/context_menu_params_proxy.h"

CEF_BRIDGE_PROXY(CefContextMenuParamsProxy)
