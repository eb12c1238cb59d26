#include "tests/fake/fake_library.h"

#include "include/capi/cef_app_capi.h"
#include "include/capi/cef_command_line_capi.h"
#include "include/capi/cef_task_capi.h"
#include "include/capi/cef_values_capi.h"

#include <cerrno>
#include <cstdint>
#include <utility>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace fake {

Library& State() {
  static Library library;
  return library;
}

void Reset() {
  DropPendingTasks();
  Release(State().app);
  State() = Library();
}

void RunPendingTasks() {
  std::vector<cef_task_t*> tasks;
  tasks.swap(State().tasks);
  for (cef_task_t* task : tasks) {
    task->execute(task);
    task->base.release(&task->base);
  }
}

void DropPendingTasks() {
  std::vector<cef_task_t*> tasks;
  tasks.swap(State().tasks);
  for (cef_task_t* task : tasks) task->base.release(&task->base);
}

int CallCount(const std::string& name) {
  int count = 0;
  for (const Call& call : State().calls) count += call.name == name;
  return count;
}

const Call* LastCall(const std::string& name) {
  const std::vector<Call>& calls = State().calls;
  for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
    if (it->name == name) return &*it;
  }
  return nullptr;
}

namespace {

std::string Text(const cef_string_t* s) {
  if (!s) return "<null>";
  cef_string_utf8_t utf8 = {};
  cef_string_utf16_to_utf8(s->str, s->length, &utf8);
  std::string text(utf8.str ? utf8.str : "", utf8.length);
  cef_string_utf8_clear(&utf8);
  return text;
}

std::string Arg(const cef_string_t* s) { return Text(s); }
std::string Arg(int64_t n) { return std::to_string(n); }
std::string Arg(const void* p) { return p ? "<ptr>" : "<null>"; }

template <class... A>
void Record(const char* name, const A&... args) {
  State().calls.push_back(Call{name, {Arg(args)...}});
}

int Result(const std::string& name, int fallback = 1) {
  auto it = State().results.find(name);
  return it == State().results.end() ? fallback : it->second;
}

void WriteText(const std::string& name, cef_string_t* out) {
  const std::string& text = State().texts[name];
  cef_string_utf8_to_utf16(text.data(), text.size(), out);
}

cef_string_userfree_t ReturnText(const std::string& name) {
  auto it = State().texts.find(name);
  if (it == State().texts.end()) return nullptr;
  cef_string_userfree_t result = cef_string_userfree_utf16_alloc();
  cef_string_utf8_to_utf16(it->second.data(), it->second.size(), result);
  return result;
}

}  // namespace

void RecordCall(const std::string& name, std::vector<std::string> args) {
  State().calls.push_back(Call{name, std::move(args)});
}

int ResultFor(const std::string& name, int fallback) {
  return Result(name, fallback);
}

}  // namespace fake

using fake::Record;
using fake::Result;

extern "C" {

const char* cef_api_hash(int entry) {
  Record("cef_api_hash", entry);
  return fake::State().api_hash_null ? nullptr : fake::State().api_hash.c_str();
}

int cef_execute_process(const cef_main_args_t* args, struct _cef_app_t* app,
                        void* sandbox) {
  Record("cef_execute_process", args, app, sandbox);
  fake::Release(app);
  return Result("cef_execute_process", -1);
}

int cef_initialize(const cef_main_args_t* args, const cef_settings_t* settings,
                   struct _cef_app_t* app, void* sandbox) {
  Record("cef_initialize", args, settings, app, sandbox);
  fake::Library& state = fake::State();
  state.seen_args = args;
  state.seen_settings = settings;
  if (settings) {
    state.seen_cache_path = fake::Text(&settings->cache_path);
    state.seen_locale = fake::Text(&settings->locale);
  }
  // Kept until shut-down, as the library keeps it, unless it refuses.
  fake::Release(state.app);
  state.app = nullptr;
  const int result = Result("cef_initialize");
  if (result)
    state.app = app;
  else
    fake::Release(app);
  return result;
}

void cef_shutdown(void) {
  Record("cef_shutdown");
  fake::Release(fake::State().app);
  fake::State().app = nullptr;
}
void cef_do_message_loop_work(void) { Record("cef_do_message_loop_work"); }
// With `context_in_loop` set, the loop tells the application's browser
// process handler that the context is ready, as the library does.
void cef_run_message_loop(void) {
  Record("cef_run_message_loop");
  cef_app_t* app = fake::State().app;
  if (!fake::State().context_in_loop || !app) return;
  cef_browser_process_handler_t* handler =
      app->get_browser_process_handler(app);
  if (!handler) return;
  handler->on_context_initialized(handler);
  fake::Release(handler);
}
void cef_quit_message_loop(void) { Record("cef_quit_message_loop"); }

void cef_log(const char* file, int line, int severity, const char* message) {
  fake::Library& state = fake::State();
  state.log.push_back(fake::LogLine{file ? file : "<null>", line, severity,
                                    message ? message : "<null>"});
  if (!state.last_error_after_log) return;
#if defined(_WIN32)
  SetLastError(*state.last_error_after_log);
#else
  errno = static_cast<int>(*state.last_error_after_log);
#endif
}
void cef_set_osmodal_loop(int flag) { Record("cef_set_osmodal_loop", flag); }
void cef_enable_highdpi_support(void) { Record("cef_enable_highdpi_support"); }
int64_t cef_now_from_system_trace_time(void) {
  Record("cef_now_from_system_trace_time");
  return Result("cef_now_from_system_trace_time");
}
int cef_currently_on(cef_thread_id_t id) {
  Record("cef_currently_on", static_cast<int64_t>(id));
  return Result("cef_currently_on");
}

int cef_add_cross_origin_whitelist_entry(const cef_string_t* origin,
                                         const cef_string_t* protocol,
                                         const cef_string_t* domain,
                                         int subdomains) {
  Record("cef_add_cross_origin_whitelist_entry", origin, protocol, domain,
         subdomains);
  return Result("cef_add_cross_origin_whitelist_entry");
}
int cef_remove_cross_origin_whitelist_entry(const cef_string_t* origin,
                                            const cef_string_t* protocol,
                                            const cef_string_t* domain,
                                            int subdomains) {
  Record("cef_remove_cross_origin_whitelist_entry", origin, protocol, domain,
         subdomains);
  return Result("cef_remove_cross_origin_whitelist_entry");
}
int cef_clear_cross_origin_whitelist(void) {
  Record("cef_clear_cross_origin_whitelist");
  return Result("cef_clear_cross_origin_whitelist");
}
int cef_clear_scheme_handler_factories(void) {
  Record("cef_clear_scheme_handler_factories");
  return Result("cef_clear_scheme_handler_factories");
}

int cef_parse_url(const cef_string_t* url, cef_urlparts_t* parts) {
  Record("cef_parse_url", url, parts);
  if (parts) fake::WriteText("cef_parse_url", &parts->host);
  return Result("cef_parse_url");
}
int cef_create_url(const cef_urlparts_t* parts, cef_string_t* url) {
  Record("cef_create_url", parts, url);
  if (url) fake::WriteText("cef_create_url", url);
  return Result("cef_create_url");
}
cef_string_userfree_t cef_format_url_for_security_display(
    const cef_string_t* origin_url, const cef_string_t* languages) {
  Record("cef_format_url_for_security_display", origin_url, languages);
  return fake::ReturnText("cef_format_url_for_security_display");
}
cef_string_userfree_t cef_get_mime_type(const cef_string_t* extension) {
  Record("cef_get_mime_type", extension);
  return fake::ReturnText("cef_get_mime_type");
}
cef_string_userfree_t cef_base64encode(const void* data, size_t size) {
  Record("cef_base64encode", data, static_cast<int64_t>(size));
  return fake::ReturnText("cef_base64encode");
}
cef_string_userfree_t cef_uriencode(const cef_string_t* text, int use_plus) {
  Record("cef_uriencode", text, use_plus);
  return fake::ReturnText("cef_uriencode");
}
cef_string_userfree_t cef_uridecode(const cef_string_t* text, int to_utf8,
                                    cef_uri_unescape_rule_t rule) {
  Record("cef_uridecode", text, to_utf8, static_cast<int64_t>(rule));
  return fake::ReturnText("cef_uridecode");
}
int cef_parse_csscolor(const cef_string_t* text, int strict,
                       cef_color_t* color) {
  Record("cef_parse_csscolor", text, strict, color);
  if (color) *color = static_cast<cef_color_t>(Result("color", 0));
  return Result("cef_parse_csscolor");
}
int cef_get_path(cef_path_key_t key, cef_string_t* path) {
  Record("cef_get_path", static_cast<int64_t>(key), path);
  if (path) fake::WriteText("cef_get_path", path);
  return Result("cef_get_path");
}

void cef_add_web_plugin_path(const cef_string_t* path) {
  Record("cef_add_web_plugin_path", path);
}
void cef_add_web_plugin_directory(const cef_string_t* dir) {
  Record("cef_add_web_plugin_directory", dir);
}
void cef_remove_web_plugin_path(const cef_string_t* path) {
  Record("cef_remove_web_plugin_path", path);
}
void cef_unregister_internal_web_plugin(const cef_string_t* path) {
  Record("cef_unregister_internal_web_plugin", path);
}
void cef_force_web_plugin_shutdown(const cef_string_t* path) {
  Record("cef_force_web_plugin_shutdown", path);
}
void cef_register_web_plugin_crash(const cef_string_t* path) {
  Record("cef_register_web_plugin_crash", path);
}

cef_command_line_t* cef_command_line_create(void) {
  return fake::Created<cef_command_line_t>("cef_command_line_create");
}

cef_command_line_t* cef_command_line_get_global(void) {
  return fake::Created<cef_command_line_t>("cef_command_line_get_global");
}

int cef_post_task(cef_thread_id_t id, cef_task_t* task) {
  return cef_post_delayed_task(id, task, 0);
}

// A refused task is released at once: the library took it over either way.
int cef_post_delayed_task(cef_thread_id_t id, cef_task_t* task,
                          int64_t delay_ms) {
  Record("cef_post_delayed_task", id, task, delay_ms);
  if (!Result("cef_post_delayed_task")) {
    fake::Release(task);
    return 0;
  }
  fake::State().tasks.push_back(task);
  return 1;
}

int cef_register_scheme_handler_factory(
    const cef_string_t* scheme, const cef_string_t* domain,
    struct _cef_scheme_handler_factory_t* factory) {
  Record("cef_register_scheme_handler_factory", scheme, domain, factory);
  fake::Release(factory);
  return Result("cef_register_scheme_handler_factory");
}

int cef_register_extension(const cef_string_t* name, const cef_string_t* code,
                           struct _cef_v8handler_t* handler) {
  Record("cef_register_extension", name, code, handler);
  fake::Release(handler);
  return Result("cef_register_extension");
}

void cef_get_extensions_for_mime_type(const cef_string_t* mime_type,
                                      cef_string_list_t extensions) {
  Record("cef_get_extensions_for_mime_type", mime_type, extensions);
  cef_string_list_clear(extensions);
  const std::string& text = fake::State().texts["cef_get_extensions_for_mime_type"];
  cef_string_t item = {};
  cef_string_utf8_to_utf16(text.data(), text.size(), &item);
  cef_string_list_append(extensions, &item);
  cef_string_utf16_clear(&item);
}

struct _cef_binary_value_t* cef_base64decode(const cef_string_t* data) {
  return fake::Created<cef_binary_value_t>("cef_base64decode",
                                           {fake::Text(data)});
}

struct _cef_value_t* cef_parse_json(const cef_string_t* json,
                                    cef_json_parser_options_t options) {
  return fake::Created<cef_value_t>(
      "cef_parse_json", {fake::Text(json), std::to_string(options)});
}

struct _cef_value_t* cef_parse_jsonand_return_error(
    const cef_string_t* json, cef_json_parser_options_t options,
    cef_json_parser_error_t* error_code, cef_string_t* error_message) {
  if (error_code) *error_code = JSON_SYNTAX_ERROR;
  if (error_message) fake::WriteText("cef_parse_jsonand_return_error", error_message);
  return fake::Created<cef_value_t>(
      "cef_parse_jsonand_return_error",
      {fake::Text(json), std::to_string(options), error_message ? "<out>" : "<null>"});
}

cef_string_userfree_t cef_write_json(struct _cef_value_t* node,
                                     cef_json_writer_options_t options) {
  Record("cef_write_json", node, static_cast<int64_t>(options));
  fake::Release(node);
  return fake::ReturnText("cef_write_json");
}

int cef_launch_process(struct _cef_command_line_t* command_line) {
  Record("cef_launch_process", command_line);
  fake::Release(command_line);
  return Result("cef_launch_process");
}

int cef_begin_tracing(const cef_string_t* categories,
                      struct _cef_completion_callback_t* callback) {
  Record("cef_begin_tracing", categories, callback);
  fake::Release(callback);
  return Result("cef_begin_tracing");
}

int cef_end_tracing(const cef_string_t* file,
                    struct _cef_end_tracing_callback_t* callback) {
  Record("cef_end_tracing", file, callback);
  fake::Release(callback);
  return Result("cef_end_tracing");
}

int cef_get_geolocation(struct _cef_get_geolocation_callback_t* callback) {
  Record("cef_get_geolocation", callback);
  fake::Release(callback);
  return Result("cef_get_geolocation");
}

void cef_is_web_plugin_unstable(
    const cef_string_t* path,
    struct _cef_web_plugin_unstable_callback_t* callback) {
  Record("cef_is_web_plugin_unstable", path, callback);
  fake::Release(callback);
}

void cef_visit_web_plugin_info(struct _cef_web_plugin_info_visitor_t* visitor) {
  Record("cef_visit_web_plugin_info", visitor);
  fake::Release(visitor);
}

}  // extern "C"
