// The library's generic value containers: one value of any type, an
// immutable byte buffer, a dictionary and a list.
#ifndef CEF_INCLUDE_CAPI_CEF_VALUES_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_VALUES_CAPI_H_

#include <stddef.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"
#include "include/capi/cef_types_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_binary_value_t;
struct _cef_dictionary_value_t;
struct _cef_list_value_t;

// Storing a container in another hands over the reference passed with it.
typedef struct _cef_value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_value_t* self);
  int(CEF_CALLBACK* is_owned)(struct _cef_value_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_value_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_value_t* self,
                             struct _cef_value_t* that);
  int(CEF_CALLBACK* is_equal)(struct _cef_value_t* self,
                              struct _cef_value_t* that);
  struct _cef_value_t*(CEF_CALLBACK* copy)(struct _cef_value_t* self);
  cef_value_type_t(CEF_CALLBACK* get_type)(struct _cef_value_t* self);
  int(CEF_CALLBACK* get_bool)(struct _cef_value_t* self);
  int(CEF_CALLBACK* get_int)(struct _cef_value_t* self);
  double(CEF_CALLBACK* get_double)(struct _cef_value_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_string)(struct _cef_value_t* self);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_binary)(
      struct _cef_value_t* self);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* get_dictionary)(
      struct _cef_value_t* self);
  struct _cef_list_value_t*(CEF_CALLBACK* get_list)(struct _cef_value_t* self);
  int(CEF_CALLBACK* set_null)(struct _cef_value_t* self);
  int(CEF_CALLBACK* set_bool)(struct _cef_value_t* self, int value);
  int(CEF_CALLBACK* set_int)(struct _cef_value_t* self, int value);
  int(CEF_CALLBACK* set_double)(struct _cef_value_t* self, double value);
  int(CEF_CALLBACK* set_string)(struct _cef_value_t* self,
                                const cef_string_t* value);
  int(CEF_CALLBACK* set_binary)(struct _cef_value_t* self,
                                struct _cef_binary_value_t* value);
  int(CEF_CALLBACK* set_dictionary)(struct _cef_value_t* self,
                                    struct _cef_dictionary_value_t* value);
  int(CEF_CALLBACK* set_list)(struct _cef_value_t* self,
                              struct _cef_list_value_t* value);
} cef_value_t;

typedef struct _cef_binary_value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_binary_value_t* self);
  int(CEF_CALLBACK* is_owned)(struct _cef_binary_value_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_binary_value_t* self,
                             struct _cef_binary_value_t* that);
  int(CEF_CALLBACK* is_equal)(struct _cef_binary_value_t* self,
                              struct _cef_binary_value_t* that);
  struct _cef_binary_value_t*(CEF_CALLBACK* copy)(
      struct _cef_binary_value_t* self);
  size_t(CEF_CALLBACK* get_size)(struct _cef_binary_value_t* self);
  // Copies at most `buffer_size` bytes starting at `data_offset`; returns the
  // number copied.
  size_t(CEF_CALLBACK* get_data)(struct _cef_binary_value_t* self,
                                 void* buffer, size_t buffer_size,
                                 size_t data_offset);
} cef_binary_value_t;

typedef struct _cef_dictionary_value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_dictionary_value_t* self);
  int(CEF_CALLBACK* is_owned)(struct _cef_dictionary_value_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_dictionary_value_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_dictionary_value_t* self,
                             struct _cef_dictionary_value_t* that);
  int(CEF_CALLBACK* is_equal)(struct _cef_dictionary_value_t* self,
                              struct _cef_dictionary_value_t* that);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* copy)(
      struct _cef_dictionary_value_t* self, int exclude_empty_children);
  size_t(CEF_CALLBACK* get_size)(struct _cef_dictionary_value_t* self);
  int(CEF_CALLBACK* clear)(struct _cef_dictionary_value_t* self);
  int(CEF_CALLBACK* has_key)(struct _cef_dictionary_value_t* self,
                             const cef_string_t* key);
  int(CEF_CALLBACK* get_keys)(struct _cef_dictionary_value_t* self,
                              cef_string_list_t keys);
  int(CEF_CALLBACK* remove)(struct _cef_dictionary_value_t* self,
                            const cef_string_t* key);
  cef_value_type_t(CEF_CALLBACK* get_type)(
      struct _cef_dictionary_value_t* self, const cef_string_t* key);
  struct _cef_value_t*(CEF_CALLBACK* get_value)(
      struct _cef_dictionary_value_t* self, const cef_string_t* key);
  int(CEF_CALLBACK* get_bool)(struct _cef_dictionary_value_t* self,
                              const cef_string_t* key);
  int(CEF_CALLBACK* get_int)(struct _cef_dictionary_value_t* self,
                             const cef_string_t* key);
  double(CEF_CALLBACK* get_double)(struct _cef_dictionary_value_t* self,
                                   const cef_string_t* key);
  cef_string_userfree_t(CEF_CALLBACK* get_string)(
      struct _cef_dictionary_value_t* self, const cef_string_t* key);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_binary)(
      struct _cef_dictionary_value_t* self, const cef_string_t* key);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* get_dictionary)(
      struct _cef_dictionary_value_t* self, const cef_string_t* key);
  struct _cef_list_value_t*(CEF_CALLBACK* get_list)(
      struct _cef_dictionary_value_t* self, const cef_string_t* key);
  int(CEF_CALLBACK* set_value)(struct _cef_dictionary_value_t* self,
                               const cef_string_t* key,
                               struct _cef_value_t* value);
  int(CEF_CALLBACK* set_null)(struct _cef_dictionary_value_t* self,
                              const cef_string_t* key);
  int(CEF_CALLBACK* set_bool)(struct _cef_dictionary_value_t* self,
                              const cef_string_t* key, int value);
  int(CEF_CALLBACK* set_int)(struct _cef_dictionary_value_t* self,
                             const cef_string_t* key, int value);
  int(CEF_CALLBACK* set_double)(struct _cef_dictionary_value_t* self,
                                const cef_string_t* key, double value);
  int(CEF_CALLBACK* set_string)(struct _cef_dictionary_value_t* self,
                                const cef_string_t* key,
                                const cef_string_t* value);
  int(CEF_CALLBACK* set_binary)(struct _cef_dictionary_value_t* self,
                                const cef_string_t* key,
                                struct _cef_binary_value_t* value);
  int(CEF_CALLBACK* set_dictionary)(struct _cef_dictionary_value_t* self,
                                    const cef_string_t* key,
                                    struct _cef_dictionary_value_t* value);
  int(CEF_CALLBACK* set_list)(struct _cef_dictionary_value_t* self,
                              const cef_string_t* key,
                              struct _cef_list_value_t* value);
} cef_dictionary_value_t;

// Indexes and sizes are machine words here; the program side refuses
// negative indexes before they get this far.
typedef struct _cef_list_value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* is_owned)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_list_value_t* self,
                             struct _cef_list_value_t* that);
  int(CEF_CALLBACK* is_equal)(struct _cef_list_value_t* self,
                              struct _cef_list_value_t* that);
  struct _cef_list_value_t*(CEF_CALLBACK* copy)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* set_size)(struct _cef_list_value_t* self, size_t size);
  size_t(CEF_CALLBACK* get_size)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* clear)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* remove)(struct _cef_list_value_t* self, size_t index);
  cef_value_type_t(CEF_CALLBACK* get_type)(struct _cef_list_value_t* self,
                                           size_t index);
  struct _cef_value_t*(CEF_CALLBACK* get_value)(struct _cef_list_value_t* self,
                                                size_t index);
  int(CEF_CALLBACK* get_bool)(struct _cef_list_value_t* self, size_t index);
  int(CEF_CALLBACK* get_int)(struct _cef_list_value_t* self, size_t index);
  double(CEF_CALLBACK* get_double)(struct _cef_list_value_t* self,
                                   size_t index);
  cef_string_userfree_t(CEF_CALLBACK* get_string)(
      struct _cef_list_value_t* self, size_t index);
  struct _cef_binary_value_t*(CEF_CALLBACK* get_binary)(
      struct _cef_list_value_t* self, size_t index);
  struct _cef_dictionary_value_t*(CEF_CALLBACK* get_dictionary)(
      struct _cef_list_value_t* self, size_t index);
  struct _cef_list_value_t*(CEF_CALLBACK* get_list)(
      struct _cef_list_value_t* self, size_t index);
  int(CEF_CALLBACK* set_value)(struct _cef_list_value_t* self, size_t index,
                               struct _cef_value_t* value);
  int(CEF_CALLBACK* set_null)(struct _cef_list_value_t* self, size_t index);
  int(CEF_CALLBACK* set_bool)(struct _cef_list_value_t* self, size_t index,
                              int value);
  int(CEF_CALLBACK* set_int)(struct _cef_list_value_t* self, size_t index,
                             int value);
  int(CEF_CALLBACK* set_double)(struct _cef_list_value_t* self, size_t index,
                                double value);
  int(CEF_CALLBACK* set_string)(struct _cef_list_value_t* self, size_t index,
                                const cef_string_t* value);
  int(CEF_CALLBACK* set_binary)(struct _cef_list_value_t* self, size_t index,
                                struct _cef_binary_value_t* value);
  int(CEF_CALLBACK* set_dictionary)(struct _cef_list_value_t* self,
                                    size_t index,
                                    struct _cef_dictionary_value_t* value);
  int(CEF_CALLBACK* set_list)(struct _cef_list_value_t* self, size_t index,
                              struct _cef_list_value_t* value);
} cef_list_value_t;

CEF_EXPORT cef_value_t* cef_value_create(void);
// The library copies `data_size` bytes from `data`.
CEF_EXPORT cef_binary_value_t* cef_binary_value_create(const void* data,
                                                       size_t data_size);
CEF_EXPORT cef_dictionary_value_t* cef_dictionary_value_create(void);
CEF_EXPORT cef_list_value_t* cef_list_value_create(void);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_VALUES_CAPI_H_
