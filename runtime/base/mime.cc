// MIME types of common file extensions, in both directions.
#include <string>

#include "include/capi/cef_entry_capi.h"
#include "runtime/base/text.h"

namespace {

struct MimeEntry {
  const char* extension;
  const char* mime_type;
};

// For a type with several extensions the preferred one comes first.
constexpr MimeEntry kMimeTypes[] = {
    {"html", "text/html"},        {"htm", "text/html"},
    {"shtml", "text/html"},       {"css", "text/css"},
    {"js", "text/javascript"},    {"mjs", "text/javascript"},
    {"txt", "text/plain"},        {"text", "text/plain"},
    {"csv", "text/csv"},          {"xml", "text/xml"},
    {"xhtml", "application/xhtml+xml"},
    {"xht", "application/xhtml+xml"},
    {"json", "application/json"}, {"pdf", "application/pdf"},
    {"zip", "application/zip"},   {"gz", "application/gzip"},
    {"tgz", "application/gzip"},  {"wasm", "application/wasm"},
    {"bin", "application/octet-stream"},
    {"exe", "application/octet-stream"},
    {"png", "image/png"},         {"jpg", "image/jpeg"},
    {"jpeg", "image/jpeg"},       {"jpe", "image/jpeg"},
    {"gif", "image/gif"},         {"bmp", "image/bmp"},
    {"webp", "image/webp"},       {"ico", "image/x-icon"},
    {"svg", "image/svg+xml"},     {"svgz", "image/svg+xml"},
    {"tif", "image/tiff"},        {"tiff", "image/tiff"},
    {"mp3", "audio/mpeg"},        {"wav", "audio/wav"},
    {"oga", "audio/ogg"},         {"ogg", "audio/ogg"},
    {"flac", "audio/flac"},       {"m4a", "audio/x-m4a"},
    {"mp4", "video/mp4"},         {"m4v", "video/mp4"},
    {"webm", "video/webm"},       {"ogv", "video/ogg"},
    {"woff", "font/woff"},        {"woff2", "font/woff2"},
    {"ttf", "font/ttf"},          {"otf", "font/otf"},
};

std::string Trimmed(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t'))
    ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
    --e;
  return text.substr(b, e - b);
}

}  // namespace

cef_string_userfree_t cef_get_mime_type(const cef_string_t* extension) {
  std::string ext = cefrt::AsciiLower(Trimmed(cefrt::Utf8FromCef(extension)));
  if (!ext.empty() && ext[0] == '.')
    ext.erase(0, 1);
  if (ext.empty())
    return nullptr;
  for (const MimeEntry& entry : kMimeTypes) {
    if (ext == entry.extension)
      return cefrt::NewUserFree(cefrt::Utf8ToU16(entry.mime_type));
  }
  return nullptr;
}

void cef_get_extensions_for_mime_type(const cef_string_t* mime_type,
                                      cef_string_list_t extensions) {
  if (!extensions)
    return;
  std::string type = cefrt::AsciiLower(cefrt::Utf8FromCef(mime_type));
  const size_t params = type.find(';');
  if (params != std::string::npos)
    type.resize(params);
  type = Trimmed(type);
  if (type.empty())
    return;
  // "image/*" asks for every image type.
  const bool wildcard = type.size() > 2 && type.compare(type.size() - 2, 2,
                                                        "/*") == 0;
  const std::string prefix = type.substr(0, type.size() - 1);
  for (const MimeEntry& entry : kMimeTypes) {
    const std::string candidate = entry.mime_type;
    const bool match = wildcard ? candidate.compare(0, prefix.size(), prefix) == 0
                                : candidate == type;
    if (!match)
      continue;
    cef_string_t value = {};
    cefrt::ToCef(cefrt::Utf8ToU16(entry.extension), &value);
    cef_string_list_append(extensions, &value);
    cef_string_utf16_clear(&value);
  }
}
