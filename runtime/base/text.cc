#include "runtime/base/text.h"

#include <stdint.h>

namespace cefrt {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(uint32_t cp, std::u16string* out) {
  if (cp < 0x10000) {
    out->push_back(static_cast<char16_t>(cp));
  } else {
    out->push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
    out->push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
  }
}

// Hands each code point to `emit`, so a caller that wants another encoding
// needs no code-point string in between.
template <class Out>
bool DecodeUtf8Into(const char* src, size_t len, Out* out) {
  if (!src)
    return len == 0;
  const auto* s = reinterpret_cast<const unsigned char*>(src);
  bool clean = true;
  size_t i = 0;
  while (i < len) {
    const unsigned char lead = s[i];
    if (lead < 0x80) {
      out->push_back(lead);
      ++i;
      continue;
    }
    // The first continuation byte's range also rules out overlong forms,
    // encoded surrogates and code points above U+10FFFF.
    int need;
    uint32_t cp;
    unsigned char lo = 0x80, hi = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      need = 1;
      cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      need = 2;
      cp = lead & 0x0F;
      if (lead == 0xE0)
        lo = 0xA0;
      else if (lead == 0xED)
        hi = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      need = 3;
      cp = lead & 0x07;
      if (lead == 0xF0)
        lo = 0x90;
      else if (lead == 0xF4)
        hi = 0x8F;
    } else {
      out->push_back(kReplacement);
      clean = false;
      ++i;
      continue;
    }
    size_t j = i + 1;
    int got = 0;
    while (got < need && j < len) {
      const unsigned char c = s[j];
      if (c < (got == 0 ? lo : 0x80) || c > (got == 0 ? hi : 0xBF))
        break;
      cp = (cp << 6) | (c & 0x3F);
      ++got;
      ++j;
    }
    if (got == need) {
      out->push_back(cp);
    } else {
      // One U+FFFD per maximal invalid subpart; the offending byte is read
      // again as a lead.
      out->push_back(kReplacement);
      clean = false;
    }
    i = j;
  }
  return clean;
}

}  // namespace

bool DecodeUtf8(const char* src, size_t len, std::u32string* out) {
  return DecodeUtf8Into(src, len, out);
}

bool DecodeUtf32(const wchar_t* src, size_t len, std::u32string* out) {
  if (!src)
    return len == 0;
  bool clean = true;
  for (size_t i = 0; i < len; ++i) {
    const uint32_t cp = static_cast<uint32_t>(src[i]);
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out->push_back(kReplacement);
      clean = false;
    } else {
      out->push_back(cp);
    }
  }
  return clean;
}

bool DecodeAscii(const char* src, size_t len, std::u32string* out) {
  if (!src)
    return len == 0;
  bool clean = true;
  for (size_t i = 0; i < len; ++i) {
    const unsigned char c = static_cast<unsigned char>(src[i]);
    if (c < 0x80) {
      out->push_back(c);
    } else {
      out->push_back(kReplacement);
      clean = false;
    }
  }
  return clean;
}

void EncodeUtf8(const std::u32string& cps, std::string* out) {
  for (char32_t c : cps) {
    const uint32_t cp = c;
    if (cp < 0x80) {
      out->push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
}

void EncodeUtf16(const std::u32string& cps, std::u16string* out) {
  for (char32_t c : cps)
    AppendUtf16(c, out);
}

std::u16string Utf8ToU16(const std::string& text) {
  // Straight into UTF-16: JSON and page text pass through here in bulk.
  struct Sink {
    std::u16string* s;
    void push_back(char32_t cp) { AppendUtf16(cp, s); }
  };
  std::u16string out;
  out.reserve(text.size());
  Sink sink{&out};
  DecodeUtf8Into(text.data(), text.size(), &sink);
  return out;
}

std::string U16ToUtf8(const std::u16string& text) {
  std::u32string cps;
  DecodeUtf16(text.data(), text.size(), &cps);
  std::string out;
  EncodeUtf8(cps, &out);
  return out;
}

std::u16string FromCef(const cef_string_t* str) {
  std::u16string out;
  if (!str || !str->str)
    return out;
  out.resize(str->length);
  for (size_t i = 0; i < str->length; ++i)
    out[i] = static_cast<char16_t>(str->str[i]);
  return out;
}

std::string Utf8FromCef(const cef_string_t* str) {
  return U16ToUtf8(FromCef(str));
}

bool ToCef(const std::u16string& text, cef_string_t* out) {
  if (!out)
    return false;
  std::vector<char16> units(text.begin(), text.end());
  return cef_string_utf16_set(units.data(), units.size(), out, 1) != 0;
}

cef_string_userfree_t NewUserFree(const std::u16string& text) {
  cef_string_userfree_t result = cef_string_userfree_utf16_alloc();
  if (result && !ToCef(text, result)) {
    cef_string_userfree_utf16_free(result);
    return nullptr;
  }
  return result;
}

}  // namespace cefrt
