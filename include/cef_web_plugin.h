// Information about one installed plug-in. The library implements it; the
// program reaches it through a proxy.
#ifndef CEF_INCLUDE_CEF_WEB_PLUGIN_H_
#define CEF_INCLUDE_CEF_WEB_PLUGIN_H_

#include "include/capi/cef_web_plugin_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"

class CefWebPluginInfo : public virtual CefBase {
 public:
  virtual CefString GetName() = 0;
  virtual CefString GetPath() = 0;
  virtual CefString GetVersion() = 0;
  virtual CefString GetDescription() = 0;
};

#endif  // CEF_INCLUDE_CEF_WEB_PLUGIN_H_
