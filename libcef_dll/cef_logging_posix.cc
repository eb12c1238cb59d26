#include <cerrno>
#include <cstring>

#include "include/cef_logging.h"
#include "libcef_dll/logging_system.h"

namespace cef_logging {

namespace {

// strerror_r comes in two forms. The XSI one answers 0 with the text in the
// buffer, or an error number (older glibc: -1 and errno).
[[maybe_unused]] bool Retrieved(int result, uint32_t, const char* buffer,
                                std::string* message,
                                uint32_t* retrieval_error) {
  if (result != 0) {
    *retrieval_error = static_cast<uint32_t>(result > 0 ? result : errno);
    return false;
  }
  message->assign(buffer);
  return true;
}

// The GNU one, which glibc gives C++ programs, answers a text in every case:
// for a code it does not know it makes up "Unknown error N", where the XSI
// form and the Windows call fail. That must read as a failure too, or an
// unknown code would be logged as if it had a message. The made-up text is
// translated with the locale, so it is not recognised by its wording: glibc
// names exactly the codes it has messages for. The XSI form fails with
// EINVAL there, and so does this.
[[maybe_unused]] bool Retrieved(const char* result, uint32_t code, const char*,
                                std::string* message,
                                uint32_t* retrieval_error) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 32)
  if (!strerrorname_np(static_cast<int>(code))) {
    *retrieval_error = EINVAL;
    return false;
  }
#else
  (void)code;
#endif
  if (!result) {
    *retrieval_error = static_cast<uint32_t>(errno);
    return false;
  }
  message->assign(result);
  return true;
}

}  // namespace

uint32_t GetLastErrorValue() { return static_cast<uint32_t>(errno); }

void SetLastErrorValue(uint32_t value) { errno = static_cast<int>(value); }

bool SystemMessage(uint32_t code, std::string* message,
                   uint32_t* retrieval_error) {
  char buffer[256] = {};
  errno = 0;
  return Retrieved(strerror_r(static_cast<int>(code), buffer, sizeof(buffer)),
                   code, buffer, message, retrieval_error);
}

}  // namespace cef_logging
