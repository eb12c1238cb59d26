// The library's JavaScript creators, as the fake library answers them.
#include <string>

#include "include/capi/cef_v8_capi.h"
#include "include/capi/cef_v8_handler_capi.h"
#include "tests/fake/fake_library.h"

namespace {

std::string Text(const cef_string_t* text) {
  if (!text) return "<null>";
  cef_string_utf8_t utf8 = {};
  cef_string_utf16_to_utf8(text->str, text->length, &utf8);
  std::string result(utf8.str ? utf8.str : "", utf8.length);
  cef_string_utf8_clear(&utf8);
  return result;
}

// The library keeps a handler for as long as the value lives; the fake's
// values never run, so it gives the reference back at once.
std::string Handed(cef_base_t* handler) {
  if (!handler) return "<null>";
  handler->release(handler);
  return "<ptr>";
}

}  // namespace

extern "C" {

cef_v8context_t* cef_v8context_get_current_context(void) {
  return fake::Created<cef_v8context_t>("cef_v8context_get_current_context");
}

cef_v8context_t* cef_v8context_get_entered_context(void) {
  return fake::Created<cef_v8context_t>("cef_v8context_get_entered_context");
}

int cef_v8context_in_context(void) {
  fake::RecordCall("cef_v8context_in_context", {});
  return fake::ResultFor("cef_v8context_in_context", 1);
}

cef_v8value_t* cef_v8value_create_undefined(void) {
  return fake::Created<cef_v8value_t>("cef_v8value_create_undefined");
}

cef_v8value_t* cef_v8value_create_null(void) {
  return fake::Created<cef_v8value_t>("cef_v8value_create_null");
}

cef_v8value_t* cef_v8value_create_bool(int value) {
  return fake::Created<cef_v8value_t>("cef_v8value_create_bool",
                                      {std::to_string(value)});
}

cef_v8value_t* cef_v8value_create_int(int32_t value) {
  return fake::Created<cef_v8value_t>("cef_v8value_create_int",
                                      {std::to_string(value)});
}

cef_v8value_t* cef_v8value_create_uint(uint32_t value) {
  return fake::Created<cef_v8value_t>("cef_v8value_create_uint",
                                      {std::to_string(value)});
}

cef_v8value_t* cef_v8value_create_double(double value) {
  return fake::Created<cef_v8value_t>("cef_v8value_create_double",
                                      {std::to_string(value)});
}

cef_v8value_t* cef_v8value_create_date(const cef_time_t* date) {
  return fake::Created<cef_v8value_t>(
      "cef_v8value_create_date",
      {date ? std::to_string(date->year) : std::string("<null>")});
}

cef_v8value_t* cef_v8value_create_string(const cef_string_t* value) {
  return fake::Created<cef_v8value_t>("cef_v8value_create_string",
                                      {Text(value)});
}

cef_v8value_t* cef_v8value_create_object(struct _cef_v8accessor_t* accessor) {
  return fake::Created<cef_v8value_t>(
      "cef_v8value_create_object",
      {Handed(reinterpret_cast<cef_base_t*>(accessor))});
}

cef_v8value_t* cef_v8value_create_array(int length) {
  return fake::Created<cef_v8value_t>("cef_v8value_create_array",
                                      {std::to_string(length)});
}

cef_v8value_t* cef_v8value_create_function(const cef_string_t* name,
                                           struct _cef_v8handler_t* handler) {
  return fake::Created<cef_v8value_t>(
      "cef_v8value_create_function",
      {Text(name), Handed(reinterpret_cast<cef_base_t*>(handler))});
}

cef_v8stack_trace_t* cef_v8stack_trace_get_current(int frame_limit) {
  return fake::Created<cef_v8stack_trace_t>("cef_v8stack_trace_get_current",
                                            {std::to_string(frame_limit)});
}

}  // extern "C"
