// The library's creators for contexts, cookie managers, task runners,
// process messages and stream writers.
#include <string>

#include "include/capi/cef_cookie_capi.h"
#include "include/capi/cef_process_message_capi.h"
#include "include/capi/cef_request_context_capi.h"
#include "include/capi/cef_stream_capi.h"
#include "include/capi/cef_task_runner_capi.h"
#include "include/cef_string.h"
#include "tests/fake/fake_library.h"

namespace {

std::string Arg(const cef_string_t* text) {
  return text ? CefString(text).ToUtf8() : "<null>";
}
std::string Arg(const void* pointer) { return pointer ? "<ptr>" : "<null>"; }
std::string Arg(long long number) { return std::to_string(number); }

}  // namespace

extern "C" {

cef_request_context_t* cef_request_context_get_global_context(void) {
  return fake::Created<cef_request_context_t>(
      "cef_request_context_get_global_context");
}

cef_request_context_t* cef_request_context_create_context(
    const cef_request_context_settings_t* settings,
    struct _cef_request_context_handler_t* handler) {
  return fake::Created<cef_request_context_t>(
      "cef_request_context_create_context",
      {Arg(settings), Arg(settings ? &settings->cache_path : nullptr),
       Arg(handler)});
}

cef_request_context_t* cef_create_context_shared(
    cef_request_context_t* other,
    struct _cef_request_context_handler_t* handler) {
  return fake::Created<cef_request_context_t>("cef_create_context_shared",
                                              {Arg(other), Arg(handler)});
}

cef_cookie_manager_t* cef_cookie_manager_get_global_manager(
    struct _cef_completion_callback_t* callback) {
  return fake::Created<cef_cookie_manager_t>(
      "cef_cookie_manager_get_global_manager", {Arg(callback)});
}

cef_cookie_manager_t* cef_cookie_manager_create_manager(
    const cef_string_t* path, int persist_session_cookies,
    struct _cef_completion_callback_t* callback) {
  return fake::Created<cef_cookie_manager_t>(
      "cef_cookie_manager_create_manager",
      {Arg(path), Arg(persist_session_cookies), Arg(callback)});
}

cef_task_runner_t* cef_task_runner_get_for_current_thread(void) {
  return fake::Created<cef_task_runner_t>(
      "cef_task_runner_get_for_current_thread");
}

cef_task_runner_t* cef_task_runner_get_for_thread(cef_thread_id_t threadId) {
  return fake::Created<cef_task_runner_t>("cef_task_runner_get_for_thread",
                                          {Arg(threadId)});
}

cef_process_message_t* cef_process_message_create(const cef_string_t* name) {
  return fake::Created<cef_process_message_t>("cef_process_message_create",
                                              {Arg(name)});
}

cef_stream_writer_t* cef_stream_writer_create_for_file(
    const cef_string_t* fileName) {
  return fake::Created<cef_stream_writer_t>("cef_stream_writer_create_for_file",
                                            {Arg(fileName)});
}

cef_stream_writer_t* cef_stream_writer_create_for_handler(
    struct _cef_write_handler_t* handler) {
  return fake::Created<cef_stream_writer_t>(
      "cef_stream_writer_create_for_handler", {Arg(handler)});
}

}  // extern "C"
