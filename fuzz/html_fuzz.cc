// The Windows view's HTML reader on arbitrary bytes: it always gives a
// document within its caps, with whitespace collapsed, every field's form
// one of the document's, and text cut only between characters; every tag
// keeps its attributes once each, within the cap.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "runtime/win/html_document.h"

namespace {

bool ValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = 1;
    uint32_t cp = c;
    if (c >= 0xF0 && c <= 0xF4) {
      n = 4;
      cp = c & 0x07;
    } else if (c >= 0xE0 && c < 0xF0) {
      n = 3;
      cp = c & 0x0F;
    } else if (c >= 0xC2 && c < 0xE0) {
      n = 2;
      cp = c & 0x1F;
    } else if (c >= 0x80) {
      return false;
    }
    if (i + n > s.size())
      return false;
    for (size_t k = 1; k < n; ++k) {
      const unsigned char t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80)
        return false;
      cp = (cp << 6) | (t & 0x3F);
    }
    if ((n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
      return false;
    i += n;
  }
  return true;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// As shown: no space at either end, none doubled, no other whitespace.
bool Collapsed(const std::string& s) {
  if (s.empty())
    return true;
  if (s.front() == ' ' || s.back() == ' ')
    return false;
  for (size_t i = 0; i < s.size(); ++i) {
    if (IsSpace(s[i]) && (s[i] != ' ' || s[i + 1] == ' '))
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string html(reinterpret_cast<const char*>(data), size);
  const bool valid = ValidUtf8(html);

  const cefrt::HtmlDocument doc = cefrt::ParseHtmlDocument(html);
  FUZZ_CHECK(!doc.out_of_memory);
  FUZZ_CHECK(doc.nodes.size() <= cefrt::kMaxHtmlNodes);
  FUZZ_CHECK(doc.forms.size() <= doc.nodes.size());
  FUZZ_CHECK(doc.title.size() <= cefrt::kMaxHtmlTitle);
  FUZZ_CHECK(Collapsed(doc.title));
  FUZZ_CHECK(!valid || ValidUtf8(doc.title));
  std::vector<bool> used(doc.forms.size(), false);
  for (const cefrt::HtmlNode& n : doc.nodes) {
    FUZZ_CHECK(n.text.size() <= cefrt::kMaxHtmlNodeText);
    FUZZ_CHECK(Collapsed(n.text));
    FUZZ_CHECK(!valid || ValidUtf8(n.text));
    FUZZ_CHECK(n.form >= -1 && n.form < static_cast<int>(doc.forms.size()));
    if (n.form >= 0)
      used[static_cast<size_t>(n.form)] = true;
    if (n.kind == cefrt::HtmlNode::Kind::kHeading)
      FUZZ_CHECK(n.level >= 1 && n.level <= 6 && !n.text.empty());
  }
  for (bool u : used)
    FUZZ_CHECK(u);  // a form is kept for its fields only
  for (const cefrt::HtmlForm& f : doc.forms)
    FUZZ_CHECK(f.method == "get" || f.method == "post");

  for (const cefrt::HtmlToken& t : cefrt::TokenizeHtml(html)) {
    FUZZ_CHECK(t.attributes.size() <= cefrt::kMaxHtmlAttributes);
    std::set<std::string> names;
    for (const auto& a : t.attributes) {
      FUZZ_CHECK(!a.first.empty());
      FUZZ_CHECK(names.insert(a.first).second);
      for (char c : a.first)
        FUZZ_CHECK(!(c >= 'A' && c <= 'Z'));
      FUZZ_CHECK(!valid || ValidUtf8(a.second));
    }
    if (t.kind == cefrt::HtmlToken::Kind::kText)
      FUZZ_CHECK(!valid || ValidUtf8(t.text));
  }
  return 0;
}
