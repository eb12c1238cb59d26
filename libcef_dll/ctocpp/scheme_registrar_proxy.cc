#include "libcef_dll/ctocpp/scheme_registrar_proxy.h"

CEF_BRIDGE_PROXY(CefSchemeRegistrarProxy)
