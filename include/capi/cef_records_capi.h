// Plain C records exchanged with the library. On the 32-bit Windows target
// their sizes are fixed by the interface and checked below.
#ifndef CEF_INCLUDE_CAPI_CEF_RECORDS_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_RECORDS_CAPI_H_

#include <stdint.h>

#include "include/capi/cef_string_capi.h"
#include "include/capi/cef_types_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

// Windows hands the process its module instance; other systems hand it the
// argument vector.
typedef struct _cef_main_args_t {
#if defined(_WIN32)
  cef_instance_handle_t instance;
#else
  int argc;
  char** argv;
#endif
} cef_main_args_t;

typedef struct _cef_settings_t {
  size_t size;
  int single_process;
  int no_sandbox;
  cef_string_t browser_subprocess_path;
  int multi_threaded_message_loop;
  int windowless_rendering_enabled;
  int command_line_args_disabled;
  cef_string_t cache_path;
  cef_string_t user_data_path;
  int persist_session_cookies;
  int persist_user_preferences;
  cef_string_t user_agent;
  cef_string_t product_version;
  cef_string_t locale;
  cef_string_t log_file;
  cef_log_severity_t log_severity;
  cef_string_t javascript_flags;
  cef_string_t resources_dir_path;
  cef_string_t locales_dir_path;
  int pack_loading_disabled;
  int remote_debugging_port;
  int uncaught_exception_stack_size;
  int context_safety_implementation;
  int ignore_certificate_errors;
  cef_color_t background_color;
  cef_string_t accept_language_list;
} cef_settings_t;

typedef struct _cef_browser_settings_t {
  size_t size;
  int windowless_frame_rate;
  cef_string_t standard_font_family;
  cef_string_t fixed_font_family;
  cef_string_t serif_font_family;
  cef_string_t sans_serif_font_family;
  cef_string_t cursive_font_family;
  cef_string_t fantasy_font_family;
  int default_font_size;
  int default_fixed_font_size;
  int minimum_font_size;
  int minimum_logical_font_size;
  cef_string_t default_encoding;
  cef_state_t remote_fonts;
  cef_state_t javascript;
  cef_state_t javascript_open_windows;
  cef_state_t javascript_close_windows;
  cef_state_t javascript_access_clipboard;
  cef_state_t javascript_dom_paste;
  cef_state_t caret_browsing;
  cef_state_t plugins;
  cef_state_t universal_access_from_file_urls;
  cef_state_t file_access_from_file_urls;
  cef_state_t web_security;
  cef_state_t image_loading;
  cef_state_t image_shrink_standalone_to_fit;
  cef_state_t text_area_resize;
  cef_state_t tab_to_links;
  cef_state_t local_storage;
  cef_state_t databases;
  cef_state_t application_cache;
  cef_state_t webgl;
  cef_color_t background_color;
  cef_string_t accept_language_list;
} cef_browser_settings_t;

// One shape on every system: Windows style bits, placement and parent. The
// runtime's views read the placement and name and ignore what they cannot use.
typedef struct _cef_window_info_t {
  uint32_t ex_style;
  cef_string_t window_name;
  uint32_t style;
  int x;
  int y;
  int width;
  int height;
  cef_window_handle_t parent_window;
  cef_menu_handle_t menu;
  int windowless_rendering_enabled;
  int transparent_painting_enabled;
  cef_window_handle_t window;
} cef_window_info_t;

typedef struct _cef_popup_features_t {
  int x;
  int xSet;
  int y;
  int ySet;
  int width;
  int widthSet;
  int height;
  int heightSet;
  int menuBarVisible;
  int statusBarVisible;
  int toolBarVisible;
  int locationBarVisible;
  int scrollbarsVisible;
  int resizable;
  int fullscreen;
  int dialog;
  cef_string_list_t additionalFeatures;
} cef_popup_features_t;

typedef struct _cef_rect_t {
  int x;
  int y;
  int width;
  int height;
} cef_rect_t;

typedef struct _cef_point_t {
  int x;
  int y;
} cef_point_t;

typedef struct _cef_size_t {
  int width;
  int height;
} cef_size_t;

typedef struct _cef_screen_info_t {
  float device_scale_factor;
  int depth;
  int depth_per_component;
  int is_monochrome;
  cef_rect_t rect;
  cef_rect_t available_rect;
} cef_screen_info_t;

// Universal time, field by field.
typedef struct _cef_time_t {
  int year;
  int month;
  int day_of_week;
  int day_of_month;
  int hour;
  int minute;
  int second;
  int millisecond;
} cef_time_t;

typedef struct _cef_geoposition_t {
  double latitude;
  double longitude;
  double altitude;
  double accuracy;
  double altitude_accuracy;
  double heading;
  double speed;
  cef_time_t timestamp;
  cef_geoposition_error_code_t error_code;
  cef_string_t error_message;
} cef_geoposition_t;

typedef struct _cef_cookie_t {
  cef_string_t name;
  cef_string_t value;
  cef_string_t domain;
  cef_string_t path;
  int secure;
  int httponly;
  cef_time_t creation;
  cef_time_t last_access;
  int has_expires;
  cef_time_t expires;
} cef_cookie_t;

typedef struct _cef_key_event_t {
  cef_key_event_type_t type;
  uint32_t modifiers;
  int windows_key_code;
  int native_key_code;
  int is_system_key;
  char16 character;
  char16 unmodified_character;
  int focus_on_editable_field;
} cef_key_event_t;

typedef struct _cef_urlparts_t {
  cef_string_t spec;
  cef_string_t username;
  cef_string_t password;
  cef_string_t host;
  cef_string_t port;
  cef_string_t origin;
  cef_string_t path;
  cef_string_t query;
} cef_urlparts_t;

#ifdef __cplusplus
}
#endif

#if defined(_WIN32) && !defined(_WIN64)
#define CEF_CHECK_RECORD_SIZE(type, bytes) \
  _Static_assert(sizeof(type) == (bytes), #type " has the interface's size")
#ifdef __cplusplus
#undef CEF_CHECK_RECORD_SIZE
#define CEF_CHECK_RECORD_SIZE(type, bytes) \
  static_assert(sizeof(type) == (bytes), #type " has the interface's size")
#endif
CEF_CHECK_RECORD_SIZE(cef_string_t, 12);
CEF_CHECK_RECORD_SIZE(cef_main_args_t, 4);
CEF_CHECK_RECORD_SIZE(cef_settings_t, 192);
CEF_CHECK_RECORD_SIZE(cef_browser_settings_t, 200);
CEF_CHECK_RECORD_SIZE(cef_window_info_t, 56);
CEF_CHECK_RECORD_SIZE(cef_popup_features_t, 68);
CEF_CHECK_RECORD_SIZE(cef_screen_info_t, 48);
CEF_CHECK_RECORD_SIZE(cef_geoposition_t, 104);
CEF_CHECK_RECORD_SIZE(cef_cookie_t, 156);
#undef CEF_CHECK_RECORD_SIZE
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_RECORDS_CAPI_H_
