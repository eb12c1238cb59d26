#ifndef CEF_LIBCEF_DLL_ADAPTERS_WEB_PLUGIN_UNSTABLE_CALLBACK_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_WEB_PLUGIN_UNSTABLE_CALLBACK_ADAPTER_H_

#include "include/cef_callbacks_program.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefWebPluginUnstableCallbackAdapter final
    : public HandlerAdapter<CefWebPluginUnstableCallbackAdapter,
                            CefWebPluginUnstableCallback,
                            cef_web_plugin_unstable_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_WEB_PLUGIN_UNSTABLE_CALLBACK;
  typedef Members<Callback<&S::is_unstable, &I::IsUnstable, RequiredAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_WEB_PLUGIN_UNSTABLE_CALLBACK_ADAPTER_H_
