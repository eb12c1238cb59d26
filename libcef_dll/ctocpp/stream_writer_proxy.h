#ifndef CEF_LIBCEF_DLL_CTOCPP_STREAM_WRITER_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_STREAM_WRITER_PROXY_H_

#include "include/cef_stream.h"
#include "include/cef_write_handler.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefStreamWriterProxy final
    : public ObjectProxy<CefStreamWriterProxy, CefStreamWriter,
                         cef_stream_writer_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_STREAM_WRITER;

  size_t Write(const void* ptr, size_t size, size_t n) override {
    return Forward(&S::write, Required(ptr), size, n);
  }
  int Seek(int64_t offset, int whence) override {
    return Forward(&S::seek, offset, whence);
  }
  int64_t Tell() override { return Forward(&S::tell); }
  int Flush() override { return Forward(&S::flush); }
  bool MayBlock() override { return Forward(&S::may_block); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_STREAM_WRITER_PROXY_H_
