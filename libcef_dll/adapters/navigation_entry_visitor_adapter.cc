#include "libcef_dll/adapters/navigation_entry_visitor_adapter.h"

#include "include/cef_navigation_entry.h"

CEF_BRIDGE_ADAPTER(CefNavigationEntryVisitorAdapter)
