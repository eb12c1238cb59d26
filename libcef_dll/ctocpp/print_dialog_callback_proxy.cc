#include "libcef_dll/ctocpp/print_dialog_callback_proxy.h"

CEF_BRIDGE_PROXY(CefPrintDialogCallbackProxy)
