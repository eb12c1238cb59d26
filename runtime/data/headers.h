// HTTP header lists as requests and responses keep them, and their exchange
// with the library's string multimaps.
#ifndef CEF_RUNTIME_DATA_HEADERS_H_
#define CEF_RUNTIME_DATA_HEADERS_H_

#include <string>
#include <utility>
#include <vector>

#include "include/capi/cef_string_capi.h"

namespace cefrt {

// Header name and value pairs, in order; a name may repeat.
using HeaderList = std::vector<std::pair<std::u16string, std::u16string>>;

// HTTP header names compare without regard to ASCII case.
bool SameHeaderName(const std::u16string& a, const std::u16string& b);
// The first value of the named header; empty when there is none.
std::u16string FindHeader(const HeaderList& headers,
                          const std::u16string& name);
HeaderList ReadMultimap(cef_string_multimap_t map);
// Replaces the map's content.
void WriteMultimap(const HeaderList& headers, cef_string_multimap_t map);

}  // namespace cefrt

#endif  // CEF_RUNTIME_DATA_HEADERS_H_
