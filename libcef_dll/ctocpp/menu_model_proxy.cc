#include "libcef_dll/ctocpp/menu_model_proxy.h"

CEF_BRIDGE_PROXY(CefMenuModelProxy)
