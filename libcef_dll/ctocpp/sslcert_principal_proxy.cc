#include "libcef_dll/ctocpp/sslcert_principal_proxy.h"

CEF_BRIDGE_PROXY(CefSSLCertPrincipalProxy)
