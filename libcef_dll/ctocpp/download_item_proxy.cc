#include "libcef_dll/ctocpp/download_item_proxy.h"

CEF_BRIDGE_PROXY(CefDownloadItemProxy)
