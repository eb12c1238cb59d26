// The library's free functions: process start-up, message loop, task posting,
// URL and JSON helpers, plug-in and scheme registration.
#ifndef CEF_INCLUDE_CAPI_CEF_ENTRY_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_ENTRY_CAPI_H_

#include <stdint.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"
#include "include/capi/cef_types_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

// The interface version these headers describe; `cef_api_hash(0)` reports the
// library's own.
#define CEF_API_HASH_PLATFORM "64b27477b82b44b51ce817522f744fca6768cbbb"

struct _cef_app_t;
struct _cef_task_t;
struct _cef_scheme_handler_factory_t;
struct _cef_v8handler_t;
struct _cef_binary_value_t;
struct _cef_value_t;
struct _cef_command_line_t;
struct _cef_completion_callback_t;
struct _cef_end_tracing_callback_t;
struct _cef_get_geolocation_callback_t;
struct _cef_web_plugin_unstable_callback_t;
struct _cef_web_plugin_info_visitor_t;

// Entry 0 is the platform hash, 1 the universal hash; both are 40 lower-case
// hexadecimal digits.
CEF_EXPORT const char* cef_api_hash(int entry);

// Returns the exit code of a sub-process that ran inside the call, or -1 in
// the browser process.
CEF_EXPORT int cef_execute_process(const cef_main_args_t* args,
                                   struct _cef_app_t* application,
                                   void* windows_sandbox_info);
CEF_EXPORT int cef_initialize(const cef_main_args_t* args,
                              const cef_settings_t* settings,
                              struct _cef_app_t* application,
                              void* windows_sandbox_info);
CEF_EXPORT void cef_shutdown(void);
CEF_EXPORT void cef_do_message_loop_work(void);
CEF_EXPORT void cef_run_message_loop(void);
CEF_EXPORT void cef_quit_message_loop(void);
CEF_EXPORT void cef_set_osmodal_loop(int osModalLoop);
CEF_EXPORT void cef_enable_highdpi_support(void);
CEF_EXPORT int64_t cef_now_from_system_trace_time(void);

CEF_EXPORT int cef_currently_on(cef_thread_id_t threadId);
CEF_EXPORT int cef_post_task(cef_thread_id_t threadId,
                             struct _cef_task_t* task);
CEF_EXPORT int cef_post_delayed_task(cef_thread_id_t threadId,
                                     struct _cef_task_t* task,
                                     int64_t delay_ms);

CEF_EXPORT int cef_add_cross_origin_whitelist_entry(
    const cef_string_t* source_origin, const cef_string_t* target_protocol,
    const cef_string_t* target_domain, int allow_target_subdomains);
CEF_EXPORT int cef_remove_cross_origin_whitelist_entry(
    const cef_string_t* source_origin, const cef_string_t* target_protocol,
    const cef_string_t* target_domain, int allow_target_subdomains);
CEF_EXPORT int cef_clear_cross_origin_whitelist(void);

CEF_EXPORT int cef_register_scheme_handler_factory(
    const cef_string_t* scheme_name, const cef_string_t* domain_name,
    struct _cef_scheme_handler_factory_t* factory);
CEF_EXPORT int cef_clear_scheme_handler_factories(void);
CEF_EXPORT int cef_register_extension(const cef_string_t* extension_name,
                                      const cef_string_t* javascript_code,
                                      struct _cef_v8handler_t* handler);

CEF_EXPORT int cef_parse_url(const cef_string_t* url, cef_urlparts_t* parts);
CEF_EXPORT int cef_create_url(const cef_urlparts_t* parts, cef_string_t* url);
CEF_EXPORT cef_string_userfree_t
cef_format_url_for_security_display(const cef_string_t* origin_url,
                                    const cef_string_t* languages);
CEF_EXPORT cef_string_userfree_t cef_get_mime_type(
    const cef_string_t* extension);
CEF_EXPORT void cef_get_extensions_for_mime_type(const cef_string_t* mime_type,
                                                 cef_string_list_t extensions);
CEF_EXPORT cef_string_userfree_t cef_base64encode(const void* data,
                                                  size_t data_size);
CEF_EXPORT struct _cef_binary_value_t* cef_base64decode(
    const cef_string_t* data);
CEF_EXPORT cef_string_userfree_t cef_uriencode(const cef_string_t* text,
                                               int use_plus);
CEF_EXPORT cef_string_userfree_t cef_uridecode(
    const cef_string_t* text, int convert_to_utf8,
    cef_uri_unescape_rule_t unescape_rule);
CEF_EXPORT int cef_parse_csscolor(const cef_string_t* string, int strict,
                                  cef_color_t* color);
CEF_EXPORT struct _cef_value_t* cef_parse_json(
    const cef_string_t* json_string, cef_json_parser_options_t options);
CEF_EXPORT struct _cef_value_t* cef_parse_jsonand_return_error(
    const cef_string_t* json_string, cef_json_parser_options_t options,
    cef_json_parser_error_t* error_code_out, cef_string_t* error_msg_out);
CEF_EXPORT cef_string_userfree_t cef_write_json(
    struct _cef_value_t* node, cef_json_writer_options_t options);
CEF_EXPORT int cef_get_path(cef_path_key_t key, cef_string_t* path);
CEF_EXPORT int cef_launch_process(
    struct _cef_command_line_t* command_line);

CEF_EXPORT int cef_begin_tracing(
    const cef_string_t* categories,
    struct _cef_completion_callback_t* callback);
CEF_EXPORT int cef_end_tracing(const cef_string_t* tracing_file,
                               struct _cef_end_tracing_callback_t* callback);
CEF_EXPORT int cef_get_geolocation(
    struct _cef_get_geolocation_callback_t* callback);

CEF_EXPORT void cef_add_web_plugin_path(const cef_string_t* path);
CEF_EXPORT void cef_add_web_plugin_directory(const cef_string_t* dir);
CEF_EXPORT void cef_remove_web_plugin_path(const cef_string_t* path);
CEF_EXPORT void cef_unregister_internal_web_plugin(const cef_string_t* path);
CEF_EXPORT void cef_force_web_plugin_shutdown(const cef_string_t* path);
CEF_EXPORT void cef_register_web_plugin_crash(const cef_string_t* path);
CEF_EXPORT void cef_is_web_plugin_unstable(
    const cef_string_t* path,
    struct _cef_web_plugin_unstable_callback_t* callback);
CEF_EXPORT void cef_visit_web_plugin_info(
    struct _cef_web_plugin_info_visitor_t* visitor);

// Writes one diagnostic line; severity is a cef_log_severity_t.
CEF_EXPORT void cef_log(const char* file, int line, int severity,
                        const char* message);
CEF_EXPORT int cef_get_min_log_level(void);
CEF_EXPORT int cef_get_vlog_level(const char* file_start, size_t N);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_ENTRY_CAPI_H_
