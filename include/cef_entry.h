// The library's free functions in the program's types. Each wrapper checks
// its required arguments and returns its failure value without calling the
// library when one is missing.
#ifndef CEF_INCLUDE_CEF_ENTRY_H_
#define CEF_INCLUDE_CEF_ENTRY_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "include/capi/cef_entry_capi.h"
#include "include/cef_base.h"
#include "include/cef_records.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefApp;
class CefBinaryValue;
class CefCommandLine;
class CefCompletionCallback;
class CefEndTracingCallback;
class CefGetGeolocationCallback;
class CefSchemeHandlerFactory;
class CefTask;
class CefV8Handler;
class CefValue;
class CefWebPluginInfoVisitor;
class CefWebPluginUnstableCallback;

// True when the library speaks the interface these headers describe; the
// library's own hash is stored in `library_hash` when it is not null.
bool CefApiHashMatches(std::string* library_hash = nullptr);

// Both refuse a library of another interface version: 0 and false.
int CefExecuteProcess(const CefMainArgs& args, CefRefPtr<CefApp> application,
                      void* windows_sandbox_info);
bool CefInitialize(const CefMainArgs& args, const CefSettings& settings,
                   CefRefPtr<CefApp> application, void* windows_sandbox_info);

void CefShutdown();
void CefDoMessageLoopWork();
void CefRunMessageLoop();
void CefQuitMessageLoop();
void CefEnableHighDPISupport();
int64_t CefNowFromSystemTraceTime();
void CefSetOSModalLoop(bool os_modal_loop);
bool CefCurrentlyOn(cef_thread_id_t thread_id);
// The library releases the task once it has run, or dropped it.
bool CefPostTask(cef_thread_id_t thread_id, CefRefPtr<CefTask> task);
bool CefPostDelayedTask(cef_thread_id_t thread_id, CefRefPtr<CefTask> task,
                        int64_t delay_ms);

bool CefAddCrossOriginWhitelistEntry(const CefString& source_origin,
                                     const CefString& target_protocol,
                                     const CefString& target_domain,
                                     bool allow_target_subdomains);
bool CefRemoveCrossOriginWhitelistEntry(const CefString& source_origin,
                                        const CefString& target_protocol,
                                        const CefString& target_domain,
                                        bool allow_target_subdomains);
bool CefClearCrossOriginWhitelist();
bool CefRegisterSchemeHandlerFactory(
    const CefString& scheme_name, const CefString& domain_name,
    CefRefPtr<CefSchemeHandlerFactory> factory);
bool CefClearSchemeHandlerFactories();
bool CefRegisterExtension(const CefString& extension_name,
                          const CefString& javascript_code,
                          CefRefPtr<CefV8Handler> handler);

bool CefParseURL(const CefString& url, CefURLParts& parts);
bool CefCreateURL(const CefURLParts& parts, CefString& url);
CefString CefFormatUrlForSecurityDisplay(const CefString& origin_url,
                                         const CefString& languages);
CefString CefGetMimeType(const CefString& extension);
// Replaces `extensions` with the library's answer.
void CefGetExtensionsForMimeType(const CefString& mime_type,
                                 EmbedStringVector& extensions);
CefString CefBase64Encode(const void* data, size_t data_size);
CefRefPtr<CefBinaryValue> CefBase64Decode(const CefString& data);
CefString CefURIEncode(const CefString& text, bool use_plus);
CefString CefURIDecode(const CefString& text, bool convert_to_utf8,
                       cef_uri_unescape_rule_t unescape_rule);
bool CefParseCSSColor(const CefString& string, bool strict,
                      cef_color_t& color);
CefRefPtr<CefValue> CefParseJSON(const CefString& json_string,
                                 cef_json_parser_options_t options);
CefRefPtr<CefValue> CefParseJSONAndReturnError(
    const CefString& json_string, cef_json_parser_options_t options,
    cef_json_parser_error_t& error_code_out, CefString& error_msg_out);
CefString CefWriteJSON(CefRefPtr<CefValue> node,
                       cef_json_writer_options_t options);
bool CefGetPath(cef_path_key_t key, CefString& path);
bool CefLaunchProcess(CefRefPtr<CefCommandLine> command_line);

bool CefBeginTracing(const CefString& categories,
                     CefRefPtr<CefCompletionCallback> callback);
bool CefEndTracing(const CefString& tracing_file,
                   CefRefPtr<CefEndTracingCallback> callback);
bool CefGetGeolocation(CefRefPtr<CefGetGeolocationCallback> callback);

void CefAddWebPluginPath(const CefString& path);
void CefAddWebPluginDirectory(const CefString& dir);
void CefRemoveWebPluginPath(const CefString& path);
void CefUnregisterInternalWebPlugin(const CefString& path);
void CefForceWebPluginShutdown(const CefString& path);
void CefRegisterWebPluginCrash(const CefString& path);
void CefIsWebPluginUnstable(const CefString& path,
                            CefRefPtr<CefWebPluginUnstableCallback> callback);
void CefVisitWebPluginInfo(CefRefPtr<CefWebPluginInfoVisitor> visitor);

#endif  // CEF_INCLUDE_CEF_ENTRY_H_
