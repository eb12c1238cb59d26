// One-shot callbacks the program passes with an asynchronous request; the
// library calls each once when the request has finished.
#ifndef CEF_INCLUDE_CAPI_CEF_CALLBACKS_PROGRAM_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_CALLBACKS_PROGRAM_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"
#include "include/capi/cef_types_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _cef_completion_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_complete)(struct _cef_completion_callback_t* self);
} cef_completion_callback_t;

// `num_deleted` is -1 when the count is unknown.
typedef struct _cef_delete_cookies_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_complete)(struct _cef_delete_cookies_callback_t* self,
                                  int num_deleted);
} cef_delete_cookies_callback_t;

typedef struct _cef_end_tracing_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_end_tracing_complete)(
      struct _cef_end_tracing_callback_t* self,
      const cef_string_t* tracing_file);
} cef_end_tracing_callback_t;

typedef struct _cef_get_geolocation_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_location_update)(
      struct _cef_get_geolocation_callback_t* self,
      const cef_geoposition_t* position);
} cef_get_geolocation_callback_t;

typedef struct _cef_pdf_print_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_pdf_print_finished)(
      struct _cef_pdf_print_callback_t* self, const cef_string_t* path,
      int ok);
} cef_pdf_print_callback_t;

typedef struct _cef_resolve_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_resolve_completed)(
      struct _cef_resolve_callback_t* self, cef_errorcode_t result,
      cef_string_list_t resolved_ips);
} cef_resolve_callback_t;

// `file_paths` is empty when the dialog was cancelled.
typedef struct _cef_run_file_dialog_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_file_dialog_dismissed)(
      struct _cef_run_file_dialog_callback_t* self,
      int selected_accept_filter, cef_string_list_t file_paths);
} cef_run_file_dialog_callback_t;

typedef struct _cef_set_cookie_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_complete)(struct _cef_set_cookie_callback_t* self,
                                  int success);
} cef_set_cookie_callback_t;

typedef struct _cef_web_plugin_unstable_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* is_unstable)(
      struct _cef_web_plugin_unstable_callback_t* self,
      const cef_string_t* path, int unstable);
} cef_web_plugin_unstable_callback_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_CALLBACKS_PROGRAM_CAPI_H_
