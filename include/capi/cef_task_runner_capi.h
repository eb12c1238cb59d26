// A handle on one of the library's threads for posting work to it, as the
// library implements it.
#ifndef CEF_INCLUDE_CAPI_CEF_TASK_RUNNER_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_TASK_RUNNER_CAPI_H_

#include <stdint.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_types_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_task_t;

typedef struct _cef_task_runner_t {
  cef_base_t base;

  int(CEF_CALLBACK* is_same)(struct _cef_task_runner_t* self,
                             struct _cef_task_runner_t* that);
  int(CEF_CALLBACK* belongs_to_current_thread)(
      struct _cef_task_runner_t* self);
  int(CEF_CALLBACK* belongs_to_thread)(struct _cef_task_runner_t* self,
                                       cef_thread_id_t threadId);
  int(CEF_CALLBACK* post_task)(struct _cef_task_runner_t* self,
                               struct _cef_task_t* task);
  int(CEF_CALLBACK* post_delayed_task)(struct _cef_task_runner_t* self,
                                       struct _cef_task_t* task,
                                       int64_t delay_ms);
} cef_task_runner_t;

// Null when the calling thread is not one the library can post to.
CEF_EXPORT cef_task_runner_t* cef_task_runner_get_for_current_thread(void);
CEF_EXPORT cef_task_runner_t* cef_task_runner_get_for_thread(
    cef_thread_id_t threadId);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_TASK_RUNNER_CAPI_H_
