#include "libcef_dll/adapters/domvisitor_adapter.h"

#include "include/cef_dom.h"

CEF_BRIDGE_ADAPTER(CefDOMVisitorAdapter)
