// A browsing context: cache, cookies, preferences and scheme handlers shared
// by the browsers created with it. The library implements it; the program
// reaches it through a proxy or the creators.
#ifndef CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_
#define CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_

#include "include/capi/cef_request_context_capi.h"
#include "include/cef_base.h"
#include "include/cef_cookie.h"
#include "include/cef_records.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefCompletionCallback;
class CefDictionaryValue;
class CefRequestContextHandler;
class CefResolveCallback;
class CefSchemeHandlerFactory;
class CefValue;

struct CefRequestContextSettingsTraits {
  typedef cef_request_context_settings_t record_type;
  static void init(cef_request_context_settings_t* s) {
    s->size = sizeof(cef_request_context_settings_t);
  }
  static void clear(cef_request_context_settings_t* s) {
    cef_string_utf16_clear(&s->cache_path);
    cef_string_utf16_clear(&s->accept_language_list);
  }
  static void set(const cef_request_context_settings_t* source,
                  cef_request_context_settings_t* target, bool copy) {
    SetRecordString(&source->cache_path, &target->cache_path, copy);
    target->persist_session_cookies = source->persist_session_cookies;
    target->persist_user_preferences = source->persist_user_preferences;
    target->ignore_certificate_errors = source->ignore_certificate_errors;
    SetRecordString(&source->accept_language_list,
                    &target->accept_language_list, copy);
  }
};
typedef RecordHolder<CefRequestContextSettingsTraits>
    CefRequestContextSettings;

class CefRequestContext : public virtual CefBase {
 public:
  static CefRefPtr<CefRequestContext> GetGlobalContext();
  // `handler` may be null in both.
  static CefRefPtr<CefRequestContext> CreateContext(
      const CefRequestContextSettings& settings,
      CefRefPtr<CefRequestContextHandler> handler);
  // Shares `other`'s storage.
  static CefRefPtr<CefRequestContext> CreateContext(
      CefRefPtr<CefRequestContext> other,
      CefRefPtr<CefRequestContextHandler> handler);

  virtual bool IsSame(CefRefPtr<CefRequestContext> other) = 0;
  virtual bool IsSharingWith(CefRefPtr<CefRequestContext> other) = 0;
  virtual bool IsGlobal() = 0;
  virtual CefRefPtr<CefRequestContextHandler> GetHandler() = 0;
  virtual CefString GetCachePath() = 0;
  virtual CefRefPtr<CefCookieManager> GetDefaultCookieManager(
      CefRefPtr<CefCompletionCallback> callback) = 0;
  virtual bool RegisterSchemeHandlerFactory(
      const CefString& scheme_name, const CefString& domain_name,
      CefRefPtr<CefSchemeHandlerFactory> factory) = 0;
  virtual bool ClearSchemeHandlerFactories() = 0;
  virtual void PurgePluginListCache(bool reload_pages) = 0;
  virtual bool HasPreference(const CefString& name) = 0;
  virtual CefRefPtr<CefValue> GetPreference(const CefString& name) = 0;
  virtual CefRefPtr<CefDictionaryValue> GetAllPreferences(
      bool include_defaults) = 0;
  virtual bool CanSetPreference(const CefString& name) = 0;
  // A null value restores the default. On failure `error` holds the reason.
  virtual bool SetPreference(const CefString& name, CefRefPtr<CefValue> value,
                             CefString& error) = 0;
  virtual void ClearCertificateExceptions(
      CefRefPtr<CefCompletionCallback> callback) = 0;
  virtual void CloseAllConnections(
      CefRefPtr<CefCompletionCallback> callback) = 0;
  virtual void ResolveHost(const CefString& origin,
                           CefRefPtr<CefResolveCallback> callback) = 0;
  // Replaces the vector's content with the cached addresses; ERR_FAILED when
  // the library cannot answer.
  virtual cef_errorcode_t ResolveHostCached(
      const CefString& origin, EmbedStringVector& resolved_ips) = 0;
};

#endif  // CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_
