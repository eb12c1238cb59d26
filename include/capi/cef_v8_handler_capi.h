// Program functions and property accessors that scripts call.
#ifndef CEF_INCLUDE_CAPI_CEF_V8_HANDLER_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_V8_HANDLER_CAPI_H_

#include <stddef.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_v8value_t;

// A handler that sets `exception` makes the script see a thrown error with
// that text.
typedef struct _cef_v8handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* execute)(struct _cef_v8handler_t* self,
                             const cef_string_t* name,
                             struct _cef_v8value_t* object,
                             size_t argumentsCount,
                             struct _cef_v8value_t* const* arguments,
                             struct _cef_v8value_t** retval,
                             cef_string_t* exception);
} cef_v8handler_t;

typedef struct _cef_v8accessor_t {
  cef_base_t base;
  int(CEF_CALLBACK* get)(struct _cef_v8accessor_t* self,
                         const cef_string_t* name,
                         struct _cef_v8value_t* object,
                         struct _cef_v8value_t** retval,
                         cef_string_t* exception);
  int(CEF_CALLBACK* set)(struct _cef_v8accessor_t* self,
                         const cef_string_t* name,
                         struct _cef_v8value_t* object,
                         struct _cef_v8value_t* value,
                         cef_string_t* exception);
} cef_v8accessor_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_V8_HANDLER_CAPI_H_
