// Visitors the library walks over a collection, one call per item.
#ifndef CEF_INCLUDE_CAPI_CEF_VISITORS_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_VISITORS_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_domdocument_t;
struct _cef_navigation_entry_t;
struct _cef_web_plugin_info_t;

// Where a visit returns int, 0 stops the walk.

typedef struct _cef_cookie_visitor_t {
  cef_base_t base;
  // Setting `*deleteCookie` removes the visited cookie.
  int(CEF_CALLBACK* visit)(struct _cef_cookie_visitor_t* self,
                           const cef_cookie_t* cookie, int count, int total,
                           int* deleteCookie);
} cef_cookie_visitor_t;

// The document is valid only during the call.
typedef struct _cef_domvisitor_t {
  cef_base_t base;
  void(CEF_CALLBACK* visit)(struct _cef_domvisitor_t* self,
                            struct _cef_domdocument_t* document);
} cef_domvisitor_t;

typedef struct _cef_navigation_entry_visitor_t {
  cef_base_t base;
  int(CEF_CALLBACK* visit)(struct _cef_navigation_entry_visitor_t* self,
                           struct _cef_navigation_entry_t* entry, int current,
                           int index, int total);
} cef_navigation_entry_visitor_t;

typedef struct _cef_string_visitor_t {
  cef_base_t base;
  void(CEF_CALLBACK* visit)(struct _cef_string_visitor_t* self,
                            const cef_string_t* string);
} cef_string_visitor_t;

typedef struct _cef_web_plugin_info_visitor_t {
  cef_base_t base;
  int(CEF_CALLBACK* visit)(struct _cef_web_plugin_info_visitor_t* self,
                           struct _cef_web_plugin_info_t* info, int count,
                           int total);
} cef_web_plugin_info_visitor_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_VISITORS_CAPI_H_
