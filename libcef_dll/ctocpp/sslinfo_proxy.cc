#include "libcef_dll/ctocpp/sslinfo_proxy.h"

CEF_BRIDGE_PROXY(CefSSLInfoProxy)
