// The program-side forms of the library's string list, map and multimap.
#ifndef CEF_INCLUDE_CEF_STRING_CONTAINERS_H_
#define CEF_INCLUDE_CEF_STRING_CONTAINERS_H_

#include <map>
#include <vector>

#include "include/cef_string.h"

typedef std::vector<CefString> EmbedStringVector;
// Ordered by CefString::Less: the empty key first.
typedef std::map<CefString, CefString> EmbedStringMap;
// Equal keys keep their insertion order.
typedef std::multimap<CefString, CefString> EmbedStringMultimap;

#endif  // CEF_INCLUDE_CEF_STRING_CONTAINERS_H_
