#ifndef CEF_LIBCEF_DLL_CTOCPP_REQUEST_CONTEXT_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_REQUEST_CONTEXT_PROXY_H_

#include "include/cef_callbacks_program.h"
#include "include/cef_cookie.h"
#include "include/cef_handlers.h"
#include "include/cef_request_context.h"
#include "include/cef_resource.h"
#include "include/cef_values.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefRequestContextProxy final
    : public ObjectProxy<CefRequestContextProxy, CefRequestContext,
                         cef_request_context_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_REQUEST_CONTEXT;

  bool IsSame(CefRefPtr<CefRequestContext> other) override {
    return Forward(&S::is_same, Required(other));
  }
  bool IsSharingWith(CefRefPtr<CefRequestContext> other) override {
    return Forward(&S::is_sharing_with, Required(other));
  }
  bool IsGlobal() override { return Forward(&S::is_global); }
  CefRefPtr<CefRequestContextHandler> GetHandler() override {
    return Forward(&S::get_handler);
  }
  CefString GetCachePath() override { return Forward(&S::get_cache_path); }
  CefRefPtr<CefCookieManager> GetDefaultCookieManager(
      CefRefPtr<CefCompletionCallback> callback) override {
    return Forward(&S::get_default_cookie_manager, callback);
  }
  bool RegisterSchemeHandlerFactory(
      const CefString& scheme_name, const CefString& domain_name,
      CefRefPtr<CefSchemeHandlerFactory> factory) override {
    return Forward(&S::register_scheme_handler_factory, Required(scheme_name),
                   domain_name, factory);
  }
  bool ClearSchemeHandlerFactories() override {
    return Forward(&S::clear_scheme_handler_factories);
  }
  void PurgePluginListCache(bool reload_pages) override {
    Forward(&S::purge_plugin_list_cache, reload_pages);
  }
  bool HasPreference(const CefString& name) override {
    return Forward(&S::has_preference, Required(name));
  }
  CefRefPtr<CefValue> GetPreference(const CefString& name) override {
    return Forward(&S::get_preference, Required(name));
  }
  CefRefPtr<CefDictionaryValue> GetAllPreferences(
      bool include_defaults) override {
    return Forward(&S::get_all_preferences, include_defaults);
  }
  bool CanSetPreference(const CefString& name) override {
    return Forward(&S::can_set_preference, Required(name));
  }
  bool SetPreference(const CefString& name, CefRefPtr<CefValue> value,
                     CefString& error) override {
    return Forward(&S::set_preference, Required(name), value, InOut(error));
  }
  void ClearCertificateExceptions(
      CefRefPtr<CefCompletionCallback> callback) override {
    Forward(&S::clear_certificate_exceptions, callback);
  }
  void CloseAllConnections(CefRefPtr<CefCompletionCallback> callback) override {
    Forward(&S::close_all_connections, callback);
  }
  void ResolveHost(const CefString& origin,
                   CefRefPtr<CefResolveCallback> callback) override {
    Forward(&S::resolve_host, Required(origin), Required(callback));
  }
  cef_errorcode_t ResolveHostCached(const CefString& origin,
                                    EmbedStringVector& resolved_ips) override {
    return ForwardOr(ERR_FAILED, &S::resolve_host_cached, Required(origin),
                     InOut(resolved_ips));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_REQUEST_CONTEXT_PROXY_H_
