#include "libcef_dll/ctocpp/domnode_proxy.h"

CEF_BRIDGE_PROXY(CefDOMNodeProxy)
