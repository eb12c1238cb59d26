#include "libcef_dll/adapters/pdf_print_callback_adapter.h"

CEF_BRIDGE_ADAPTER(CefPdfPrintCallbackAdapter)
