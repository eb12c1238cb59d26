#include "libcef_dll/adapters/completion_callback_adapter.h"

CEF_BRIDGE_ADAPTER(CefCompletionCallbackAdapter)
