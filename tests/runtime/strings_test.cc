#include <stdlib.h>

#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "include/capi/cef_string_capi.h"
#include "tests/runtime/test_support.h"

namespace {

using rt_test::Str;

std::u16string Utf8ToUtf16(const std::string& bytes, int* ok = nullptr) {
  cef_string_utf16_t out = {};
  const int r = cef_string_utf8_to_utf16(bytes.data(), bytes.size(), &out);
  if (ok)
    *ok = r;
  std::u16string text = Str::Text(&out);
  cef_string_utf16_clear(&out);
  return text;
}

std::string Utf16ToUtf8(const std::u16string& units, int* ok = nullptr) {
  std::vector<char16> buf(units.begin(), units.end());
  cef_string_utf8_t out = {};
  const int r = cef_string_utf16_to_utf8(buf.data(), buf.size(), &out);
  if (ok)
    *ok = r;
  std::string text = out.str ? std::string(out.str, out.length) : "";
  cef_string_utf8_clear(&out);
  return text;
}

TEST(StringConversion, RoundTripsThroughEveryEncoding) {
  // ASCII, Latin-1, BMP and a non-BMP character (U+1F600).
  const std::string utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
  const std::u16string utf16 = u"a\u00E9\u20AC\U0001F600";

  int ok = 0;
  EXPECT_EQ(utf16, Utf8ToUtf16(utf8, &ok));
  EXPECT_EQ(1, ok);
  EXPECT_EQ(5u, utf16.size());  // the emoji is a surrogate pair
  EXPECT_EQ(utf8, Utf16ToUtf8(utf16, &ok));
  EXPECT_EQ(1, ok);

  cef_string_wide_t wide = {};
  ASSERT_EQ(1, cef_string_utf8_to_wide(utf8.data(), utf8.size(), &wide));
  const std::wstring expected_wide = L"a\u00E9\u20AC\U0001F600";
  EXPECT_EQ(expected_wide, std::wstring(wide.str, wide.length));
  EXPECT_EQ(sizeof(wchar_t) == 2 ? 5u : 4u, wide.length);

  cef_string_utf16_t back16 = {};
  ASSERT_EQ(1, cef_string_wide_to_utf16(wide.str, wide.length, &back16));
  EXPECT_EQ(utf16, Str::Text(&back16));
  cef_string_wide_t back_wide = {};
  ASSERT_EQ(1, cef_string_utf16_to_wide(back16.str, back16.length,
                                         &back_wide));
  EXPECT_EQ(expected_wide, std::wstring(back_wide.str, back_wide.length));
  cef_string_utf8_t back8 = {};
  ASSERT_EQ(1, cef_string_wide_to_utf8(wide.str, wide.length, &back8));
  EXPECT_EQ(utf8, std::string(back8.str, back8.length));
  EXPECT_EQ('\0', back8.str[back8.length]);  // buffers are terminated

  cef_string_wide_clear(&wide);
  cef_string_utf16_clear(&back16);
  cef_string_wide_clear(&back_wide);
  cef_string_utf8_clear(&back8);
}

// ASCII takes a short way through the conversions; text that leaves ASCII
// anywhere, even in its last unit, must not.
TEST(StringConversion, AsciiAndItsEdges) {
  const std::string nul("a\0b", 3);
  struct Case {
    std::string utf8;
    std::u16string utf16;
  } const cases[] = {
      {"plain ascii", u"plain ascii"},
      {nul, std::u16string(u"a\0b", 3)},
      {"\x7F", u"\x7F"},
      {"abc\xC3\xA9", u"abc\u00E9"},
      {"\xC3\xA9" "abc", u"\u00E9abc"},
  };
  for (const Case& c : cases) {
    int ok = 0;
    EXPECT_EQ(Utf8ToUtf16(c.utf8, &ok), c.utf16);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(Utf16ToUtf8(c.utf16, &ok), c.utf8);
    EXPECT_EQ(ok, 1);
  }
  // The source may be the record's own text.
  cef_string_utf8_t text = {};
  cef_string_utf8_set("same", 4, &text, 1);
  EXPECT_EQ(cef_string_ascii_to_utf16(text.str, text.length, nullptr), 0);
  cef_string_wide_t wide = {};
  ASSERT_EQ(cef_string_utf8_to_wide(text.str, text.length, &wide), 1);
  ASSERT_EQ(cef_string_wide_to_utf8(wide.str, wide.length, &text), 1);
  EXPECT_EQ(std::string(text.str, text.length), "same");
  cef_string_wide_clear(&wide);
  cef_string_utf8_clear(&text);
}

TEST(StringConversion, MalformedUtf8BecomesReplacementCharacters) {
  struct Case {
    const char* name;
    std::string bytes;
    std::u16string expected;
  };
  const char16_t R = 0xFFFD;
  const Case cases[] = {
      {"overlong slash", "\xC0\xAF", {R, R}},
      {"overlong 3-byte", "\xE0\x80\xAF", {R, R, R}},
      {"encoded surrogate", "\xED\xA0\x80", {R, R, R}},
      {"above U+10FFFF", "\xF4\x90\x80\x80", {R, R, R, R}},
      {"invalid lead bytes", "a\xFF\xFE" "b", {u'a', R, R, u'b'}},
      {"lone continuation", "\x80z", {R, u'z'}},
      {"truncated at end", "x\xE2\x82", {u'x', R}},
      {"truncated before ASCII", "\xF0\x9F\x98" "A", {R, u'A'}},
  };
  for (const Case& c : cases) {
    int ok = 1;
    EXPECT_EQ(c.expected, Utf8ToUtf16(c.bytes, &ok)) << c.name;
    EXPECT_EQ(0, ok) << c.name;
  }
}

TEST(StringConversion, UnpairedSurrogatesBecomeReplacementCharacters) {
  const std::u16string cases[][2] = {
      {{0xD800, u'a'}, {0xFFFD, u'a'}},
      {{0xDC00}, {0xFFFD}},
      {{u'a', 0xD83D}, {u'a', 0xFFFD}},
      {{0xDE00, 0xD83D}, {0xFFFD, 0xFFFD}},
  };
  for (const auto& c : cases) {
    int ok = 1;
    const std::string utf8 = Utf16ToUtf8(c[0], &ok);
    EXPECT_EQ(0, ok);
    EXPECT_EQ(c[1], Utf8ToUtf16(utf8));
  }
}

TEST(StringConversion, InvalidWideCodePointsBecomeReplacementCharacters) {
  if (sizeof(wchar_t) != 4)
    GTEST_SKIP() << "wide strings are UTF-16 here";
  const wchar_t bad[] = {L'a', static_cast<wchar_t>(0x110000),
                         static_cast<wchar_t>(0xD800), static_cast<wchar_t>(-1)};
  cef_string_utf16_t out = {};
  EXPECT_EQ(0, cef_string_wide_to_utf16(bad, 4, &out));
  EXPECT_EQ((std::u16string{u'a', 0xFFFD, 0xFFFD, 0xFFFD}), Str::Text(&out));
  cef_string_utf16_clear(&out);
}

TEST(StringConversion, NullAndEmptyInputsAreSafe) {
  cef_string_utf16_t out = {};
  ASSERT_EQ(1, cef_string_utf8_to_utf16("old", 3, &out));
  // Empty input replaces earlier content with an empty string.
  EXPECT_EQ(1, cef_string_utf8_to_utf16(nullptr, 0, &out));
  EXPECT_EQ(0u, out.length);
  EXPECT_EQ(1, cef_string_utf8_to_utf16("x", 0, &out));
  EXPECT_EQ(0u, out.length);
  // A null buffer claiming a length fails instead of being read.
  EXPECT_EQ(0, cef_string_utf8_to_utf16(nullptr, 5, &out));
  EXPECT_EQ(0u, out.length);
  EXPECT_EQ(0, cef_string_utf8_to_utf16("abc", 3, nullptr));
  EXPECT_EQ(0, cef_string_utf16_to_utf8(nullptr, 0, nullptr));
  EXPECT_EQ(0, cef_string_utf16_set(nullptr, 0, nullptr, 1));
  EXPECT_EQ(0, cef_string_ascii_to_utf16("a", 1, nullptr));
  cef_string_utf16_clear(nullptr);
  cef_string_utf16_clear(&out);
}

TEST(StringConversion, AsciiRejectsHighBytes) {
  cef_string_utf16_t out = {};
  EXPECT_EQ(1, cef_string_ascii_to_utf16("Hi!", 3, &out));
  EXPECT_EQ(u"Hi!", Str::Text(&out));
  EXPECT_EQ(0, cef_string_ascii_to_utf16("a\xE9", 2, &out));
  EXPECT_EQ((std::u16string{u'a', 0xFFFD}), Str::Text(&out));
  cef_string_utf16_clear(&out);
  cef_string_wide_t wide = {};
  EXPECT_EQ(1, cef_string_ascii_to_wide("ok", 2, &wide));
  EXPECT_EQ(L"ok", std::wstring(wide.str, wide.length));
  cef_string_wide_clear(&wide);
}

TEST(StringCompare, OrdersByCodeUnitWithPrefixFirst) {
  struct Case {
    std::u16string a, b;
    int sign;
  };
  const Case cases[] = {
      {u"", u"", 0},         {u"abc", u"abc", 0}, {u"a", u"b", -1},
      {u"b", u"a", 1},       {u"ab", u"a", 1},    {u"a", u"ab", -1},
      {u"", u"a", -1},       {u"Z", u"a", -1},
      {u"\uFFFF", u"a", 1},  // unsigned, not sign-extended
  };
  for (const Case& c : cases) {
    Str a(c.a), b(c.b);
    const int r = cef_string_utf16_cmp(a.get(), b.get());
    EXPECT_EQ(c.sign, (r > 0) - (r < 0)) << "case " << &c - cases;
  }
  cef_string_utf16_t empty = {};
  EXPECT_EQ(0, cef_string_utf16_cmp(nullptr, &empty));

  cef_string_utf8_t x = {}, y = {};
  cef_string_utf8_set("\xC3\xA9", 2, &x, 0);
  cef_string_utf8_set("z", 1, &y, 0);
  EXPECT_GT(cef_string_utf8_cmp(&x, &y), 0);  // bytes compare unsigned
}

TEST(StringSet, CopyOwnsABufferAndReferenceDoesNot) {
  char16 source[] = {u'h', u'i', 0};
  cef_string_utf16_t copied = {}, referenced = {};

  ASSERT_EQ(1, cef_string_utf16_set(source, 2, &copied, 1));
  EXPECT_NE(source, copied.str);
  EXPECT_NE(nullptr, copied.dtor);
  ASSERT_EQ(1, cef_string_utf16_set(source, 2, &referenced, 0));
  EXPECT_EQ(source, referenced.str);
  EXPECT_EQ(nullptr, referenced.dtor);

  source[0] = u'H';
  EXPECT_EQ(u"hi", Str::Text(&copied));
  EXPECT_EQ(u"Hi", Str::Text(&referenced));

  cef_string_utf16_clear(&referenced);
  EXPECT_EQ(nullptr, referenced.str);
  EXPECT_EQ(0u, referenced.length);
  EXPECT_EQ(u'H', source[0]);  // the caller's buffer is untouched

  // Pointing a record at its own buffer must not leave it dangling.
  ASSERT_EQ(1, cef_string_utf16_set(copied.str, copied.length, &copied, 0));
  EXPECT_EQ(u"hi", Str::Text(&copied));
  ASSERT_EQ(1, cef_string_utf16_set(copied.str + 1, 1, &copied, 1));
  EXPECT_EQ(u"i", Str::Text(&copied));
  cef_string_utf16_clear(&copied);
}

int g_dtor_calls = 0;
void CountingDtor(char16* str) {
  ++g_dtor_calls;
  free(str);
}

TEST(StringUserFree, FreeRunsTheDtorOnceAndClearZeroes) {
  g_dtor_calls = 0;
  cef_string_userfree_utf16_t s = cef_string_userfree_utf16_alloc();
  ASSERT_NE(nullptr, s);
  EXPECT_EQ(nullptr, s->str);
  EXPECT_EQ(0u, s->length);
  EXPECT_EQ(nullptr, s->dtor);
  s->str = static_cast<char16*>(malloc(2 * sizeof(char16)));
  s->length = 1;
  s->dtor = &CountingDtor;
  cef_string_userfree_utf16_free(s);
  EXPECT_EQ(1, g_dtor_calls);
  cef_string_userfree_utf16_free(nullptr);

  cef_string_utf16_t rec = {static_cast<char16*>(malloc(sizeof(char16))), 1,
                            &CountingDtor};
  cef_string_utf16_clear(&rec);
  EXPECT_EQ(2, g_dtor_calls);
  EXPECT_EQ(nullptr, rec.dtor);
  cef_string_utf16_clear(&rec);
  EXPECT_EQ(2, g_dtor_calls);

  cef_string_userfree_utf8_t s8 = cef_string_userfree_utf8_alloc();
  cef_string_utf8_set("abc", 3, s8, 1);
  cef_string_userfree_utf8_free(s8);
  cef_string_userfree_wide_t sw = cef_string_userfree_wide_alloc();
  cef_string_wide_set(L"abc", 3, sw, 1);
  cef_string_userfree_wide_free(sw);
}

}  // namespace
