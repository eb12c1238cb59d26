// A cookie store, as the library implements it.
#ifndef CEF_INCLUDE_CAPI_CEF_COOKIE_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_COOKIE_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_completion_callback_t;
struct _cef_cookie_visitor_t;
struct _cef_set_cookie_callback_t;
struct _cef_delete_cookies_callback_t;

typedef struct _cef_cookie_manager_t {
  cef_base_t base;

  void(CEF_CALLBACK* set_supported_schemes)(
      struct _cef_cookie_manager_t* self, cef_string_list_t schemes,
      struct _cef_completion_callback_t* callback);
  int(CEF_CALLBACK* visit_all_cookies)(struct _cef_cookie_manager_t* self,
                                       struct _cef_cookie_visitor_t* visitor);
  int(CEF_CALLBACK* visit_url_cookies)(struct _cef_cookie_manager_t* self,
                                       const cef_string_t* url,
                                       int includeHttpOnly,
                                       struct _cef_cookie_visitor_t* visitor);
  int(CEF_CALLBACK* set_cookie)(struct _cef_cookie_manager_t* self,
                                const cef_string_t* url,
                                const cef_cookie_t* cookie,
                                struct _cef_set_cookie_callback_t* callback);
  // An empty URL deletes the cookies of every host and domain.
  int(CEF_CALLBACK* delete_cookies)(
      struct _cef_cookie_manager_t* self, const cef_string_t* url,
      const cef_string_t* cookie_name,
      struct _cef_delete_cookies_callback_t* callback);
  int(CEF_CALLBACK* set_storage_path)(
      struct _cef_cookie_manager_t* self, const cef_string_t* path,
      int persist_session_cookies,
      struct _cef_completion_callback_t* callback);
  int(CEF_CALLBACK* flush_store)(struct _cef_cookie_manager_t* self,
                                 struct _cef_completion_callback_t* callback);
} cef_cookie_manager_t;

CEF_EXPORT cef_cookie_manager_t* cef_cookie_manager_get_global_manager(
    struct _cef_completion_callback_t* callback);
// A null or empty path keeps the cookies in memory only.
CEF_EXPORT cef_cookie_manager_t* cef_cookie_manager_create_manager(
    const cef_string_t* path, int persist_session_cookies,
    struct _cef_completion_callback_t* callback);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_COOKIE_CAPI_H_
