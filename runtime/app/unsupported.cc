// Exports that this runtime does not provide: each answers as the library
// does when it cannot serve a request (null, 0 or nothing), and releases the
// objects it was handed, since it took them over.
#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_cookie_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_request_context_capi.h"
#include "include/capi/cef_v8_capi.h"
#include "include/capi/cef_values_capi.h"
#include "runtime/base/counted.h"

extern "C" {

int cef_begin_tracing(const cef_string_t* categories,
                      struct _cef_completion_callback_t* callback) {
  (void)categories;
  cefrt::ReleaseStruct(callback);
  return 0;
}

int cef_end_tracing(const cef_string_t* tracing_file,
                    struct _cef_end_tracing_callback_t* callback) {
  (void)tracing_file;
  cefrt::ReleaseStruct(callback);
  return 0;
}

int cef_get_geolocation(struct _cef_get_geolocation_callback_t* callback) {
  cefrt::ReleaseStruct(callback);
  return 0;
}

void cef_is_web_plugin_unstable(
    const cef_string_t* path,
    struct _cef_web_plugin_unstable_callback_t* callback) {
  (void)path;
  cefrt::ReleaseStruct(callback);
}

void cef_visit_web_plugin_info(struct _cef_web_plugin_info_visitor_t* visitor) {
  cefrt::ReleaseStruct(visitor);
}

#if defined(_WIN32)
// The Windows view does not serve these yet.
cef_cookie_manager_t* cef_cookie_manager_create_manager(
    const cef_string_t* path, int persist_session_cookies,
    struct _cef_completion_callback_t* callback) {
  (void)path;
  (void)persist_session_cookies;
  cefrt::ReleaseStruct(callback);
  return nullptr;
}

cef_cookie_manager_t* cef_cookie_manager_get_global_manager(
    struct _cef_completion_callback_t* callback) {
  cefrt::ReleaseStruct(callback);
  return nullptr;
}

cef_request_context_t* cef_create_context_shared(
    cef_request_context_t* other,
    struct _cef_request_context_handler_t* handler) {
  cefrt::ReleaseStruct(other);
  cefrt::ReleaseStruct(handler);
  return nullptr;
}

cef_request_context_t* cef_request_context_create_context(
    const cef_request_context_settings_t* settings,
    struct _cef_request_context_handler_t* handler) {
  (void)settings;
  cefrt::ReleaseStruct(handler);
  return nullptr;
}

cef_request_context_t* cef_request_context_get_global_context(void) {
  return nullptr;
}

// Served on Linux only; the Windows view does not serve these yet.

int cef_register_scheme_handler_factory(
    const cef_string_t* scheme_name, const cef_string_t* domain_name,
    struct _cef_scheme_handler_factory_t* factory) {
  (void)scheme_name;
  (void)domain_name;
  cefrt::ReleaseStruct(factory);
  return 0;
}

// Script contexts and values: served on Linux only; the Windows view does not
// serve them yet.

int cef_register_extension(const cef_string_t* extension_name,
                           const cef_string_t* javascript_code,
                           struct _cef_v8handler_t* handler) {
  (void)extension_name;
  (void)javascript_code;
  cefrt::ReleaseStruct(handler);
  return 0;
}

cef_v8context_t* cef_v8context_get_current_context(void) { return nullptr; }

cef_v8context_t* cef_v8context_get_entered_context(void) { return nullptr; }

int cef_v8context_in_context(void) { return 0; }

cef_v8stack_trace_t* cef_v8stack_trace_get_current(int frame_limit) {
  (void)frame_limit;
  return nullptr;
}

cef_v8value_t* cef_v8value_create_array(int length) {
  (void)length;
  return nullptr;
}

cef_v8value_t* cef_v8value_create_bool(int value) {
  (void)value;
  return nullptr;
}

cef_v8value_t* cef_v8value_create_date(const cef_time_t* date) {
  (void)date;
  return nullptr;
}

cef_v8value_t* cef_v8value_create_double(double value) {
  (void)value;
  return nullptr;
}

cef_v8value_t* cef_v8value_create_function(const cef_string_t* name,
                                           struct _cef_v8handler_t* handler) {
  (void)name;
  cefrt::ReleaseStruct(handler);
  return nullptr;
}

cef_v8value_t* cef_v8value_create_int(int32_t value) {
  (void)value;
  return nullptr;
}

cef_v8value_t* cef_v8value_create_null(void) { return nullptr; }

cef_v8value_t* cef_v8value_create_object(struct _cef_v8accessor_t* accessor) {
  cefrt::ReleaseStruct(accessor);
  return nullptr;
}

cef_v8value_t* cef_v8value_create_string(const cef_string_t* value) {
  (void)value;
  return nullptr;
}

cef_v8value_t* cef_v8value_create_uint(uint32_t value) {
  (void)value;
  return nullptr;
}

cef_v8value_t* cef_v8value_create_undefined(void) { return nullptr; }

#endif  // defined(_WIN32)

}  // extern "C"
