#include "libcef_dll/ctocpp/post_data_proxy.h"

CEF_BRIDGE_PROXY(CefPostDataProxy)

CefRefPtr<CefPostData> CefPostData::Create() {
  return CefPostDataProxy::Wrap(cef_post_data_create());
}
