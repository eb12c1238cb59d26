// What the fuzz targets share: a check that stops the run with a message,
// and the C string records owned for one input.
#ifndef FUZZ_FUZZ_SUPPORT_H_
#define FUZZ_FUZZ_SUPPORT_H_

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <vector>

#include "include/capi/cef_string_capi.h"

// Unlike assert(), active in every build type.
#define FUZZ_CHECK(condition)                                          \
  do {                                                                 \
    if (!(condition)) {                                                \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__,      \
                   __LINE__, #condition);                              \
      std::abort();                                                    \
    }                                                                  \
  } while (0)

namespace fuzz {

// A record of any width that clears itself.
template <class Record, void (*ClearFn)(Record*)>
struct Owned {
  Record record = {};
  Owned() = default;
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { ClearFn(&record); }
  Record* get() { return &record; }
  auto Units() const {
    using Unit = std::remove_pointer_t<decltype(record.str)>;
    return record.str ? std::basic_string<Unit>(record.str, record.length)
                      : std::basic_string<Unit>();
  }
};
typedef Owned<cef_string_utf8_t, cef_string_utf8_clear> Utf8;
typedef Owned<cef_string_utf16_t, cef_string_utf16_clear> Utf16;
typedef Owned<cef_string_wide_t, cef_string_wide_clear> Wide;

// UTF-16 units taken from the input: anything, lone surrogates and NULs
// included.
inline std::basic_string<char16> TakeUnits(FuzzedDataProvider& input,
                                           size_t max_units) {
  const size_t count = input.ConsumeIntegralInRange<size_t>(0, max_units);
  std::basic_string<char16> units;
  for (size_t i = 0; i < count && input.remaining_bytes() > 0; ++i)
    units.push_back(input.ConsumeIntegral<char16>());
  return units;
}

// A record that points at `units` (not owned).
inline cef_string_t View(const std::basic_string<char16>& units) {
  cef_string_t record = {};
  record.str = const_cast<char16*>(units.data());
  record.length = units.size();
  return record;
}

}  // namespace fuzz

#endif  // FUZZ_FUZZ_SUPPORT_H_
