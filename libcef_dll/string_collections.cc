#include "libcef_dll/string_collections.h"

#include <type_traits>
#include <utility>

void ListToLibrary(const EmbedStringVector& source, cef_string_list_t target) {
  for (const CefString& text : source)
    cef_string_list_append(target, text.Record());
}

void ListFromLibrary(cef_string_list_t source, EmbedStringVector& target) {
  const int size = cef_string_list_size(source);
  if (size < 1) return;
  // One record serves every element; the vector's copies own their units.
  CefString slot;
  for (int index = 0; index < size; ++index) {
    cef_string_list_value(source, index, slot.WritableRecord());
    target.push_back(slot);
  }
}

void MapToLibrary(const EmbedStringMap& source, cef_string_map_t target) {
  for (const auto& entry : source)
    cef_string_map_append(target, entry.first.Record(), entry.second.Record());
}

void MultimapToLibrary(const EmbedStringMultimap& source,
                       cef_string_multimap_t target) {
  for (const auto& entry : source)
    cef_string_multimap_append(target, entry.first.Record(),
                               entry.second.Record());
}

namespace {

template <class Container, class Handle>
void PairsFromLibrary(Handle source, Container& target, int (*size_of)(Handle),
                      int (*key_at)(Handle, int, cef_string_t*),
                      int (*value_at)(Handle, int, cef_string_t*)) {
  const int size = size_of(source);
  if (size < 1) return;
  CefString key;
  CefString value;
  for (int index = 0; index < size; ++index) {
    key_at(source, index, key.WritableRecord());
    value_at(source, index, value.WritableRecord());
    // A map keeps the first value of a repeated key; a multimap appends
    // after the entries with an equal key. Built in place: one deep copy
    // of each string, and none for a key that is already there.
    if constexpr (std::is_same_v<Container, EmbedStringMap>)
      target.try_emplace(key, value);
    else
      target.emplace(key, value);
  }
}

}  // namespace

void MapFromLibrary(cef_string_map_t source, EmbedStringMap& target) {
  PairsFromLibrary(source, target, cef_string_map_size, cef_string_map_key,
                   cef_string_map_value);
}

void MultimapFromLibrary(cef_string_multimap_t source,
                         EmbedStringMultimap& target) {
  PairsFromLibrary(source, target, cef_string_multimap_size,
                   cef_string_multimap_key, cef_string_multimap_value);
}
