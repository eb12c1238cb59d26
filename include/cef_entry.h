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

class CefApp;

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

bool CefAddCrossOriginWhitelistEntry(const CefString& source_origin,
                                     const CefString& target_protocol,
                                     const CefString& target_domain,
                                     bool allow_target_subdomains);
bool CefRemoveCrossOriginWhitelistEntry(const CefString& source_origin,
                                        const CefString& target_protocol,
                                        const CefString& target_domain,
                                        bool allow_target_subdomains);
bool CefClearCrossOriginWhitelist();
bool CefClearSchemeHandlerFactories();

bool CefParseURL(const CefString& url, CefURLParts& parts);
bool CefCreateURL(const CefURLParts& parts, CefString& url);
CefString CefFormatUrlForSecurityDisplay(const CefString& origin_url,
                                         const CefString& languages);
CefString CefGetMimeType(const CefString& extension);
CefString CefBase64Encode(const void* data, size_t data_size);
CefString CefURIEncode(const CefString& text, bool use_plus);
CefString CefURIDecode(const CefString& text, bool convert_to_utf8,
                       cef_uri_unescape_rule_t unescape_rule);
bool CefParseCSSColor(const CefString& string, bool strict,
                      cef_color_t& color);
bool CefGetPath(cef_path_key_t key, CefString& path);

void CefAddWebPluginPath(const CefString& path);
void CefAddWebPluginDirectory(const CefString& dir);
void CefRemoveWebPluginPath(const CefString& path);
void CefUnregisterInternalWebPlugin(const CefString& path);
void CefForceWebPluginShutdown(const CefString& path);
void CefRegisterWebPluginCrash(const CefString& path);

#endif  // CEF_INCLUDE_CEF_ENTRY_H_
