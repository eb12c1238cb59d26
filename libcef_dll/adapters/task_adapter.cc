#include "libcef_dll/adapters/task_adapter.h"

CEF_BRIDGE_ADAPTER(CefTaskAdapter)
