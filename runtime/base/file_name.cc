#include "runtime/base/file_name.h"

#include <stdint.h>

#include <algorithm>

#include "runtime/base/text.h"

namespace cefrt {

namespace {

bool Refused(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == U'<' || c == U'>' ||
         c == U':' || c == U'"' || c == U'/' || c == U'\\' || c == U'|' ||
         c == U'?' || c == U'*';
}

// Marks that change the order in which the rest shows:
// "invoice\u202Efdp.exe" reads as "invoiceexe.pdf".
bool Reorders(char32_t c) {
  return c == 0x061C || c == 0x200E || c == 0x200F ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool Blank(char32_t c) { return c == U' ' || c == U'.'; }

size_t Utf8Bytes(char32_t c) {
  return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

size_t Utf8Bytes(const std::u32string& s) {
  size_t n = 0;
  for (char32_t c : s)
    n += Utf8Bytes(c);
  return n;
}

void TrimEnd(std::u32string* s) {
  while (!s->empty() && Blank(s->back()))
    s->pop_back();
}

// Windows opens the device for these whatever the extension, and ignores
// spaces before it.
bool DeviceName(const std::u32string& name) {
  std::u32string stem = name.substr(0, name.find(U'.'));
  while (!stem.empty() && stem.back() == U' ')
    stem.pop_back();
  std::string upper;
  for (char32_t c : stem) {
    if (c == 0xB9 || c == 0xB2 || c == 0xB3) {  // superscript 1, 2, 3
      upper += '1';
      continue;
    }
    if (c >= 0x80)
      return false;
    upper += static_cast<char>(c >= U'a' && c <= U'z' ? c - 32 : c);
  }
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL",
                                         "CONIN$", "CONOUT$", "CLOCK$"};
  for (const char* device : kDevices) {
    if (upper == device)
      return true;
  }
  return upper.size() == 4 &&
         (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) &&
         upper[3] >= '0' && upper[3] <= '9';
}

}  // namespace

std::u16string SafeFileName(const std::u16string& name) {
  std::u32string in;
  DecodeUtf16(name.data(), name.size(), &in);
  std::u32string out;
  for (char32_t c : in) {
    if (Reorders(c))
      continue;
    out += Refused(c) ? U'_' : c;
  }
  // Leading dots hide a file on some systems; trailing ones and spaces are
  // dropped by Windows.
  out.erase(0, std::min(out.size(), out.find_first_not_of(U" .")));
  TrimEnd(&out);

  if (Utf8Bytes(out) > kMaxFileNameBytes) {
    const size_t dot = out.rfind(U'.');
    std::u32string extension;
    if (dot != std::u32string::npos && out.size() - dot <= 16)
      extension = out.substr(dot);
    std::u32string stem = out.substr(0, out.size() - extension.size());
    size_t room = kMaxFileNameBytes - Utf8Bytes(extension);
    size_t used = 0, keep = 0;
    while (keep < stem.size() && used + Utf8Bytes(stem[keep]) <= room)
      used += Utf8Bytes(stem[keep++]);
    stem.resize(keep);
    TrimEnd(&stem);
    out = stem + extension;
  }

  if (DeviceName(out))
    out.insert(out.begin(), U'_');
  if (out.empty())
    return u"download";
  std::u16string result;
  EncodeUtf16(out, &result);
  return result;
}

}  // namespace cefrt
