#include "libcef_dll/ctocpp/print_job_callback_proxy.h"

CEF_BRIDGE_PROXY(CefPrintJobCallbackProxy)
