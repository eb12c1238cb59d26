// A byte sink. The library implements it; the program reaches it through a
// proxy or creates one over a file or over its own write handler.
#ifndef CEF_INCLUDE_CEF_STREAM_H_
#define CEF_INCLUDE_CEF_STREAM_H_

#include <cstddef>
#include <cstdint>

#include "include/capi/cef_stream_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"

class CefWriteHandler;

class CefStreamWriter : public virtual CefBase {
 public:
  // Null for an empty file name or a null handler.
  static CefRefPtr<CefStreamWriter> CreateForFile(const CefString& fileName);
  static CefRefPtr<CefStreamWriter> CreateForHandler(
      CefRefPtr<CefWriteHandler> handler);

  // Writes `n` items of `size` bytes; returns the number of items written.
  virtual size_t Write(const void* ptr, size_t size, size_t n) = 0;
  // `whence` is SEEK_SET, SEEK_CUR or SEEK_END; returns 0 on success.
  virtual int Seek(int64_t offset, int whence) = 0;
  virtual int64_t Tell() = 0;
  virtual int Flush() = 0;
  virtual bool MayBlock() = 0;
};

#endif  // CEF_INCLUDE_CEF_STREAM_H_
