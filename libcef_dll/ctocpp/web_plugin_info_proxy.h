#ifndef CEF_LIBCEF_DLL_CTOCPP_WEB_PLUGIN_INFO_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_WEB_PLUGIN_INFO_PROXY_H_

#include "include/cef_web_plugin.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefWebPluginInfoProxy final
    : public ObjectProxy<CefWebPluginInfoProxy, CefWebPluginInfo,
                         cef_web_plugin_info_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_WEB_PLUGIN_INFO;

  CefString GetName() override { return Forward(&S::get_name); }
  CefString GetPath() override { return Forward(&S::get_path); }
  CefString GetVersion() override { return Forward(&S::get_version); }
  CefString GetDescription() override { return Forward(&S::get_description); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_WEB_PLUGIN_INFO_PROXY_H_
