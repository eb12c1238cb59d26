#include "runtime/browser/meta_charset.h"

#include <stddef.h>

#include <string>

#include "runtime/base/ascii.h"

namespace cefrt {

namespace {

constexpr size_t kPrescanBytes = 1024;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Reads one attribute of a tag at `*pos`; false at the tag's end.
bool NextAttribute(const std::string& s, size_t* pos, std::string* name,
                   std::string* value) {
  size_t i = *pos;
  while (i < s.size() && (IsSpace(s[i]) || s[i] == '/'))
    ++i;
  if (i >= s.size() || s[i] == '>')
    return false;
  name->clear();
  value->clear();
  while (i < s.size() && !IsSpace(s[i]) && s[i] != '=' && s[i] != '>' &&
         !(s[i] == '/' && !name->empty()))
    *name += AsciiLower(s[i++]);
  while (i < s.size() && IsSpace(s[i]))
    ++i;
  if (i < s.size() && s[i] == '=') {
    ++i;
    while (i < s.size() && IsSpace(s[i]))
      ++i;
    if (i < s.size() && (s[i] == '"' || s[i] == '\'')) {
      const char quote = s[i++];
      const size_t end = s.find(quote, i);
      if (end == std::string::npos) {
        *pos = s.size();
        return false;  // cut off: no answer from half an attribute
      }
      *value = s.substr(i, end - i);
      i = end + 1;
    } else {
      while (i < s.size() && !IsSpace(s[i]) && s[i] != '>')
        *value += s[i++];
    }
  }
  *pos = i;
  return true;
}

// The label after "charset=" in a content attribute.
std::string CharsetInContent(const std::string& content) {
  const std::string lower = AsciiLower(content);
  for (size_t at = lower.find("charset"); at != std::string::npos;
       at = lower.find("charset", at + 1)) {
    size_t i = at + 7;
    while (i < lower.size() && IsSpace(lower[i]))
      ++i;
    if (i >= lower.size() || lower[i] != '=')
      continue;
    ++i;
    while (i < lower.size() && IsSpace(lower[i]))
      ++i;
    if (i < lower.size() && (lower[i] == '"' || lower[i] == '\''))
      ++i;
    size_t end = i;
    while (end < lower.size() && !IsSpace(lower[end]) && lower[end] != ';' &&
           lower[end] != '"' && lower[end] != '\'')
      ++end;
    return lower.substr(i, end - i);
  }
  return std::string();
}

std::string Trimmed(const std::string& s) {
  size_t start = 0, end = s.size();
  while (start < end && IsSpace(s[start]))
    ++start;
  while (end > start && IsSpace(s[end - 1]))
    --end;
  return s.substr(start, end - start);
}

}  // namespace

std::string PrescanMetaCharset(const std::string& bytes) {
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
    return "utf-8";
  const std::string s = bytes.substr(0, kPrescanBytes);
  size_t i = 0;
  while ((i = s.find('<', i)) != std::string::npos) {
    if (s.compare(i, 4, "<!--") == 0) {
      const size_t end = s.find("-->", i + 4);
      if (end == std::string::npos)
        return std::string();
      i = end + 3;
      continue;
    }
    const bool meta = i + 5 < s.size() && AsciiLower(s.substr(i + 1, 4)) ==
                                               "meta" &&
                      (IsSpace(s[i + 5]) || s[i + 5] == '/');
    if (!meta) {
      ++i;
      continue;
    }
    size_t pos = i + 5;
    std::string name, value, charset, content;
    bool content_type = false;
    while (NextAttribute(s, &pos, &name, &value)) {
      if (name == "charset" && charset.empty())
        charset = AsciiLower(Trimmed(value));
      else if (name == "http-equiv")
        content_type = AsciiLower(Trimmed(value)) == "content-type";
      else if (name == "content" && content.empty())
        content = value;
    }
    if (!charset.empty())
      return charset;
    if (content_type) {
      const std::string from_content = CharsetInContent(content);
      if (!from_content.empty())
        return from_content;
    }
    i = pos;
  }
  return std::string();
}

}  // namespace cefrt
