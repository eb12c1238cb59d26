// Strings and string collections of the library's C interface. Every text
// crosses as UTF-16 code units; the library allocates and frees the buffers.
#ifndef CEF_INCLUDE_CAPI_CEF_STRING_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_STRING_CAPI_H_

#include <stddef.h>
#include <stdint.h>
#include <wchar.h>

#include "include/capi/cef_base_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

// A UTF-16 code unit. Windows' wchar_t already is one; elsewhere wchar_t is
// 32 bits wide and a plain 16-bit integer stands in.
#if defined(_WIN32)
typedef wchar_t char16;
#else
typedef uint16_t char16;
#endif

typedef struct _cef_string_wide_t {
  wchar_t* str;
  size_t length;
  void (*dtor)(wchar_t* str);
} cef_string_wide_t;

typedef struct _cef_string_utf8_t {
  char* str;
  size_t length;
  void (*dtor)(char* str);
} cef_string_utf8_t;

typedef struct _cef_string_utf16_t {
  char16* str;
  size_t length;
  void (*dtor)(char16* str);
} cef_string_utf16_t;

typedef cef_string_utf16_t cef_string_t;
typedef cef_string_wide_t* cef_string_userfree_wide_t;
typedef cef_string_utf8_t* cef_string_userfree_utf8_t;
typedef cef_string_utf16_t* cef_string_userfree_utf16_t;
typedef cef_string_userfree_utf16_t cef_string_userfree_t;

// Setting: `copy` non-zero makes the library copy the source; zero makes the
// record point at the caller's buffer, which must then outlive it. Every
// function returning int reports success with non-zero.
CEF_EXPORT int cef_string_wide_set(const wchar_t* src, size_t src_len,
                                   cef_string_wide_t* output, int copy);
CEF_EXPORT int cef_string_utf8_set(const char* src, size_t src_len,
                                   cef_string_utf8_t* output, int copy);
CEF_EXPORT int cef_string_utf16_set(const char16* src, size_t src_len,
                                    cef_string_utf16_t* output, int copy);

CEF_EXPORT void cef_string_wide_clear(cef_string_wide_t* str);
CEF_EXPORT void cef_string_utf8_clear(cef_string_utf8_t* str);
CEF_EXPORT void cef_string_utf16_clear(cef_string_utf16_t* str);

CEF_EXPORT int cef_string_wide_cmp(const cef_string_wide_t* str1,
                                   const cef_string_wide_t* str2);
CEF_EXPORT int cef_string_utf8_cmp(const cef_string_utf8_t* str1,
                                   const cef_string_utf8_t* str2);
CEF_EXPORT int cef_string_utf16_cmp(const cef_string_utf16_t* str1,
                                    const cef_string_utf16_t* str2);

// Conversions replace the output's content; malformed input becomes U+FFFD.
CEF_EXPORT int cef_string_wide_to_utf8(const wchar_t* src, size_t src_len,
                                       cef_string_utf8_t* output);
CEF_EXPORT int cef_string_utf8_to_wide(const char* src, size_t src_len,
                                       cef_string_wide_t* output);
CEF_EXPORT int cef_string_wide_to_utf16(const wchar_t* src, size_t src_len,
                                        cef_string_utf16_t* output);
CEF_EXPORT int cef_string_utf16_to_wide(const char16* src, size_t src_len,
                                        cef_string_wide_t* output);
CEF_EXPORT int cef_string_utf8_to_utf16(const char* src, size_t src_len,
                                        cef_string_utf16_t* output);
CEF_EXPORT int cef_string_utf16_to_utf8(const char16* src, size_t src_len,
                                        cef_string_utf8_t* output);
CEF_EXPORT int cef_string_ascii_to_wide(const char* src, size_t src_len,
                                        cef_string_wide_t* output);
CEF_EXPORT int cef_string_ascii_to_utf16(const char* src, size_t src_len,
                                         cef_string_utf16_t* output);

// A string returned by value: the record and its buffer belong to the caller.
CEF_EXPORT cef_string_userfree_wide_t cef_string_userfree_wide_alloc(void);
CEF_EXPORT cef_string_userfree_utf8_t cef_string_userfree_utf8_alloc(void);
CEF_EXPORT cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void);
// Clears the record's content, then frees the record itself.
CEF_EXPORT void cef_string_userfree_wide_free(cef_string_userfree_wide_t str);
CEF_EXPORT void cef_string_userfree_utf8_free(cef_string_userfree_utf8_t str);
CEF_EXPORT void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str);

// Opaque collections. Values are copied in and out; a getter writes into a
// caller's record and returns 0 for an index out of range.
typedef void* cef_string_list_t;
CEF_EXPORT cef_string_list_t cef_string_list_alloc(void);
CEF_EXPORT int cef_string_list_size(cef_string_list_t list);
CEF_EXPORT int cef_string_list_value(cef_string_list_t list, int index,
                                     cef_string_t* value);
CEF_EXPORT void cef_string_list_append(cef_string_list_t list,
                                       const cef_string_t* value);
CEF_EXPORT void cef_string_list_clear(cef_string_list_t list);
CEF_EXPORT void cef_string_list_free(cef_string_list_t list);
CEF_EXPORT cef_string_list_t cef_string_list_copy(cef_string_list_t list);

typedef void* cef_string_map_t;
CEF_EXPORT cef_string_map_t cef_string_map_alloc(void);
CEF_EXPORT int cef_string_map_size(cef_string_map_t map);
CEF_EXPORT int cef_string_map_find(cef_string_map_t map,
                                   const cef_string_t* key,
                                   cef_string_t* value);
CEF_EXPORT int cef_string_map_key(cef_string_map_t map, int index,
                                  cef_string_t* key);
CEF_EXPORT int cef_string_map_value(cef_string_map_t map, int index,
                                    cef_string_t* value);
CEF_EXPORT int cef_string_map_append(cef_string_map_t map,
                                     const cef_string_t* key,
                                     const cef_string_t* value);
CEF_EXPORT void cef_string_map_clear(cef_string_map_t map);
CEF_EXPORT void cef_string_map_free(cef_string_map_t map);

typedef void* cef_string_multimap_t;
CEF_EXPORT cef_string_multimap_t cef_string_multimap_alloc(void);
CEF_EXPORT int cef_string_multimap_size(cef_string_multimap_t map);
CEF_EXPORT int cef_string_multimap_find_count(cef_string_multimap_t map,
                                              const cef_string_t* key);
CEF_EXPORT int cef_string_multimap_enumerate(cef_string_multimap_t map,
                                             const cef_string_t* key,
                                             int value_index,
                                             cef_string_t* value);
CEF_EXPORT int cef_string_multimap_key(cef_string_multimap_t map, int index,
                                       cef_string_t* key);
CEF_EXPORT int cef_string_multimap_value(cef_string_multimap_t map, int index,
                                         cef_string_t* value);
CEF_EXPORT int cef_string_multimap_append(cef_string_multimap_t map,
                                          const cef_string_t* key,
                                          const cef_string_t* value);
CEF_EXPORT void cef_string_multimap_clear(cef_string_multimap_t map);
CEF_EXPORT void cef_string_multimap_free(cef_string_multimap_t map);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_STRING_CAPI_H_
