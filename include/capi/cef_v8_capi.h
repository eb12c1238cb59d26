// The library's JavaScript engine objects: contexts, values, exceptions and
// stack traces.
#ifndef CEF_INCLUDE_CAPI_CEF_V8_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_V8_CAPI_H_

#include <stddef.h>
#include <stdint.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_browser_t;
struct _cef_frame_t;
struct _cef_task_runner_t;
struct _cef_v8accessor_t;
struct _cef_v8handler_t;
struct _cef_v8exception_t;
struct _cef_v8stack_frame_t;
struct _cef_v8value_t;

// Numbering of the two masks follows the library's published values.
typedef enum {
  V8_ACCESS_CONTROL_DEFAULT = 0,
  V8_ACCESS_CONTROL_ALL_CAN_READ = 1,
  V8_ACCESS_CONTROL_ALL_CAN_WRITE = 1 << 1,
  V8_ACCESS_CONTROL_PROHIBITS_OVERWRITING = 1 << 2,
} cef_v8_accesscontrol_t;

typedef enum {
  V8_PROPERTY_ATTRIBUTE_NONE = 0,
  V8_PROPERTY_ATTRIBUTE_READONLY = 1 << 0,
  V8_PROPERTY_ATTRIBUTE_DONTENUM = 1 << 1,
  V8_PROPERTY_ATTRIBUTE_DONTDELETE = 1 << 2,
} cef_v8_propertyattribute_t;

typedef struct _cef_v8context_t {
  cef_base_t base;
  struct _cef_task_runner_t*(CEF_CALLBACK* get_task_runner)(
      struct _cef_v8context_t* self);
  int(CEF_CALLBACK* is_valid)(struct _cef_v8context_t* self);
  struct _cef_browser_t*(CEF_CALLBACK* get_browser)(
      struct _cef_v8context_t* self);
  struct _cef_frame_t*(CEF_CALLBACK* get_frame)(struct _cef_v8context_t* self);
  struct _cef_v8value_t*(CEF_CALLBACK* get_global)(
      struct _cef_v8context_t* self);
  int(CEF_CALLBACK* enter)(struct _cef_v8context_t* self);
  int(CEF_CALLBACK* exit)(struct _cef_v8context_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_v8context_t* self,
                             struct _cef_v8context_t* that);
  // `retval` and `exception` are in/out: a structure passed in carries one
  // reference for the library, one stored there carries one for the caller.
  int(CEF_CALLBACK* eval)(struct _cef_v8context_t* self,
                          const cef_string_t* code,
                          struct _cef_v8value_t** retval,
                          struct _cef_v8exception_t** exception);
} cef_v8context_t;

typedef struct _cef_v8value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_undefined)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_null)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_bool)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_int)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_uint)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_double)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_date)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_string)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_object)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_array)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_function)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_v8value_t* self,
                             struct _cef_v8value_t* that);
  int(CEF_CALLBACK* get_bool_value)(struct _cef_v8value_t* self);
  int32_t(CEF_CALLBACK* get_int_value)(struct _cef_v8value_t* self);
  uint32_t(CEF_CALLBACK* get_uint_value)(struct _cef_v8value_t* self);
  double(CEF_CALLBACK* get_double_value)(struct _cef_v8value_t* self);
  cef_time_t(CEF_CALLBACK* get_date_value)(struct _cef_v8value_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_string_value)(
      struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_user_created)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* has_exception)(struct _cef_v8value_t* self);
  struct _cef_v8exception_t*(CEF_CALLBACK* get_exception)(
      struct _cef_v8value_t* self);
  int(CEF_CALLBACK* clear_exception)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* will_rethrow_exceptions)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* set_rethrow_exceptions)(struct _cef_v8value_t* self,
                                            int rethrow);
  int(CEF_CALLBACK* has_value_bykey)(struct _cef_v8value_t* self,
                                     const cef_string_t* key);
  int(CEF_CALLBACK* has_value_byindex)(struct _cef_v8value_t* self, int index);
  int(CEF_CALLBACK* delete_value_bykey)(struct _cef_v8value_t* self,
                                        const cef_string_t* key);
  int(CEF_CALLBACK* delete_value_byindex)(struct _cef_v8value_t* self,
                                          int index);
  struct _cef_v8value_t*(CEF_CALLBACK* get_value_bykey)(
      struct _cef_v8value_t* self, const cef_string_t* key);
  struct _cef_v8value_t*(CEF_CALLBACK* get_value_byindex)(
      struct _cef_v8value_t* self, int index);
  int(CEF_CALLBACK* set_value_bykey)(struct _cef_v8value_t* self,
                                     const cef_string_t* key,
                                     struct _cef_v8value_t* value,
                                     cef_v8_propertyattribute_t attribute);
  int(CEF_CALLBACK* set_value_byindex)(struct _cef_v8value_t* self, int index,
                                       struct _cef_v8value_t* value);
  // Binds the property to the accessor the value was created with.
  int(CEF_CALLBACK* set_value_byaccessor)(
      struct _cef_v8value_t* self, const cef_string_t* key,
      cef_v8_accesscontrol_t settings, cef_v8_propertyattribute_t attribute);
  int(CEF_CALLBACK* get_keys)(struct _cef_v8value_t* self,
                              cef_string_list_t keys);
  // User data is any counted program object, seen by the library as a bare
  // base structure.
  int(CEF_CALLBACK* set_user_data)(struct _cef_v8value_t* self,
                                   struct _cef_base_t* user_data);
  struct _cef_base_t*(CEF_CALLBACK* get_user_data)(
      struct _cef_v8value_t* self);
  int(CEF_CALLBACK* get_externally_allocated_memory)(
      struct _cef_v8value_t* self);
  int(CEF_CALLBACK* adjust_externally_allocated_memory)(
      struct _cef_v8value_t* self, int change_in_bytes);
  int(CEF_CALLBACK* get_array_length)(struct _cef_v8value_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_function_name)(
      struct _cef_v8value_t* self);
  struct _cef_v8handler_t*(CEF_CALLBACK* get_function_handler)(
      struct _cef_v8value_t* self);
  // Each non-null entry of `arguments` carries one reference for the library.
  struct _cef_v8value_t*(CEF_CALLBACK* execute_function)(
      struct _cef_v8value_t* self, struct _cef_v8value_t* object,
      size_t argumentsCount, struct _cef_v8value_t* const* arguments);
  struct _cef_v8value_t*(CEF_CALLBACK* execute_function_with_context)(
      struct _cef_v8value_t* self, struct _cef_v8context_t* context,
      struct _cef_v8value_t* object, size_t argumentsCount,
      struct _cef_v8value_t* const* arguments);
} cef_v8value_t;

typedef struct _cef_v8exception_t {
  cef_base_t base;
  cef_string_userfree_t(CEF_CALLBACK* get_message)(
      struct _cef_v8exception_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_source_line)(
      struct _cef_v8exception_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_script_resource_name)(
      struct _cef_v8exception_t* self);
  int(CEF_CALLBACK* get_line_number)(struct _cef_v8exception_t* self);
  int(CEF_CALLBACK* get_start_position)(struct _cef_v8exception_t* self);
  int(CEF_CALLBACK* get_end_position)(struct _cef_v8exception_t* self);
  int(CEF_CALLBACK* get_start_column)(struct _cef_v8exception_t* self);
  int(CEF_CALLBACK* get_end_column)(struct _cef_v8exception_t* self);
} cef_v8exception_t;

typedef struct _cef_v8stack_trace_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_v8stack_trace_t* self);
  int(CEF_CALLBACK* get_frame_count)(struct _cef_v8stack_trace_t* self);
  struct _cef_v8stack_frame_t*(CEF_CALLBACK* get_frame)(
      struct _cef_v8stack_trace_t* self, int index);
} cef_v8stack_trace_t;

typedef struct _cef_v8stack_frame_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_v8stack_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_script_name)(
      struct _cef_v8stack_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_script_name_or_source_url)(
      struct _cef_v8stack_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_function_name)(
      struct _cef_v8stack_frame_t* self);
  int(CEF_CALLBACK* get_line_number)(struct _cef_v8stack_frame_t* self);
  int(CEF_CALLBACK* get_column)(struct _cef_v8stack_frame_t* self);
  int(CEF_CALLBACK* is_eval)(struct _cef_v8stack_frame_t* self);
  int(CEF_CALLBACK* is_constructor)(struct _cef_v8stack_frame_t* self);
} cef_v8stack_frame_t;

CEF_EXPORT cef_v8context_t* cef_v8context_get_current_context(void);
CEF_EXPORT cef_v8context_t* cef_v8context_get_entered_context(void);
CEF_EXPORT int cef_v8context_in_context(void);

CEF_EXPORT cef_v8value_t* cef_v8value_create_undefined(void);
CEF_EXPORT cef_v8value_t* cef_v8value_create_null(void);
CEF_EXPORT cef_v8value_t* cef_v8value_create_bool(int value);
CEF_EXPORT cef_v8value_t* cef_v8value_create_int(int32_t value);
CEF_EXPORT cef_v8value_t* cef_v8value_create_uint(uint32_t value);
CEF_EXPORT cef_v8value_t* cef_v8value_create_double(double value);
CEF_EXPORT cef_v8value_t* cef_v8value_create_date(const cef_time_t* date);
CEF_EXPORT cef_v8value_t* cef_v8value_create_string(const cef_string_t* value);
// A non-null accessor or handler carries one reference for the library.
CEF_EXPORT cef_v8value_t* cef_v8value_create_object(
    struct _cef_v8accessor_t* accessor);
CEF_EXPORT cef_v8value_t* cef_v8value_create_array(int length);
CEF_EXPORT cef_v8value_t* cef_v8value_create_function(
    const cef_string_t* name, struct _cef_v8handler_t* handler);

CEF_EXPORT cef_v8stack_trace_t* cef_v8stack_trace_get_current(int frame_limit);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_V8_CAPI_H_
