#ifndef CEF_LIBCEF_DLL_ADAPTERS_RESOURCE_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_RESOURCE_HANDLER_ADAPTER_H_

#include "include/cef_callbacks.h"
#include "include/cef_request.h"
#include "include/cef_resource.h"
#include "include/cef_response.h"
#include "libcef_dll/adapters/handler_adapter.h"

// The out-values (length, redirect URL, bytes read) are written back whatever
// the handler answers; `data_out` is the library's buffer, handed on as is.
class CefResourceHandlerAdapter final
    : public HandlerAdapter<CefResourceHandlerAdapter, CefResourceHandler,
                            cef_resource_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_RESOURCE_HANDLER;
  typedef Members<
      Callback<&S::process_request, &I::ProcessRequest, RequiredAt<1, 2>>,
      Callback<&S::get_response_headers, &I::GetResponseHeaders,
               RequiredAt<1, 2, 3>>,
      Callback<&S::read_response, &I::ReadResponse, RequiredAt<1, 3, 4>>,
      Callback<&S::can_get_cookie, &I::CanGetCookie, RequiredAt<1>>,
      Callback<&S::can_set_cookie, &I::CanSetCookie, RequiredAt<1>>,
      Callback<&S::cancel, &I::Cancel>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_RESOURCE_HANDLER_ADAPTER_H_
