// A browser window and its window-level host, as the library implements them,
// and the creators that start a new browser.
#ifndef CEF_INCLUDE_CAPI_CEF_BROWSER_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_BROWSER_CAPI_H_

#include <stddef.h>
#include <stdint.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_drag_data_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"
#include "include/capi/cef_types_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_browser_host_t;
struct _cef_frame_t;
struct _cef_process_message_t;
struct _cef_request_context_t;
struct _cef_client_t;
struct _cef_run_file_dialog_callback_t;
struct _cef_pdf_print_callback_t;
struct _cef_navigation_entry_visitor_t;

// Opaque text-input context of the macOS view; always null elsewhere.
typedef void* cef_text_input_context_t;

// The enumerations below use the library's published numbering.
typedef enum {
  PET_VIEW = 0,
  PET_POPUP,
} cef_paint_element_type_t;

typedef enum {
  MBT_LEFT = 0,
  MBT_MIDDLE,
  MBT_RIGHT,
} cef_mouse_button_type_t;

// A dialog kind in the low byte, option flags above it.
typedef enum {
  FILE_DIALOG_OPEN = 0,
  FILE_DIALOG_OPEN_MULTIPLE,
  FILE_DIALOG_OPEN_FOLDER,
  FILE_DIALOG_SAVE,
  FILE_DIALOG_TYPE_MASK = 0xFF,
  FILE_DIALOG_OVERWRITEPROMPT_FLAG = 0x01000000,
  FILE_DIALOG_HIDEREADONLY_FLAG = 0x02000000,
} cef_file_dialog_mode_t;

typedef enum {
  PDF_PRINT_MARGIN_DEFAULT = 0,
  PDF_PRINT_MARGIN_NONE,
  PDF_PRINT_MARGIN_MINIMUM,
  PDF_PRINT_MARGIN_CUSTOM,
} cef_pdf_print_margin_type_t;

// Mouse position in view coordinates; `modifiers` holds cef_event_flags_t
// bits.
typedef struct _cef_mouse_event_t {
  int x;
  int y;
  uint32_t modifiers;
} cef_mouse_event_t;

// Page sizes are in microns, margins in millimetres (used only with
// PDF_PRINT_MARGIN_CUSTOM).
typedef struct _cef_pdf_print_settings_t {
  cef_string_t header_footer_title;
  cef_string_t header_footer_url;
  int page_width;
  int page_height;
  double margin_top;
  double margin_right;
  double margin_bottom;
  double margin_left;
  cef_pdf_print_margin_type_t margin_type;
  int header_footer_enabled;
  int selection_only;
  int landscape;
  int backgrounds_enabled;
} cef_pdf_print_settings_t;

typedef struct _cef_browser_t {
  cef_base_t base;

  struct _cef_browser_host_t*(CEF_CALLBACK* get_host)(
      struct _cef_browser_t* self);
  int(CEF_CALLBACK* can_go_back)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* go_back)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* can_go_forward)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* go_forward)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* is_loading)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* reload)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* reload_ignore_cache)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* stop_load)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* get_identifier)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_browser_t* self,
                             struct _cef_browser_t* that);
  int(CEF_CALLBACK* is_popup)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* has_document)(struct _cef_browser_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_main_frame)(
      struct _cef_browser_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_focused_frame)(
      struct _cef_browser_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_frame_byident)(
      struct _cef_browser_t* self, int64_t identifier);
  struct _cef_frame_t*(CEF_CALLBACK* get_frame)(struct _cef_browser_t* self,
                                                const cef_string_t* name);
  size_t(CEF_CALLBACK* get_frame_count)(struct _cef_browser_t* self);
  // In: the array's capacity. Out: the number of identifiers written.
  void(CEF_CALLBACK* get_frame_identifiers)(struct _cef_browser_t* self,
                                            size_t* identifiersCount,
                                            int64_t* identifiers);
  void(CEF_CALLBACK* get_frame_names)(struct _cef_browser_t* self,
                                      cef_string_list_t names);
  int(CEF_CALLBACK* send_process_message)(
      struct _cef_browser_t* self, cef_process_id_t target_process,
      struct _cef_process_message_t* message);
} cef_browser_t;

typedef struct _cef_browser_host_t {
  cef_base_t base;

  struct _cef_browser_t*(CEF_CALLBACK* get_browser)(
      struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* close_browser)(struct _cef_browser_host_t* self,
                                    int force_close);
  void(CEF_CALLBACK* set_focus)(struct _cef_browser_host_t* self, int focus);
  void(CEF_CALLBACK* set_window_visibility)(struct _cef_browser_host_t* self,
                                            int visible);
  cef_window_handle_t(CEF_CALLBACK* get_window_handle)(
      struct _cef_browser_host_t* self);
  cef_window_handle_t(CEF_CALLBACK* get_opener_window_handle)(
      struct _cef_browser_host_t* self);
  struct _cef_client_t*(CEF_CALLBACK* get_client)(
      struct _cef_browser_host_t* self);
  struct _cef_request_context_t*(CEF_CALLBACK* get_request_context)(
      struct _cef_browser_host_t* self);
  double(CEF_CALLBACK* get_zoom_level)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* set_zoom_level)(struct _cef_browser_host_t* self,
                                     double zoomLevel);
  void(CEF_CALLBACK* run_file_dialog)(
      struct _cef_browser_host_t* self, cef_file_dialog_mode_t mode,
      const cef_string_t* title, const cef_string_t* default_file_path,
      cef_string_list_t accept_filters, int selected_accept_filter,
      struct _cef_run_file_dialog_callback_t* callback);
  void(CEF_CALLBACK* start_download)(struct _cef_browser_host_t* self,
                                     const cef_string_t* url);
  void(CEF_CALLBACK* print)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* print_to_pdf)(
      struct _cef_browser_host_t* self, const cef_string_t* path,
      const cef_pdf_print_settings_t* settings,
      struct _cef_pdf_print_callback_t* callback);
  void(CEF_CALLBACK* find)(struct _cef_browser_host_t* self, int identifier,
                           const cef_string_t* searchText, int forward,
                           int matchCase, int findNext);
  void(CEF_CALLBACK* stop_finding)(struct _cef_browser_host_t* self,
                                   int clearSelection);
  void(CEF_CALLBACK* show_dev_tools)(
      struct _cef_browser_host_t* self, const cef_window_info_t* windowInfo,
      struct _cef_client_t* client, const cef_browser_settings_t* settings,
      const cef_point_t* inspect_element_at);
  void(CEF_CALLBACK* close_dev_tools)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* get_navigation_entries)(
      struct _cef_browser_host_t* self,
      struct _cef_navigation_entry_visitor_t* visitor, int current_only);
  void(CEF_CALLBACK* set_mouse_cursor_change_disabled)(
      struct _cef_browser_host_t* self, int disabled);
  int(CEF_CALLBACK* is_mouse_cursor_change_disabled)(
      struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* replace_misspelling)(struct _cef_browser_host_t* self,
                                          const cef_string_t* word);
  void(CEF_CALLBACK* add_word_to_dictionary)(struct _cef_browser_host_t* self,
                                             const cef_string_t* word);
  int(CEF_CALLBACK* is_window_rendering_disabled)(
      struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* was_resized)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* was_hidden)(struct _cef_browser_host_t* self,
                                 int hidden);
  void(CEF_CALLBACK* notify_screen_info_changed)(
      struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* invalidate)(struct _cef_browser_host_t* self,
                                 cef_paint_element_type_t type);
  void(CEF_CALLBACK* send_key_event)(struct _cef_browser_host_t* self,
                                     const cef_key_event_t* event);
  void(CEF_CALLBACK* send_mouse_click_event)(
      struct _cef_browser_host_t* self, const cef_mouse_event_t* event,
      cef_mouse_button_type_t type, int mouseUp, int clickCount);
  void(CEF_CALLBACK* send_mouse_move_event)(struct _cef_browser_host_t* self,
                                            const cef_mouse_event_t* event,
                                            int mouseLeave);
  void(CEF_CALLBACK* send_mouse_wheel_event)(
      struct _cef_browser_host_t* self, const cef_mouse_event_t* event,
      int deltaX, int deltaY);
  void(CEF_CALLBACK* send_focus_event)(struct _cef_browser_host_t* self,
                                       int setFocus);
  void(CEF_CALLBACK* send_capture_lost_event)(
      struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* notify_move_or_resize_started)(
      struct _cef_browser_host_t* self);
  int(CEF_CALLBACK* get_windowless_frame_rate)(
      struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* set_windowless_frame_rate)(
      struct _cef_browser_host_t* self, int frame_rate);
  cef_text_input_context_t(CEF_CALLBACK* get_nstext_input_context)(
      struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* handle_key_event_before_text_input_client)(
      struct _cef_browser_host_t* self, cef_event_handle_t keyEvent);
  void(CEF_CALLBACK* handle_key_event_after_text_input_client)(
      struct _cef_browser_host_t* self, cef_event_handle_t keyEvent);
  void(CEF_CALLBACK* drag_target_drag_enter)(
      struct _cef_browser_host_t* self, struct _cef_drag_data_t* drag_data,
      const cef_mouse_event_t* event, cef_drag_operations_mask_t allowed_ops);
  void(CEF_CALLBACK* drag_target_drag_over)(
      struct _cef_browser_host_t* self, const cef_mouse_event_t* event,
      cef_drag_operations_mask_t allowed_ops);
  void(CEF_CALLBACK* drag_target_drag_leave)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* drag_target_drop)(struct _cef_browser_host_t* self,
                                       const cef_mouse_event_t* event);
  void(CEF_CALLBACK* drag_source_ended_at)(struct _cef_browser_host_t* self,
                                           int x, int y,
                                           cef_drag_operations_mask_t op);
  void(CEF_CALLBACK* drag_source_system_drag_ended)(
      struct _cef_browser_host_t* self);
} cef_browser_host_t;

// Returns whether the request was accepted; the browser itself reaches the
// client's life-span handler later.
CEF_EXPORT int cef_browser_host_create_browser(
    const cef_window_info_t* windowInfo, struct _cef_client_t* client,
    const cef_string_t* url, const cef_browser_settings_t* settings,
    struct _cef_request_context_t* request_context);
CEF_EXPORT cef_browser_t* cef_browser_host_create_browser_sync(
    const cef_window_info_t* windowInfo, struct _cef_client_t* client,
    const cef_string_t* url, const cef_browser_settings_t* settings,
    struct _cef_request_context_t* request_context);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_BROWSER_CAPI_H_
