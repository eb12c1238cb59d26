#include "libcef_dll/ctocpp/before_download_callback_proxy.h"

CEF_BRIDGE_PROXY(CefBeforeDownloadCallbackProxy)
