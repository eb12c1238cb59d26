// A byte sink the program implements behind a library stream writer.
#ifndef CEF_INCLUDE_CAPI_CEF_WRITE_HANDLER_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_WRITE_HANDLER_CAPI_H_

#include <stddef.h>
#include <stdint.h>

#include "include/capi/cef_base_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

// Semantics follow the C library's fwrite, fseek (`whence` is SEEK_SET,
// SEEK_CUR or SEEK_END), ftell and fflush.
typedef struct _cef_write_handler_t {
  cef_base_t base;
  size_t(CEF_CALLBACK* write)(struct _cef_write_handler_t* self,
                              const void* ptr, size_t size, size_t n);
  int(CEF_CALLBACK* seek)(struct _cef_write_handler_t* self, int64_t offset,
                          int whence);
  int64_t(CEF_CALLBACK* tell)(struct _cef_write_handler_t* self);
  int(CEF_CALLBACK* flush)(struct _cef_write_handler_t* self);
  // Non-zero when the calls may block on I/O, so the library keeps them off
  // its non-blocking threads.
  int(CEF_CALLBACK* may_block)(struct _cef_write_handler_t* self);
} cef_write_handler_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_WRITE_HANDLER_CAPI_H_
