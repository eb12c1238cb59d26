// The character encoding a page names in its own markup, for pages whose
// response does not say.
#ifndef CEF_RUNTIME_META_CHARSET_H_
#define CEF_RUNTIME_META_CHARSET_H_

#include <string>

namespace cefrt {

// The label of the first <meta charset> or <meta http-equiv=Content-Type
// content="...; charset=..."> in the first 1024 bytes, lower case, or "utf-8"
// for a byte order mark; empty when there is none. Comments are skipped.
std::string PrescanMetaCharset(const std::string& bytes);

}  // namespace cefrt

#endif  // CEF_RUNTIME_META_CHARSET_H_
