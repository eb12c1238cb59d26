#include "libcef_dll/adapters/end_tracing_callback_adapter.h"

CEF_BRIDGE_ADAPTER(CefEndTracingCallbackAdapter)
