// A byte sink behind a library stream writer.
#ifndef CEF_INCLUDE_CEF_WRITE_HANDLER_H_
#define CEF_INCLUDE_CEF_WRITE_HANDLER_H_

#include <cstddef>
#include <cstdint>

#include "include/capi/cef_write_handler_capi.h"
#include "include/cef_base.h"

// The methods mirror fwrite, fseek, ftell and fflush. The defaults accept
// nothing: Write stores no item and Seek fails with -1, so a handler that
// overrides only part of them never reports a success it did not have.
class CefWriteHandler : public virtual CefBase {
 public:
  // Returns the number of complete items of `size` bytes written.
  virtual size_t Write(const void* /*ptr*/, size_t /*size*/, size_t /*n*/) {
    return 0;
  }
  // 0 on success.
  virtual int Seek(int64_t /*offset*/, int /*whence*/) { return -1; }
  virtual int64_t Tell() { return 0; }
  // 0 on success.
  virtual int Flush() { return 0; }
  virtual bool MayBlock() { return false; }
};

#endif  // CEF_INCLUDE_CEF_WRITE_HANDLER_H_
