// Program-side resource loading: a factory per scheme, the handler that
// serves one request, and a filter that rewrites a response body.
#ifndef CEF_INCLUDE_CAPI_CEF_RESOURCE_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_RESOURCE_CAPI_H_

#include <stddef.h>
#include <stdint.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_browser_t;
struct _cef_callback_t;
struct _cef_frame_t;
struct _cef_request_t;
struct _cef_response_t;

// The library's own values.
typedef enum {
  // Everything offered was consumed; call again with more input.
  RESPONSE_FILTER_NEED_MORE_DATA = 0,
  RESPONSE_FILTER_DONE = 1,
  RESPONSE_FILTER_ERROR = 2,
} cef_response_filter_status_t;

// Byte buffers below are the library's memory, valid for the call only.
typedef struct _cef_resource_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* process_request)(struct _cef_resource_handler_t* self,
                                     struct _cef_request_t* request,
                                     struct _cef_callback_t* callback);
  // `response_length` is -1 when unknown; a non-empty `redirectUrl`
  // redirects the request.
  void(CEF_CALLBACK* get_response_headers)(
      struct _cef_resource_handler_t* self, struct _cef_response_t* response,
      int64_t* response_length, cef_string_t* redirectUrl);
  int(CEF_CALLBACK* read_response)(struct _cef_resource_handler_t* self,
                                   void* data_out, int bytes_to_read,
                                   int* bytes_read,
                                   struct _cef_callback_t* callback);
  int(CEF_CALLBACK* can_get_cookie)(struct _cef_resource_handler_t* self,
                                    const cef_cookie_t* cookie);
  int(CEF_CALLBACK* can_set_cookie)(struct _cef_resource_handler_t* self,
                                    const cef_cookie_t* cookie);
  void(CEF_CALLBACK* cancel)(struct _cef_resource_handler_t* self);
} cef_resource_handler_t;

typedef struct _cef_response_filter_t {
  cef_base_t base;
  int(CEF_CALLBACK* init_filter)(struct _cef_response_filter_t* self);
  // `data_in` may be null when `data_in_size` is 0.
  cef_response_filter_status_t(CEF_CALLBACK* filter)(
      struct _cef_response_filter_t* self, void* data_in, size_t data_in_size,
      size_t* data_in_read, void* data_out, size_t data_out_size,
      size_t* data_out_written);
} cef_response_filter_t;

// `browser` and `frame` are null for requests that come from no browser.
typedef struct _cef_scheme_handler_factory_t {
  cef_base_t base;
  struct _cef_resource_handler_t*(CEF_CALLBACK* create)(
      struct _cef_scheme_handler_factory_t* self,
      struct _cef_browser_t* browser, struct _cef_frame_t* frame,
      const cef_string_t* scheme_name, struct _cef_request_t* request);
} cef_scheme_handler_factory_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_RESOURCE_CAPI_H_
