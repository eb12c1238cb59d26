#include "runtime/browser/load_error.h"

#include <stdlib.h>

#include "include/capi/cef_types_capi.h"

namespace cefrt {

std::string NetErrorText(int code) {
  struct Name {
    int code;
    const char* name;
  };
  static const Name kNames[] = {
      {ERR_FAILED, "ERR_FAILED"},
      {ERR_ABORTED, "ERR_ABORTED"},
      {ERR_FILE_NOT_FOUND, "ERR_FILE_NOT_FOUND"},
      {ERR_TIMED_OUT, "ERR_TIMED_OUT"},
      {ERR_FILE_TOO_BIG, "ERR_FILE_TOO_BIG"},
      {ERR_ACCESS_DENIED, "ERR_ACCESS_DENIED"},
      {ERR_CONNECTION_CLOSED, "ERR_CONNECTION_CLOSED"},
      {ERR_CONNECTION_RESET, "ERR_CONNECTION_RESET"},
      {ERR_CONNECTION_REFUSED, "ERR_CONNECTION_REFUSED"},
      {ERR_CONNECTION_ABORTED, "ERR_CONNECTION_ABORTED"},
      {ERR_CONNECTION_FAILED, "ERR_CONNECTION_FAILED"},
      {ERR_NAME_NOT_RESOLVED, "ERR_NAME_NOT_RESOLVED"},
      {ERR_INTERNET_DISCONNECTED, "ERR_INTERNET_DISCONNECTED"},
      {ERR_SSL_PROTOCOL_ERROR, "ERR_SSL_PROTOCOL_ERROR"},
      {ERR_ADDRESS_UNREACHABLE, "ERR_ADDRESS_UNREACHABLE"},
      {ERR_CERT_INVALID, "ERR_CERT_INVALID"},
      {ERR_INVALID_URL, "ERR_INVALID_URL"},
      {ERR_UNKNOWN_URL_SCHEME, "ERR_UNKNOWN_URL_SCHEME"},
      {ERR_TOO_MANY_REDIRECTS, "ERR_TOO_MANY_REDIRECTS"},
      {ERR_INVALID_RESPONSE, "ERR_INVALID_RESPONSE"},
      {ERR_EMPTY_RESPONSE, "ERR_EMPTY_RESPONSE"},
  };
  for (const Name& n : kNames) {
    if (n.code == code)
      return std::string("net::") + n.name;
  }
  return "net::ERR_FAILED";
}

unsigned LoadTimeoutMs() {
  constexpr unsigned kLimit = 30000;
  const char* value = getenv("CEFRT_LOAD_TIMEOUT_MS");
  if (value && *value) {
    char* end = nullptr;
    const unsigned long ms = strtoul(value, &end, 10);
    if (end && *end == '\0' && ms > 0 && ms <= kLimit)
      return static_cast<unsigned>(ms);
  }
  return kLimit;
}

}  // namespace cefrt
