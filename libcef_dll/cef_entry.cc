#include "include/cef_entry.h"

#include <cstring>

namespace {

// A string that the library returned by value, as an owning holder.
CefString TakeString(cef_string_userfree_t userfree) {
  CefString adopted;
  adopted.AdoptUserFree(userfree);
  return adopted;
}

// Program objects cross once the adapter frame turns them into structures;
// until then the library runs without the program's callbacks.
struct _cef_app_t* AppStruct(const CefRefPtr<CefApp>&) { return nullptr; }

}  // namespace

bool CefApiHashMatches(std::string* library_hash) {
  const char* hash = cef_api_hash(0);
  if (library_hash) library_hash->assign(hash ? hash : "");
  return hash && std::strcmp(hash, CEF_API_HASH_PLATFORM) == 0;
}

int CefExecuteProcess(const CefMainArgs& args, CefRefPtr<CefApp> application,
                      void* windows_sandbox_info) {
  if (!CefApiHashMatches()) return 0;
  return cef_execute_process(&args.Get(), AppStruct(application),
                             windows_sandbox_info);
}

bool CefInitialize(const CefMainArgs& args, const CefSettings& settings,
                   CefRefPtr<CefApp> application, void* windows_sandbox_info) {
  if (!CefApiHashMatches()) return false;
  return cef_initialize(&args.Get(), &settings.Get(), AppStruct(application),
                        windows_sandbox_info) != 0;
}

void CefShutdown() { cef_shutdown(); }
void CefDoMessageLoopWork() { cef_do_message_loop_work(); }
void CefRunMessageLoop() { cef_run_message_loop(); }
void CefQuitMessageLoop() { cef_quit_message_loop(); }
void CefEnableHighDPISupport() { cef_enable_highdpi_support(); }
int64_t CefNowFromSystemTraceTime() { return cef_now_from_system_trace_time(); }
void CefSetOSModalLoop(bool os_modal_loop) {
  cef_set_osmodal_loop(os_modal_loop ? 1 : 0);
}
bool CefCurrentlyOn(cef_thread_id_t thread_id) {
  return cef_currently_on(thread_id) != 0;
}

bool CefAddCrossOriginWhitelistEntry(const CefString& source_origin,
                                     const CefString& target_protocol,
                                     const CefString& target_domain,
                                     bool allow_target_subdomains) {
  if (source_origin.IsEmpty() || target_protocol.IsEmpty()) return false;
  return cef_add_cross_origin_whitelist_entry(
             source_origin.Record(), target_protocol.Record(),
             target_domain.Record(), allow_target_subdomains ? 1 : 0) != 0;
}

bool CefRemoveCrossOriginWhitelistEntry(const CefString& source_origin,
                                        const CefString& target_protocol,
                                        const CefString& target_domain,
                                        bool allow_target_subdomains) {
  if (source_origin.IsEmpty() || target_protocol.IsEmpty()) return false;
  return cef_remove_cross_origin_whitelist_entry(
             source_origin.Record(), target_protocol.Record(),
             target_domain.Record(), allow_target_subdomains ? 1 : 0) != 0;
}

bool CefClearCrossOriginWhitelist() {
  return cef_clear_cross_origin_whitelist() != 0;
}

bool CefClearSchemeHandlerFactories() {
  return cef_clear_scheme_handler_factories() != 0;
}

bool CefParseURL(const CefString& url, CefURLParts& parts) {
  if (url.IsEmpty()) return false;
  return cef_parse_url(url.Record(), &parts.Get()) != 0;
}

bool CefCreateURL(const CefURLParts& parts, CefString& url) {
  return cef_create_url(&parts.Get(), url.WritableRecord()) != 0;
}

CefString CefFormatUrlForSecurityDisplay(const CefString& origin_url,
                                         const CefString& languages) {
  if (origin_url.IsEmpty()) return CefString();
  return TakeString(cef_format_url_for_security_display(origin_url.Record(),
                                                        languages.Record()));
}

CefString CefGetMimeType(const CefString& extension) {
  if (extension.IsEmpty()) return CefString();
  return TakeString(cef_get_mime_type(extension.Record()));
}

CefString CefBase64Encode(const void* data, size_t data_size) {
  if (!data) return CefString();
  return TakeString(cef_base64encode(data, data_size));
}

CefString CefURIEncode(const CefString& text, bool use_plus) {
  if (text.IsEmpty()) return CefString();
  return TakeString(cef_uriencode(text.Record(), use_plus ? 1 : 0));
}

CefString CefURIDecode(const CefString& text, bool convert_to_utf8,
                       cef_uri_unescape_rule_t unescape_rule) {
  if (text.IsEmpty()) return CefString();
  return TakeString(
      cef_uridecode(text.Record(), convert_to_utf8 ? 1 : 0, unescape_rule));
}

bool CefParseCSSColor(const CefString& string, bool strict,
                      cef_color_t& color) {
  if (string.IsEmpty()) return false;
  return cef_parse_csscolor(string.Record(), strict ? 1 : 0, &color) != 0;
}

bool CefGetPath(cef_path_key_t key, CefString& path) {
  return cef_get_path(key, path.WritableRecord()) != 0;
}

namespace {

// The plug-in path functions share one shape: a required path, no result.
void WithPath(void (*call)(const cef_string_t*), const CefString& path) {
  if (!path.IsEmpty()) call(path.Record());
}

}  // namespace

void CefAddWebPluginPath(const CefString& path) {
  WithPath(cef_add_web_plugin_path, path);
}
void CefAddWebPluginDirectory(const CefString& dir) {
  WithPath(cef_add_web_plugin_directory, dir);
}
void CefRemoveWebPluginPath(const CefString& path) {
  WithPath(cef_remove_web_plugin_path, path);
}
void CefUnregisterInternalWebPlugin(const CefString& path) {
  WithPath(cef_unregister_internal_web_plugin, path);
}
void CefForceWebPluginShutdown(const CefString& path) {
  WithPath(cef_force_web_plugin_shutdown, path);
}
void CefRegisterWebPluginCrash(const CefString& path) {
  WithPath(cef_register_web_plugin_crash, path);
}
