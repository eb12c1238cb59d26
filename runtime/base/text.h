// Unicode codecs and small string helpers shared by the runtime's units.
#ifndef CEF_RUNTIME_TEXT_H_
#define CEF_RUNTIME_TEXT_H_

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "include/capi/cef_string_capi.h"
#include "runtime/base/ascii.h"

namespace cefrt {

// Decoders append code points and turn every malformed sequence into U+FFFD;
// they return false when they had to replace anything.
bool DecodeUtf8(const char* src, size_t len, std::u32string* out);
// Any 16-bit unit type: char16_t, uint16_t, or wchar_t on Windows.
template <typename Unit>
bool DecodeUtf16(const Unit* src, size_t len, std::u32string* out) {
  static_assert(sizeof(Unit) == 2, "UTF-16 code units");
  if (!src)
    return len == 0;
  bool clean = true;
  size_t i = 0;
  while (i < len) {
    const uint32_t u = static_cast<uint16_t>(src[i]);
    if (u < 0xD800 || u > 0xDFFF) {
      out->push_back(u);
      ++i;
      continue;
    }
    if (u <= 0xDBFF && i + 1 < len) {
      const uint32_t low = static_cast<uint16_t>(src[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        out->push_back(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    out->push_back(0xFFFD);
    clean = false;
    ++i;
  }
  return clean;
}
bool DecodeUtf32(const wchar_t* src, size_t len, std::u32string* out);
bool DecodeAscii(const char* src, size_t len, std::u32string* out);

void EncodeUtf8(const std::u32string& cps, std::string* out);
void EncodeUtf16(const std::u32string& cps, std::u16string* out);

std::u16string Utf8ToU16(const std::string& text);
std::string U16ToUtf8(const std::u16string& text);

// A null record reads as empty.
std::u16string FromCef(const cef_string_t* str);
std::string Utf8FromCef(const cef_string_t* str);
// Replaces the record's content with an owned copy.
bool ToCef(const std::u16string& text, cef_string_t* out);
// A fresh caller-owned string.
cef_string_userfree_t NewUserFree(const std::u16string& text);

}  // namespace cefrt

#endif  // CEF_RUNTIME_TEXT_H_
