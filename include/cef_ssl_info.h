// A server certificate and the principals (subject, issuer) named in it. The
// library implements both and hands them to the request handler.
#ifndef CEF_INCLUDE_CEF_SSL_INFO_H_
#define CEF_INCLUDE_CEF_SSL_INFO_H_

#include <cstddef>
#include <vector>

#include "include/capi/cef_ssl_info_capi.h"
#include "include/cef_base.h"
#include "include/cef_records.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefBinaryValue;

// Each list getter replaces the vector's content.
class CefSSLCertPrincipal : public virtual CefBase {
 public:
  virtual CefString GetDisplayName() = 0;
  virtual CefString GetCommonName() = 0;
  virtual CefString GetLocalityName() = 0;
  virtual CefString GetStateOrProvinceName() = 0;
  virtual CefString GetCountryName() = 0;
  virtual void GetStreetAddresses(EmbedStringVector& addresses) = 0;
  virtual void GetOrganizationNames(EmbedStringVector& names) = 0;
  virtual void GetOrganizationUnitNames(EmbedStringVector& names) = 0;
  virtual void GetDomainComponents(EmbedStringVector& components) = 0;
};

class CefSSLInfo : public virtual CefBase {
 public:
  typedef std::vector<CefRefPtr<CefBinaryValue>> IssuerChainBinaryList;

  virtual cef_cert_status_t GetCertStatus() = 0;
  virtual bool IsCertStatusError() = 0;
  virtual bool IsCertStatusMinorError() = 0;
  virtual CefRefPtr<CefSSLCertPrincipal> GetSubject() = 0;
  virtual CefRefPtr<CefSSLCertPrincipal> GetIssuer() = 0;
  virtual CefRefPtr<CefBinaryValue> GetSerialNumber() = 0;
  virtual CefTime GetValidStart() = 0;
  virtual CefTime GetValidExpiry() = 0;
  virtual CefRefPtr<CefBinaryValue> GetDERFormat() = 0;
  virtual CefRefPtr<CefBinaryValue> GetPEMFormat() = 0;
  // Certificates above the server's own, up to the root.
  virtual size_t GetIssuerChainSize() = 0;
  // Both replace the list's content.
  virtual void GetDEREncodedIssuerChain(IssuerChainBinaryList& chain) = 0;
  virtual void GetPEMEncodedIssuerChain(IssuerChainBinaryList& chain) = 0;
};

#endif  // CEF_INCLUDE_CEF_SSL_INFO_H_
