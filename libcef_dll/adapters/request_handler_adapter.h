#ifndef CEF_LIBCEF_DLL_ADAPTERS_REQUEST_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_REQUEST_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefRequestHandlerAdapter final
    : public HandlerAdapter<CefRequestHandlerAdapter, CefRequestHandler,
                            cef_request_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_REQUEST_HANDLER;
  typedef Members<
      Callback<&S::on_before_browse, &I::OnBeforeBrowse, RequiredAt<1, 2, 3>>,
      Callback<&S::on_open_urlfrom_tab, &I::OnOpenURLFromTab,
               RequiredAt<1, 2, 3>>,
      Callback<&S::on_before_resource_load, &I::OnBeforeResourceLoad,
               RequiredAt<1, 2, 3, 4>, Default<RV_CONTINUE>>,
      Callback<&S::get_resource_handler, &I::GetResourceHandler,
               RequiredAt<1, 2, 3>>,
      Callback<&S::on_resource_redirect, &I::OnResourceRedirect,
               RequiredAt<1, 2, 3, 4>>,
      Callback<&S::on_resource_response, &I::OnResourceResponse,
               RequiredAt<1, 2, 3, 4>>,
      Callback<&S::get_resource_response_filter, &I::GetResourceResponseFilter,
               RequiredAt<1, 2, 3, 4>>,
      Callback<&S::on_resource_load_complete, &I::OnResourceLoadComplete,
               RequiredAt<1, 2, 3, 4>>,
      Callback<&S::get_auth_credentials, &I::GetAuthCredentials,
               RequiredAt<1, 2, 4, 8>>,
      Callback<&S::on_quota_request, &I::OnQuotaRequest, RequiredAt<1, 2, 4>>,
      Callback<&S::on_protocol_execution, &I::OnProtocolExecution,
               RequiredAt<1, 2, 3>>,
      Callback<&S::on_certificate_error, &I::OnCertificateError,
               RequiredAt<1, 3, 4, 5>>,
      Callback<&S::on_plugin_crashed, &I::OnPluginCrashed, RequiredAt<1, 2>>,
      Callback<&S::on_render_view_ready, &I::OnRenderViewReady, RequiredAt<1>>,
      Callback<&S::on_render_process_terminated, &I::OnRenderProcessTerminated,
               RequiredAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_REQUEST_HANDLER_ADAPTER_H_
