#include "runtime/data/headers.h"

#include "runtime/base/capi_util.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

char16_t Fold(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

std::u16string Entry(int (*read)(cef_string_multimap_t, int, cef_string_t*),
                     cef_string_multimap_t map, int index) {
  cef_string_t text = {};
  read(map, index, &text);
  std::u16string out = FromCef(&text);
  cef_string_utf16_clear(&text);
  return out;
}

}  // namespace

bool SameHeaderName(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i]))
      return false;
  }
  return true;
}

std::u16string FindHeader(const HeaderList& headers,
                          const std::u16string& name) {
  for (const auto& header : headers) {
    if (SameHeaderName(header.first, name))
      return header.second;
  }
  return std::u16string();
}

HeaderList ReadMultimap(cef_string_multimap_t map) {
  HeaderList headers;
  const int n = cef_string_multimap_size(map);
  for (int i = 0; i < n; ++i)
    headers.emplace_back(Entry(cef_string_multimap_key, map, i),
                         Entry(cef_string_multimap_value, map, i));
  return headers;
}

void WriteMultimap(const HeaderList& headers, cef_string_multimap_t map) {
  cef_string_multimap_clear(map);
  for (const auto& header : headers) {
    cef_string_t name = View(header.first);
    cef_string_t value = View(header.second);
    cef_string_multimap_append(map, &name, &value);
  }
}

}  // namespace cefrt
