// The browser handlers a client hands out, and the request-context handler.
#ifndef CEF_INCLUDE_CAPI_CEF_HANDLERS_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_HANDLERS_CAPI_H_

#include <stddef.h>
#include <stdint.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_drag_data_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"
#include "include/capi/cef_types_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_auth_callback_t;
struct _cef_before_download_callback_t;
struct _cef_browser_t;
struct _cef_client_t;
struct _cef_context_menu_params_t;
struct _cef_cookie_manager_t;
struct _cef_download_item_callback_t;
struct _cef_download_item_t;
struct _cef_file_dialog_callback_t;
struct _cef_frame_t;
struct _cef_geolocation_callback_t;
struct _cef_jsdialog_callback_t;
struct _cef_menu_model_t;
struct _cef_request_callback_t;
struct _cef_request_t;
struct _cef_resource_handler_t;
struct _cef_response_filter_t;
struct _cef_response_t;
struct _cef_run_context_menu_callback_t;
struct _cef_sslinfo_t;
struct _cef_web_plugin_info_t;

// The values of these enumerations are the library's own.
typedef enum {
  FOCUS_SOURCE_NAVIGATION = 0,
  FOCUS_SOURCE_SYSTEM,
} cef_focus_source_t;

typedef enum {
  JSDIALOGTYPE_ALERT = 0,
  JSDIALOGTYPE_CONFIRM,
  JSDIALOGTYPE_PROMPT,
} cef_jsdialog_type_t;

typedef enum {
  CT_POINTER = 0,
  CT_CROSS,
  CT_HAND,
  CT_IBEAM,
  CT_WAIT,
  CT_HELP,
  CT_EASTRESIZE,
  CT_NORTHRESIZE,
  CT_NORTHEASTRESIZE,
  CT_NORTHWESTRESIZE,
  CT_SOUTHRESIZE,
  CT_SOUTHEASTRESIZE,
  CT_SOUTHWESTRESIZE,
  CT_WESTRESIZE,
  CT_NORTHSOUTHRESIZE,
  CT_EASTWESTRESIZE,
  CT_NORTHEASTSOUTHWESTRESIZE,
  CT_NORTHWESTSOUTHEASTRESIZE,
  CT_COLUMNRESIZE,
  CT_ROWRESIZE,
  CT_MIDDLEPANNING,
  CT_EASTPANNING,
  CT_NORTHPANNING,
  CT_NORTHEASTPANNING,
  CT_NORTHWESTPANNING,
  CT_SOUTHPANNING,
  CT_SOUTHEASTPANNING,
  CT_SOUTHWESTPANNING,
  CT_WESTPANNING,
  CT_MOVE,
  CT_VERTICALTEXT,
  CT_CELL,
  CT_CONTEXTMENU,
  CT_ALIAS,
  CT_PROGRESS,
  CT_NODROP,
  CT_COPY,
  CT_NONE,
  CT_NOTALLOWED,
  CT_ZOOMIN,
  CT_ZOOMOUT,
  CT_GRAB,
  CT_GRABBING,
  CT_CUSTOM,
} cef_cursor_type_t;

typedef enum {
  RV_CANCEL = 0,
  RV_CONTINUE = 1,
  // The handler answers later through the request callback.
  RV_CONTINUE_ASYNC = 2,
} cef_return_value_t;

typedef enum {
  UR_UNKNOWN = 0,
  UR_SUCCESS,
  UR_IO_PENDING,
  UR_CANCELED,
  UR_FAILED,
} cef_urlrequest_status_t;

typedef enum {
  TS_ABNORMAL_TERMINATION = 0,
  TS_PROCESS_WAS_KILLED,
  TS_PROCESS_CRASHED,
} cef_termination_status_t;

typedef enum {
  PLUGIN_POLICY_ALLOW = 0,
  PLUGIN_POLICY_DETECT_IMPORTANT,
  PLUGIN_POLICY_BLOCK,
  PLUGIN_POLICY_DISABLE,
} cef_plugin_policy_t;

// The image of a custom cursor: `size` pixels of 32-bit BGRA at `buffer`,
// which stays the library's.
typedef struct _cef_cursor_info_t {
  cef_point_t hotspot;
  float image_scale_factor;
  void* buffer;
  cef_size_t size;
} cef_cursor_info_t;

// A page area the user can drag the window by (`draggable` non-zero) or that
// is excluded from such an area.
typedef struct _cef_draggable_region_t {
  cef_rect_t bounds;
  int draggable;
} cef_draggable_region_t;

typedef struct _cef_context_menu_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_before_context_menu)(
      struct _cef_context_menu_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_frame_t* frame, struct _cef_context_menu_params_t* params,
      struct _cef_menu_model_t* model);
  int(CEF_CALLBACK* run_context_menu)(
      struct _cef_context_menu_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_frame_t* frame, struct _cef_context_menu_params_t* params,
      struct _cef_menu_model_t* model,
      struct _cef_run_context_menu_callback_t* callback);
  int(CEF_CALLBACK* on_context_menu_command)(
      struct _cef_context_menu_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_frame_t* frame, struct _cef_context_menu_params_t* params,
      int command_id, cef_event_flags_t event_flags);
  void(CEF_CALLBACK* on_context_menu_dismissed)(
      struct _cef_context_menu_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_frame_t* frame);
} cef_context_menu_handler_t;

typedef struct _cef_dialog_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_file_dialog)(
      struct _cef_dialog_handler_t* self, struct _cef_browser_t* browser,
      cef_file_dialog_mode_t mode, const cef_string_t* title,
      const cef_string_t* default_file_path, cef_string_list_t accept_filters,
      int selected_accept_filter, struct _cef_file_dialog_callback_t* callback);
} cef_dialog_handler_t;

typedef struct _cef_display_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_address_change)(struct _cef_display_handler_t* self,
                                        struct _cef_browser_t* browser,
                                        struct _cef_frame_t* frame,
                                        const cef_string_t* url);
  void(CEF_CALLBACK* on_title_change)(struct _cef_display_handler_t* self,
                                      struct _cef_browser_t* browser,
                                      const cef_string_t* title);
  void(CEF_CALLBACK* on_favicon_urlchange)(struct _cef_display_handler_t* self,
                                           struct _cef_browser_t* browser,
                                           cef_string_list_t icon_urls);
  void(CEF_CALLBACK* on_fullscreen_mode_change)(
      struct _cef_display_handler_t* self, struct _cef_browser_t* browser,
      int fullscreen);
  // The handler may rewrite `text` in place.
  int(CEF_CALLBACK* on_tooltip)(struct _cef_display_handler_t* self,
                                struct _cef_browser_t* browser,
                                cef_string_t* text);
  void(CEF_CALLBACK* on_status_message)(struct _cef_display_handler_t* self,
                                        struct _cef_browser_t* browser,
                                        const cef_string_t* value);
  int(CEF_CALLBACK* on_console_message)(struct _cef_display_handler_t* self,
                                        struct _cef_browser_t* browser,
                                        const cef_string_t* message,
                                        const cef_string_t* source, int line);
} cef_display_handler_t;

typedef struct _cef_download_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_before_download)(
      struct _cef_download_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_download_item_t* download_item,
      const cef_string_t* suggested_name,
      struct _cef_before_download_callback_t* callback);
  void(CEF_CALLBACK* on_download_updated)(
      struct _cef_download_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_download_item_t* download_item,
      struct _cef_download_item_callback_t* callback);
} cef_download_handler_t;

typedef struct _cef_drag_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_drag_enter)(struct _cef_drag_handler_t* self,
                                   struct _cef_browser_t* browser,
                                   struct _cef_drag_data_t* dragData,
                                   cef_drag_operations_mask_t mask);
  void(CEF_CALLBACK* on_draggable_regions_changed)(
      struct _cef_drag_handler_t* self, struct _cef_browser_t* browser,
      size_t regionsCount, const cef_draggable_region_t* regions);
} cef_drag_handler_t;

typedef struct _cef_find_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_find_result)(struct _cef_find_handler_t* self,
                                     struct _cef_browser_t* browser,
                                     int identifier, int count,
                                     const cef_rect_t* selectionRect,
                                     int activeMatchOrdinal, int finalUpdate);
} cef_find_handler_t;

typedef struct _cef_focus_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_take_focus)(struct _cef_focus_handler_t* self,
                                    struct _cef_browser_t* browser, int next);
  int(CEF_CALLBACK* on_set_focus)(struct _cef_focus_handler_t* self,
                                  struct _cef_browser_t* browser,
                                  cef_focus_source_t source);
  void(CEF_CALLBACK* on_got_focus)(struct _cef_focus_handler_t* self,
                                   struct _cef_browser_t* browser);
} cef_focus_handler_t;

typedef struct _cef_geolocation_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_request_geolocation_permission)(
      struct _cef_geolocation_handler_t* self, struct _cef_browser_t* browser,
      const cef_string_t* requesting_url, int request_id,
      struct _cef_geolocation_callback_t* callback);
  void(CEF_CALLBACK* on_cancel_geolocation_permission)(
      struct _cef_geolocation_handler_t* self, struct _cef_browser_t* browser,
      int request_id);
} cef_geolocation_handler_t;

typedef struct _cef_jsdialog_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_jsdialog)(struct _cef_jsdialog_handler_t* self,
                                 struct _cef_browser_t* browser,
                                 const cef_string_t* origin_url,
                                 const cef_string_t* accept_lang,
                                 cef_jsdialog_type_t dialog_type,
                                 const cef_string_t* message_text,
                                 const cef_string_t* default_prompt_text,
                                 struct _cef_jsdialog_callback_t* callback,
                                 int* suppress_message);
  int(CEF_CALLBACK* on_before_unload_dialog)(
      struct _cef_jsdialog_handler_t* self, struct _cef_browser_t* browser,
      const cef_string_t* message_text, int is_reload,
      struct _cef_jsdialog_callback_t* callback);
  void(CEF_CALLBACK* on_reset_dialog_state)(
      struct _cef_jsdialog_handler_t* self, struct _cef_browser_t* browser);
  void(CEF_CALLBACK* on_dialog_closed)(struct _cef_jsdialog_handler_t* self,
                                       struct _cef_browser_t* browser);
} cef_jsdialog_handler_t;

typedef struct _cef_keyboard_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_pre_key_event)(struct _cef_keyboard_handler_t* self,
                                      struct _cef_browser_t* browser,
                                      const cef_key_event_t* event,
                                      cef_event_handle_t os_event,
                                      int* is_keyboard_shortcut);
  int(CEF_CALLBACK* on_key_event)(struct _cef_keyboard_handler_t* self,
                                  struct _cef_browser_t* browser,
                                  const cef_key_event_t* event,
                                  cef_event_handle_t os_event);
} cef_keyboard_handler_t;

typedef struct _cef_life_span_handler_t {
  cef_base_t base;
  // `windowInfo`, `client`, `settings` and `no_javascript_access` describe
  // the new browser and may be changed by the handler; a non-zero result
  // cancels the popup.
  int(CEF_CALLBACK* on_before_popup)(
      struct _cef_life_span_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_frame_t* frame, const cef_string_t* target_url,
      const cef_string_t* target_frame_name,
      cef_window_open_disposition_t target_disposition, int user_gesture,
      const cef_popup_features_t* popupFeatures,
      cef_window_info_t* windowInfo, struct _cef_client_t** client,
      cef_browser_settings_t* settings, int* no_javascript_access);
  void(CEF_CALLBACK* on_after_created)(struct _cef_life_span_handler_t* self,
                                       struct _cef_browser_t* browser);
  int(CEF_CALLBACK* run_modal)(struct _cef_life_span_handler_t* self,
                               struct _cef_browser_t* browser);
  int(CEF_CALLBACK* do_close)(struct _cef_life_span_handler_t* self,
                              struct _cef_browser_t* browser);
  void(CEF_CALLBACK* on_before_close)(struct _cef_life_span_handler_t* self,
                                      struct _cef_browser_t* browser);
} cef_life_span_handler_t;

typedef struct _cef_load_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_loading_state_change)(
      struct _cef_load_handler_t* self, struct _cef_browser_t* browser,
      int isLoading, int canGoBack, int canGoForward);
  void(CEF_CALLBACK* on_load_start)(struct _cef_load_handler_t* self,
                                    struct _cef_browser_t* browser,
                                    struct _cef_frame_t* frame);
  void(CEF_CALLBACK* on_load_end)(struct _cef_load_handler_t* self,
                                  struct _cef_browser_t* browser,
                                  struct _cef_frame_t* frame,
                                  int httpStatusCode);
  void(CEF_CALLBACK* on_load_error)(struct _cef_load_handler_t* self,
                                    struct _cef_browser_t* browser,
                                    struct _cef_frame_t* frame,
                                    cef_errorcode_t errorCode,
                                    const cef_string_t* errorText,
                                    const cef_string_t* failedUrl);
} cef_load_handler_t;

typedef struct _cef_render_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* get_root_screen_rect)(struct _cef_render_handler_t* self,
                                          struct _cef_browser_t* browser,
                                          cef_rect_t* rect);
  int(CEF_CALLBACK* get_view_rect)(struct _cef_render_handler_t* self,
                                   struct _cef_browser_t* browser,
                                   cef_rect_t* rect);
  int(CEF_CALLBACK* get_screen_point)(struct _cef_render_handler_t* self,
                                      struct _cef_browser_t* browser,
                                      int viewX, int viewY, int* screenX,
                                      int* screenY);
  int(CEF_CALLBACK* get_screen_info)(struct _cef_render_handler_t* self,
                                     struct _cef_browser_t* browser,
                                     cef_screen_info_t* screen_info);
  void(CEF_CALLBACK* on_popup_show)(struct _cef_render_handler_t* self,
                                    struct _cef_browser_t* browser, int show);
  void(CEF_CALLBACK* on_popup_size)(struct _cef_render_handler_t* self,
                                    struct _cef_browser_t* browser,
                                    const cef_rect_t* rect);
  // `buffer` holds width * height pixels of 32-bit BGRA.
  void(CEF_CALLBACK* on_paint)(struct _cef_render_handler_t* self,
                               struct _cef_browser_t* browser,
                               cef_paint_element_type_t type,
                               size_t dirtyRectsCount,
                               const cef_rect_t* dirtyRects,
                               const void* buffer, int width, int height);
  void(CEF_CALLBACK* on_cursor_change)(
      struct _cef_render_handler_t* self, struct _cef_browser_t* browser,
      cef_cursor_handle_t cursor, cef_cursor_type_t type,
      const cef_cursor_info_t* custom_cursor_info);
  int(CEF_CALLBACK* start_dragging)(struct _cef_render_handler_t* self,
                                    struct _cef_browser_t* browser,
                                    struct _cef_drag_data_t* drag_data,
                                    cef_drag_operations_mask_t allowed_ops,
                                    int x, int y);
  void(CEF_CALLBACK* update_drag_cursor)(struct _cef_render_handler_t* self,
                                         struct _cef_browser_t* browser,
                                         cef_drag_operations_mask_t operation);
  void(CEF_CALLBACK* on_scroll_offset_changed)(
      struct _cef_render_handler_t* self, struct _cef_browser_t* browser,
      double x, double y);
} cef_render_handler_t;

typedef struct _cef_request_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_before_browse)(struct _cef_request_handler_t* self,
                                      struct _cef_browser_t* browser,
                                      struct _cef_frame_t* frame,
                                      struct _cef_request_t* request,
                                      int is_redirect);
  int(CEF_CALLBACK* on_open_urlfrom_tab)(
      struct _cef_request_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_frame_t* frame, const cef_string_t* target_url,
      cef_window_open_disposition_t target_disposition, int user_gesture);
  cef_return_value_t(CEF_CALLBACK* on_before_resource_load)(
      struct _cef_request_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_frame_t* frame, struct _cef_request_t* request,
      struct _cef_request_callback_t* callback);
  struct _cef_resource_handler_t*(CEF_CALLBACK* get_resource_handler)(
      struct _cef_request_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_frame_t* frame, struct _cef_request_t* request);
  void(CEF_CALLBACK* on_resource_redirect)(struct _cef_request_handler_t* self,
                                           struct _cef_browser_t* browser,
                                           struct _cef_frame_t* frame,
                                           struct _cef_request_t* request,
                                           cef_string_t* new_url);
  int(CEF_CALLBACK* on_resource_response)(struct _cef_request_handler_t* self,
                                          struct _cef_browser_t* browser,
                                          struct _cef_frame_t* frame,
                                          struct _cef_request_t* request,
                                          struct _cef_response_t* response);
  struct _cef_response_filter_t*(CEF_CALLBACK* get_resource_response_filter)(
      struct _cef_request_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_frame_t* frame, struct _cef_request_t* request,
      struct _cef_response_t* response);
  void(CEF_CALLBACK* on_resource_load_complete)(
      struct _cef_request_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_frame_t* frame, struct _cef_request_t* request,
      struct _cef_response_t* response, cef_urlrequest_status_t status,
      int64_t received_content_length);
  int(CEF_CALLBACK* get_auth_credentials)(
      struct _cef_request_handler_t* self, struct _cef_browser_t* browser,
      struct _cef_frame_t* frame, int isProxy, const cef_string_t* host,
      int port, const cef_string_t* realm, const cef_string_t* scheme,
      struct _cef_auth_callback_t* callback);
  int(CEF_CALLBACK* on_quota_request)(struct _cef_request_handler_t* self,
                                      struct _cef_browser_t* browser,
                                      const cef_string_t* origin_url,
                                      int64_t new_size,
                                      struct _cef_request_callback_t* callback);
  void(CEF_CALLBACK* on_protocol_execution)(
      struct _cef_request_handler_t* self, struct _cef_browser_t* browser,
      const cef_string_t* url, int* allow_os_execution);
  int(CEF_CALLBACK* on_certificate_error)(
      struct _cef_request_handler_t* self, struct _cef_browser_t* browser,
      cef_errorcode_t cert_error, const cef_string_t* request_url,
      struct _cef_sslinfo_t* ssl_info,
      struct _cef_request_callback_t* callback);
  void(CEF_CALLBACK* on_plugin_crashed)(struct _cef_request_handler_t* self,
                                        struct _cef_browser_t* browser,
                                        const cef_string_t* plugin_path);
  void(CEF_CALLBACK* on_render_view_ready)(struct _cef_request_handler_t* self,
                                           struct _cef_browser_t* browser);
  void(CEF_CALLBACK* on_render_process_terminated)(
      struct _cef_request_handler_t* self, struct _cef_browser_t* browser,
      cef_termination_status_t status);
} cef_request_handler_t;

typedef struct _cef_request_context_handler_t {
  cef_base_t base;
  // Null selects the global cookie manager.
  struct _cef_cookie_manager_t*(CEF_CALLBACK* get_cookie_manager)(
      struct _cef_request_context_handler_t* self);
  // The handler writes its decision through `plugin_policy`.
  int(CEF_CALLBACK* on_before_plugin_load)(
      struct _cef_request_context_handler_t* self,
      const cef_string_t* mime_type, const cef_string_t* plugin_url,
      const cef_string_t* top_origin_url,
      struct _cef_web_plugin_info_t* plugin_info,
      cef_plugin_policy_t* plugin_policy);
} cef_request_context_handler_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_HANDLERS_CAPI_H_
