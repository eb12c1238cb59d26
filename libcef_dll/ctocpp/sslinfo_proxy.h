#ifndef CEF_LIBCEF_DLL_CTOCPP_SSLINFO_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_SSLINFO_PROXY_H_

#include "include/cef_ssl_info.h"
#include "include/cef_values.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefSSLInfoProxy final
    : public ObjectProxy<CefSSLInfoProxy, CefSSLInfo, cef_sslinfo_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_SSLINFO;

  cef_cert_status_t GetCertStatus() override {
    return Forward(&S::get_cert_status);
  }
  bool IsCertStatusError() override {
    return Forward(&S::is_cert_status_error);
  }
  bool IsCertStatusMinorError() override {
    return Forward(&S::is_cert_status_minor_error);
  }
  CefRefPtr<CefSSLCertPrincipal> GetSubject() override {
    return Forward(&S::get_subject);
  }
  CefRefPtr<CefSSLCertPrincipal> GetIssuer() override {
    return Forward(&S::get_issuer);
  }
  CefRefPtr<CefBinaryValue> GetSerialNumber() override {
    return Forward(&S::get_serial_number);
  }
  CefTime GetValidStart() override { return Forward(&S::get_valid_start); }
  CefTime GetValidExpiry() override { return Forward(&S::get_valid_expiry); }
  CefRefPtr<CefBinaryValue> GetDERFormat() override {
    return Forward(&S::get_derformat);
  }
  CefRefPtr<CefBinaryValue> GetPEMFormat() override {
    return Forward(&S::get_pemformat);
  }
  size_t GetIssuerChainSize() override {
    return Forward(&S::get_issuer_chain_size);
  }
  // The chains are output only. Entries already in the list would go to the
  // library with a reference each, and the library overwrites its slots, so
  // those references would never come back: the list is emptied first.
  void GetDEREncodedIssuerChain(IssuerChainBinaryList& chain) override {
    ForwardArrayOut(&S::get_derencoded_issuer_chain,
                    &CefSSLInfoProxy::GetIssuerChainSize, chain);
  }
  void GetPEMEncodedIssuerChain(IssuerChainBinaryList& chain) override {
    ForwardArrayOut(&S::get_pemencoded_issuer_chain,
                    &CefSSLInfoProxy::GetIssuerChainSize, chain);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_SSLINFO_PROXY_H_
