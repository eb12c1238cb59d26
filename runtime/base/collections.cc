// String list, map and multimap handles. Values are stored as owned copies;
// every function tolerates a null handle.
#include <limits>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "include/capi/cef_string_capi.h"
#include "runtime/base/text.h"

namespace {

using Entries = std::vector<std::pair<std::u16string, std::u16string>>;

struct StringList {
  std::vector<std::u16string> values;
};

// Maps keep insertion order; a map's find takes the first equal key, so an
// appended duplicate never shadows the original.
struct StringMap {
  Entries entries;
};

struct StringMultimap {
  Entries entries;
};

int ClampSize(size_t n) {
  return n > static_cast<size_t>(std::numeric_limits<int>::max())
             ? std::numeric_limits<int>::max()
             : static_cast<int>(n);
}

bool InRange(int index, size_t size) {
  return index >= 0 && static_cast<size_t>(index) < size;
}

bool Write(const std::u16string& text, cef_string_t* out) {
  return out && cefrt::ToCef(text, out);
}

template <typename T>
T* New() {
  return new (std::nothrow) T();
}

}  // namespace

cef_string_list_t cef_string_list_alloc(void) {
  return New<StringList>();
}

int cef_string_list_size(cef_string_list_t list) {
  return list ? ClampSize(static_cast<StringList*>(list)->values.size()) : 0;
}

int cef_string_list_value(cef_string_list_t list, int index,
                          cef_string_t* value) {
  if (!list)
    return 0;
  const auto& values = static_cast<StringList*>(list)->values;
  if (!InRange(index, values.size()))
    return 0;
  return Write(values[static_cast<size_t>(index)], value) ? 1 : 0;
}

void cef_string_list_append(cef_string_list_t list, const cef_string_t* value) {
  if (!list)
    return;
  try {
    static_cast<StringList*>(list)->values.push_back(cefrt::FromCef(value));
  } catch (const std::bad_alloc&) {
  }
}

void cef_string_list_clear(cef_string_list_t list) {
  if (list)
    static_cast<StringList*>(list)->values.clear();
}

void cef_string_list_free(cef_string_list_t list) {
  delete static_cast<StringList*>(list);
}

cef_string_list_t cef_string_list_copy(cef_string_list_t list) {
  if (!list)
    return nullptr;
  try {
    return new StringList(*static_cast<StringList*>(list));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

namespace {

int EntryKey(const Entries* entries, int index, cef_string_t* key) {
  if (!entries || !InRange(index, entries->size()))
    return 0;
  return Write((*entries)[static_cast<size_t>(index)].first, key) ? 1 : 0;
}

int EntryValue(const Entries* entries, int index, cef_string_t* value) {
  if (!entries || !InRange(index, entries->size()))
    return 0;
  return Write((*entries)[static_cast<size_t>(index)].second, value) ? 1 : 0;
}

int Append(Entries* entries, const cef_string_t* key,
           const cef_string_t* value) {
  if (!entries)
    return 0;
  try {
    entries->emplace_back(cefrt::FromCef(key), cefrt::FromCef(value));
    return 1;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

Entries* MapEntries(cef_string_map_t map) {
  return map ? &static_cast<StringMap*>(map)->entries : nullptr;
}

Entries* MultimapEntries(cef_string_multimap_t map) {
  return map ? &static_cast<StringMultimap*>(map)->entries : nullptr;
}

}  // namespace

cef_string_map_t cef_string_map_alloc(void) {
  return New<StringMap>();
}

int cef_string_map_size(cef_string_map_t map) {
  Entries* entries = MapEntries(map);
  return entries ? ClampSize(entries->size()) : 0;
}

int cef_string_map_find(cef_string_map_t map, const cef_string_t* key,
                        cef_string_t* value) {
  Entries* entries = MapEntries(map);
  if (!entries)
    return 0;
  const std::u16string wanted = cefrt::FromCef(key);
  for (const auto& entry : *entries) {
    if (entry.first == wanted)
      return Write(entry.second, value) ? 1 : 0;
  }
  return 0;
}

int cef_string_map_key(cef_string_map_t map, int index, cef_string_t* key) {
  return EntryKey(MapEntries(map), index, key);
}

int cef_string_map_value(cef_string_map_t map, int index,
                         cef_string_t* value) {
  return EntryValue(MapEntries(map), index, value);
}

int cef_string_map_append(cef_string_map_t map, const cef_string_t* key,
                          const cef_string_t* value) {
  return Append(MapEntries(map), key, value);
}

void cef_string_map_clear(cef_string_map_t map) {
  if (Entries* entries = MapEntries(map))
    entries->clear();
}

void cef_string_map_free(cef_string_map_t map) {
  delete static_cast<StringMap*>(map);
}

cef_string_multimap_t cef_string_multimap_alloc(void) {
  return New<StringMultimap>();
}

int cef_string_multimap_size(cef_string_multimap_t map) {
  Entries* entries = MultimapEntries(map);
  return entries ? ClampSize(entries->size()) : 0;
}

int cef_string_multimap_find_count(cef_string_multimap_t map,
                                   const cef_string_t* key) {
  Entries* entries = MultimapEntries(map);
  if (!entries)
    return 0;
  const std::u16string wanted = cefrt::FromCef(key);
  int count = 0;
  for (const auto& entry : *entries) {
    if (entry.first == wanted && count < std::numeric_limits<int>::max())
      ++count;
  }
  return count;
}

int cef_string_multimap_enumerate(cef_string_multimap_t map,
                                  const cef_string_t* key, int value_index,
                                  cef_string_t* value) {
  Entries* entries = MultimapEntries(map);
  if (!entries || value_index < 0)
    return 0;
  const std::u16string wanted = cefrt::FromCef(key);
  int seen = 0;
  for (const auto& entry : *entries) {
    if (entry.first != wanted)
      continue;
    if (seen == value_index)
      return Write(entry.second, value) ? 1 : 0;
    ++seen;
  }
  return 0;
}

int cef_string_multimap_key(cef_string_multimap_t map, int index,
                            cef_string_t* key) {
  return EntryKey(MultimapEntries(map), index, key);
}

int cef_string_multimap_value(cef_string_multimap_t map, int index,
                              cef_string_t* value) {
  return EntryValue(MultimapEntries(map), index, value);
}

int cef_string_multimap_append(cef_string_multimap_t map,
                               const cef_string_t* key,
                               const cef_string_t* value) {
  return Append(MultimapEntries(map), key, value);
}

void cef_string_multimap_clear(cef_string_multimap_t map) {
  if (Entries* entries = MultimapEntries(map))
    entries->clear();
}

void cef_string_multimap_free(cef_string_multimap_t map) {
  delete static_cast<StringMultimap*>(map);
}
