#include "libcef_dll/adapters/base_adapter.h"

CEF_BRIDGE_HANDED_BACK_ADAPTER(CefBaseAdapter)
