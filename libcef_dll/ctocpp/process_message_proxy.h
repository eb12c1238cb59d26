#ifndef CEF_LIBCEF_DLL_CTOCPP_PROCESS_MESSAGE_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_PROCESS_MESSAGE_PROXY_H_

#include "include/cef_process_message.h"
#include "include/cef_values.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefProcessMessageProxy final
    : public ObjectProxy<CefProcessMessageProxy, CefProcessMessage,
                         cef_process_message_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_PROCESS_MESSAGE;

  bool IsValid() override { return Forward(&S::is_valid); }
  bool IsReadOnly() override { return Forward(&S::is_read_only); }
  CefRefPtr<CefProcessMessage> Copy() override { return Forward(&S::copy); }
  CefString GetName() override { return Forward(&S::get_name); }
  CefRefPtr<CefListValue> GetArgumentList() override {
    return Forward(&S::get_argument_list);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_PROCESS_MESSAGE_PROXY_H_
