#include "libcef_dll/ctocpp/v8exception_proxy.h"

CEF_BRIDGE_PROXY(CefV8ExceptionProxy)
