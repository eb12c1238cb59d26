// The C string records: set, clear, compare, convert, userfree.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <functional>
#include <limits>
#include <new>
#include <string>
#include <type_traits>

#include "include/capi/cef_string_capi.h"
#include "runtime/base/text.h"

namespace {

template <typename Rec>
using UnitOf = std::remove_pointer_t<decltype(Rec::str)>;

// Buffers are freed by the module that allocated them, so callers built
// against another C runtime can still release what they receive.
template <typename Unit>
void FreeUnits(Unit* str) {
  free(str);
}

template <typename Rec>
void Clear(Rec* rec) {
  if (!rec)
    return;
  if (rec->str && rec->dtor)
    rec->dtor(rec->str);
  rec->str = nullptr;
  rec->length = 0;
  rec->dtor = nullptr;
}

template <typename Unit>
Unit* CopyUnits(const Unit* src, size_t len) {
  if (len >= std::numeric_limits<size_t>::max() / sizeof(Unit))
    return nullptr;
  auto* buf = static_cast<Unit*>(malloc((len + 1) * sizeof(Unit)));
  if (!buf)
    return nullptr;
  if (len)
    memcpy(buf, src, len * sizeof(Unit));
  buf[len] = 0;
  return buf;
}

template <typename Rec>
bool Owns(const Rec* rec, const UnitOf<Rec>* p) {
  if (!rec->str || !rec->dtor)
    return false;
  std::less_equal<const UnitOf<Rec>*> le;
  std::less<const UnitOf<Rec>*> lt;
  return le(rec->str, p) && lt(p, rec->str + rec->length + 1);
}

template <typename Rec>
int Set(const UnitOf<Rec>* src, size_t len, Rec* out, int copy) {
  using Unit = UnitOf<Rec>;
  if (!out)
    return 0;
  if (!src || len == 0) {
    Clear(out);
    return src || len == 0 ? 1 : 0;
  }
  // Referencing the record's own buffer would leave it dangling once the
  // old content is freed, so that case is copied instead.
  if (copy || Owns(out, src)) {
    Unit* buf = CopyUnits(src, len);
    if (!buf)
      return 0;
    Clear(out);
    out->str = buf;
    out->length = len;
    out->dtor = &FreeUnits<Unit>;
  } else {
    Clear(out);
    out->str = const_cast<Unit*>(src);
    out->length = len;
    out->dtor = nullptr;
  }
  return 1;
}

template <typename Rec>
int Cmp(const Rec* a, const Rec* b) {
  using U = std::make_unsigned_t<UnitOf<Rec>>;
  const size_t la = a && a->str ? a->length : 0;
  const size_t lb = b && b->str ? b->length : 0;
  const size_t n = la < lb ? la : lb;
  for (size_t i = 0; i < n; ++i) {
    const U ca = static_cast<U>(a->str[i]);
    const U cb = static_cast<U>(b->str[i]);
    if (ca != cb)
      return ca < cb ? -1 : 1;
  }
  return la < lb ? -1 : (la > lb ? 1 : 0);
}

// Stores `count` units as an owned copy, each converted to the record's
// unit type; an empty result leaves the record cleared. The source is read
// before the record's old content is freed, so it may be that content.
template <typename Rec, typename Unit>
bool StoreUnits(const Unit* units, size_t count, Rec* out) {
  using Out = UnitOf<Rec>;
  if (count == 0) {
    Clear(out);
    return true;
  }
  if (count >= std::numeric_limits<size_t>::max() / sizeof(Out))
    return false;
  Out* buf = static_cast<Out*>(malloc((count + 1) * sizeof(Out)));
  if (!buf)
    return false;
  for (size_t i = 0; i < count; ++i)
    buf[i] = static_cast<Out>(units[i]);
  buf[count] = 0;
  Clear(out);
  out->str = buf;
  out->length = count;
  out->dtor = &FreeUnits<Out>;
  return true;
}

template <typename Rec, typename Units>
bool Store(const Units& units, Rec* out) {
  return StoreUnits(units.data(), units.size(), out);
}

enum class AsciiStore { kStored, kNotAscii, kFailed };

// Text that is all ASCII reads the same in every encoding: it is copied and
// checked in one pass. The first units are looked at before anything is
// allocated, since other text usually shows itself at once.
template <typename Rec, typename Unit>
AsciiStore StoreIfAscii(const Unit* units, size_t count, Rec* out) {
  using Out = UnitOf<Rec>;
  using U = std::make_unsigned_t<Unit>;
  U bits = 0;
  for (size_t i = 0; i < count && i < 8; ++i)
    bits |= static_cast<U>(units[i]);
  if (bits >= 0x80)
    return AsciiStore::kNotAscii;
  if (count >= std::numeric_limits<size_t>::max() / sizeof(Out))
    return AsciiStore::kFailed;
  Out* buf = static_cast<Out*>(malloc((count + 1) * sizeof(Out)));
  if (!buf)
    return AsciiStore::kFailed;
  for (size_t i = 0; i < count; ++i) {
    bits |= static_cast<U>(units[i]);
    buf[i] = static_cast<Out>(units[i]);
  }
  if (bits >= 0x80) {
    free(buf);
    return AsciiStore::kNotAscii;
  }
  buf[count] = 0;
  Clear(out);
  out->str = buf;
  out->length = count;
  out->dtor = &FreeUnits<Out>;
  return AsciiStore::kStored;
}

template <typename Rec>
bool StoreCodePoints(const std::u32string& cps, Rec* out) {
  using Unit = UnitOf<Rec>;
  if constexpr (sizeof(Unit) == 1) {
    std::string units;
    cefrt::EncodeUtf8(cps, &units);
    return Store(units, out);
  } else if constexpr (sizeof(Unit) == 2) {
    std::u16string units;
    cefrt::EncodeUtf16(cps, &units);
    return Store(units, out);
  } else {
    return Store(cps, out);
  }
}

template <typename Unit>
bool DecodeAny(const Unit* src, size_t len, std::u32string* cps) {
  if constexpr (sizeof(Unit) == 1)
    return cefrt::DecodeUtf8(reinterpret_cast<const char*>(src), len, cps);
  else if constexpr (sizeof(Unit) == 2)
    return cefrt::DecodeUtf16(src, len, cps);
  else
    return cefrt::DecodeUtf32(src, len, cps);
}

// Shared body of every conversion: a null output or an inconsistent source
// fails, malformed input is stored with U+FFFD and reported as 0.
template <typename Unit, typename Rec>
int Convert(const Unit* src, size_t len, Rec* out, bool ascii = false) {
  if (!out)
    return 0;
  if (!src && len) {
    Clear(out);
    return 0;
  }
  // Most text is ASCII: one pass and one allocation, no code points.
  if (len) {
    const AsciiStore ascii_store = StoreIfAscii(src, len, out);
    if (ascii_store != AsciiStore::kNotAscii)
      return ascii_store == AsciiStore::kStored ? 1 : 0;
  }
  try {
    std::u32string cps;
    bool clean;
    if constexpr (sizeof(Unit) == 1) {
      clean = ascii ? cefrt::DecodeAscii(src, len, &cps)
                    : DecodeAny(src, len, &cps);
    } else {
      (void)ascii;
      clean = DecodeAny(src, len, &cps);
    }
    if (!StoreCodePoints(cps, out))
      return 0;
    return clean ? 1 : 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

template <typename Rec>
Rec* UserFreeAlloc() {
  return static_cast<Rec*>(calloc(1, sizeof(Rec)));
}

template <typename Rec>
void UserFreeFree(Rec* rec) {
  if (!rec)
    return;
  Clear(rec);
  free(rec);
}

}  // namespace

int cef_string_wide_set(const wchar_t* src, size_t src_len,
                        cef_string_wide_t* output, int copy) {
  return Set(src, src_len, output, copy);
}
int cef_string_utf8_set(const char* src, size_t src_len,
                        cef_string_utf8_t* output, int copy) {
  return Set(src, src_len, output, copy);
}
int cef_string_utf16_set(const char16* src, size_t src_len,
                         cef_string_utf16_t* output, int copy) {
  return Set(src, src_len, output, copy);
}

void cef_string_wide_clear(cef_string_wide_t* str) { Clear(str); }
void cef_string_utf8_clear(cef_string_utf8_t* str) { Clear(str); }
void cef_string_utf16_clear(cef_string_utf16_t* str) { Clear(str); }

int cef_string_wide_cmp(const cef_string_wide_t* str1,
                        const cef_string_wide_t* str2) {
  return Cmp(str1, str2);
}
int cef_string_utf8_cmp(const cef_string_utf8_t* str1,
                        const cef_string_utf8_t* str2) {
  return Cmp(str1, str2);
}
int cef_string_utf16_cmp(const cef_string_utf16_t* str1,
                         const cef_string_utf16_t* str2) {
  return Cmp(str1, str2);
}

int cef_string_wide_to_utf8(const wchar_t* src, size_t src_len,
                            cef_string_utf8_t* output) {
  return Convert(src, src_len, output);
}
int cef_string_utf8_to_wide(const char* src, size_t src_len,
                            cef_string_wide_t* output) {
  return Convert(src, src_len, output);
}
int cef_string_wide_to_utf16(const wchar_t* src, size_t src_len,
                             cef_string_utf16_t* output) {
  return Convert(src, src_len, output);
}
int cef_string_utf16_to_wide(const char16* src, size_t src_len,
                             cef_string_wide_t* output) {
  return Convert(src, src_len, output);
}
int cef_string_utf8_to_utf16(const char* src, size_t src_len,
                             cef_string_utf16_t* output) {
  return Convert(src, src_len, output);
}
int cef_string_utf16_to_utf8(const char16* src, size_t src_len,
                             cef_string_utf8_t* output) {
  return Convert(src, src_len, output);
}
int cef_string_ascii_to_wide(const char* src, size_t src_len,
                             cef_string_wide_t* output) {
  return Convert(src, src_len, output, true);
}
int cef_string_ascii_to_utf16(const char* src, size_t src_len,
                              cef_string_utf16_t* output) {
  return Convert(src, src_len, output, true);
}

cef_string_userfree_wide_t cef_string_userfree_wide_alloc(void) {
  return UserFreeAlloc<cef_string_wide_t>();
}
cef_string_userfree_utf8_t cef_string_userfree_utf8_alloc(void) {
  return UserFreeAlloc<cef_string_utf8_t>();
}
cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void) {
  return UserFreeAlloc<cef_string_utf16_t>();
}
void cef_string_userfree_wide_free(cef_string_userfree_wide_t str) {
  UserFreeFree(str);
}
void cef_string_userfree_utf8_free(cef_string_userfree_utf8_t str) {
  UserFreeFree(str);
}
void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str) {
  UserFreeFree(str);
}
