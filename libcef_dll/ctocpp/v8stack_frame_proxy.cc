#include "libcef_dll/ctocpp/v8stack_frame_proxy.h"

CEF_BRIDGE_PROXY(CefV8StackFrameProxy)
