#include "libcef_dll/adapters/app_adapter.h"

CEF_BRIDGE_ADAPTER(CefAppAdapter)
