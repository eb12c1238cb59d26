#include "libcef_dll/ctocpp/jsdialog_callback_proxy.h"

CEF_BRIDGE_PROXY(CefJSDialogCallbackProxy)
