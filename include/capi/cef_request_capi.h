// Web requests and their upload data, as the library implements them.
#ifndef CEF_INCLUDE_CAPI_CEF_REQUEST_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_REQUEST_CAPI_H_

#include <stddef.h>
#include <stdint.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_post_data_t;
struct _cef_post_data_element_t;

// The enumerations below use the library's published numbering. A request
// that cannot answer reports REFERRER_POLICY_DEFAULT, RT_SUB_RESOURCE and
// TT_EXPLICIT.
typedef enum {
  REFERRER_POLICY_ALWAYS = 0,
  REFERRER_POLICY_DEFAULT,
  REFERRER_POLICY_NEVER,
  REFERRER_POLICY_ORIGIN,
  REFERRER_POLICY_ORIGIN_WHEN_CROSS_ORIGIN,
} cef_referrer_policy_t;

typedef enum {
  RT_MAIN_FRAME = 0,
  RT_SUB_FRAME,
  RT_STYLESHEET,
  RT_SCRIPT,
  RT_IMAGE,
  RT_FONT_RESOURCE,
  RT_SUB_RESOURCE,
  RT_OBJECT,
  RT_MEDIA,
  RT_WORKER,
  RT_SHARED_WORKER,
  RT_PREFETCH,
  RT_FAVICON,
  RT_XHR,
  RT_PING,
  RT_SERVICE_WORKER,
} cef_resource_type_t;

// A source in the low byte, qualifier flags above it. The top flags do not
// fit a signed int, so C compilers accept them only as an extension; both
// targets give the enumeration 32 bits.
typedef enum {
  TT_LINK = 0,
  TT_EXPLICIT = 1,
  TT_AUTO_SUBFRAME = 3,
  TT_MANUAL_SUBFRAME = 4,
  TT_FORM_SUBMIT = 7,
  TT_RELOAD = 8,
  TT_SOURCE_MASK = 0xFF,
  TT_BLOCKED_FLAG = 0x00800000,
  TT_FORWARD_BACK_FLAG = 0x01000000,
  TT_CHAIN_START_FLAG = 0x10000000,
  TT_CHAIN_END_FLAG = 0x20000000,
  TT_CLIENT_REDIRECT_FLAG = 0x40000000,
  TT_SERVER_REDIRECT_FLAG = 0x80000000,
  TT_IS_REDIRECT_MASK = 0xC0000000,
  TT_QUALIFIER_MASK = 0xFFFFFF00,
} cef_transition_type_t;

// Bits of a request's flag mask (an int at the interface).
typedef enum {
  UR_FLAG_NONE = 0,
  UR_FLAG_SKIP_CACHE = 1 << 0,
  UR_FLAG_ALLOW_CACHED_CREDENTIALS = 1 << 1,
  UR_FLAG_REPORT_UPLOAD_PROGRESS = 1 << 3,
  UR_FLAG_NO_DOWNLOAD_DATA = 1 << 6,
  UR_FLAG_NO_RETRY_ON_5XX = 1 << 7,
} cef_urlrequest_flags_t;

typedef enum {
  PDE_TYPE_EMPTY = 0,
  PDE_TYPE_BYTES,
  PDE_TYPE_FILE,
} cef_postdataelement_type_t;

// Header maps cross as multimaps: one name may carry several values, in
// order.
typedef struct _cef_request_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_request_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_request_t* self);
  void(CEF_CALLBACK* set_url)(struct _cef_request_t* self,
                              const cef_string_t* url);
  cef_string_userfree_t(CEF_CALLBACK* get_method)(struct _cef_request_t* self);
  void(CEF_CALLBACK* set_method)(struct _cef_request_t* self,
                                 const cef_string_t* method);
  void(CEF_CALLBACK* set_referrer)(struct _cef_request_t* self,
                                   const cef_string_t* referrer_url,
                                   cef_referrer_policy_t policy);
  cef_string_userfree_t(CEF_CALLBACK* get_referrer_url)(
      struct _cef_request_t* self);
  cef_referrer_policy_t(CEF_CALLBACK* get_referrer_policy)(
      struct _cef_request_t* self);
  struct _cef_post_data_t*(CEF_CALLBACK* get_post_data)(
      struct _cef_request_t* self);
  void(CEF_CALLBACK* set_post_data)(struct _cef_request_t* self,
                                    struct _cef_post_data_t* postData);
  void(CEF_CALLBACK* get_header_map)(struct _cef_request_t* self,
                                     cef_string_multimap_t headerMap);
  void(CEF_CALLBACK* set_header_map)(struct _cef_request_t* self,
                                     cef_string_multimap_t headerMap);
  void(CEF_CALLBACK* set)(struct _cef_request_t* self, const cef_string_t* url,
                          const cef_string_t* method,
                          struct _cef_post_data_t* postData,
                          cef_string_multimap_t headerMap);
  int(CEF_CALLBACK* get_flags)(struct _cef_request_t* self);
  void(CEF_CALLBACK* set_flags)(struct _cef_request_t* self, int flags);
  cef_string_userfree_t(CEF_CALLBACK* get_first_party_for_cookies)(
      struct _cef_request_t* self);
  void(CEF_CALLBACK* set_first_party_for_cookies)(struct _cef_request_t* self,
                                                  const cef_string_t* url);
  cef_resource_type_t(CEF_CALLBACK* get_resource_type)(
      struct _cef_request_t* self);
  cef_transition_type_t(CEF_CALLBACK* get_transition_type)(
      struct _cef_request_t* self);
  uint64_t(CEF_CALLBACK* get_identifier)(struct _cef_request_t* self);
} cef_request_t;

typedef struct _cef_post_data_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_post_data_t* self);
  int(CEF_CALLBACK* has_excluded_elements)(struct _cef_post_data_t* self);
  size_t(CEF_CALLBACK* get_element_count)(struct _cef_post_data_t* self);
  // `elementsCount` is the array's capacity on the way in and the number of
  // entries filled on the way out; each entry carries one reference.
  void(CEF_CALLBACK* get_elements)(struct _cef_post_data_t* self,
                                   size_t* elementsCount,
                                   struct _cef_post_data_element_t** elements);
  int(CEF_CALLBACK* remove_element)(struct _cef_post_data_t* self,
                                    struct _cef_post_data_element_t* element);
  int(CEF_CALLBACK* add_element)(struct _cef_post_data_t* self,
                                 struct _cef_post_data_element_t* element);
  void(CEF_CALLBACK* remove_elements)(struct _cef_post_data_t* self);
} cef_post_data_t;

typedef struct _cef_post_data_element_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_post_data_element_t* self);
  void(CEF_CALLBACK* set_to_empty)(struct _cef_post_data_element_t* self);
  void(CEF_CALLBACK* set_to_file)(struct _cef_post_data_element_t* self,
                                  const cef_string_t* fileName);
  // The library copies the bytes; the caller keeps its buffer.
  void(CEF_CALLBACK* set_to_bytes)(struct _cef_post_data_element_t* self,
                                   size_t size, const void* bytes);
  cef_postdataelement_type_t(CEF_CALLBACK* get_type)(
      struct _cef_post_data_element_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_file)(
      struct _cef_post_data_element_t* self);
  size_t(CEF_CALLBACK* get_bytes_count)(struct _cef_post_data_element_t* self);
  // Copies at most `size` bytes into `bytes`; returns the number copied.
  size_t(CEF_CALLBACK* get_bytes)(struct _cef_post_data_element_t* self,
                                  size_t size, void* bytes);
} cef_post_data_element_t;

CEF_EXPORT cef_request_t* cef_request_create(void);
CEF_EXPORT cef_post_data_t* cef_post_data_create(void);
CEF_EXPORT cef_post_data_element_t* cef_post_data_element_create(void);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_REQUEST_CAPI_H_
