// The string list, map and multimap handles driven by a small program read
// from the input, checked against a model after every step; and the
// bridge's transfers between them and the program's containers.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "include/capi/cef_string_capi.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"
#include "libcef_dll/string_collections.h"

namespace {

typedef std::basic_string<char16> U16;
typedef std::vector<std::pair<U16, U16>> Pairs;

// Keys and values from a small alphabet, so that equal keys are common.
U16 TakeText(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return fuzz::TakeUnits(input, 8);
  U16 text;
  const size_t count = input.ConsumeIntegralInRange<size_t>(0, 3);
  for (size_t i = 0; i < count; ++i)
    text.push_back(static_cast<char16>(u'a' + input.ConsumeIntegralInRange<int>(0, 2)));
  return text;
}

// Reads a getter's answer, with the record starting out holding something
// else, so a getter that fails to write is noticed.
template <class Getter>
std::pair<int, U16> Read(Getter getter) {
  fuzz::Utf16 record;
  const char16 stale[] = {u'?', u'!'};
  cef_string_utf16_set(stale, 2, record.get(), 1);
  const int found = getter(record.get());
  return {found, record.Units()};
}

int AnIndex(FuzzedDataProvider& input, size_t size) {
  // Mostly in range; the edges and beyond otherwise.
  switch (input.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      return input.ConsumeIntegral<int>();
    case 1:
      return static_cast<int>(size);
    case 2:
      return -1;
    default:
      return size ? input.ConsumeIntegralInRange<int>(0, static_cast<int>(size) - 1)
                  : 0;
  }
}

U16 UnitsOf(const CefString& text) {
  return text.Units() ? U16(text.Units(), text.Length()) : U16();
}

CefString StringOf(const U16& units) {
  CefString text;
  text.AssignUnits(units.data(), units.size(), true);
  return text;
}

// After every step the size and the ends are checked; everything at the
// end of the program (a full check per step makes long programs quadratic).
template <class Check>
void CheckEnds(size_t size, bool full, Check check) {
  for (size_t i = 0; i < size; ++i) {
    if (full || i == 0 || i + 1 == size) check(i);
  }
}

void CheckList(cef_string_list_t list, const std::vector<U16>& model,
               bool full = true) {
  FUZZ_CHECK(cef_string_list_size(list) == static_cast<int>(model.size()));
  CheckEnds(model.size(), full, [&](size_t i) {
    auto got = Read([&](cef_string_t* out) {
      return cef_string_list_value(list, static_cast<int>(i), out);
    });
    FUZZ_CHECK(got.first == 1 && got.second == model[i]);
  });
}

void RunList(FuzzedDataProvider& input) {
  cef_string_list_t list = cef_string_list_alloc();
  FUZZ_CHECK(list);
  std::vector<U16> model;
  cef_string_list_t copy = nullptr;
  std::vector<U16> copy_model;
  while (input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange<int>(0, 5)) {
      case 0: {
        const U16 text = TakeText(input);
        const cef_string_t view = fuzz::View(text);
        cef_string_list_append(list, &view);
        model.push_back(text);
        break;
      }
      case 1: {
        const int index = AnIndex(input, model.size());
        auto got = Read([&](cef_string_t* out) {
          return cef_string_list_value(list, index, out);
        });
        const bool in_range = index >= 0 && static_cast<size_t>(index) < model.size();
        FUZZ_CHECK(got.first == (in_range ? 1 : 0));
        if (in_range) FUZZ_CHECK(got.second == model[static_cast<size_t>(index)]);
        break;
      }
      case 2:
        cef_string_list_clear(list);
        model.clear();
        break;
      case 3:
        // A null value appends an empty string.
        cef_string_list_append(list, nullptr);
        model.emplace_back();
        break;
      case 4:
        cef_string_list_free(copy);
        copy = cef_string_list_copy(list);
        copy_model = model;
        break;
      case 5: {
        // Through the bridge and back.
        EmbedStringVector program;
        ListFromLibrary(list, program);
        FUZZ_CHECK(program.size() == model.size());
        for (size_t i = 0; i < model.size(); ++i)
          FUZZ_CHECK(UnitsOf(program[i]) == model[i]);
        ScopedStringList scoped(program);
        CheckList(scoped.get(), model);
        cef_string_list_append(scoped.get(), nullptr);
        scoped.CopyBackInto(program);
        FUZZ_CHECK(program.size() == model.size() + 1);
        break;
      }
    }
    CheckList(list, model, false);
    if (copy) CheckList(copy, copy_model, false);
  }
  CheckList(list, model);
  if (copy) CheckList(copy, copy_model);
  cef_string_list_free(copy);
  cef_string_list_free(list);
}

// Both maps keep insertion order and every appended pair; a map's find
// answers the first value of a key, a multimap enumerates them in order.
template <class Handle>
struct PairOps {
  Handle (*alloc)();
  void (*free)(Handle);
  int (*size)(Handle);
  int (*key)(Handle, int, cef_string_t*);
  int (*value)(Handle, int, cef_string_t*);
  int (*append)(Handle, const cef_string_t*, const cef_string_t*);
  void (*clear)(Handle);
};

template <class Handle>
void CheckPairs(const PairOps<Handle>& ops, Handle handle, const Pairs& model,
                bool full = true) {
  FUZZ_CHECK(ops.size(handle) == static_cast<int>(model.size()));
  CheckEnds(model.size(), full, [&](size_t i) {
    const int index = static_cast<int>(i);
    auto key = Read([&](cef_string_t* out) { return ops.key(handle, index, out); });
    auto value =
        Read([&](cef_string_t* out) { return ops.value(handle, index, out); });
    FUZZ_CHECK(key.first == 1 && key.second == model[i].first);
    FUZZ_CHECK(value.first == 1 && value.second == model[i].second);
  });
}

std::vector<U16> ValuesOf(const Pairs& model, const U16& key) {
  std::vector<U16> values;
  for (const auto& pair : model)
    if (pair.first == key) values.push_back(pair.second);
  return values;
}

template <class Container, class Handle>
void Transfer(Handle handle, const Pairs& model,
              void (*from_library)(Handle, Container&),
              void (*to_library)(const Container&, Handle),
              const PairOps<Handle>& ops) {
  // What the program's container must hold: for a map the first value of
  // each key, for a multimap every pair, equal keys in insertion order.
  Container expected;
  for (const auto& pair : model)
    expected.insert(std::make_pair(StringOf(pair.first), StringOf(pair.second)));
  Container program;
  from_library(handle, program);
  FUZZ_CHECK(program.size() == expected.size());
  auto a = program.begin();
  for (auto b = expected.begin(); b != expected.end(); ++a, ++b) {
    FUZZ_CHECK(UnitsOf(a->first) == UnitsOf(b->first));
    FUZZ_CHECK(UnitsOf(a->second) == UnitsOf(b->second));
  }
  // And back: the library's handle lists the container in its order.
  Handle back = ops.alloc();
  to_library(program, back);
  Pairs listed;
  for (const auto& pair : program)
    listed.emplace_back(UnitsOf(pair.first), UnitsOf(pair.second));
  CheckPairs(ops, back, listed);
  ops.free(back);
}

template <class Container, class Handle>
void RunPairs(FuzzedDataProvider& input, const PairOps<Handle>& ops,
              void (*from_library)(Handle, Container&),
              void (*to_library)(const Container&, Handle),
              int (*find_first)(Handle, const U16&, U16*, int*)) {
  Handle handle = ops.alloc();
  FUZZ_CHECK(handle);
  Pairs model;
  while (input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange<int>(0, 4)) {
      case 0: {
        const U16 key = TakeText(input);
        const U16 value = TakeText(input);
        const cef_string_t k = fuzz::View(key);
        const cef_string_t v = fuzz::View(value);
        FUZZ_CHECK(ops.append(handle, &k, &v) == 1);
        model.emplace_back(key, value);
        break;
      }
      case 1: {
        const U16 key = TakeText(input);
        U16 first;
        int count = 0;
        const int found = find_first(handle, key, &first, &count);
        const std::vector<U16> values = ValuesOf(model, key);
        FUZZ_CHECK(found == (values.empty() ? 0 : 1));
        FUZZ_CHECK(count == static_cast<int>(values.size()));
        if (found) FUZZ_CHECK(first == values.front());
        break;
      }
      case 2: {
        const int index = AnIndex(input, model.size());
        auto key = Read([&](cef_string_t* out) { return ops.key(handle, index, out); });
        auto value =
            Read([&](cef_string_t* out) { return ops.value(handle, index, out); });
        const bool in_range = index >= 0 && static_cast<size_t>(index) < model.size();
        FUZZ_CHECK(key.first == (in_range ? 1 : 0));
        FUZZ_CHECK(value.first == key.first);
        break;
      }
      case 3:
        ops.clear(handle);
        model.clear();
        break;
      case 4:
        Transfer<Container>(handle, model, from_library, to_library, ops);
        break;
    }
    CheckPairs(ops, handle, model, false);
  }
  CheckPairs(ops, handle, model);
  ops.free(handle);
}

int MapFindFirst(cef_string_map_t map, const U16& key, U16* first, int* count) {
  const cef_string_t k = fuzz::View(key);
  auto got = Read([&](cef_string_t* out) { return cef_string_map_find(map, &k, out); });
  *first = got.second;
  // A map has no count of its own: the entries say.
  for (int i = 0; i < cef_string_map_size(map); ++i) {
    auto each = Read([&](cef_string_t* out) { return cef_string_map_key(map, i, out); });
    *count += each.second == key;
  }
  return got.first;
}

int MultimapFindFirst(cef_string_multimap_t map, const U16& key, U16* first,
                      int* count) {
  const cef_string_t k = fuzz::View(key);
  *count = cef_string_multimap_find_count(map, &k);
  for (int i = 0; i < *count; ++i) {
    auto got = Read([&](cef_string_t* out) {
      return cef_string_multimap_enumerate(map, &k, i, out);
    });
    FUZZ_CHECK(got.first == 1);
    if (i == 0) *first = got.second;
  }
  // One past the last and any negative index find nothing.
  FUZZ_CHECK(Read([&](cef_string_t* out) {
               return cef_string_multimap_enumerate(map, &k, *count, out);
             }).first == 0);
  FUZZ_CHECK(Read([&](cef_string_t* out) {
               return cef_string_multimap_enumerate(map, &k, -1, out);
             }).first == 0);
  return *count > 0 ? 1 : 0;
}

// Every function takes a null handle without harm.
void NullHandles() {
  const char16 unit[] = {u'k'};
  cef_string_t key = fuzz::View(U16(unit, 1));
  fuzz::Utf16 out;
  FUZZ_CHECK(cef_string_list_size(nullptr) == 0);
  FUZZ_CHECK(cef_string_list_value(nullptr, 0, out.get()) == 0);
  cef_string_list_append(nullptr, &key);
  cef_string_list_clear(nullptr);
  FUZZ_CHECK(cef_string_list_copy(nullptr) == nullptr);
  cef_string_list_free(nullptr);
  FUZZ_CHECK(cef_string_map_size(nullptr) == 0);
  FUZZ_CHECK(cef_string_map_find(nullptr, &key, out.get()) == 0);
  FUZZ_CHECK(cef_string_map_append(nullptr, &key, &key) == 0);
  cef_string_map_free(nullptr);
  FUZZ_CHECK(cef_string_multimap_find_count(nullptr, &key) == 0);
  FUZZ_CHECK(cef_string_multimap_enumerate(nullptr, &key, 0, out.get()) == 0);
  cef_string_multimap_free(nullptr);
  EmbedStringVector vector;
  ListFromLibrary(nullptr, vector);
  FUZZ_CHECK(vector.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  switch (input.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      RunList(input);
      break;
    case 1: {
      const PairOps<cef_string_map_t> ops = {
          cef_string_map_alloc, cef_string_map_free,  cef_string_map_size,
          cef_string_map_key,   cef_string_map_value, cef_string_map_append,
          cef_string_map_clear};
      RunPairs<EmbedStringMap>(input, ops, MapFromLibrary, MapToLibrary,
                               MapFindFirst);
      break;
    }
    case 2: {
      const PairOps<cef_string_multimap_t> ops = {
          cef_string_multimap_alloc, cef_string_multimap_free,
          cef_string_multimap_size,  cef_string_multimap_key,
          cef_string_multimap_value, cef_string_multimap_append,
          cef_string_multimap_clear};
      RunPairs<EmbedStringMultimap>(input, ops, MultimapFromLibrary,
                                    MultimapToLibrary, MultimapFindFirst);
      break;
    }
    case 3:
      NullHandles();
      break;
  }
  return 0;
}
