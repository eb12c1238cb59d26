#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "include/cef_string.h"

namespace {

// A record that some other party owns, with text it allocated itself.
struct ForeignRecord {
  explicit ForeignRecord(const char* text) {
    cef_string_utf8_to_utf16(text, std::char_traits<char>::length(text),
                             &record);
  }
  ~ForeignRecord() { cef_string_utf16_clear(&record); }
  cef_string_t record = {};
};

TEST(CefString, ConstructionStates) {
  CefString empty;
  EXPECT_EQ(empty.Record(), nullptr);
  EXPECT_TRUE(empty.IsEmpty());

  CefString from_null_narrow(static_cast<const char*>(nullptr));
  CefString from_null_wide(static_cast<const wchar_t*>(nullptr));
  CefString from_null_record(static_cast<const cef_string_t*>(nullptr));
  EXPECT_EQ(from_null_narrow.Record(), nullptr);
  EXPECT_EQ(from_null_wide.Record(), nullptr);
  EXPECT_EQ(from_null_record.Record(), nullptr);

  ForeignRecord foreign("abc");
  CefString referencing(&foreign.record);
  EXPECT_EQ(referencing.Record(), &foreign.record);
  EXPECT_EQ(referencing.Units(), foreign.record.str);
  EXPECT_EQ(referencing.ToUtf8(), "abc");
}

TEST(CefString, ConvertsBetweenUtf8WideAndUnits) {
  struct Case {
    const char* utf8;
    const wchar_t* wide;
    size_t units;
  } cases[] = {
      {"abc", L"abc", 3},
      {"zh-CN", L"zh-CN", 5},
      {"\xE4\xB8\xAD\xE6\x96\x87", L"\u4e2d\u6587", 2},
      // Outside the basic plane: one character, a surrogate pair.
      {"\xF0\x9F\x98\x80", L"\U0001F600", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    CefString narrow(c.utf8);
    CefString wide(c.wide);
    EXPECT_EQ(narrow.Length(), c.units);
    EXPECT_EQ(wide.Length(), c.units);
    EXPECT_TRUE(narrow.Equals(wide));
    EXPECT_EQ(narrow.ToWide(), std::wstring(c.wide));
    EXPECT_EQ(wide.ToUtf8(), std::string(c.utf8));
  }
}

TEST(CefString, AbcIsThreeBytesAndEmptyIsEmpty) {
  const char16 abc[] = {'a', 'b', 'c'};
  CefString s;
  ASSERT_TRUE(s.AssignUnits(abc, 3, true));
  const std::string utf8 = s.ToUtf8();
  EXPECT_EQ(utf8.size(), 3u);
  EXPECT_EQ(utf8, "abc");
  EXPECT_EQ(CefString().ToUtf8(), "");
  EXPECT_EQ(CefString().ToWide(), L"");
}

TEST(CefString, AssigningEmptyKeepsAnEmptyOwnedRecord) {
  for (bool wide : {false, true}) {
    CefString s("text");
    const cef_string_t* record = s.Record();
    if (wide) {
      EXPECT_TRUE(s.AssignWide(L""));
    } else {
      EXPECT_TRUE(s.AssignUtf8(""));
    }
    EXPECT_EQ(s.Record(), record);
    EXPECT_EQ(s.Length(), 0u);
    EXPECT_TRUE(s.IsEmpty());
  }
}

TEST(CefString, LaterAssignmentsReuseTheRecord) {
  CefString s("one");
  const cef_string_t* record = s.Record();
  s = "two";
  s = L"three";
  s = CefString("four");
  EXPECT_EQ(s.Record(), record);
  EXPECT_EQ(s.ToUtf8(), "four");
}

TEST(CefString, CopiesOwnDeepCopies) {
  ForeignRecord foreign("shared");
  {
    CefString referencing(&foreign.record);
    {
      CefString copy(referencing);
      EXPECT_NE(copy.Record(), &foreign.record);
      EXPECT_NE(copy.Units(), foreign.record.str);
      EXPECT_EQ(copy.ToUtf8(), "shared");
    }
    EXPECT_EQ(referencing.ToUtf8(), "shared");
  }
  // Neither holder freed the foreign text.
  CefString after(&foreign.record);
  EXPECT_EQ(after.ToUtf8(), "shared");

  CefString copy_of_empty{CefString()};
  EXPECT_TRUE(copy_of_empty.IsEmpty());
}

TEST(CefString, WritingThroughAReferencingHolderLandsInTheRecord) {
  ForeignRecord foreign("old");
  {
    CefString out(&foreign.record);
    out = "new text";
    EXPECT_EQ(out.WritableRecord(), &foreign.record);
  }
  EXPECT_EQ(CefString(&foreign.record).ToUtf8(), "new text");
}

// Moving hands over only a record the source owns; a referencing holder on
// either side keeps its copy-like meaning.
TEST(CefString, MovesTakeOverOnlyOwnedRecords) {
  ForeignRecord foreign("theirs");
  {
    CefString owning("mine");
    const cef_string_t* record = owning.Record();
    const char16* units = owning.Units();
    CefString moved(std::move(owning));
    EXPECT_EQ(moved.Record(), record);
    EXPECT_EQ(moved.Units(), units) << "the text was copied";
    EXPECT_EQ(owning.Record(), nullptr);  // NOLINT: checked after the move

    CefString referencing(&foreign.record);
    CefString from_reference(std::move(referencing));
    EXPECT_NE(from_reference.Record(), &foreign.record);
    EXPECT_EQ(from_reference.ToUtf8(), "theirs");

    // Into a referencing holder the text lands in the referenced record.
    CefString out(&foreign.record);
    out = CefString("written");
    EXPECT_EQ(out.Record(), &foreign.record);

    CefString target;
    target = std::move(moved);
    EXPECT_EQ(target.Record(), record);
    EXPECT_EQ(target.ToUtf8(), "mine");
    // A holder with a record keeps it: its address may be out already.
    CefString kept("old");
    const cef_string_t* kept_record = kept.Record();
    kept = std::move(target);
    EXPECT_EQ(kept.Record(), kept_record);
    EXPECT_EQ(kept.ToUtf8(), "mine");

    std::vector<CefString> grown;
    for (int i = 0; i < 40; ++i) grown.push_back(CefString("x"));
    const cef_string_t* first = grown.front().Record();
    grown.reserve(grown.capacity() * 2);
    EXPECT_EQ(grown.front().Record(), first) << "growing copied the strings";
  }
  EXPECT_EQ(CefString(&foreign.record).ToUtf8(), "written");
}

TEST(CefString, UnitsCanBeReferencedWithoutCopy) {
  char16 buffer[] = {'x', 'y'};
  CefString s;
  ASSERT_TRUE(s.AssignUnits(buffer, 2, false));
  EXPECT_EQ(s.Units(), buffer);
  buffer[0] = 'z';
  EXPECT_EQ(s.ToUtf8(), "zy");
  EXPECT_TRUE(s.AssignUnits(nullptr, 5, true));
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CefString, AdoptUserFreeTakesTheBuffer) {
  cef_string_userfree_t userfree = cef_string_userfree_utf16_alloc();
  cef_string_utf8_to_utf16("adopted", 7, userfree);
  const char16* buffer = userfree->str;
  CefString s("previous");
  s.AdoptUserFree(userfree);
  // The shell is gone; the buffer must not be (a sanitizer build reports a
  // use after free here if the record was not emptied before release).
  EXPECT_EQ(s.Units(), buffer);
  EXPECT_EQ(s.ToUtf8(), "adopted");

  s.AdoptUserFree(nullptr);
  EXPECT_EQ(s.Record(), nullptr);
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CefString, WritableRecordAllocatesOnce) {
  CefString s;
  cef_string_t* record = s.WritableRecord();
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->str, nullptr);
  EXPECT_EQ(record->length, 0u);
  EXPECT_EQ(s.WritableRecord(), record);
}

TEST(CefString, ComparesEmptyFirst) {
  CefString none;
  CefString zero_length;
  zero_length.WritableRecord();
  CefString a("a");
  CefString b("b");
  CefString ab("ab");

  EXPECT_TRUE(none.Equals(zero_length));
  EXPECT_EQ(none.Compare(zero_length), 0);
  EXPECT_FALSE(none.Equals(a));
  EXPECT_LT(none.Compare(a), 0);
  EXPECT_GT(a.Compare(zero_length), 0);
  EXPECT_LT(a.Compare(ab), 0);
  EXPECT_LT(ab.Compare(b), 0);
  EXPECT_TRUE(a.Less(b));
  EXPECT_FALSE(b.Less(a));
  EXPECT_TRUE(CefString("same").Equals(CefString(L"same")));
}

}  // namespace
