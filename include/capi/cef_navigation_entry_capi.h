// One entry of a browser's navigation history, as the library implements it.
#ifndef CEF_INCLUDE_CAPI_CEF_NAVIGATION_ENTRY_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_NAVIGATION_ENTRY_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_request_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _cef_navigation_entry_t {
  cef_base_t base;

  int(CEF_CALLBACK* is_valid)(struct _cef_navigation_entry_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(
      struct _cef_navigation_entry_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_display_url)(
      struct _cef_navigation_entry_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_original_url)(
      struct _cef_navigation_entry_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_title)(
      struct _cef_navigation_entry_t* self);
  cef_transition_type_t(CEF_CALLBACK* get_transition_type)(
      struct _cef_navigation_entry_t* self);
  int(CEF_CALLBACK* has_post_data)(struct _cef_navigation_entry_t* self);
  // All fields 0 while the navigation has not completed.
  cef_time_t(CEF_CALLBACK* get_completion_time)(
      struct _cef_navigation_entry_t* self);
  int(CEF_CALLBACK* get_http_status_code)(struct _cef_navigation_entry_t* self);
} cef_navigation_entry_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_NAVIGATION_ENTRY_CAPI_H_
