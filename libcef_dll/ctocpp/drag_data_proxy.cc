#include "libcef_dll/ctocpp/drag_data_proxy.h"

CEF_BRIDGE_PROXY(CefDragDataProxy)

CefRefPtr<CefDragData> CefDragData::Create() {
  return CefDragDataProxy::Wrap(cef_drag_data_create());
}
