// Work handed to one of the library's threads.
#ifndef CEF_INCLUDE_CAPI_CEF_TASK_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_TASK_CAPI_H_

#include "include/capi/cef_base_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _cef_task_t {
  cef_base_t base;
  void(CEF_CALLBACK* execute)(struct _cef_task_t* self);
} cef_task_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_TASK_CAPI_H_
