// A server certificate and the principals (subject, issuer) named in it, as
// the library implements them.
#ifndef CEF_INCLUDE_CAPI_CEF_SSL_INFO_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_SSL_INFO_CAPI_H_

#include <stddef.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_binary_value_t;

// The library's published bit values; several may be set.
typedef enum {
  CERT_STATUS_NONE = 0,
  CERT_STATUS_COMMON_NAME_INVALID = 1 << 0,
  CERT_STATUS_DATE_INVALID = 1 << 1,
  CERT_STATUS_AUTHORITY_INVALID = 1 << 2,
  CERT_STATUS_NO_REVOCATION_MECHANISM = 1 << 4,
  CERT_STATUS_UNABLE_TO_CHECK_REVOCATION = 1 << 5,
  CERT_STATUS_REVOKED = 1 << 6,
  CERT_STATUS_INVALID = 1 << 7,
  CERT_STATUS_WEAK_SIGNATURE_ALGORITHM = 1 << 8,
  CERT_STATUS_NON_UNIQUE_NAME = 1 << 10,
  CERT_STATUS_WEAK_KEY = 1 << 11,
  CERT_STATUS_PINNED_KEY_MISSING = 1 << 13,
  CERT_STATUS_NAME_CONSTRAINT_VIOLATION = 1 << 14,
  CERT_STATUS_VALIDITY_TOO_LONG = 1 << 15,
  CERT_STATUS_IS_EV = 1 << 16,
  CERT_STATUS_REV_CHECKING_ENABLED = 1 << 17,
  CERT_STATUS_SHA1_SIGNATURE_PRESENT = 1 << 19,
  CERT_STATUS_CT_COMPLIANCE_FAILED = 1 << 20,
} cef_cert_status_t;

typedef struct _cef_sslcert_principal_t {
  cef_base_t base;

  cef_string_userfree_t(CEF_CALLBACK* get_display_name)(
      struct _cef_sslcert_principal_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_common_name)(
      struct _cef_sslcert_principal_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_locality_name)(
      struct _cef_sslcert_principal_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_state_or_province_name)(
      struct _cef_sslcert_principal_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_country_name)(
      struct _cef_sslcert_principal_t* self);
  void(CEF_CALLBACK* get_street_addresses)(
      struct _cef_sslcert_principal_t* self, cef_string_list_t addresses);
  void(CEF_CALLBACK* get_organization_names)(
      struct _cef_sslcert_principal_t* self, cef_string_list_t names);
  void(CEF_CALLBACK* get_organization_unit_names)(
      struct _cef_sslcert_principal_t* self, cef_string_list_t names);
  void(CEF_CALLBACK* get_domain_components)(
      struct _cef_sslcert_principal_t* self, cef_string_list_t components);
} cef_sslcert_principal_t;

typedef struct _cef_sslinfo_t {
  cef_base_t base;

  cef_cert_status_t(CEF_CALLBACK* get_cert_status)(
      struct _cef_sslinfo_t* self);
  int(CEF_CALLBACK* is_cert_status_error)(struct _cef_sslinfo_t* self);
  int(CEF_CALLBACK* is_cert_status_minor_error)(struct _cef_sslinfo_t* self);
  struct _cef_sslcert_principal_t*(CEF_CALLBACK* get_subject)(
      struct _cef_sslinfo_t* self);
  struct _cef_sslcert_principal_t*(CEF_CALLBACK* get_issuer)(
      struct _cef_sslinfo_t* self);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_serial_number)(
      struct _cef_sslinfo_t* self);
  cef_time_t(CEF_CALLBACK* get_valid_start)(struct _cef_sslinfo_t* self);
  cef_time_t(CEF_CALLBACK* get_valid_expiry)(struct _cef_sslinfo_t* self);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_derformat)(
      struct _cef_sslinfo_t* self);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_pemformat)(
      struct _cef_sslinfo_t* self);
  // Certificates above the server's own, up to the root.
  size_t(CEF_CALLBACK* get_issuer_chain_size)(struct _cef_sslinfo_t* self);
  // In: the array's capacity. Out: the number of entries written, each with
  // one reference for the caller.
  void(CEF_CALLBACK* get_derencoded_issuer_chain)(
      struct _cef_sslinfo_t* self, size_t* chainCount,
      struct _cef_binary_value_t** chain);
  void(CEF_CALLBACK* get_pemencoded_issuer_chain)(
      struct _cef_sslinfo_t* self, size_t* chainCount,
      struct _cef_binary_value_t** chain);
} cef_sslinfo_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_SSL_INFO_CAPI_H_
