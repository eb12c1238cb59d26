// Layout of the library-implemented structures that the browser, frame,
// context, menu, download, print and certificate proxies forward to. A
// member's offset is what the size test of every forwarded call compares
// against, so each one is pinned, not only the structure's total.
#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_command_line_capi.h"
#include "include/capi/cef_context_menu_capi.h"
#include "include/capi/cef_cookie_capi.h"
#include "include/capi/cef_download_item_capi.h"
#include "include/capi/cef_drag_data_capi.h"
#include "include/capi/cef_frame_capi.h"
#include "include/capi/cef_navigation_entry_capi.h"
#include "include/capi/cef_print_settings_capi.h"
#include "include/capi/cef_process_message_capi.h"
#include "include/capi/cef_request_context_capi.h"
#include "include/capi/cef_scheme_capi.h"
#include "include/capi/cef_ssl_info_capi.h"
#include "include/capi/cef_stream_capi.h"
#include "include/capi/cef_task_runner_capi.h"
#include "include/capi/cef_web_plugin_capi.h"
#include "tests/layout/layout_check.h"


CHECK_STRUCT_SIZE(cef_command_line_t, 96);
CHECK_MEMBER_OFFSET(cef_command_line_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_command_line_t, is_read_only, 20);
CHECK_MEMBER_OFFSET(cef_command_line_t, copy, 24);
CHECK_MEMBER_OFFSET(cef_command_line_t, init_from_argv, 28);
CHECK_MEMBER_OFFSET(cef_command_line_t, init_from_string, 32);
CHECK_MEMBER_OFFSET(cef_command_line_t, reset, 36);
CHECK_MEMBER_OFFSET(cef_command_line_t, get_argv, 40);
CHECK_MEMBER_OFFSET(cef_command_line_t, get_command_line_string, 44);
CHECK_MEMBER_OFFSET(cef_command_line_t, get_program, 48);
CHECK_MEMBER_OFFSET(cef_command_line_t, set_program, 52);
CHECK_MEMBER_OFFSET(cef_command_line_t, has_switches, 56);
CHECK_MEMBER_OFFSET(cef_command_line_t, has_switch, 60);
CHECK_MEMBER_OFFSET(cef_command_line_t, get_switch_value, 64);
CHECK_MEMBER_OFFSET(cef_command_line_t, get_switches, 68);
CHECK_MEMBER_OFFSET(cef_command_line_t, append_switch, 72);
CHECK_MEMBER_OFFSET(cef_command_line_t, append_switch_with_value, 76);
CHECK_MEMBER_OFFSET(cef_command_line_t, has_arguments, 80);
CHECK_MEMBER_OFFSET(cef_command_line_t, get_arguments, 84);
CHECK_MEMBER_OFFSET(cef_command_line_t, append_argument, 88);
CHECK_MEMBER_OFFSET(cef_command_line_t, prepend_wrapper, 92);

CHECK_STRUCT_SIZE(cef_browser_t, 100);
CHECK_MEMBER_OFFSET(cef_browser_t, get_host, 16);
CHECK_MEMBER_OFFSET(cef_browser_t, can_go_back, 20);
CHECK_MEMBER_OFFSET(cef_browser_t, go_back, 24);
CHECK_MEMBER_OFFSET(cef_browser_t, can_go_forward, 28);
CHECK_MEMBER_OFFSET(cef_browser_t, go_forward, 32);
CHECK_MEMBER_OFFSET(cef_browser_t, is_loading, 36);
CHECK_MEMBER_OFFSET(cef_browser_t, reload, 40);
CHECK_MEMBER_OFFSET(cef_browser_t, reload_ignore_cache, 44);
CHECK_MEMBER_OFFSET(cef_browser_t, stop_load, 48);
CHECK_MEMBER_OFFSET(cef_browser_t, get_identifier, 52);
CHECK_MEMBER_OFFSET(cef_browser_t, is_same, 56);
CHECK_MEMBER_OFFSET(cef_browser_t, is_popup, 60);
CHECK_MEMBER_OFFSET(cef_browser_t, has_document, 64);
CHECK_MEMBER_OFFSET(cef_browser_t, get_main_frame, 68);
CHECK_MEMBER_OFFSET(cef_browser_t, get_focused_frame, 72);
CHECK_MEMBER_OFFSET(cef_browser_t, get_frame_byident, 76);
CHECK_MEMBER_OFFSET(cef_browser_t, get_frame, 80);
CHECK_MEMBER_OFFSET(cef_browser_t, get_frame_count, 84);
CHECK_MEMBER_OFFSET(cef_browser_t, get_frame_identifiers, 88);
CHECK_MEMBER_OFFSET(cef_browser_t, get_frame_names, 92);
CHECK_MEMBER_OFFSET(cef_browser_t, send_process_message, 96);

CHECK_STRUCT_SIZE(cef_browser_host_t, 200);
CHECK_MEMBER_OFFSET(cef_browser_host_t, get_browser, 16);
CHECK_MEMBER_OFFSET(cef_browser_host_t, close_browser, 20);
CHECK_MEMBER_OFFSET(cef_browser_host_t, set_focus, 24);
CHECK_MEMBER_OFFSET(cef_browser_host_t, set_window_visibility, 28);
CHECK_MEMBER_OFFSET(cef_browser_host_t, get_window_handle, 32);
CHECK_MEMBER_OFFSET(cef_browser_host_t, get_opener_window_handle, 36);
CHECK_MEMBER_OFFSET(cef_browser_host_t, get_client, 40);
CHECK_MEMBER_OFFSET(cef_browser_host_t, get_request_context, 44);
CHECK_MEMBER_OFFSET(cef_browser_host_t, get_zoom_level, 48);
CHECK_MEMBER_OFFSET(cef_browser_host_t, set_zoom_level, 52);
CHECK_MEMBER_OFFSET(cef_browser_host_t, run_file_dialog, 56);
CHECK_MEMBER_OFFSET(cef_browser_host_t, start_download, 60);
CHECK_MEMBER_OFFSET(cef_browser_host_t, print, 64);
CHECK_MEMBER_OFFSET(cef_browser_host_t, print_to_pdf, 68);
CHECK_MEMBER_OFFSET(cef_browser_host_t, find, 72);
CHECK_MEMBER_OFFSET(cef_browser_host_t, stop_finding, 76);
CHECK_MEMBER_OFFSET(cef_browser_host_t, show_dev_tools, 80);
CHECK_MEMBER_OFFSET(cef_browser_host_t, close_dev_tools, 84);
CHECK_MEMBER_OFFSET(cef_browser_host_t, get_navigation_entries, 88);
CHECK_MEMBER_OFFSET(cef_browser_host_t, set_mouse_cursor_change_disabled, 92);
CHECK_MEMBER_OFFSET(cef_browser_host_t, is_mouse_cursor_change_disabled, 96);
CHECK_MEMBER_OFFSET(cef_browser_host_t, replace_misspelling, 100);
CHECK_MEMBER_OFFSET(cef_browser_host_t, add_word_to_dictionary, 104);
CHECK_MEMBER_OFFSET(cef_browser_host_t, is_window_rendering_disabled, 108);
CHECK_MEMBER_OFFSET(cef_browser_host_t, was_resized, 112);
CHECK_MEMBER_OFFSET(cef_browser_host_t, was_hidden, 116);
CHECK_MEMBER_OFFSET(cef_browser_host_t, notify_screen_info_changed, 120);
CHECK_MEMBER_OFFSET(cef_browser_host_t, invalidate, 124);
CHECK_MEMBER_OFFSET(cef_browser_host_t, send_key_event, 128);
CHECK_MEMBER_OFFSET(cef_browser_host_t, send_mouse_click_event, 132);
CHECK_MEMBER_OFFSET(cef_browser_host_t, send_mouse_move_event, 136);
CHECK_MEMBER_OFFSET(cef_browser_host_t, send_mouse_wheel_event, 140);
CHECK_MEMBER_OFFSET(cef_browser_host_t, send_focus_event, 144);
CHECK_MEMBER_OFFSET(cef_browser_host_t, send_capture_lost_event, 148);
CHECK_MEMBER_OFFSET(cef_browser_host_t, notify_move_or_resize_started, 152);
CHECK_MEMBER_OFFSET(cef_browser_host_t, get_windowless_frame_rate, 156);
CHECK_MEMBER_OFFSET(cef_browser_host_t, set_windowless_frame_rate, 160);
CHECK_MEMBER_OFFSET(cef_browser_host_t, get_nstext_input_context, 164);
CHECK_MEMBER_OFFSET(cef_browser_host_t, handle_key_event_before_text_input_client, 168);
CHECK_MEMBER_OFFSET(cef_browser_host_t, handle_key_event_after_text_input_client, 172);
CHECK_MEMBER_OFFSET(cef_browser_host_t, drag_target_drag_enter, 176);
CHECK_MEMBER_OFFSET(cef_browser_host_t, drag_target_drag_over, 180);
CHECK_MEMBER_OFFSET(cef_browser_host_t, drag_target_drag_leave, 184);
CHECK_MEMBER_OFFSET(cef_browser_host_t, drag_target_drop, 188);
CHECK_MEMBER_OFFSET(cef_browser_host_t, drag_source_ended_at, 192);
CHECK_MEMBER_OFFSET(cef_browser_host_t, drag_source_system_drag_ended, 196);

CHECK_STRUCT_SIZE(cef_frame_t, 112);
CHECK_MEMBER_OFFSET(cef_frame_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_frame_t, undo, 20);
CHECK_MEMBER_OFFSET(cef_frame_t, redo, 24);
CHECK_MEMBER_OFFSET(cef_frame_t, cut, 28);
CHECK_MEMBER_OFFSET(cef_frame_t, copy, 32);
CHECK_MEMBER_OFFSET(cef_frame_t, paste, 36);
CHECK_MEMBER_OFFSET(cef_frame_t, del, 40);
CHECK_MEMBER_OFFSET(cef_frame_t, select_all, 44);
CHECK_MEMBER_OFFSET(cef_frame_t, view_source, 48);
CHECK_MEMBER_OFFSET(cef_frame_t, get_source, 52);
CHECK_MEMBER_OFFSET(cef_frame_t, get_text, 56);
CHECK_MEMBER_OFFSET(cef_frame_t, load_request, 60);
CHECK_MEMBER_OFFSET(cef_frame_t, load_url, 64);
CHECK_MEMBER_OFFSET(cef_frame_t, load_string, 68);
CHECK_MEMBER_OFFSET(cef_frame_t, execute_java_script, 72);
CHECK_MEMBER_OFFSET(cef_frame_t, is_main, 76);
CHECK_MEMBER_OFFSET(cef_frame_t, is_focused, 80);
CHECK_MEMBER_OFFSET(cef_frame_t, get_name, 84);
CHECK_MEMBER_OFFSET(cef_frame_t, get_identifier, 88);
CHECK_MEMBER_OFFSET(cef_frame_t, get_parent, 92);
CHECK_MEMBER_OFFSET(cef_frame_t, get_url, 96);
CHECK_MEMBER_OFFSET(cef_frame_t, get_browser, 100);
CHECK_MEMBER_OFFSET(cef_frame_t, get_v8context, 104);
CHECK_MEMBER_OFFSET(cef_frame_t, visit_dom, 108);

CHECK_STRUCT_SIZE(cef_request_context_t, 88);
CHECK_MEMBER_OFFSET(cef_request_context_t, is_same, 16);
CHECK_MEMBER_OFFSET(cef_request_context_t, is_sharing_with, 20);
CHECK_MEMBER_OFFSET(cef_request_context_t, is_global, 24);
CHECK_MEMBER_OFFSET(cef_request_context_t, get_handler, 28);
CHECK_MEMBER_OFFSET(cef_request_context_t, get_cache_path, 32);
CHECK_MEMBER_OFFSET(cef_request_context_t, get_default_cookie_manager, 36);
CHECK_MEMBER_OFFSET(cef_request_context_t, register_scheme_handler_factory, 40);
CHECK_MEMBER_OFFSET(cef_request_context_t, clear_scheme_handler_factories, 44);
CHECK_MEMBER_OFFSET(cef_request_context_t, purge_plugin_list_cache, 48);
CHECK_MEMBER_OFFSET(cef_request_context_t, has_preference, 52);
CHECK_MEMBER_OFFSET(cef_request_context_t, get_preference, 56);
CHECK_MEMBER_OFFSET(cef_request_context_t, get_all_preferences, 60);
CHECK_MEMBER_OFFSET(cef_request_context_t, can_set_preference, 64);
CHECK_MEMBER_OFFSET(cef_request_context_t, set_preference, 68);
CHECK_MEMBER_OFFSET(cef_request_context_t, clear_certificate_exceptions, 72);
CHECK_MEMBER_OFFSET(cef_request_context_t, close_all_connections, 76);
CHECK_MEMBER_OFFSET(cef_request_context_t, resolve_host, 80);
CHECK_MEMBER_OFFSET(cef_request_context_t, resolve_host_cached, 84);

CHECK_STRUCT_SIZE(cef_cookie_manager_t, 44);
CHECK_MEMBER_OFFSET(cef_cookie_manager_t, set_supported_schemes, 16);
CHECK_MEMBER_OFFSET(cef_cookie_manager_t, visit_all_cookies, 20);
CHECK_MEMBER_OFFSET(cef_cookie_manager_t, visit_url_cookies, 24);
CHECK_MEMBER_OFFSET(cef_cookie_manager_t, set_cookie, 28);
CHECK_MEMBER_OFFSET(cef_cookie_manager_t, delete_cookies, 32);
CHECK_MEMBER_OFFSET(cef_cookie_manager_t, set_storage_path, 36);
CHECK_MEMBER_OFFSET(cef_cookie_manager_t, flush_store, 40);

CHECK_STRUCT_SIZE(cef_task_runner_t, 36);
CHECK_MEMBER_OFFSET(cef_task_runner_t, is_same, 16);
CHECK_MEMBER_OFFSET(cef_task_runner_t, belongs_to_current_thread, 20);
CHECK_MEMBER_OFFSET(cef_task_runner_t, belongs_to_thread, 24);
CHECK_MEMBER_OFFSET(cef_task_runner_t, post_task, 28);
CHECK_MEMBER_OFFSET(cef_task_runner_t, post_delayed_task, 32);

CHECK_STRUCT_SIZE(cef_process_message_t, 36);
CHECK_MEMBER_OFFSET(cef_process_message_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_process_message_t, is_read_only, 20);
CHECK_MEMBER_OFFSET(cef_process_message_t, copy, 24);
CHECK_MEMBER_OFFSET(cef_process_message_t, get_name, 28);
CHECK_MEMBER_OFFSET(cef_process_message_t, get_argument_list, 32);

CHECK_STRUCT_SIZE(cef_navigation_entry_t, 52);
CHECK_MEMBER_OFFSET(cef_navigation_entry_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_navigation_entry_t, get_url, 20);
CHECK_MEMBER_OFFSET(cef_navigation_entry_t, get_display_url, 24);
CHECK_MEMBER_OFFSET(cef_navigation_entry_t, get_original_url, 28);
CHECK_MEMBER_OFFSET(cef_navigation_entry_t, get_title, 32);
CHECK_MEMBER_OFFSET(cef_navigation_entry_t, get_transition_type, 36);
CHECK_MEMBER_OFFSET(cef_navigation_entry_t, has_post_data, 40);
CHECK_MEMBER_OFFSET(cef_navigation_entry_t, get_completion_time, 44);
CHECK_MEMBER_OFFSET(cef_navigation_entry_t, get_http_status_code, 48);

CHECK_STRUCT_SIZE(cef_stream_writer_t, 36);
CHECK_MEMBER_OFFSET(cef_stream_writer_t, write, 16);
CHECK_MEMBER_OFFSET(cef_stream_writer_t, seek, 20);
CHECK_MEMBER_OFFSET(cef_stream_writer_t, tell, 24);
CHECK_MEMBER_OFFSET(cef_stream_writer_t, flush, 28);
CHECK_MEMBER_OFFSET(cef_stream_writer_t, may_block, 32);

CHECK_STRUCT_SIZE(cef_scheme_registrar_t, 20);
CHECK_MEMBER_OFFSET(cef_scheme_registrar_t, add_custom_scheme, 16);

CHECK_STRUCT_SIZE(cef_web_plugin_info_t, 32);
CHECK_MEMBER_OFFSET(cef_web_plugin_info_t, get_name, 16);
CHECK_MEMBER_OFFSET(cef_web_plugin_info_t, get_path, 20);
CHECK_MEMBER_OFFSET(cef_web_plugin_info_t, get_version, 24);
CHECK_MEMBER_OFFSET(cef_web_plugin_info_t, get_description, 28);

CHECK_STRUCT_SIZE(cef_context_menu_params_t, 96);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_xcoord, 16);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_ycoord, 20);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_type_flags, 24);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_link_url, 28);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_unfiltered_link_url, 32);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_source_url, 36);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, has_image_contents, 40);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_page_url, 44);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_frame_url, 48);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_frame_charset, 52);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_media_type, 56);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_media_state_flags, 60);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_selection_text, 64);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_misspelled_word, 68);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_dictionary_suggestions, 72);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, is_editable, 76);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, is_spell_check_enabled, 80);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, get_edit_state_flags, 84);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, is_custom_menu, 88);
CHECK_MEMBER_OFFSET(cef_context_menu_params_t, is_pepper_menu, 92);

CHECK_STRUCT_SIZE(cef_menu_model_t, 212);
CHECK_MEMBER_OFFSET(cef_menu_model_t, clear, 16);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_count, 20);
CHECK_MEMBER_OFFSET(cef_menu_model_t, add_separator, 24);
CHECK_MEMBER_OFFSET(cef_menu_model_t, add_item, 28);
CHECK_MEMBER_OFFSET(cef_menu_model_t, add_check_item, 32);
CHECK_MEMBER_OFFSET(cef_menu_model_t, add_radio_item, 36);
CHECK_MEMBER_OFFSET(cef_menu_model_t, add_sub_menu, 40);
CHECK_MEMBER_OFFSET(cef_menu_model_t, insert_separator_at, 44);
CHECK_MEMBER_OFFSET(cef_menu_model_t, insert_item_at, 48);
CHECK_MEMBER_OFFSET(cef_menu_model_t, insert_check_item_at, 52);
CHECK_MEMBER_OFFSET(cef_menu_model_t, insert_radio_item_at, 56);
CHECK_MEMBER_OFFSET(cef_menu_model_t, insert_sub_menu_at, 60);
CHECK_MEMBER_OFFSET(cef_menu_model_t, remove, 64);
CHECK_MEMBER_OFFSET(cef_menu_model_t, remove_at, 68);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_index_of, 72);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_command_id_at, 76);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_command_id_at, 80);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_label, 84);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_label_at, 88);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_label, 92);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_label_at, 96);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_type, 100);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_type_at, 104);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_group_id, 108);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_group_id_at, 112);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_group_id, 116);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_group_id_at, 120);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_sub_menu, 124);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_sub_menu_at, 128);
CHECK_MEMBER_OFFSET(cef_menu_model_t, is_visible, 132);
CHECK_MEMBER_OFFSET(cef_menu_model_t, is_visible_at, 136);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_visible, 140);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_visible_at, 144);
CHECK_MEMBER_OFFSET(cef_menu_model_t, is_enabled, 148);
CHECK_MEMBER_OFFSET(cef_menu_model_t, is_enabled_at, 152);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_enabled, 156);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_enabled_at, 160);
CHECK_MEMBER_OFFSET(cef_menu_model_t, is_checked, 164);
CHECK_MEMBER_OFFSET(cef_menu_model_t, is_checked_at, 168);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_checked, 172);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_checked_at, 176);
CHECK_MEMBER_OFFSET(cef_menu_model_t, has_accelerator, 180);
CHECK_MEMBER_OFFSET(cef_menu_model_t, has_accelerator_at, 184);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_accelerator, 188);
CHECK_MEMBER_OFFSET(cef_menu_model_t, set_accelerator_at, 192);
CHECK_MEMBER_OFFSET(cef_menu_model_t, remove_accelerator, 196);
CHECK_MEMBER_OFFSET(cef_menu_model_t, remove_accelerator_at, 200);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_accelerator, 204);
CHECK_MEMBER_OFFSET(cef_menu_model_t, get_accelerator_at, 208);

CHECK_STRUCT_SIZE(cef_drag_data_t, 104);
CHECK_MEMBER_OFFSET(cef_drag_data_t, clone, 16);
CHECK_MEMBER_OFFSET(cef_drag_data_t, is_read_only, 20);
CHECK_MEMBER_OFFSET(cef_drag_data_t, is_link, 24);
CHECK_MEMBER_OFFSET(cef_drag_data_t, is_fragment, 28);
CHECK_MEMBER_OFFSET(cef_drag_data_t, is_file, 32);
CHECK_MEMBER_OFFSET(cef_drag_data_t, get_link_url, 36);
CHECK_MEMBER_OFFSET(cef_drag_data_t, get_link_title, 40);
CHECK_MEMBER_OFFSET(cef_drag_data_t, get_link_metadata, 44);
CHECK_MEMBER_OFFSET(cef_drag_data_t, get_fragment_text, 48);
CHECK_MEMBER_OFFSET(cef_drag_data_t, get_fragment_html, 52);
CHECK_MEMBER_OFFSET(cef_drag_data_t, get_fragment_base_url, 56);
CHECK_MEMBER_OFFSET(cef_drag_data_t, get_file_name, 60);
CHECK_MEMBER_OFFSET(cef_drag_data_t, get_file_contents, 64);
CHECK_MEMBER_OFFSET(cef_drag_data_t, get_file_names, 68);
CHECK_MEMBER_OFFSET(cef_drag_data_t, set_link_url, 72);
CHECK_MEMBER_OFFSET(cef_drag_data_t, set_link_title, 76);
CHECK_MEMBER_OFFSET(cef_drag_data_t, set_link_metadata, 80);
CHECK_MEMBER_OFFSET(cef_drag_data_t, set_fragment_text, 84);
CHECK_MEMBER_OFFSET(cef_drag_data_t, set_fragment_html, 88);
CHECK_MEMBER_OFFSET(cef_drag_data_t, set_fragment_base_url, 92);
CHECK_MEMBER_OFFSET(cef_drag_data_t, reset_file_contents, 96);
CHECK_MEMBER_OFFSET(cef_drag_data_t, add_file, 100);

CHECK_STRUCT_SIZE(cef_download_item_t, 84);
CHECK_MEMBER_OFFSET(cef_download_item_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_download_item_t, is_in_progress, 20);
CHECK_MEMBER_OFFSET(cef_download_item_t, is_complete, 24);
CHECK_MEMBER_OFFSET(cef_download_item_t, is_canceled, 28);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_current_speed, 32);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_percent_complete, 36);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_total_bytes, 40);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_received_bytes, 44);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_start_time, 48);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_end_time, 52);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_full_path, 56);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_id, 60);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_url, 64);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_original_url, 68);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_suggested_file_name, 72);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_content_disposition, 76);
CHECK_MEMBER_OFFSET(cef_download_item_t, get_mime_type, 80);

CHECK_STRUCT_SIZE(cef_print_settings_t, 108);
CHECK_MEMBER_OFFSET(cef_print_settings_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_print_settings_t, is_read_only, 20);
CHECK_MEMBER_OFFSET(cef_print_settings_t, copy, 24);
CHECK_MEMBER_OFFSET(cef_print_settings_t, set_orientation, 28);
CHECK_MEMBER_OFFSET(cef_print_settings_t, is_landscape, 32);
CHECK_MEMBER_OFFSET(cef_print_settings_t, set_printer_printable_area, 36);
CHECK_MEMBER_OFFSET(cef_print_settings_t, set_device_name, 40);
CHECK_MEMBER_OFFSET(cef_print_settings_t, get_device_name, 44);
CHECK_MEMBER_OFFSET(cef_print_settings_t, set_dpi, 48);
CHECK_MEMBER_OFFSET(cef_print_settings_t, get_dpi, 52);
CHECK_MEMBER_OFFSET(cef_print_settings_t, set_page_ranges, 56);
CHECK_MEMBER_OFFSET(cef_print_settings_t, get_page_ranges_count, 60);
CHECK_MEMBER_OFFSET(cef_print_settings_t, get_page_ranges, 64);
CHECK_MEMBER_OFFSET(cef_print_settings_t, set_selection_only, 68);
CHECK_MEMBER_OFFSET(cef_print_settings_t, is_selection_only, 72);
CHECK_MEMBER_OFFSET(cef_print_settings_t, set_collate, 76);
CHECK_MEMBER_OFFSET(cef_print_settings_t, will_collate, 80);
CHECK_MEMBER_OFFSET(cef_print_settings_t, set_color_model, 84);
CHECK_MEMBER_OFFSET(cef_print_settings_t, get_color_model, 88);
CHECK_MEMBER_OFFSET(cef_print_settings_t, set_copies, 92);
CHECK_MEMBER_OFFSET(cef_print_settings_t, get_copies, 96);
CHECK_MEMBER_OFFSET(cef_print_settings_t, set_duplex_mode, 100);
CHECK_MEMBER_OFFSET(cef_print_settings_t, get_duplex_mode, 104);

CHECK_STRUCT_SIZE(cef_sslinfo_t, 68);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, get_cert_status, 16);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, is_cert_status_error, 20);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, is_cert_status_minor_error, 24);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, get_subject, 28);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, get_issuer, 32);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, get_serial_number, 36);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, get_valid_start, 40);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, get_valid_expiry, 44);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, get_derformat, 48);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, get_pemformat, 52);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, get_issuer_chain_size, 56);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, get_derencoded_issuer_chain, 60);
CHECK_MEMBER_OFFSET(cef_sslinfo_t, get_pemencoded_issuer_chain, 64);

CHECK_STRUCT_SIZE(cef_sslcert_principal_t, 52);
CHECK_MEMBER_OFFSET(cef_sslcert_principal_t, get_display_name, 16);
CHECK_MEMBER_OFFSET(cef_sslcert_principal_t, get_common_name, 20);
CHECK_MEMBER_OFFSET(cef_sslcert_principal_t, get_locality_name, 24);
CHECK_MEMBER_OFFSET(cef_sslcert_principal_t, get_state_or_province_name, 28);
CHECK_MEMBER_OFFSET(cef_sslcert_principal_t, get_country_name, 32);
CHECK_MEMBER_OFFSET(cef_sslcert_principal_t, get_street_addresses, 36);
CHECK_MEMBER_OFFSET(cef_sslcert_principal_t, get_organization_names, 40);
CHECK_MEMBER_OFFSET(cef_sslcert_principal_t, get_organization_unit_names, 44);
CHECK_MEMBER_OFFSET(cef_sslcert_principal_t, get_domain_components, 48);

// Records passed by address. Those holding only ints have one size
// everywhere; those with strings, size_t or doubles are pinned on the 32-bit
// Windows target, whose layout the library was built with.
static_assert(sizeof(cef_mouse_event_t) == 12, "cef_mouse_event_t");
static_assert(offsetof(cef_mouse_event_t, modifiers) == 8,
              "cef_mouse_event_t::modifiers");
static_assert(sizeof(cef_page_range_t) == 8, "cef_page_range_t");
static_assert(offsetof(cef_page_range_t, to) == 4, "cef_page_range_t::to");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(cef_request_context_settings_t) == 40,
              "cef_request_context_settings_t");
static_assert(offsetof(cef_request_context_settings_t,
                       accept_language_list) == 28,
              "cef_request_context_settings_t::accept_language_list");
static_assert(offsetof(cef_pdf_print_settings_t, margin_top) == 32,
              "cef_pdf_print_settings_t::margin_top");
static_assert(offsetof(cef_pdf_print_settings_t, backgrounds_enabled) == 80,
              "cef_pdf_print_settings_t::backgrounds_enabled");
static_assert(sizeof(cef_pdf_print_settings_t) == 88,
              "cef_pdf_print_settings_t");
#endif

// Enumerations cross as 32-bit ints, including the ones whose top flag only
// fits an unsigned value.
static_assert(sizeof(cef_drag_operations_mask_t) == 4, "drag mask width");
static_assert(sizeof(cef_file_dialog_mode_t) == 4, "file dialog mode width");
static_assert(sizeof(cef_cert_status_t) == 4, "cert status width");
// A print-settings proxy without the member answers "no duplex mode set".
static_assert(DUPLEX_MODE_UNKNOWN == -1, "duplex mode default");
