// Process-level handlers that the program gives the library: the application
// object and the browser-process, render-process and resource-bundle handlers
// it hands out.
#ifndef CEF_INCLUDE_CAPI_CEF_APP_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_APP_CAPI_H_

#include <stddef.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"
#include "include/capi/cef_types_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_browser_t;
struct _cef_command_line_t;
struct _cef_domnode_t;
struct _cef_frame_t;
struct _cef_list_value_t;
struct _cef_load_handler_t;
struct _cef_print_handler_t;
struct _cef_process_message_t;
struct _cef_request_t;
struct _cef_scheme_registrar_t;
struct _cef_v8context_t;
struct _cef_v8exception_t;
struct _cef_v8stack_trace_t;

// The values of these enumerations are the library's own.
typedef enum {
  SCALE_FACTOR_NONE = 0,
  SCALE_FACTOR_100P,
  SCALE_FACTOR_125P,
  SCALE_FACTOR_133P,
  SCALE_FACTOR_140P,
  SCALE_FACTOR_150P,
  SCALE_FACTOR_180P,
  SCALE_FACTOR_200P,
  SCALE_FACTOR_250P,
  SCALE_FACTOR_300P,
} cef_scale_factor_t;

typedef enum {
  NAVIGATION_LINK_CLICKED = 0,
  NAVIGATION_FORM_SUBMITTED,
  NAVIGATION_BACK_FORWARD,
  NAVIGATION_RELOAD,
  NAVIGATION_FORM_RESUBMITTED,
  NAVIGATION_OTHER,
} cef_navigation_type_t;

// `data` is set to memory the handler keeps valid for the process's life.
typedef struct _cef_resource_bundle_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* get_localized_string)(
      struct _cef_resource_bundle_handler_t* self, int string_id,
      cef_string_t* string);
  int(CEF_CALLBACK* get_data_resource)(
      struct _cef_resource_bundle_handler_t* self, int resource_id,
      void** data, size_t* data_size);
  int(CEF_CALLBACK* get_data_resource_for_scale)(
      struct _cef_resource_bundle_handler_t* self, int resource_id,
      cef_scale_factor_t scale_factor, void** data, size_t* data_size);
} cef_resource_bundle_handler_t;

typedef struct _cef_browser_process_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_context_initialized)(
      struct _cef_browser_process_handler_t* self);
  void(CEF_CALLBACK* on_before_child_process_launch)(
      struct _cef_browser_process_handler_t* self,
      struct _cef_command_line_t* command_line);
  void(CEF_CALLBACK* on_render_process_thread_created)(
      struct _cef_browser_process_handler_t* self,
      struct _cef_list_value_t* extra_info);
  struct _cef_print_handler_t*(CEF_CALLBACK* get_print_handler)(
      struct _cef_browser_process_handler_t* self);
} cef_browser_process_handler_t;

typedef struct _cef_render_process_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_render_thread_created)(
      struct _cef_render_process_handler_t* self,
      struct _cef_list_value_t* extra_info);
  void(CEF_CALLBACK* on_web_kit_initialized)(
      struct _cef_render_process_handler_t* self);
  void(CEF_CALLBACK* on_browser_created)(
      struct _cef_render_process_handler_t* self,
      struct _cef_browser_t* browser);
  void(CEF_CALLBACK* on_browser_destroyed)(
      struct _cef_render_process_handler_t* self,
      struct _cef_browser_t* browser);
  struct _cef_load_handler_t*(CEF_CALLBACK* get_load_handler)(
      struct _cef_render_process_handler_t* self);
  int(CEF_CALLBACK* on_before_navigation)(
      struct _cef_render_process_handler_t* self,
      struct _cef_browser_t* browser, struct _cef_frame_t* frame,
      struct _cef_request_t* request, cef_navigation_type_t navigation_type,
      int is_redirect);
  void(CEF_CALLBACK* on_context_created)(
      struct _cef_render_process_handler_t* self,
      struct _cef_browser_t* browser, struct _cef_frame_t* frame,
      struct _cef_v8context_t* context);
  void(CEF_CALLBACK* on_context_released)(
      struct _cef_render_process_handler_t* self,
      struct _cef_browser_t* browser, struct _cef_frame_t* frame,
      struct _cef_v8context_t* context);
  void(CEF_CALLBACK* on_uncaught_exception)(
      struct _cef_render_process_handler_t* self,
      struct _cef_browser_t* browser, struct _cef_frame_t* frame,
      struct _cef_v8context_t* context, struct _cef_v8exception_t* exception,
      struct _cef_v8stack_trace_t* stackTrace);
  // `frame` and `node` are null when no editable node has the focus.
  void(CEF_CALLBACK* on_focused_node_changed)(
      struct _cef_render_process_handler_t* self,
      struct _cef_browser_t* browser, struct _cef_frame_t* frame,
      struct _cef_domnode_t* node);
  int(CEF_CALLBACK* on_process_message_received)(
      struct _cef_render_process_handler_t* self,
      struct _cef_browser_t* browser, cef_process_id_t source_process,
      struct _cef_process_message_t* message);
} cef_render_process_handler_t;

typedef struct _cef_app_t {
  cef_base_t base;
  // `process_type` is empty in the browser process.
  void(CEF_CALLBACK* on_before_command_line_processing)(
      struct _cef_app_t* self, const cef_string_t* process_type,
      struct _cef_command_line_t* command_line);
  void(CEF_CALLBACK* on_register_custom_schemes)(
      struct _cef_app_t* self, struct _cef_scheme_registrar_t* registrar);
  struct _cef_resource_bundle_handler_t*(
      CEF_CALLBACK* get_resource_bundle_handler)(struct _cef_app_t* self);
  struct _cef_browser_process_handler_t*(
      CEF_CALLBACK* get_browser_process_handler)(struct _cef_app_t* self);
  struct _cef_render_process_handler_t*(
      CEF_CALLBACK* get_render_process_handler)(struct _cef_app_t* self);
} cef_app_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_APP_CAPI_H_
