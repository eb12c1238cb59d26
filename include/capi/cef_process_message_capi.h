// A named message with an argument list, sent between the browser and the
// renderer processes, as the library implements it.
#ifndef CEF_INCLUDE_CAPI_CEF_PROCESS_MESSAGE_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_PROCESS_MESSAGE_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_list_value_t;

typedef struct _cef_process_message_t {
  cef_base_t base;

  int(CEF_CALLBACK* is_valid)(struct _cef_process_message_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_process_message_t* self);
  struct _cef_process_message_t*(CEF_CALLBACK* copy)(
      struct _cef_process_message_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_name)(
      struct _cef_process_message_t* self);
  struct _cef_list_value_t*(CEF_CALLBACK* get_argument_list)(
      struct _cef_process_message_t* self);
} cef_process_message_t;

CEF_EXPORT cef_process_message_t* cef_process_message_create(
    const cef_string_t* name);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_PROCESS_MESSAGE_CAPI_H_
