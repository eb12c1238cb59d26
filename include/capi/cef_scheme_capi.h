// Registration of custom URL schemes while a process starts, as the library
// implements it.
#ifndef CEF_INCLUDE_CAPI_CEF_SCHEME_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_SCHEME_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

// Valid only during the application's custom-scheme registration call. Every
// process must register each scheme with the same flags.
typedef struct _cef_scheme_registrar_t {
  cef_base_t base;

  int(CEF_CALLBACK* add_custom_scheme)(struct _cef_scheme_registrar_t* self,
                                       const cef_string_t* scheme_name,
                                       int is_standard, int is_local,
                                       int is_display_isolated);
} cef_scheme_registrar_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_SCHEME_CAPI_H_
