// Byte sinks: a file of the program's choosing, or the program's own
// handler.
#include <stdio.h>

#include <mutex>
#include <string>

#include "include/capi/cef_stream_capi.h"
#include "include/capi/cef_write_handler_capi.h"
#include "runtime/base/capi_util.h"
#include "runtime/base/counted.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

bool ValidWhence(int whence) {
  return whence == SEEK_SET || whence == SEEK_CUR || whence == SEEK_END;
}

FILE* OpenForWriting(const std::u16string& path) {
#if defined(_WIN32)
  // The wide call, so that any name the system allows opens.
  return _wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"wb");
#else
  return fopen(U16ToUtf8(path).c_str(), "wb");
#endif
}

int SeekFile(FILE* file, int64_t offset, int whence) {
#if defined(_WIN32)
  return _fseeki64(file, offset, whence);
#else
  return fseeko(file, static_cast<off_t>(offset), whence);
#endif
}

int64_t TellFile(FILE* file) {
#if defined(_WIN32)
  return _ftelli64(file);
#else
  return static_cast<int64_t>(ftello(file));
#endif
}

// Owns the open file; closing it goes with the last reference.
class FileWriter : public CountedStruct<cef_stream_writer_t> {
 public:
  explicit FileWriter(FILE* file)
      : CountedStruct("cef_stream_writer_t"), file_(file) {
    cef_stream_writer_t& c = s();
    c.write = [](cef_stream_writer_t* self, const void* ptr, size_t size,
                 size_t n) CEF_CALLBACK -> size_t {
      if (!ptr || size == 0 || n == 0)
        return 0;
      return With(self, size_t{0},
                  [&](FILE* f) { return fwrite(ptr, size, n, f); });
    };
    c.seek = [](cef_stream_writer_t* self, int64_t offset,
                int whence) CEF_CALLBACK -> int {
      if (!ValidWhence(whence))
        return -1;
      return With(self, -1, [&](FILE* f) {
        return SeekFile(f, offset, whence) == 0 ? 0 : -1;
      });
    };
    c.tell = [](cef_stream_writer_t* self) CEF_CALLBACK -> int64_t {
      return With(self, int64_t{-1}, &TellFile);
    };
    c.flush = [](cef_stream_writer_t* self) CEF_CALLBACK -> int {
      return With(self, -1, [](FILE* f) { return fflush(f) == 0 ? 0 : -1; });
    };
    c.may_block = [](cef_stream_writer_t* self) CEF_CALLBACK -> int {
      return With(self, 0, [](FILE*) { return 1; });
    };
  }

 private:
  ~FileWriter() override { fclose(file_); }

  // Calls are serialised: a FILE has one position.
  template <typename R, typename F>
  static R With(cef_stream_writer_t* self, R fallback, F&& f) {
    FileWriter* w = From<FileWriter>(self);
    if (!w)
      return fallback;
    std::lock_guard<std::mutex> lock(w->mutex_);
    return f(w->file_);
  }

  std::mutex mutex_;
  FILE* const file_;
};

// Hands every call to the program's handler, whose reference it holds.
class HandlerWriter : public CountedStruct<cef_stream_writer_t> {
 public:
  explicit HandlerWriter(cef_write_handler_t* handler)
      : CountedStruct("cef_stream_writer_t"), handler_(handler) {
    cef_stream_writer_t& c = s();
    c.write = [](cef_stream_writer_t* self, const void* ptr, size_t size,
                 size_t n) CEF_CALLBACK -> size_t {
      if (!ptr)
        return 0;
      return Forward(self, &cef_write_handler_t::write, size_t{0}, ptr, size,
                     n);
    };
    c.seek = [](cef_stream_writer_t* self, int64_t offset,
                int whence) CEF_CALLBACK -> int {
      return Forward(self, &cef_write_handler_t::seek, -1, offset, whence);
    };
    c.tell = [](cef_stream_writer_t* self) CEF_CALLBACK -> int64_t {
      return Forward(self, &cef_write_handler_t::tell, int64_t{-1});
    };
    c.flush = [](cef_stream_writer_t* self) CEF_CALLBACK -> int {
      return Forward(self, &cef_write_handler_t::flush, -1);
    };
    c.may_block = [](cef_stream_writer_t* self) CEF_CALLBACK -> int {
      return Forward(self, &cef_write_handler_t::may_block, 0) ? 1 : 0;
    };
  }

 private:
  ~HandlerWriter() override { ReleaseStruct(handler_); }

  // A member the handler does not offer answers `fallback`.
  template <typename Member, typename R, typename... Args>
  static R Forward(cef_stream_writer_t* self,
                   Member cef_write_handler_t::*member, R fallback,
                   Args... args) {
    HandlerWriter* w = From<HandlerWriter>(self);
    if (!w || !Offers(w->handler_, member))
      return fallback;
    return (w->handler_->*member)(w->handler_, args...);
  }

  cef_write_handler_t* const handler_;
};

}  // namespace

}  // namespace cefrt

cef_stream_writer_t* cef_stream_writer_create_for_file(
    const cef_string_t* fileName) {
  const std::u16string path = cefrt::FromCef(fileName);
  if (path.empty() || path.find(u'\0') != std::u16string::npos)
    return nullptr;
  FILE* file = cefrt::OpenForWriting(path);
  return file ? (new cefrt::FileWriter(file))->Give() : nullptr;
}

cef_stream_writer_t* cef_stream_writer_create_for_handler(
    struct _cef_write_handler_t* handler) {
  return handler ? (new cefrt::HandlerWriter(handler))->Give() : nullptr;
}
