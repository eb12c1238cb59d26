// A browsing context (cache, cookies, preferences, scheme handlers), as the
// library implements it.
#ifndef CEF_INCLUDE_CAPI_CEF_REQUEST_CONTEXT_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_REQUEST_CONTEXT_CAPI_H_

#include <stddef.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"
#include "include/capi/cef_types_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_request_context_handler_t;
struct _cef_completion_callback_t;
struct _cef_cookie_manager_t;
struct _cef_scheme_handler_factory_t;
struct _cef_value_t;
struct _cef_dictionary_value_t;
struct _cef_resolve_callback_t;

// An empty `cache_path` keeps the context in memory only.
typedef struct _cef_request_context_settings_t {
  size_t size;
  cef_string_t cache_path;
  int persist_session_cookies;
  int persist_user_preferences;
  int ignore_certificate_errors;
  cef_string_t accept_language_list;
} cef_request_context_settings_t;

typedef struct _cef_request_context_t {
  cef_base_t base;

  int(CEF_CALLBACK* is_same)(struct _cef_request_context_t* self,
                             struct _cef_request_context_t* other);
  int(CEF_CALLBACK* is_sharing_with)(struct _cef_request_context_t* self,
                                     struct _cef_request_context_t* other);
  int(CEF_CALLBACK* is_global)(struct _cef_request_context_t* self);
  struct _cef_request_context_handler_t*(CEF_CALLBACK* get_handler)(
      struct _cef_request_context_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_cache_path)(
      struct _cef_request_context_t* self);
  struct _cef_cookie_manager_t*(CEF_CALLBACK* get_default_cookie_manager)(
      struct _cef_request_context_t* self,
      struct _cef_completion_callback_t* callback);
  int(CEF_CALLBACK* register_scheme_handler_factory)(
      struct _cef_request_context_t* self, const cef_string_t* scheme_name,
      const cef_string_t* domain_name,
      struct _cef_scheme_handler_factory_t* factory);
  int(CEF_CALLBACK* clear_scheme_handler_factories)(
      struct _cef_request_context_t* self);
  void(CEF_CALLBACK* purge_plugin_list_cache)(
      struct _cef_request_context_t* self, int reload_pages);
  int(CEF_CALLBACK* has_preference)(struct _cef_request_context_t* self,
                                    const cef_string_t* name);
  struct _cef_value_t*(CEF_CALLBACK* get_preference)(
      struct _cef_request_context_t* self, const cef_string_t* name);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* get_all_preferences)(
      struct _cef_request_context_t* self, int include_defaults);
  int(CEF_CALLBACK* can_set_preference)(struct _cef_request_context_t* self,
                                        const cef_string_t* name);
  // A null value restores the default. The library writes a failure's reason
  // into `error`.
  int(CEF_CALLBACK* set_preference)(struct _cef_request_context_t* self,
                                    const cef_string_t* name,
                                    struct _cef_value_t* value,
                                    cef_string_t* error);
  void(CEF_CALLBACK* clear_certificate_exceptions)(
      struct _cef_request_context_t* self,
      struct _cef_completion_callback_t* callback);
  void(CEF_CALLBACK* close_all_connections)(
      struct _cef_request_context_t* self,
      struct _cef_completion_callback_t* callback);
  void(CEF_CALLBACK* resolve_host)(struct _cef_request_context_t* self,
                                   const cef_string_t* origin,
                                   struct _cef_resolve_callback_t* callback);
  cef_errorcode_t(CEF_CALLBACK* resolve_host_cached)(
      struct _cef_request_context_t* self, const cef_string_t* origin,
      cef_string_list_t resolved_ips);
} cef_request_context_t;

CEF_EXPORT cef_request_context_t* cef_request_context_get_global_context(void);
CEF_EXPORT cef_request_context_t* cef_request_context_create_context(
    const cef_request_context_settings_t* settings,
    struct _cef_request_context_handler_t* handler);
// A new context that shares storage with `other`.
CEF_EXPORT cef_request_context_t* cef_create_context_shared(
    cef_request_context_t* other,
    struct _cef_request_context_handler_t* handler);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_REQUEST_CONTEXT_CAPI_H_
