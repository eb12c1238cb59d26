#ifndef CEF_LIBCEF_DLL_CTOCPP_SSLCERT_PRINCIPAL_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_SSLCERT_PRINCIPAL_PROXY_H_

#include "include/cef_ssl_info.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefSSLCertPrincipalProxy final
    : public ObjectProxy<CefSSLCertPrincipalProxy, CefSSLCertPrincipal,
                         cef_sslcert_principal_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_SSLCERT_PRINCIPAL;

  CefString GetDisplayName() override { return Forward(&S::get_display_name); }
  CefString GetCommonName() override { return Forward(&S::get_common_name); }
  CefString GetLocalityName() override {
    return Forward(&S::get_locality_name);
  }
  CefString GetStateOrProvinceName() override {
    return Forward(&S::get_state_or_province_name);
  }
  CefString GetCountryName() override { return Forward(&S::get_country_name); }
  void GetStreetAddresses(EmbedStringVector& addresses) override {
    Forward(&S::get_street_addresses, InOut(addresses));
  }
  void GetOrganizationNames(EmbedStringVector& names) override {
    Forward(&S::get_organization_names, InOut(names));
  }
  void GetOrganizationUnitNames(EmbedStringVector& names) override {
    Forward(&S::get_organization_unit_names, InOut(names));
  }
  void GetDomainComponents(EmbedStringVector& components) override {
    Forward(&S::get_domain_components, InOut(components));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_SSLCERT_PRINCIPAL_PROXY_H_
