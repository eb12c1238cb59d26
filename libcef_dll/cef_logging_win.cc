#include <windows.h>

#include "include/cef_logging.h"
#include "libcef_dll/logging_system.h"

namespace cef_logging {

uint32_t GetLastErrorValue() { return GetLastError(); }

void SetLastErrorValue(uint32_t value) { SetLastError(value); }

bool SystemMessage(uint32_t code, std::string* message,
                   uint32_t* retrieval_error) {
  char buffer[256];
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, buffer, sizeof(buffer), nullptr);
  if (length == 0) {
    *retrieval_error = GetLastError();
    return false;
  }
  message->assign(buffer);
  return true;
}

}  // namespace cef_logging
