#ifndef CEF_LIBCEF_DLL_CTOCPP_SCHEME_REGISTRAR_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_SCHEME_REGISTRAR_PROXY_H_

#include "include/cef_scheme.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefSchemeRegistrarProxy final
    : public ObjectProxy<CefSchemeRegistrarProxy, CefSchemeRegistrar,
                         cef_scheme_registrar_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_SCHEME_REGISTRAR;

  bool AddCustomScheme(const CefString& scheme_name, bool is_standard,
                       bool is_local, bool is_display_isolated) override {
    return Forward(&S::add_custom_scheme, Required(scheme_name), is_standard,
                   is_local, is_display_isolated);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_SCHEME_REGISTRAR_PROXY_H_
