// Layout of the structures the program fills in for the library. Each is the
// counted header followed by one pointer per member, so the size and the
// places of the first and last member pin down the member count and show
// that nothing else (padding, a stray field) sits in between.
#include "tests/layout/layout_check.h"

#include "include/capi/cef_app_capi.h"
#include "include/capi/cef_callbacks_program_capi.h"
#include "include/capi/cef_client_capi.h"
#include "include/capi/cef_handlers_capi.h"
#include "include/capi/cef_print_handler_capi.h"
#include "include/capi/cef_resource_capi.h"
#include "include/capi/cef_task_capi.h"
#include "include/capi/cef_v8_handler_capi.h"
#include "include/capi/cef_visitors_capi.h"
#include "include/capi/cef_write_handler_capi.h"
// Process-level handlers.
CHECK_STRUCT_SIZE(cef_app_t, 36);
CHECK_MEMBER_OFFSET(cef_app_t, on_before_command_line_processing, 16);
CHECK_MEMBER_OFFSET(cef_app_t, get_render_process_handler, 32);
CHECK_STRUCT_SIZE(cef_browser_process_handler_t, 32);
CHECK_MEMBER_OFFSET(cef_browser_process_handler_t, on_context_initialized, 16);
CHECK_MEMBER_OFFSET(cef_browser_process_handler_t, get_print_handler, 28);
CHECK_STRUCT_SIZE(cef_render_process_handler_t, 60);
CHECK_MEMBER_OFFSET(cef_render_process_handler_t, on_render_thread_created, 16);
CHECK_MEMBER_OFFSET(cef_render_process_handler_t,
                    on_process_message_received, 56);
CHECK_STRUCT_SIZE(cef_resource_bundle_handler_t, 28);
CHECK_MEMBER_OFFSET(cef_resource_bundle_handler_t, get_localized_string, 16);
CHECK_MEMBER_OFFSET(cef_resource_bundle_handler_t,
                    get_data_resource_for_scale, 24);

// The client and its handlers.
CHECK_STRUCT_SIZE(cef_client_t, 76);
CHECK_MEMBER_OFFSET(cef_client_t, get_context_menu_handler, 16);
CHECK_MEMBER_OFFSET(cef_client_t, on_process_message_received, 72);
CHECK_STRUCT_SIZE(cef_context_menu_handler_t, 32);
CHECK_MEMBER_OFFSET(cef_context_menu_handler_t, on_before_context_menu, 16);
CHECK_MEMBER_OFFSET(cef_context_menu_handler_t, on_context_menu_dismissed, 28);
CHECK_STRUCT_SIZE(cef_dialog_handler_t, 20);
CHECK_MEMBER_OFFSET(cef_dialog_handler_t, on_file_dialog, 16);
CHECK_STRUCT_SIZE(cef_display_handler_t, 44);
CHECK_MEMBER_OFFSET(cef_display_handler_t, on_address_change, 16);
CHECK_MEMBER_OFFSET(cef_display_handler_t, on_console_message, 40);
CHECK_STRUCT_SIZE(cef_download_handler_t, 24);
CHECK_MEMBER_OFFSET(cef_download_handler_t, on_before_download, 16);
CHECK_MEMBER_OFFSET(cef_download_handler_t, on_download_updated, 20);
CHECK_STRUCT_SIZE(cef_drag_handler_t, 24);
CHECK_MEMBER_OFFSET(cef_drag_handler_t, on_drag_enter, 16);
CHECK_MEMBER_OFFSET(cef_drag_handler_t, on_draggable_regions_changed, 20);
CHECK_STRUCT_SIZE(cef_find_handler_t, 20);
CHECK_MEMBER_OFFSET(cef_find_handler_t, on_find_result, 16);
CHECK_STRUCT_SIZE(cef_focus_handler_t, 28);
CHECK_MEMBER_OFFSET(cef_focus_handler_t, on_take_focus, 16);
CHECK_MEMBER_OFFSET(cef_focus_handler_t, on_got_focus, 24);
CHECK_STRUCT_SIZE(cef_geolocation_handler_t, 24);
CHECK_MEMBER_OFFSET(cef_geolocation_handler_t,
                    on_request_geolocation_permission, 16);
CHECK_MEMBER_OFFSET(cef_geolocation_handler_t,
                    on_cancel_geolocation_permission, 20);
CHECK_STRUCT_SIZE(cef_jsdialog_handler_t, 32);
CHECK_MEMBER_OFFSET(cef_jsdialog_handler_t, on_jsdialog, 16);
CHECK_MEMBER_OFFSET(cef_jsdialog_handler_t, on_dialog_closed, 28);
CHECK_STRUCT_SIZE(cef_keyboard_handler_t, 24);
CHECK_MEMBER_OFFSET(cef_keyboard_handler_t, on_pre_key_event, 16);
CHECK_MEMBER_OFFSET(cef_keyboard_handler_t, on_key_event, 20);
CHECK_STRUCT_SIZE(cef_life_span_handler_t, 36);
CHECK_MEMBER_OFFSET(cef_life_span_handler_t, on_before_popup, 16);
CHECK_MEMBER_OFFSET(cef_life_span_handler_t, on_before_close, 32);
CHECK_STRUCT_SIZE(cef_load_handler_t, 32);
CHECK_MEMBER_OFFSET(cef_load_handler_t, on_loading_state_change, 16);
CHECK_MEMBER_OFFSET(cef_load_handler_t, on_load_error, 28);
CHECK_STRUCT_SIZE(cef_render_handler_t, 60);
CHECK_MEMBER_OFFSET(cef_render_handler_t, get_root_screen_rect, 16);
CHECK_MEMBER_OFFSET(cef_render_handler_t, on_scroll_offset_changed, 56);
CHECK_STRUCT_SIZE(cef_request_handler_t, 76);
CHECK_MEMBER_OFFSET(cef_request_handler_t, on_before_browse, 16);
CHECK_MEMBER_OFFSET(cef_request_handler_t, on_render_process_terminated, 72);
CHECK_STRUCT_SIZE(cef_request_context_handler_t, 24);
CHECK_MEMBER_OFFSET(cef_request_context_handler_t, get_cookie_manager, 16);
CHECK_MEMBER_OFFSET(cef_request_context_handler_t, on_before_plugin_load, 20);
CHECK_STRUCT_SIZE(cef_print_handler_t, 40);
CHECK_MEMBER_OFFSET(cef_print_handler_t, on_print_start, 16);
CHECK_MEMBER_OFFSET(cef_print_handler_t, get_pdf_paper_size, 36);

// Resource loading.
CHECK_STRUCT_SIZE(cef_resource_handler_t, 40);
CHECK_MEMBER_OFFSET(cef_resource_handler_t, process_request, 16);
CHECK_MEMBER_OFFSET(cef_resource_handler_t, cancel, 36);
CHECK_STRUCT_SIZE(cef_response_filter_t, 24);
CHECK_MEMBER_OFFSET(cef_response_filter_t, init_filter, 16);
CHECK_MEMBER_OFFSET(cef_response_filter_t, filter, 20);
CHECK_STRUCT_SIZE(cef_scheme_handler_factory_t, 20);
CHECK_MEMBER_OFFSET(cef_scheme_handler_factory_t, create, 16);

// One-shot callbacks.
CHECK_STRUCT_SIZE(cef_completion_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_completion_callback_t, on_complete, 16);
CHECK_STRUCT_SIZE(cef_delete_cookies_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_delete_cookies_callback_t, on_complete, 16);
CHECK_STRUCT_SIZE(cef_end_tracing_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_end_tracing_callback_t, on_end_tracing_complete, 16);
CHECK_STRUCT_SIZE(cef_get_geolocation_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_get_geolocation_callback_t, on_location_update, 16);
CHECK_STRUCT_SIZE(cef_pdf_print_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_pdf_print_callback_t, on_pdf_print_finished, 16);
CHECK_STRUCT_SIZE(cef_resolve_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_resolve_callback_t, on_resolve_completed, 16);
CHECK_STRUCT_SIZE(cef_run_file_dialog_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_run_file_dialog_callback_t,
                    on_file_dialog_dismissed, 16);
CHECK_STRUCT_SIZE(cef_set_cookie_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_set_cookie_callback_t, on_complete, 16);
CHECK_STRUCT_SIZE(cef_web_plugin_unstable_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_web_plugin_unstable_callback_t, is_unstable, 16);

// Visitors.
CHECK_STRUCT_SIZE(cef_cookie_visitor_t, 20);
CHECK_MEMBER_OFFSET(cef_cookie_visitor_t, visit, 16);
CHECK_STRUCT_SIZE(cef_domvisitor_t, 20);
CHECK_MEMBER_OFFSET(cef_domvisitor_t, visit, 16);
CHECK_STRUCT_SIZE(cef_navigation_entry_visitor_t, 20);
CHECK_MEMBER_OFFSET(cef_navigation_entry_visitor_t, visit, 16);
CHECK_STRUCT_SIZE(cef_string_visitor_t, 20);
CHECK_MEMBER_OFFSET(cef_string_visitor_t, visit, 16);
CHECK_STRUCT_SIZE(cef_web_plugin_info_visitor_t, 20);
CHECK_MEMBER_OFFSET(cef_web_plugin_info_visitor_t, visit, 16);

// Tasks, scripts and streams.
CHECK_STRUCT_SIZE(cef_task_t, 20);
CHECK_MEMBER_OFFSET(cef_task_t, execute, 16);
CHECK_STRUCT_SIZE(cef_v8accessor_t, 24);
CHECK_MEMBER_OFFSET(cef_v8accessor_t, get, 16);
CHECK_MEMBER_OFFSET(cef_v8accessor_t, set, 20);
CHECK_STRUCT_SIZE(cef_v8handler_t, 20);
CHECK_MEMBER_OFFSET(cef_v8handler_t, execute, 16);
CHECK_STRUCT_SIZE(cef_write_handler_t, 36);
CHECK_MEMBER_OFFSET(cef_write_handler_t, write, 16);
CHECK_MEMBER_OFFSET(cef_write_handler_t, may_block, 32);

// The bare header is what the library sees of user data.
CHECK_STRUCT_SIZE(cef_base_t, 16);
CHECK_MEMBER_OFFSET(cef_base_t, has_one_ref, 12);

// Records passed as arrays: the library steps through them by these sizes.
// They hold no pointer, so the sizes are the same everywhere.
static_assert(sizeof(cef_draggable_region_t) == 20,
              "a draggable region is a rectangle and an int");
static_assert(offsetof(cef_draggable_region_t, draggable) == 16,
              "the flag follows the rectangle");
static_assert(sizeof(cef_rect_t) == 16, "dirty rectangles are four ints");

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(cef_cursor_info_t) == 24,
              "cursor info: hotspot, scale, buffer, size");
static_assert(offsetof(cef_cursor_info_t, buffer) == 12,
              "the buffer pointer follows the scale factor");
#endif

// Enumerations cross the interface as 32-bit values.
static_assert(sizeof(cef_return_value_t) == 4, "enumerations are 32-bit");
static_assert(sizeof(cef_response_filter_status_t) == 4,
              "enumerations are 32-bit");
static_assert(RV_CONTINUE == 1, "a request handler's default answer");
static_assert(RESPONSE_FILTER_ERROR == 2, "a response filter's default answer");
