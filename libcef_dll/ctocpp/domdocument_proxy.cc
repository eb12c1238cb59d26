#include "libcef_dll/ctocpp/domdocument_proxy.h"

CEF_BRIDGE_PROXY(CefDOMDocumentProxy)
