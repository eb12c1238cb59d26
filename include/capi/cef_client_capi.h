// The client: the object the library asks for each kind of browser handler.
#ifndef CEF_INCLUDE_CAPI_CEF_CLIENT_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_CLIENT_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_types_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_browser_t;
struct _cef_context_menu_handler_t;
struct _cef_dialog_handler_t;
struct _cef_display_handler_t;
struct _cef_download_handler_t;
struct _cef_drag_handler_t;
struct _cef_find_handler_t;
struct _cef_focus_handler_t;
struct _cef_geolocation_handler_t;
struct _cef_jsdialog_handler_t;
struct _cef_keyboard_handler_t;
struct _cef_life_span_handler_t;
struct _cef_load_handler_t;
struct _cef_process_message_t;
struct _cef_render_handler_t;
struct _cef_request_handler_t;

// Every getter may return null: the library then goes without that handler.
typedef struct _cef_client_t {
  cef_base_t base;
  struct _cef_context_menu_handler_t*(CEF_CALLBACK* get_context_menu_handler)(
      struct _cef_client_t* self);
  struct _cef_dialog_handler_t*(CEF_CALLBACK* get_dialog_handler)(
      struct _cef_client_t* self);
  struct _cef_display_handler_t*(CEF_CALLBACK* get_display_handler)(
      struct _cef_client_t* self);
  struct _cef_download_handler_t*(CEF_CALLBACK* get_download_handler)(
      struct _cef_client_t* self);
  struct _cef_drag_handler_t*(CEF_CALLBACK* get_drag_handler)(
      struct _cef_client_t* self);
  struct _cef_find_handler_t*(CEF_CALLBACK* get_find_handler)(
      struct _cef_client_t* self);
  struct _cef_focus_handler_t*(CEF_CALLBACK* get_focus_handler)(
      struct _cef_client_t* self);
  struct _cef_geolocation_handler_t*(CEF_CALLBACK* get_geolocation_handler)(
      struct _cef_client_t* self);
  struct _cef_jsdialog_handler_t*(CEF_CALLBACK* get_jsdialog_handler)(
      struct _cef_client_t* self);
  struct _cef_keyboard_handler_t*(CEF_CALLBACK* get_keyboard_handler)(
      struct _cef_client_t* self);
  struct _cef_life_span_handler_t*(CEF_CALLBACK* get_life_span_handler)(
      struct _cef_client_t* self);
  struct _cef_load_handler_t*(CEF_CALLBACK* get_load_handler)(
      struct _cef_client_t* self);
  struct _cef_render_handler_t*(CEF_CALLBACK* get_render_handler)(
      struct _cef_client_t* self);
  struct _cef_request_handler_t*(CEF_CALLBACK* get_request_handler)(
      struct _cef_client_t* self);
  int(CEF_CALLBACK* on_process_message_received)(
      struct _cef_client_t* self, struct _cef_browser_t* browser,
      cef_process_id_t source_process, struct _cef_process_message_t* message);
} cef_client_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_CLIENT_CAPI_H_
