#include "libcef_dll/ctocpp/frame_proxy.h"

CEF_BRIDGE_PROXY(CefFrameProxy)
