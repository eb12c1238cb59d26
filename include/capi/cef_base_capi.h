// The counted header that starts every structure crossing the library's C
// interface, and the calling conventions both sides agree on.
#ifndef CEF_INCLUDE_CAPI_CEF_BASE_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_BASE_CAPI_H_

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define CEF_CALLBACK __stdcall
// Callers import through the import library's thunks rather than dllimport,
// so the same bridge objects link against the dll or against a static fake.
#if defined(BUILDING_CEF_SHARED)
#define CEF_EXPORT __declspec(dllexport)
#else
#define CEF_EXPORT
#endif
#else
#define CEF_CALLBACK
#define CEF_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _cef_base_t {
  // Byte size of the whole structure as its implementer filled it in; members
  // at or beyond it are absent.
  size_t size;
  void(CEF_CALLBACK* add_ref)(struct _cef_base_t* self);
  int(CEF_CALLBACK* release)(struct _cef_base_t* self);
  int(CEF_CALLBACK* has_one_ref)(struct _cef_base_t* self);
} cef_base_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_BASE_CAPI_H_
