#include "libcef_dll/ctocpp/file_dialog_callback_proxy.h"

CEF_BRIDGE_PROXY(CefFileDialogCallbackProxy)
