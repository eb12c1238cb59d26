// Small conversions between the C interface's records and the runtime's
// standard types.
#ifndef CEF_RUNTIME_CAPI_UTIL_H_
#define CEF_RUNTIME_CAPI_UTIL_H_

#include <stddef.h>

#include <string>
#include <vector>

#include "include/capi/cef_string_capi.h"

namespace cefrt {

// A record over `text` that owns nothing; valid while `text` is unchanged.
inline cef_string_t View(const std::u16string& text) {
  cef_string_t view = {};
  view.str = reinterpret_cast<char16*>(const_cast<char16_t*>(text.data()));
  view.length = text.size();
  return view;
}

inline void AppendToList(cef_string_list_t list,
                         const std::vector<std::u16string>& items) {
  if (!list) return;
  for (const std::u16string& item : items) {
    cef_string_t view = View(item);
    cef_string_list_append(list, &view);
  }
}

// Whether a record or structure of `size` bytes from `start` reaches to the
// end of `field`: one built against an older interface is shorter.
inline bool SizeCovers(size_t size, const void* start, const void* field,
                       size_t field_size) {
  return size >= static_cast<size_t>(static_cast<const char*>(field) -
                                     static_cast<const char*>(start)) +
                     field_size;
}

// Whether the program's structure offers a member: its header's size covers
// the member and the member is set.
template <typename Struct, typename Member>
bool Offers(const Struct* s, Member Struct::*member) {
  return s && SizeCovers(s->base.size, s, &(s->*member), sizeof(Member)) &&
         s->*member != nullptr;
}

}  // namespace cefrt

#endif  // CEF_RUNTIME_CAPI_UTIL_H_
