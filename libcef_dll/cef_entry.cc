#include "include/cef_entry.h"

#include <cstring>

#include "include/cef_app.h"
#include "include/cef_callbacks.h"
#include "include/cef_callbacks_program.h"
#include "include/cef_command_line.h"
#include "include/cef_resource.h"
#include "include/cef_scheme.h"
#include "include/cef_task.h"
#include "include/cef_v8_handler.h"
#include "include/cef_values.h"
#include "include/cef_visitors.h"
#include "include/cef_web_plugin.h"
#include "libcef_dll/entry_call.h"

bool CefApiHashMatches(std::string* library_hash) {
  const char* hash = cef_api_hash(0);
  if (library_hash) library_hash->assign(hash ? hash : "");
  return hash && std::strcmp(hash, CEF_API_HASH_PLATFORM) == 0;
}

int CefExecuteProcess(const CefMainArgs& args, CefRefPtr<CefApp> application,
                      void* windows_sandbox_info) {
  if (!CefApiHashMatches()) return 0;
  return CallLibrary(cef_execute_process, args, application,
                     windows_sandbox_info);
}

bool CefInitialize(const CefMainArgs& args, const CefSettings& settings,
                   CefRefPtr<CefApp> application, void* windows_sandbox_info) {
  if (!CefApiHashMatches()) return false;
  return CallLibrary(cef_initialize, args, settings, application,
                     windows_sandbox_info);
}

void CefShutdown() { cef_shutdown(); }
void CefDoMessageLoopWork() { cef_do_message_loop_work(); }
void CefRunMessageLoop() { cef_run_message_loop(); }
void CefQuitMessageLoop() { cef_quit_message_loop(); }
void CefEnableHighDPISupport() { cef_enable_highdpi_support(); }
int64_t CefNowFromSystemTraceTime() { return cef_now_from_system_trace_time(); }
void CefSetOSModalLoop(bool os_modal_loop) {
  CallLibrary(cef_set_osmodal_loop, os_modal_loop);
}
bool CefCurrentlyOn(cef_thread_id_t thread_id) {
  return CallLibrary(cef_currently_on, thread_id);
}

bool CefPostTask(cef_thread_id_t thread_id, CefRefPtr<CefTask> task) {
  return CallLibrary(cef_post_task, thread_id, Required(task));
}

bool CefPostDelayedTask(cef_thread_id_t thread_id, CefRefPtr<CefTask> task,
                        int64_t delay_ms) {
  return CallLibrary(cef_post_delayed_task, thread_id, Required(task),
                     delay_ms);
}

bool CefAddCrossOriginWhitelistEntry(const CefString& source_origin,
                                     const CefString& target_protocol,
                                     const CefString& target_domain,
                                     bool allow_target_subdomains) {
  return CallLibrary(cef_add_cross_origin_whitelist_entry,
                     Required(source_origin), Required(target_protocol),
                     target_domain, allow_target_subdomains);
}

bool CefRemoveCrossOriginWhitelistEntry(const CefString& source_origin,
                                        const CefString& target_protocol,
                                        const CefString& target_domain,
                                        bool allow_target_subdomains) {
  return CallLibrary(cef_remove_cross_origin_whitelist_entry,
                     Required(source_origin), Required(target_protocol),
                     target_domain, allow_target_subdomains);
}

bool CefClearCrossOriginWhitelist() {
  return CallLibrary(cef_clear_cross_origin_whitelist);
}

bool CefRegisterSchemeHandlerFactory(
    const CefString& scheme_name, const CefString& domain_name,
    CefRefPtr<CefSchemeHandlerFactory> factory) {
  return CallLibrary(cef_register_scheme_handler_factory, Required(scheme_name),
                     domain_name, factory);
}

bool CefClearSchemeHandlerFactories() {
  return CallLibrary(cef_clear_scheme_handler_factories);
}

bool CefRegisterExtension(const CefString& extension_name,
                          const CefString& javascript_code,
                          CefRefPtr<CefV8Handler> handler) {
  return CallLibrary(cef_register_extension, Required(extension_name),
                     Required(javascript_code), handler);
}

bool CefParseURL(const CefString& url, CefURLParts& parts) {
  return CallLibrary(cef_parse_url, Required(url), InOut(parts));
}

bool CefCreateURL(const CefURLParts& parts, CefString& url) {
  return CallLibrary(cef_create_url, parts, InOut(url));
}

CefString CefFormatUrlForSecurityDisplay(const CefString& origin_url,
                                         const CefString& languages) {
  return CallLibrary(cef_format_url_for_security_display, Required(origin_url),
                     languages);
}

CefString CefGetMimeType(const CefString& extension) {
  return CallLibrary(cef_get_mime_type, Required(extension));
}

void CefGetExtensionsForMimeType(const CefString& mime_type,
                                 EmbedStringVector& extensions) {
  CallLibrary(cef_get_extensions_for_mime_type, Required(mime_type),
              InOut(extensions));
}

CefString CefBase64Encode(const void* data, size_t data_size) {
  return CallLibrary(cef_base64encode, Required(data), data_size);
}

CefRefPtr<CefBinaryValue> CefBase64Decode(const CefString& data) {
  return CallLibrary(cef_base64decode, Required(data));
}

CefString CefURIEncode(const CefString& text, bool use_plus) {
  return CallLibrary(cef_uriencode, Required(text), use_plus);
}

CefString CefURIDecode(const CefString& text, bool convert_to_utf8,
                       cef_uri_unescape_rule_t unescape_rule) {
  return CallLibrary(cef_uridecode, Required(text), convert_to_utf8,
                     unescape_rule);
}

bool CefParseCSSColor(const CefString& string, bool strict,
                      cef_color_t& color) {
  return CallLibrary(cef_parse_csscolor, Required(string), strict,
                     InOut(color));
}

CefRefPtr<CefValue> CefParseJSON(const CefString& json_string,
                                 cef_json_parser_options_t options) {
  return CallLibrary(cef_parse_json, Required(json_string), options);
}

// The out-string is given a record only when the library is called.
CefRefPtr<CefValue> CefParseJSONAndReturnError(
    const CefString& json_string, cef_json_parser_options_t options,
    cef_json_parser_error_t& error_code_out, CefString& error_msg_out) {
  return CallLibrary(cef_parse_jsonand_return_error, Required(json_string),
                     options, InOut(error_code_out), InOut(error_msg_out));
}

CefString CefWriteJSON(CefRefPtr<CefValue> node,
                       cef_json_writer_options_t options) {
  return CallLibrary(cef_write_json, Required(node), options);
}

bool CefGetPath(cef_path_key_t key, CefString& path) {
  return CallLibrary(cef_get_path, key, InOut(path));
}

bool CefLaunchProcess(CefRefPtr<CefCommandLine> command_line) {
  return CallLibrary(cef_launch_process, Required(command_line));
}

bool CefBeginTracing(const CefString& categories,
                     CefRefPtr<CefCompletionCallback> callback) {
  return CallLibrary(cef_begin_tracing, categories, callback);
}

bool CefEndTracing(const CefString& tracing_file,
                   CefRefPtr<CefEndTracingCallback> callback) {
  return CallLibrary(cef_end_tracing, tracing_file, callback);
}

bool CefGetGeolocation(CefRefPtr<CefGetGeolocationCallback> callback) {
  return CallLibrary(cef_get_geolocation, Required(callback));
}

void CefAddWebPluginPath(const CefString& path) {
  CallLibrary(cef_add_web_plugin_path, Required(path));
}
void CefAddWebPluginDirectory(const CefString& dir) {
  CallLibrary(cef_add_web_plugin_directory, Required(dir));
}
void CefRemoveWebPluginPath(const CefString& path) {
  CallLibrary(cef_remove_web_plugin_path, Required(path));
}
void CefUnregisterInternalWebPlugin(const CefString& path) {
  CallLibrary(cef_unregister_internal_web_plugin, Required(path));
}
void CefForceWebPluginShutdown(const CefString& path) {
  CallLibrary(cef_force_web_plugin_shutdown, Required(path));
}
void CefRegisterWebPluginCrash(const CefString& path) {
  CallLibrary(cef_register_web_plugin_crash, Required(path));
}

void CefIsWebPluginUnstable(const CefString& path,
                            CefRefPtr<CefWebPluginUnstableCallback> callback) {
  CallLibrary(cef_is_web_plugin_unstable, Required(path), Required(callback));
}

void CefVisitWebPluginInfo(CefRefPtr<CefWebPluginInfoVisitor> visitor) {
  CallLibrary(cef_visit_web_plugin_info, Required(visitor));
}
