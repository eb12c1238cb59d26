// The runtime's URL, URI escaping, Base64, CSS colour and MIME helpers, and
// the prescan for a page's <meta charset>, on arbitrary text: nothing
// crashes, and each round trip that is meant to hold does.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_string_capi.h"
#include "runtime/browser/meta_charset.h"

namespace {

typedef std::basic_string<char16> U16;

U16 Take(cef_string_userfree_t text) {
  if (!text) return U16();
  U16 units = text->str ? U16(text->str, text->length) : U16();
  cef_string_userfree_utf16_free(text);
  return units;
}

U16 FromUtf8(const std::string& text) {
  fuzz::Utf16 units;
  cef_string_utf8_to_utf16(text.data(), text.size(), units.get());
  return units.Units();
}

bool WellFormed(const U16& s) {
  fuzz::Utf8 bytes;
  return cef_string_utf16_to_utf8(s.data(), s.size(), bytes.get()) == 1;
}

struct UrlParts {
  cef_urlparts_t parts = {};
  UrlParts() = default;
  UrlParts(const UrlParts&) = delete;
  UrlParts& operator=(const UrlParts&) = delete;
  ~UrlParts() {
    for (cef_string_t* s : {&parts.spec, &parts.username, &parts.password,
                            &parts.host, &parts.port, &parts.origin,
                            &parts.path, &parts.query})
      cef_string_utf16_clear(s);
  }
};

U16 Units(const cef_string_t& s) { return s.str ? U16(s.str, s.length) : U16(); }

// A parsed URL's spec is canonical: parsing it again gives it back, and
// creating a URL from the parts gives it too.
void ParseUrl(const U16& text) {
  const cef_string_t url = fuzz::View(text);
  UrlParts parsed;
  if (!cef_parse_url(&url, &parsed.parts)) return;
  const U16 spec = Units(parsed.parts.spec);
  FUZZ_CHECK(!spec.empty());
  UrlParts again;
  const cef_string_t spec_view = fuzz::View(spec);
  FUZZ_CHECK(cef_parse_url(&spec_view, &again.parts) == 1);
  FUZZ_CHECK(Units(again.parts.spec) == spec);
  FUZZ_CHECK(Units(again.parts.host) == Units(parsed.parts.host));
  FUZZ_CHECK(Units(again.parts.path) == Units(parsed.parts.path));
  FUZZ_CHECK(Units(again.parts.query) == Units(parsed.parts.query));
  fuzz::Utf16 created;
  FUZZ_CHECK(cef_create_url(&parsed.parts, created.get()) == 1);
  FUZZ_CHECK(created.Units() == spec);
  Take(cef_format_url_for_security_display(&url, nullptr));
}

// Parts without a spec: whatever is created parses back to itself.
void CreateUrl(FuzzedDataProvider& input) {
  UrlParts parts;
  for (cef_string_t* s : {&parts.parts.username, &parts.parts.password,
                          &parts.parts.host, &parts.parts.port,
                          &parts.parts.origin, &parts.parts.path,
                          &parts.parts.query}) {
    const std::string text = input.ConsumeRandomLengthString(24);
    cef_string_utf8_to_utf16(text.data(), text.size(), s);
  }
  fuzz::Utf16 created;
  if (!cef_create_url(&parts.parts, created.get())) return;
  UrlParts parsed;
  const U16 spec = created.Units();
  const cef_string_t view = fuzz::View(spec);
  FUZZ_CHECK(cef_parse_url(&view, &parsed.parts) == 1);
  FUZZ_CHECK(Units(parsed.parts.spec) == spec);
}

// Escaping then unescaping with every rule gives well-formed text back.
void UriRoundTrip(FuzzedDataProvider& input, const U16& text) {
  const int use_plus = input.ConsumeBool() ? 1 : 0;
  const cef_string_t view = fuzz::View(text);
  const U16 encoded = Take(cef_uriencode(&view, use_plus));
  for (char16 c : encoded) {
    const bool unreserved = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                            (c >= u'0' && c <= u'9') || c < 0x80;
    FUZZ_CHECK(unreserved && c != u' ');
  }
  const int all = UU_SPACES | UU_URL_SPECIAL_CHARS | UU_CONTROL_CHARS |
                  (use_plus ? UU_REPLACE_PLUS_WITH_SPACE : 0);
  const cef_string_t encoded_view = fuzz::View(encoded);
  const U16 decoded = Take(cef_uridecode(
      &encoded_view, 1, static_cast<cef_uri_unescape_rule_t>(all)));
  if (WellFormed(text)) FUZZ_CHECK(decoded == text);

  // Any text under any rules: no crash, and nothing without rules changes.
  const int rules = input.ConsumeIntegralInRange<int>(0, 31);
  Take(cef_uridecode(&view, input.ConsumeBool() ? 1 : 0,
                     static_cast<cef_uri_unescape_rule_t>(rules)));
  FUZZ_CHECK(Take(cef_uridecode(&view, 1, UU_NONE)) == text);
}

// An independent decoder: the encoder's output must read back as the data.
bool DecodeBase64(const U16& text, std::string* out) {
  static const std::string kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  if (text.size() % 4) return false;
  for (size_t i = 0; i < text.size(); i += 4) {
    unsigned v = 0;
    int pad = 0;
    for (size_t j = 0; j < 4; ++j) {
      const char16 c = text[i + j];
      v <<= 6;
      if (c == u'=' && i + 4 == text.size() && j >= 2) {
        ++pad;
        continue;
      }
      if (pad || c > 0x7F) return false;
      const size_t at = kAlphabet.find(static_cast<char>(c));
      if (at == std::string::npos) return false;
      v |= static_cast<unsigned>(at);
    }
    out->push_back(static_cast<char>(v >> 16));
    if (pad < 2) out->push_back(static_cast<char>((v >> 8) & 0xFF));
    if (pad < 1) out->push_back(static_cast<char>(v & 0xFF));
  }
  return true;
}

void Base64(const std::string& data) {
  const U16 encoded = Take(cef_base64encode(data.data(), data.size()));
  FUZZ_CHECK(encoded.size() == (data.size() + 2) / 3 * 4);
  std::string decoded;
  FUZZ_CHECK(DecodeBase64(encoded, &decoded));
  FUZZ_CHECK(decoded == data);
}

std::string Hex2(unsigned v) {
  char text[3];
  std::snprintf(text, sizeof text, "%02x", v & 0xFF);
  return text;
}

// Any text parses or not without harm; a colour written out in CSS forms
// reads back as itself.
void CssColor(FuzzedDataProvider& input) {
  const U16 text = FromUtf8(input.ConsumeRandomLengthString(64));
  const cef_string_t view = fuzz::View(text);
  cef_color_t color = 0;
  cef_parse_csscolor(&view, input.ConsumeBool() ? 1 : 0, &color);

  const uint32_t argb = input.ConsumeIntegral<uint32_t>() | 0xFF000000u;
  const unsigned r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
  for (const std::string& form :
       {"#" + Hex2(r) + Hex2(g) + Hex2(b),
        "rgb(" + std::to_string(r) + "," + std::to_string(g) + "," +
            std::to_string(b) + ")",
        " RGB( " + std::to_string(r) + " , " + std::to_string(g) + " , " +
            std::to_string(b) + " ) "}) {
    const U16 units = FromUtf8(form);
    const cef_string_t form_view = fuzz::View(units);
    cef_color_t parsed = 0;
    FUZZ_CHECK(cef_parse_csscolor(&form_view, 1, &parsed) == 1);
    FUZZ_CHECK(parsed == argb);
  }
}

// Every extension with a type is among the extensions of that type.
void Mime(const U16& extension) {
  const cef_string_t view = fuzz::View(extension);
  const U16 type = Take(cef_get_mime_type(&view));
  cef_string_list_t extensions = cef_string_list_alloc();
  const cef_string_t type_view = fuzz::View(type);
  cef_get_extensions_for_mime_type(&type_view, extensions);
  cef_get_extensions_for_mime_type(&view, extensions);
  if (!type.empty()) {
    // What the lookup compared: trimmed, lower case, without a dot.
    std::string wanted;
    fuzz::Utf8 bytes;
    cef_string_utf16_to_utf8(extension.data(), extension.size(), bytes.get());
    wanted = std::string(bytes.Units());
    while (!wanted.empty() && (wanted.back() == ' ' || wanted.back() == '\t'))
      wanted.pop_back();
    size_t skip = 0;
    while (skip < wanted.size() && (wanted[skip] == ' ' || wanted[skip] == '\t'))
      ++skip;
    wanted.erase(0, skip);
    if (!wanted.empty() && wanted[0] == '.') wanted.erase(0, 1);
    for (char& c : wanted)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    const U16 wanted16 = FromUtf8(wanted);
    bool listed = false;
    for (int i = 0; i < cef_string_list_size(extensions); ++i) {
      fuzz::Utf16 each;
      cef_string_list_value(extensions, i, each.get());
      listed |= each.Units() == wanted16;
    }
    FUZZ_CHECK(listed);
  }
  cef_string_list_free(extensions);
}

}  // namespace

// Only the first kilobyte counts, and a label is lower case, without
// white space around it.
void MetaCharset(const std::string& bytes) {
  const std::string label = cefrt::PrescanMetaCharset(bytes);
  FUZZ_CHECK(label == cefrt::PrescanMetaCharset(bytes.substr(0, 1024)));
  for (char c : label)
    FUZZ_CHECK(!(c >= 'A' && c <= 'Z'));
  const auto space = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
  };
  FUZZ_CHECK(label.empty() || (!space(label.front()) && !space(label.back())));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  switch (input.ConsumeIntegralInRange<int>(0, 7)) {
    case 0:
      ParseUrl(FromUtf8(input.ConsumeRemainingBytesAsString()));
      break;
    case 1:
      ParseUrl(fuzz::TakeUnits(input, 512));
      break;
    case 2:
      CreateUrl(input);
      break;
    case 3: {
      const bool units = input.ConsumeBool();
      const U16 text = units ? fuzz::TakeUnits(input, 256)
                             : FromUtf8(input.ConsumeRandomLengthString(256));
      UriRoundTrip(input, text);
      break;
    }
    case 4:
      Base64(input.ConsumeRemainingBytesAsString());
      break;
    case 5:
      CssColor(input);
      break;
    case 6:
      Mime(FromUtf8(input.ConsumeRemainingBytesAsString()));
      break;
    case 7:
      MetaCharset(input.ConsumeRemainingBytesAsString());
      break;
  }
  return 0;
}
