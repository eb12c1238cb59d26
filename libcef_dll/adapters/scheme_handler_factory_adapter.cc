#include "libcef_dll/adapters/scheme_handler_factory_adapter.h"

CEF_BRIDGE_ADAPTER(CefSchemeHandlerFactoryAdapter)
