// Layout of the library-implemented data interfaces: JavaScript engine
// objects, requests and responses, value containers, answer callbacks and the
// document tree. Every member's offset is checked, so a missing, extra or
// reordered member fails here rather than as a call through the wrong slot.

#include "include/capi/cef_callbacks_capi.h"
#include "include/capi/cef_dom_capi.h"
#include "include/capi/cef_request_capi.h"
#include "include/capi/cef_response_capi.h"
#include "include/capi/cef_v8_capi.h"
#include "include/capi/cef_values_capi.h"
#include "tests/layout/layout_check.h"

// The values a request reports when it cannot answer.
static_assert(REFERRER_POLICY_DEFAULT == 1, "referrer policy fallback");
static_assert(RT_SUB_RESOURCE == 6, "resource type fallback");
static_assert(TT_EXPLICIT == 1, "transition type fallback");
// The transition flags above INT_MAX must not widen the returned enumeration.
static_assert(sizeof(cef_transition_type_t) == 4, "32-bit transition type");

CHECK_STRUCT_SIZE(cef_v8context_t, 52);
CHECK_MEMBER_OFFSET(cef_v8context_t, get_task_runner, 16);
CHECK_MEMBER_OFFSET(cef_v8context_t, is_valid, 20);
CHECK_MEMBER_OFFSET(cef_v8context_t, get_browser, 24);
CHECK_MEMBER_OFFSET(cef_v8context_t, get_frame, 28);
CHECK_MEMBER_OFFSET(cef_v8context_t, get_global, 32);
CHECK_MEMBER_OFFSET(cef_v8context_t, enter, 36);
CHECK_MEMBER_OFFSET(cef_v8context_t, exit, 40);
CHECK_MEMBER_OFFSET(cef_v8context_t, is_same, 44);
CHECK_MEMBER_OFFSET(cef_v8context_t, eval, 48);

CHECK_STRUCT_SIZE(cef_v8value_t, 192);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_undefined, 20);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_null, 24);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_bool, 28);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_int, 32);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_uint, 36);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_double, 40);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_date, 44);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_string, 48);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_object, 52);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_array, 56);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_function, 60);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_same, 64);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_bool_value, 68);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_int_value, 72);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_uint_value, 76);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_double_value, 80);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_date_value, 84);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_string_value, 88);
CHECK_MEMBER_OFFSET(cef_v8value_t, is_user_created, 92);
CHECK_MEMBER_OFFSET(cef_v8value_t, has_exception, 96);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_exception, 100);
CHECK_MEMBER_OFFSET(cef_v8value_t, clear_exception, 104);
CHECK_MEMBER_OFFSET(cef_v8value_t, will_rethrow_exceptions, 108);
CHECK_MEMBER_OFFSET(cef_v8value_t, set_rethrow_exceptions, 112);
CHECK_MEMBER_OFFSET(cef_v8value_t, has_value_bykey, 116);
CHECK_MEMBER_OFFSET(cef_v8value_t, has_value_byindex, 120);
CHECK_MEMBER_OFFSET(cef_v8value_t, delete_value_bykey, 124);
CHECK_MEMBER_OFFSET(cef_v8value_t, delete_value_byindex, 128);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_value_bykey, 132);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_value_byindex, 136);
CHECK_MEMBER_OFFSET(cef_v8value_t, set_value_bykey, 140);
CHECK_MEMBER_OFFSET(cef_v8value_t, set_value_byindex, 144);
CHECK_MEMBER_OFFSET(cef_v8value_t, set_value_byaccessor, 148);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_keys, 152);
CHECK_MEMBER_OFFSET(cef_v8value_t, set_user_data, 156);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_user_data, 160);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_externally_allocated_memory, 164);
CHECK_MEMBER_OFFSET(cef_v8value_t, adjust_externally_allocated_memory, 168);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_array_length, 172);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_function_name, 176);
CHECK_MEMBER_OFFSET(cef_v8value_t, get_function_handler, 180);
CHECK_MEMBER_OFFSET(cef_v8value_t, execute_function, 184);
CHECK_MEMBER_OFFSET(cef_v8value_t, execute_function_with_context, 188);

CHECK_STRUCT_SIZE(cef_v8exception_t, 48);
CHECK_MEMBER_OFFSET(cef_v8exception_t, get_message, 16);
CHECK_MEMBER_OFFSET(cef_v8exception_t, get_source_line, 20);
CHECK_MEMBER_OFFSET(cef_v8exception_t, get_script_resource_name, 24);
CHECK_MEMBER_OFFSET(cef_v8exception_t, get_line_number, 28);
CHECK_MEMBER_OFFSET(cef_v8exception_t, get_start_position, 32);
CHECK_MEMBER_OFFSET(cef_v8exception_t, get_end_position, 36);
CHECK_MEMBER_OFFSET(cef_v8exception_t, get_start_column, 40);
CHECK_MEMBER_OFFSET(cef_v8exception_t, get_end_column, 44);

CHECK_STRUCT_SIZE(cef_v8stack_trace_t, 28);
CHECK_MEMBER_OFFSET(cef_v8stack_trace_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_v8stack_trace_t, get_frame_count, 20);
CHECK_MEMBER_OFFSET(cef_v8stack_trace_t, get_frame, 24);

CHECK_STRUCT_SIZE(cef_v8stack_frame_t, 48);
CHECK_MEMBER_OFFSET(cef_v8stack_frame_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_v8stack_frame_t, get_script_name, 20);
CHECK_MEMBER_OFFSET(cef_v8stack_frame_t, get_script_name_or_source_url, 24);
CHECK_MEMBER_OFFSET(cef_v8stack_frame_t, get_function_name, 28);
CHECK_MEMBER_OFFSET(cef_v8stack_frame_t, get_line_number, 32);
CHECK_MEMBER_OFFSET(cef_v8stack_frame_t, get_column, 36);
CHECK_MEMBER_OFFSET(cef_v8stack_frame_t, is_eval, 40);
CHECK_MEMBER_OFFSET(cef_v8stack_frame_t, is_constructor, 44);

CHECK_STRUCT_SIZE(cef_request_t, 96);
CHECK_MEMBER_OFFSET(cef_request_t, is_read_only, 16);
CHECK_MEMBER_OFFSET(cef_request_t, get_url, 20);
CHECK_MEMBER_OFFSET(cef_request_t, set_url, 24);
CHECK_MEMBER_OFFSET(cef_request_t, get_method, 28);
CHECK_MEMBER_OFFSET(cef_request_t, set_method, 32);
CHECK_MEMBER_OFFSET(cef_request_t, set_referrer, 36);
CHECK_MEMBER_OFFSET(cef_request_t, get_referrer_url, 40);
CHECK_MEMBER_OFFSET(cef_request_t, get_referrer_policy, 44);
CHECK_MEMBER_OFFSET(cef_request_t, get_post_data, 48);
CHECK_MEMBER_OFFSET(cef_request_t, set_post_data, 52);
CHECK_MEMBER_OFFSET(cef_request_t, get_header_map, 56);
CHECK_MEMBER_OFFSET(cef_request_t, set_header_map, 60);
CHECK_MEMBER_OFFSET(cef_request_t, set, 64);
CHECK_MEMBER_OFFSET(cef_request_t, get_flags, 68);
CHECK_MEMBER_OFFSET(cef_request_t, set_flags, 72);
CHECK_MEMBER_OFFSET(cef_request_t, get_first_party_for_cookies, 76);
CHECK_MEMBER_OFFSET(cef_request_t, set_first_party_for_cookies, 80);
CHECK_MEMBER_OFFSET(cef_request_t, get_resource_type, 84);
CHECK_MEMBER_OFFSET(cef_request_t, get_transition_type, 88);
CHECK_MEMBER_OFFSET(cef_request_t, get_identifier, 92);

CHECK_STRUCT_SIZE(cef_post_data_t, 44);
CHECK_MEMBER_OFFSET(cef_post_data_t, is_read_only, 16);
CHECK_MEMBER_OFFSET(cef_post_data_t, has_excluded_elements, 20);
CHECK_MEMBER_OFFSET(cef_post_data_t, get_element_count, 24);
CHECK_MEMBER_OFFSET(cef_post_data_t, get_elements, 28);
CHECK_MEMBER_OFFSET(cef_post_data_t, remove_element, 32);
CHECK_MEMBER_OFFSET(cef_post_data_t, add_element, 36);
CHECK_MEMBER_OFFSET(cef_post_data_t, remove_elements, 40);

CHECK_STRUCT_SIZE(cef_post_data_element_t, 48);
CHECK_MEMBER_OFFSET(cef_post_data_element_t, is_read_only, 16);
CHECK_MEMBER_OFFSET(cef_post_data_element_t, set_to_empty, 20);
CHECK_MEMBER_OFFSET(cef_post_data_element_t, set_to_file, 24);
CHECK_MEMBER_OFFSET(cef_post_data_element_t, set_to_bytes, 28);
CHECK_MEMBER_OFFSET(cef_post_data_element_t, get_type, 32);
CHECK_MEMBER_OFFSET(cef_post_data_element_t, get_file, 36);
CHECK_MEMBER_OFFSET(cef_post_data_element_t, get_bytes_count, 40);
CHECK_MEMBER_OFFSET(cef_post_data_element_t, get_bytes, 44);

CHECK_STRUCT_SIZE(cef_response_t, 56);
CHECK_MEMBER_OFFSET(cef_response_t, is_read_only, 16);
CHECK_MEMBER_OFFSET(cef_response_t, get_status, 20);
CHECK_MEMBER_OFFSET(cef_response_t, set_status, 24);
CHECK_MEMBER_OFFSET(cef_response_t, get_status_text, 28);
CHECK_MEMBER_OFFSET(cef_response_t, set_status_text, 32);
CHECK_MEMBER_OFFSET(cef_response_t, get_mime_type, 36);
CHECK_MEMBER_OFFSET(cef_response_t, set_mime_type, 40);
CHECK_MEMBER_OFFSET(cef_response_t, get_header, 44);
CHECK_MEMBER_OFFSET(cef_response_t, get_header_map, 48);
CHECK_MEMBER_OFFSET(cef_response_t, set_header_map, 52);

CHECK_STRUCT_SIZE(cef_value_t, 104);
CHECK_MEMBER_OFFSET(cef_value_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_value_t, is_owned, 20);
CHECK_MEMBER_OFFSET(cef_value_t, is_read_only, 24);
CHECK_MEMBER_OFFSET(cef_value_t, is_same, 28);
CHECK_MEMBER_OFFSET(cef_value_t, is_equal, 32);
CHECK_MEMBER_OFFSET(cef_value_t, copy, 36);
CHECK_MEMBER_OFFSET(cef_value_t, get_type, 40);
CHECK_MEMBER_OFFSET(cef_value_t, get_bool, 44);
CHECK_MEMBER_OFFSET(cef_value_t, get_int, 48);
CHECK_MEMBER_OFFSET(cef_value_t, get_double, 52);
CHECK_MEMBER_OFFSET(cef_value_t, get_string, 56);
CHECK_MEMBER_OFFSET(cef_value_t, get_binary, 60);
CHECK_MEMBER_OFFSET(cef_value_t, get_dictionary, 64);
CHECK_MEMBER_OFFSET(cef_value_t, get_list, 68);
CHECK_MEMBER_OFFSET(cef_value_t, set_null, 72);
CHECK_MEMBER_OFFSET(cef_value_t, set_bool, 76);
CHECK_MEMBER_OFFSET(cef_value_t, set_int, 80);
CHECK_MEMBER_OFFSET(cef_value_t, set_double, 84);
CHECK_MEMBER_OFFSET(cef_value_t, set_string, 88);
CHECK_MEMBER_OFFSET(cef_value_t, set_binary, 92);
CHECK_MEMBER_OFFSET(cef_value_t, set_dictionary, 96);
CHECK_MEMBER_OFFSET(cef_value_t, set_list, 100);

CHECK_STRUCT_SIZE(cef_binary_value_t, 44);
CHECK_MEMBER_OFFSET(cef_binary_value_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_binary_value_t, is_owned, 20);
CHECK_MEMBER_OFFSET(cef_binary_value_t, is_same, 24);
CHECK_MEMBER_OFFSET(cef_binary_value_t, is_equal, 28);
CHECK_MEMBER_OFFSET(cef_binary_value_t, copy, 32);
CHECK_MEMBER_OFFSET(cef_binary_value_t, get_size, 36);
CHECK_MEMBER_OFFSET(cef_binary_value_t, get_data, 40);

CHECK_STRUCT_SIZE(cef_dictionary_value_t, 132);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, is_owned, 20);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, is_read_only, 24);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, is_same, 28);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, is_equal, 32);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, copy, 36);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, get_size, 40);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, clear, 44);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, has_key, 48);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, get_keys, 52);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, remove, 56);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, get_type, 60);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, get_value, 64);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, get_bool, 68);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, get_int, 72);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, get_double, 76);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, get_string, 80);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, get_binary, 84);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, get_dictionary, 88);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, get_list, 92);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, set_value, 96);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, set_null, 100);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, set_bool, 104);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, set_int, 108);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, set_double, 112);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, set_string, 116);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, set_binary, 120);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, set_dictionary, 124);
CHECK_MEMBER_OFFSET(cef_dictionary_value_t, set_list, 128);

CHECK_STRUCT_SIZE(cef_list_value_t, 128);
CHECK_MEMBER_OFFSET(cef_list_value_t, is_valid, 16);
CHECK_MEMBER_OFFSET(cef_list_value_t, is_owned, 20);
CHECK_MEMBER_OFFSET(cef_list_value_t, is_read_only, 24);
CHECK_MEMBER_OFFSET(cef_list_value_t, is_same, 28);
CHECK_MEMBER_OFFSET(cef_list_value_t, is_equal, 32);
CHECK_MEMBER_OFFSET(cef_list_value_t, copy, 36);
CHECK_MEMBER_OFFSET(cef_list_value_t, set_size, 40);
CHECK_MEMBER_OFFSET(cef_list_value_t, get_size, 44);
CHECK_MEMBER_OFFSET(cef_list_value_t, clear, 48);
CHECK_MEMBER_OFFSET(cef_list_value_t, remove, 52);
CHECK_MEMBER_OFFSET(cef_list_value_t, get_type, 56);
CHECK_MEMBER_OFFSET(cef_list_value_t, get_value, 60);
CHECK_MEMBER_OFFSET(cef_list_value_t, get_bool, 64);
CHECK_MEMBER_OFFSET(cef_list_value_t, get_int, 68);
CHECK_MEMBER_OFFSET(cef_list_value_t, get_double, 72);
CHECK_MEMBER_OFFSET(cef_list_value_t, get_string, 76);
CHECK_MEMBER_OFFSET(cef_list_value_t, get_binary, 80);
CHECK_MEMBER_OFFSET(cef_list_value_t, get_dictionary, 84);
CHECK_MEMBER_OFFSET(cef_list_value_t, get_list, 88);
CHECK_MEMBER_OFFSET(cef_list_value_t, set_value, 92);
CHECK_MEMBER_OFFSET(cef_list_value_t, set_null, 96);
CHECK_MEMBER_OFFSET(cef_list_value_t, set_bool, 100);
CHECK_MEMBER_OFFSET(cef_list_value_t, set_int, 104);
CHECK_MEMBER_OFFSET(cef_list_value_t, set_double, 108);
CHECK_MEMBER_OFFSET(cef_list_value_t, set_string, 112);
CHECK_MEMBER_OFFSET(cef_list_value_t, set_binary, 116);
CHECK_MEMBER_OFFSET(cef_list_value_t, set_dictionary, 120);
CHECK_MEMBER_OFFSET(cef_list_value_t, set_list, 124);

CHECK_STRUCT_SIZE(cef_auth_callback_t, 24);
CHECK_MEMBER_OFFSET(cef_auth_callback_t, cont, 16);
CHECK_MEMBER_OFFSET(cef_auth_callback_t, cancel, 20);

CHECK_STRUCT_SIZE(cef_before_download_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_before_download_callback_t, cont, 16);

CHECK_STRUCT_SIZE(cef_callback_t, 24);
CHECK_MEMBER_OFFSET(cef_callback_t, cont, 16);
CHECK_MEMBER_OFFSET(cef_callback_t, cancel, 20);

CHECK_STRUCT_SIZE(cef_download_item_callback_t, 28);
CHECK_MEMBER_OFFSET(cef_download_item_callback_t, cancel, 16);
CHECK_MEMBER_OFFSET(cef_download_item_callback_t, pause, 20);
CHECK_MEMBER_OFFSET(cef_download_item_callback_t, resume, 24);

CHECK_STRUCT_SIZE(cef_file_dialog_callback_t, 24);
CHECK_MEMBER_OFFSET(cef_file_dialog_callback_t, cont, 16);
CHECK_MEMBER_OFFSET(cef_file_dialog_callback_t, cancel, 20);

CHECK_STRUCT_SIZE(cef_geolocation_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_geolocation_callback_t, cont, 16);

CHECK_STRUCT_SIZE(cef_jsdialog_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_jsdialog_callback_t, cont, 16);

CHECK_STRUCT_SIZE(cef_print_dialog_callback_t, 24);
CHECK_MEMBER_OFFSET(cef_print_dialog_callback_t, cont, 16);
CHECK_MEMBER_OFFSET(cef_print_dialog_callback_t, cancel, 20);

CHECK_STRUCT_SIZE(cef_print_job_callback_t, 20);
CHECK_MEMBER_OFFSET(cef_print_job_callback_t, cont, 16);

CHECK_STRUCT_SIZE(cef_request_callback_t, 24);
CHECK_MEMBER_OFFSET(cef_request_callback_t, cont, 16);
CHECK_MEMBER_OFFSET(cef_request_callback_t, cancel, 20);

CHECK_STRUCT_SIZE(cef_run_context_menu_callback_t, 24);
CHECK_MEMBER_OFFSET(cef_run_context_menu_callback_t, cont, 16);
CHECK_MEMBER_OFFSET(cef_run_context_menu_callback_t, cancel, 20);

CHECK_STRUCT_SIZE(cef_domdocument_t, 72);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_type, 16);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_document, 20);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_body, 24);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_head, 28);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_title, 32);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_element_by_id, 36);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_focused_node, 40);
CHECK_MEMBER_OFFSET(cef_domdocument_t, has_selection, 44);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_selection_start_offset, 48);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_selection_end_offset, 52);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_selection_as_markup, 56);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_selection_as_text, 60);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_base_url, 64);
CHECK_MEMBER_OFFSET(cef_domdocument_t, get_complete_url, 68);

CHECK_STRUCT_SIZE(cef_domnode_t, 116);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_type, 16);
CHECK_MEMBER_OFFSET(cef_domnode_t, is_text, 20);
CHECK_MEMBER_OFFSET(cef_domnode_t, is_element, 24);
CHECK_MEMBER_OFFSET(cef_domnode_t, is_editable, 28);
CHECK_MEMBER_OFFSET(cef_domnode_t, is_form_control_element, 32);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_form_control_element_type, 36);
CHECK_MEMBER_OFFSET(cef_domnode_t, is_same, 40);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_name, 44);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_value, 48);
CHECK_MEMBER_OFFSET(cef_domnode_t, set_value, 52);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_as_markup, 56);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_document, 60);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_parent, 64);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_previous_sibling, 68);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_next_sibling, 72);
CHECK_MEMBER_OFFSET(cef_domnode_t, has_children, 76);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_first_child, 80);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_last_child, 84);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_element_tag_name, 88);
CHECK_MEMBER_OFFSET(cef_domnode_t, has_element_attributes, 92);
CHECK_MEMBER_OFFSET(cef_domnode_t, has_element_attribute, 96);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_element_attribute, 100);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_element_attributes, 104);
CHECK_MEMBER_OFFSET(cef_domnode_t, set_element_attribute, 108);
CHECK_MEMBER_OFFSET(cef_domnode_t, get_element_inner_text, 112);
