#include "libcef_dll/ctocpp/navigation_entry_proxy.h"

CEF_BRIDGE_PROXY(CefNavigationEntryProxy)
