#include "libcef_dll/ctocpp/post_data_element_proxy.h"

CEF_BRIDGE_PROXY(CefPostDataElementProxy)

CefRefPtr<CefPostDataElement> CefPostDataElement::Create() {
  return CefPostDataElementProxy::Wrap(cef_post_data_element_create());
}
