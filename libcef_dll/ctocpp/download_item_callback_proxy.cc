#include "libcef_dll/ctocpp/download_item_callback_proxy.h"

CEF_BRIDGE_PROXY(CefDownloadItemCallbackProxy)
