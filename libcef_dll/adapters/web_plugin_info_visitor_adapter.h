#ifndef CEF_LIBCEF_DLL_ADAPTERS_WEB_PLUGIN_INFO_VISITOR_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_WEB_PLUGIN_INFO_VISITOR_ADAPTER_H_

#include "include/cef_visitors.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefWebPluginInfoVisitorAdapter final
    : public HandlerAdapter<CefWebPluginInfoVisitorAdapter,
                            CefWebPluginInfoVisitor,
                            cef_web_plugin_info_visitor_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_WEB_PLUGIN_INFO_VISITOR;
  typedef Members<Callback<&S::visit, &I::Visit, RequiredAt<1>>> Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_WEB_PLUGIN_INFO_VISITOR_ADAPTER_H_
