// A byte sink, as the library implements it.
#ifndef CEF_INCLUDE_CAPI_CEF_STREAM_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_STREAM_CAPI_H_

#include <stddef.h>
#include <stdint.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_write_handler_t;

typedef struct _cef_stream_writer_t {
  cef_base_t base;

  // Writes `n` items of `size` bytes; returns the number of items written.
  size_t(CEF_CALLBACK* write)(struct _cef_stream_writer_t* self,
                              const void* ptr, size_t size, size_t n);
  // `whence` is SEEK_SET, SEEK_CUR or SEEK_END; returns 0 on success.
  int(CEF_CALLBACK* seek)(struct _cef_stream_writer_t* self, int64_t offset,
                          int whence);
  int64_t(CEF_CALLBACK* tell)(struct _cef_stream_writer_t* self);
  int(CEF_CALLBACK* flush)(struct _cef_stream_writer_t* self);
  // True when calls may block (file access, say); the library uses it to pick
  // the thread it writes from.
  int(CEF_CALLBACK* may_block)(struct _cef_stream_writer_t* self);
} cef_stream_writer_t;

CEF_EXPORT cef_stream_writer_t* cef_stream_writer_create_for_file(
    const cef_string_t* fileName);
CEF_EXPORT cef_stream_writer_t* cef_stream_writer_create_for_handler(
    struct _cef_write_handler_t* handler);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_STREAM_CAPI_H_
