// Answers to the library's pending questions. The library hands one of these
// with each question that may be answered later, on any thread; none of the
// members returns anything.
#ifndef CEF_INCLUDE_CAPI_CEF_CALLBACKS_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_CALLBACKS_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"
#include "include/capi/cef_types_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_print_settings_t;

typedef struct _cef_auth_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_auth_callback_t* self,
                           const cef_string_t* username,
                           const cef_string_t* password);
  void(CEF_CALLBACK* cancel)(struct _cef_auth_callback_t* self);
} cef_auth_callback_t;

typedef struct _cef_before_download_callback_t {
  cef_base_t base;
  // An empty path lets the library choose one.
  void(CEF_CALLBACK* cont)(struct _cef_before_download_callback_t* self,
                           const cef_string_t* download_path, int show_dialog);
} cef_before_download_callback_t;

typedef struct _cef_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_callback_t* self);
  void(CEF_CALLBACK* cancel)(struct _cef_callback_t* self);
} cef_callback_t;

typedef struct _cef_download_item_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cancel)(struct _cef_download_item_callback_t* self);
  void(CEF_CALLBACK* pause)(struct _cef_download_item_callback_t* self);
  void(CEF_CALLBACK* resume)(struct _cef_download_item_callback_t* self);
} cef_download_item_callback_t;

typedef struct _cef_file_dialog_callback_t {
  cef_base_t base;
  // `selected_accept_filter` indexes the filters offered with the dialog.
  void(CEF_CALLBACK* cont)(struct _cef_file_dialog_callback_t* self,
                           int selected_accept_filter,
                           cef_string_list_t file_paths);
  void(CEF_CALLBACK* cancel)(struct _cef_file_dialog_callback_t* self);
} cef_file_dialog_callback_t;

typedef struct _cef_geolocation_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_geolocation_callback_t* self,
                           int allow);
} cef_geolocation_callback_t;

typedef struct _cef_jsdialog_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_jsdialog_callback_t* self, int success,
                           const cef_string_t* user_input);
} cef_jsdialog_callback_t;

typedef struct _cef_print_dialog_callback_t {
  cef_base_t base;
  // `settings` carries one reference for the library.
  void(CEF_CALLBACK* cont)(struct _cef_print_dialog_callback_t* self,
                           struct _cef_print_settings_t* settings);
  void(CEF_CALLBACK* cancel)(struct _cef_print_dialog_callback_t* self);
} cef_print_dialog_callback_t;

typedef struct _cef_print_job_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_print_job_callback_t* self);
} cef_print_job_callback_t;

typedef struct _cef_request_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_request_callback_t* self, int allow);
  void(CEF_CALLBACK* cancel)(struct _cef_request_callback_t* self);
} cef_request_callback_t;

typedef struct _cef_run_context_menu_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_run_context_menu_callback_t* self,
                           int command_id, cef_event_flags_t event_flags);
  void(CEF_CALLBACK* cancel)(struct _cef_run_context_menu_callback_t* self);
} cef_run_context_menu_callback_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_CALLBACKS_CAPI_H_
