// Base64 and URI escaping.
#include <string.h>

#include <string>
#include <type_traits>

#include "include/capi/cef_entry_capi.h"
#include "runtime/base/base64.h"
#include "runtime/base/text.h"

namespace {

const char kBase64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Base64Value(char16_t c) {
  if (c >= u'A' && c <= u'Z')
    return c - u'A';
  if (c >= u'a' && c <= u'z')
    return c - u'a' + 26;
  if (c >= u'0' && c <= u'9')
    return c - u'0' + 52;
  if (c == u'+')
    return 62;
  return c == u'/' ? 63 : -1;
}

int HexValue(unsigned c) {
  if (c >= '0' && c <= '9')
    return static_cast<int>(c - '0');
  if (c >= 'a' && c <= 'f')
    return static_cast<int>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F')
    return static_cast<int>(c - 'A' + 10);
  return -1;
}

// Whether an escaped byte may be decoded under `rules`. Characters that
// would change how a URL reads stay escaped unless asked for.
bool MayUnescape(unsigned byte, int rules) {
  if (byte < 0x20 || byte == 0x7F)
    return (rules & UU_CONTROL_CHARS) != 0;
  if (byte == ' ')
    return (rules & UU_SPACES) != 0;
  if (byte < 0x80 && strchr("#%&+,/:<=>?@", static_cast<int>(byte)))
    return (rules & UU_URL_SPECIAL_CHARS) != 0;
  return true;
}

template <typename Char>
unsigned Unit(Char c) {
  return static_cast<std::make_unsigned_t<Char>>(c);
}

template <typename Str>
Str Unescape(const Str& in, int rules) {
  Str out;
  for (size_t i = 0; i < in.size(); ++i) {
    const unsigned c = Unit(in[i]);
    if (c == '%' && i + 2 < in.size()) {
      const int hi = HexValue(Unit(in[i + 1]));
      const int lo = HexValue(Unit(in[i + 2]));
      if (hi >= 0 && lo >= 0) {
        const unsigned byte = static_cast<unsigned>(hi * 16 + lo);
        if (MayUnescape(byte, rules)) {
          out.push_back(static_cast<typename Str::value_type>(byte));
          i += 2;
          continue;
        }
      }
    }
    if (c == '+' && (rules & UU_REPLACE_PLUS_WITH_SPACE)) {
      out.push_back(' ');
      continue;
    }
    out.push_back(in[i]);
  }
  return out;
}

}  // namespace

namespace cefrt {

bool Base64Decode(const std::u16string& text, std::vector<unsigned char>* out) {
  out->clear();
  size_t end = text.size();
  if (end % 4 == 0) {
    for (int pad = 0; pad < 2 && end > 0 && text[end - 1] == u'='; ++pad)
      --end;
  }
  // One character left over holds less than a byte.
  if (end % 4 == 1)
    return false;
  out->reserve(end / 4 * 3 + 2);
  unsigned bits = 0;
  int held = 0;
  for (size_t i = 0; i < end; ++i) {
    const int v = Base64Value(text[i]);
    if (v < 0) {
      out->clear();
      return false;
    }
    bits = (bits << 6) | static_cast<unsigned>(v);
    held += 6;
    if (held >= 8) {
      held -= 8;
      out->push_back(static_cast<unsigned char>(bits >> held));
      bits &= (1u << held) - 1;
    }
  }
  return true;
}

}  // namespace cefrt

cef_string_userfree_t cef_base64encode(const void* data, size_t data_size) {
  if (!data)
    return nullptr;
  const char* const kAlphabet = kBase64Alphabet;
  const auto* in = static_cast<const unsigned char*>(data);
  std::u16string out;
  out.reserve((data_size + 2) / 3 * 4);
  for (size_t i = 0; i < data_size; i += 3) {
    const size_t n = data_size - i < 3 ? data_size - i : 3;
    unsigned v = static_cast<unsigned>(in[i]) << 16;
    if (n > 1)
      v |= static_cast<unsigned>(in[i + 1]) << 8;
    if (n > 2)
      v |= in[i + 2];
    out += static_cast<char16_t>(kAlphabet[(v >> 18) & 63]);
    out += static_cast<char16_t>(kAlphabet[(v >> 12) & 63]);
    out += n > 1 ? static_cast<char16_t>(kAlphabet[(v >> 6) & 63]) : u'=';
    out += n > 2 ? static_cast<char16_t>(kAlphabet[v & 63]) : u'=';
  }
  return cefrt::NewUserFree(out);
}

cef_string_userfree_t cef_uriencode(const cef_string_t* text, int use_plus) {
  if (!text)
    return nullptr;
  static const char kHex[] = "0123456789ABCDEF";
  const std::string bytes = cefrt::Utf8FromCef(text);
  std::u16string out;
  for (unsigned char c : bytes) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
        (c >= '0' && c <= '9') || (c && strchr("-_.!~*'()", c))) {
      out += static_cast<char16_t>(c);
    } else if (c == ' ' && use_plus) {
      out += u'+';
    } else {
      out += u'%';
      out += static_cast<char16_t>(kHex[c >> 4]);
      out += static_cast<char16_t>(kHex[c & 0xF]);
    }
  }
  return cefrt::NewUserFree(out);
}

cef_string_userfree_t cef_uridecode(const cef_string_t* text,
                                    int convert_to_utf8,
                                    cef_uri_unescape_rule_t unescape_rule) {
  if (!text)
    return nullptr;
  const int rules = static_cast<int>(unescape_rule);
  const std::u16string units = cefrt::FromCef(text);
  if (rules == UU_NONE)
    return cefrt::NewUserFree(units);
  if (convert_to_utf8) {
    // Escaped bytes are read as UTF-8 when they form valid UTF-8 ...
    const std::string bytes = Unescape(cefrt::U16ToUtf8(units), rules);
    std::u32string cps;
    if (cefrt::DecodeUtf8(bytes.data(), bytes.size(), &cps)) {
      std::u16string out;
      cefrt::EncodeUtf16(cps, &out);
      return cefrt::NewUserFree(out);
    }
  }
  // ... otherwise each escaped byte becomes the code unit of that value.
  return cefrt::NewUserFree(Unescape(units, rules));
}
