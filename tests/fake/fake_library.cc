#include "tests/fake/fake_library.h"

#include <cstdint>

namespace fake {

Library& State() {
  static Library library;
  return library;
}

void Reset() { State() = Library(); }

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
  return Result("cef_initialize");
}

void cef_shutdown(void) { Record("cef_shutdown"); }
void cef_do_message_loop_work(void) { Record("cef_do_message_loop_work"); }
void cef_run_message_loop(void) { Record("cef_run_message_loop"); }
void cef_quit_message_loop(void) { Record("cef_quit_message_loop"); }
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

}  // extern "C"
