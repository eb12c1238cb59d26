// The string records' set, compare and conversion functions on arbitrary
// units: malformed sequences, lone surrogates, overlong forms, NULs, and
// lengths no buffer has.
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "fuzz/fuzz_support.h"
#include "include/capi/cef_string_capi.h"

namespace {

using fuzz::Utf16;
using fuzz::Utf8;
using fuzz::Wide;
typedef std::basic_string<char16> U16;

// Whether the units are well-formed in their encoding, decided
// independently of the runtime's decoders.
bool ValidUtf16(const U16& s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] >= 0xD800 && s[i] <= 0xDBFF) {
      if (i + 1 >= s.size() || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF)
        return false;
      ++i;
    } else if (s[i] >= 0xDC00 && s[i] <= 0xDFFF) {
      return false;
    }
  }
  return true;
}

bool ValidWide(const std::wstring& s) {
  for (wchar_t c : s) {
    const uint32_t cp = static_cast<uint32_t>(c);
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
  }
  return true;
}

// Every conversion's output is well-formed, and converting it again
// reports success and changes nothing.
void CheckUtf8Output(const std::string& out) {
  Utf16 units;
  FUZZ_CHECK(cef_string_utf8_to_utf16(out.data(), out.size(), units.get()) ==
             1);
  Utf8 back;
  FUZZ_CHECK(cef_string_utf16_to_utf8(units.get()->str, units.get()->length,
                                      back.get()) == 1);
  FUZZ_CHECK(back.Units() == out);
}

void CheckUtf16Output(const U16& out) {
  FUZZ_CHECK(ValidUtf16(out));
  Utf8 bytes;
  FUZZ_CHECK(cef_string_utf16_to_utf8(out.data(), out.size(), bytes.get()) ==
             1);
  Utf16 back;
  FUZZ_CHECK(cef_string_utf8_to_utf16(bytes.get()->str, bytes.get()->length,
                                      back.get()) == 1);
  FUZZ_CHECK(back.Units() == out);
}

void CheckWideOutput(const std::wstring& out) { FUZZ_CHECK(ValidWide(out)); }

// A record after a successful conversion holds exactly `length` units
// followed by a terminator, and is owned.
template <class Record>
void CheckRecord(const Record* record) {
  if (record->length == 0) {
    FUZZ_CHECK(record->str == nullptr || record->str[0] == 0);
    return;
  }
  FUZZ_CHECK(record->str != nullptr);
  FUZZ_CHECK(record->dtor != nullptr);
  FUZZ_CHECK(record->str[record->length] == 0);
}

void FromUtf8(const std::string& src) {
  Utf16 u16;
  Wide wide;
  const int to16 = cef_string_utf8_to_utf16(src.data(), src.size(), u16.get());
  const int towide = cef_string_utf8_to_wide(src.data(), src.size(), wide.get());
  FUZZ_CHECK(to16 == towide);
  CheckRecord(u16.get());
  CheckRecord(wide.get());
  CheckUtf16Output(u16.Units());
  CheckWideOutput(wide.Units());
  if (to16) {
    // Valid text survives the round trip unit for unit.
    Utf8 back;
    FUZZ_CHECK(cef_string_utf16_to_utf8(u16.get()->str, u16.get()->length,
                                        back.get()) == 1);
    FUZZ_CHECK(back.Units() == src);
    Utf8 back_wide;
    FUZZ_CHECK(cef_string_wide_to_utf8(wide.get()->str, wide.get()->length,
                                       back_wide.get()) == 1);
    FUZZ_CHECK(back_wide.Units() == src);
  }
  // Both paths agree on the code points, replacements included.
  Utf16 via_wide;
  FUZZ_CHECK(cef_string_wide_to_utf16(wide.get()->str, wide.get()->length,
                                      via_wide.get()) == 1);
  FUZZ_CHECK(via_wide.Units() == u16.Units());

  // ASCII reads each byte as one unit.
  Utf16 ascii;
  Wide ascii_wide;
  const int a16 = cef_string_ascii_to_utf16(src.data(), src.size(), ascii.get());
  const int awide =
      cef_string_ascii_to_wide(src.data(), src.size(), ascii_wide.get());
  bool is_ascii = true;
  for (unsigned char c : src) is_ascii &= c < 0x80;
  FUZZ_CHECK(a16 == (is_ascii ? 1 : 0));
  FUZZ_CHECK(awide == a16);
  FUZZ_CHECK(ascii.get()->length == src.size());
  FUZZ_CHECK(ascii_wide.get()->length == src.size());
  if (is_ascii) FUZZ_CHECK(to16 == 1 && ascii.Units() == u16.Units());
}

void FromUtf16(const U16& src) {
  Utf8 u8;
  Wide wide;
  const int to8 = cef_string_utf16_to_utf8(src.data(), src.size(), u8.get());
  const int towide =
      cef_string_utf16_to_wide(src.data(), src.size(), wide.get());
  FUZZ_CHECK(to8 == towide);
  FUZZ_CHECK(to8 == (ValidUtf16(src) ? 1 : 0));
  CheckRecord(u8.get());
  CheckRecord(wide.get());
  CheckUtf8Output(u8.Units());
  CheckWideOutput(wide.Units());
  if (to8) {
    Utf16 back;
    FUZZ_CHECK(cef_string_utf8_to_utf16(u8.get()->str, u8.get()->length,
                                        back.get()) == 1);
    FUZZ_CHECK(back.Units() == src);
    Utf16 back_wide;
    FUZZ_CHECK(cef_string_wide_to_utf16(wide.get()->str, wide.get()->length,
                                        back_wide.get()) == 1);
    FUZZ_CHECK(back_wide.Units() == src);
  }
}

void FromWide(const std::wstring& src) {
  Utf8 u8;
  Utf16 u16;
  const int to8 = cef_string_wide_to_utf8(src.data(), src.size(), u8.get());
  const int to16 = cef_string_wide_to_utf16(src.data(), src.size(), u16.get());
  FUZZ_CHECK(to8 == to16);
  FUZZ_CHECK(to8 == (ValidWide(src) ? 1 : 0));
  CheckUtf8Output(u8.Units());
  CheckUtf16Output(u16.Units());
  if (to8) {
    Wide back;
    FUZZ_CHECK(cef_string_utf8_to_wide(u8.get()->str, u8.get()->length,
                                       back.get()) == 1);
    FUZZ_CHECK(back.Units() == src);
  }
}

// Set, compare and clear on UTF-16 records, including a record set from
// its own buffer.
void SetAndCompare(FuzzedDataProvider& input, const U16& a, const U16& b) {
  Utf16 ra, rb;
  const int copy = input.ConsumeBool() ? 1 : 0;
  FUZZ_CHECK(cef_string_utf16_set(a.data(), a.size(), ra.get(), copy) == 1);
  FUZZ_CHECK(cef_string_utf16_set(b.data(), b.size(), rb.get(), 1) == 1);
  FUZZ_CHECK(ra.Units() == a && rb.Units() == b);
  const int ab = cef_string_utf16_cmp(ra.get(), rb.get());
  const int ba = cef_string_utf16_cmp(rb.get(), ra.get());
  FUZZ_CHECK(ab == -ba);
  FUZZ_CHECK((ab == 0) == (a == b));
  // Unsigned unit order, shorter prefix first: what std::basic_string does.
  const int expected = a < b ? -1 : (a == b ? 0 : 1);
  FUZZ_CHECK(ab == expected);

  // A part of the record's own content, copied or not, must not dangle.
  if (!b.empty()) {
    const size_t from = input.ConsumeIntegralInRange<size_t>(0, b.size() - 1);
    const size_t len = input.ConsumeIntegralInRange<size_t>(0, b.size() - from);
    const U16 part = b.substr(from, len);
    FUZZ_CHECK(cef_string_utf16_set(rb.get()->str + from, len, rb.get(),
                                    input.ConsumeBool() ? 1 : 0) == 1);
    FUZZ_CHECK(rb.Units() == part);
  }
  cef_string_utf16_clear(ra.get());
  FUZZ_CHECK(ra.get()->str == nullptr && ra.get()->length == 0);
  FUZZ_CHECK(cef_string_utf16_cmp(ra.get(), nullptr) == 0);
}

// Lengths no buffer can have: refused without reading the source, and the
// output left empty.
void ImpossibleLengths(FuzzedDataProvider& input) {
  const size_t huge = std::numeric_limits<size_t>::max() -
                      input.ConsumeIntegralInRange<size_t>(0, 3);
  static const char16 unit16[1] = {u'x'};
  static const char unit8[1] = {'x'};
  static const wchar_t unitw[1] = {L'x'};
  Utf16 u16;
  Utf8 u8;
  Wide wide;
  cef_string_utf16_set(unit16, 1, u16.get(), 1);
  FUZZ_CHECK(cef_string_utf16_set(unit16, huge / sizeof(char16) + 1, u16.get(),
                                  1) == 0);
  FUZZ_CHECK(cef_string_wide_set(unitw, huge / sizeof(wchar_t) + 1, wide.get(),
                                 1) == 0);
  if (huge == std::numeric_limits<size_t>::max())
    FUZZ_CHECK(cef_string_utf8_set(unit8, huge, u8.get(), 1) == 0);
  // A null source with a length is inconsistent.
  const size_t len = input.ConsumeIntegralInRange<size_t>(1, huge);
  FUZZ_CHECK(cef_string_utf8_to_utf16(nullptr, len, u16.get()) == 0);
  FUZZ_CHECK(u16.get()->length == 0);
  FUZZ_CHECK(cef_string_utf16_to_utf8(nullptr, len, u8.get()) == 0);
  FUZZ_CHECK(cef_string_wide_to_utf16(nullptr, len, u16.get()) == 0);
  FUZZ_CHECK(cef_string_utf16_to_wide(nullptr, len, wide.get()) == 0);
  FUZZ_CHECK(cef_string_utf8_to_wide(nullptr, len, wide.get()) == 0);
  FUZZ_CHECK(cef_string_wide_to_utf8(nullptr, len, u8.get()) == 0);
  FUZZ_CHECK(cef_string_ascii_to_utf16(nullptr, len, u16.get()) == 0);
  FUZZ_CHECK(cef_string_ascii_to_wide(nullptr, len, wide.get()) == 0);
  FUZZ_CHECK(cef_string_utf16_set(nullptr, len, u16.get(), 0) == 0);
  FUZZ_CHECK(u16.get()->length == 0 && u16.get()->str == nullptr);
  // A null output is refused.
  FUZZ_CHECK(cef_string_utf8_to_utf16(unit8, 1, nullptr) == 0);
  FUZZ_CHECK(cef_string_utf16_set(unit16, 1, nullptr, 1) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  switch (input.ConsumeIntegralInRange<int>(0, 4)) {
    case 0:
      FromUtf8(input.ConsumeRemainingBytesAsString());
      break;
    case 1:
      FromUtf16(fuzz::TakeUnits(input, 4096));
      break;
    case 2: {
      std::wstring wide;
      while (input.remaining_bytes() >= sizeof(uint32_t)) {
        // Mostly code points near the valid range, some far outside.
        const uint32_t raw = input.ConsumeIntegral<uint32_t>();
        wide.push_back(static_cast<wchar_t>(raw & 0x80000000u ? raw
                                                              : raw % 0x110800));
      }
      FromWide(wide);
      break;
    }
    case 3: {
      const U16 a = fuzz::TakeUnits(input, 64);
      const U16 b = fuzz::TakeUnits(input, 64);
      SetAndCompare(input, a, b);
      break;
    }
    case 4:
      ImpossibleLengths(input);
      break;
  }
  return 0;
}
