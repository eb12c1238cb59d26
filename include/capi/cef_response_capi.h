// Web responses, as the library implements them.
#ifndef CEF_INCLUDE_CAPI_CEF_RESPONSE_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_RESPONSE_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _cef_response_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_response_t* self);
  int(CEF_CALLBACK* get_status)(struct _cef_response_t* self);
  void(CEF_CALLBACK* set_status)(struct _cef_response_t* self, int status);
  cef_string_userfree_t(CEF_CALLBACK* get_status_text)(
      struct _cef_response_t* self);
  void(CEF_CALLBACK* set_status_text)(struct _cef_response_t* self,
                                      const cef_string_t* statusText);
  cef_string_userfree_t(CEF_CALLBACK* get_mime_type)(
      struct _cef_response_t* self);
  void(CEF_CALLBACK* set_mime_type)(struct _cef_response_t* self,
                                    const cef_string_t* mimeType);
  // The first value of the named header.
  cef_string_userfree_t(CEF_CALLBACK* get_header)(struct _cef_response_t* self,
                                                  const cef_string_t* name);
  void(CEF_CALLBACK* get_header_map)(struct _cef_response_t* self,
                                     cef_string_multimap_t headerMap);
  void(CEF_CALLBACK* set_header_map)(struct _cef_response_t* self,
                                     cef_string_multimap_t headerMap);
} cef_response_t;

CEF_EXPORT cef_response_t* cef_response_create(void);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_RESPONSE_CAPI_H_
