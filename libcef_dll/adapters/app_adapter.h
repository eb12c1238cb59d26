#ifndef CEF_LIBCEF_DLL_ADAPTERS_APP_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_APP_ADAPTER_H_

#include "include/cef_app.h"
#include "include/cef_command_line.h"
#include "include/cef_scheme.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefAppAdapter final
    : public HandlerAdapter<CefAppAdapter, CefApp, cef_app_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_APP;
  typedef Members<
      Callback<&S::on_before_command_line_processing,
               &I::OnBeforeCommandLineProcessing, RequiredAt<2>>,
      Callback<&S::on_register_custom_schemes, &I::OnRegisterCustomSchemes,
               RequiredAt<1>>,
      Callback<&S::get_resource_bundle_handler, &I::GetResourceBundleHandler>,
      Callback<&S::get_browser_process_handler, &I::GetBrowserProcessHandler>,
      Callback<&S::get_render_process_handler, &I::GetRenderProcessHandler>>
      Callbacks;
};
#endif  // CEF_LIBCEF_DLL_ADAPTERS_APP_ADAPTER_H_
