#include <string>

#include "gtest/gtest.h"
#include "include/capi/cef_string_capi.h"
#include "tests/runtime/test_support.h"

namespace {

using rt_test::Str;

std::u16string ListAt(cef_string_list_t list, int index) {
  Str out;
  return cef_string_list_value(list, index, out.get()) ? out.text()
                                                       : u"<none>";
}

TEST(StringList, KeepsOrderAndDuplicatesAndCopiesDeeply) {
  cef_string_list_t list = cef_string_list_alloc();
  Str a(u"a"), empty(u"");
  cef_string_list_append(list, a.get());
  cef_string_list_append(list, empty.get());
  cef_string_list_append(list, a.get());
  cef_string_list_append(list, nullptr);  // reads as an empty string
  a.Set(u"changed");                      // the list holds its own copy
  ASSERT_EQ(4, cef_string_list_size(list));
  EXPECT_EQ(u"a", ListAt(list, 0));
  EXPECT_EQ(u"", ListAt(list, 1));
  EXPECT_EQ(u"a", ListAt(list, 2));
  EXPECT_EQ(u"", ListAt(list, 3));
  EXPECT_EQ(u"<none>", ListAt(list, 4));
  EXPECT_EQ(u"<none>", ListAt(list, -1));
  EXPECT_EQ(0, cef_string_list_value(list, 0, nullptr));

  cef_string_list_t copy = cef_string_list_copy(list);
  cef_string_list_clear(list);
  EXPECT_EQ(0, cef_string_list_size(list));
  ASSERT_EQ(4, cef_string_list_size(copy));
  EXPECT_EQ(u"a", ListAt(copy, 2));
  cef_string_list_free(copy);
  cef_string_list_free(list);
}

TEST(StringList, NullHandleIsHarmless) {
  Str a(u"a"), out;
  EXPECT_EQ(nullptr, cef_string_list_copy(nullptr));
  EXPECT_EQ(0, cef_string_list_size(nullptr));
  EXPECT_EQ(0, cef_string_list_value(nullptr, 0, out.get()));
  cef_string_list_append(nullptr, a.get());
  cef_string_list_clear(nullptr);
  cef_string_list_free(nullptr);
}

TEST(StringMap, FindReturnsTheFirstOfDuplicateKeys) {
  cef_string_map_t map = cef_string_map_alloc();
  Str k(u"k"), j(u"j"), one(u"1"), two(u"2"), three(u"3"), out;
  EXPECT_EQ(1, cef_string_map_append(map, k.get(), one.get()));
  EXPECT_EQ(1, cef_string_map_append(map, k.get(), two.get()));
  EXPECT_EQ(1, cef_string_map_append(map, j.get(), three.get()));
  ASSERT_EQ(3, cef_string_map_size(map));

  ASSERT_EQ(1, cef_string_map_find(map, k.get(), out.get()));
  EXPECT_EQ(u"1", out.text());
  Str missing(u"x");
  EXPECT_EQ(0, cef_string_map_find(map, missing.get(), out.get()));

  ASSERT_EQ(1, cef_string_map_key(map, 1, out.get()));
  EXPECT_EQ(u"k", out.text());
  ASSERT_EQ(1, cef_string_map_value(map, 1, out.get()));
  EXPECT_EQ(u"2", out.text());
  ASSERT_EQ(1, cef_string_map_key(map, 2, out.get()));
  EXPECT_EQ(u"j", out.text());
  EXPECT_EQ(0, cef_string_map_key(map, 3, out.get()));
  EXPECT_EQ(0, cef_string_map_value(map, -1, out.get()));

  cef_string_map_clear(map);
  EXPECT_EQ(0, cef_string_map_size(map));
  cef_string_map_free(map);

  EXPECT_EQ(0, cef_string_map_size(nullptr));
  EXPECT_EQ(0, cef_string_map_find(nullptr, k.get(), out.get()));
  EXPECT_EQ(0, cef_string_map_append(nullptr, k.get(), one.get()));
  cef_string_map_clear(nullptr);
  cef_string_map_free(nullptr);
}

TEST(StringMultimap, EnumeratesEqualKeysInInsertionOrder) {
  cef_string_multimap_t map = cef_string_multimap_alloc();
  Str k(u"k"), j(u"j"), one(u"1"), two(u"2"), three(u"3"), out;
  cef_string_multimap_append(map, k.get(), one.get());
  cef_string_multimap_append(map, j.get(), three.get());
  cef_string_multimap_append(map, k.get(), two.get());
  ASSERT_EQ(3, cef_string_multimap_size(map));
  EXPECT_EQ(2, cef_string_multimap_find_count(map, k.get()));
  EXPECT_EQ(1, cef_string_multimap_find_count(map, j.get()));

  ASSERT_EQ(1, cef_string_multimap_enumerate(map, k.get(), 0, out.get()));
  EXPECT_EQ(u"1", out.text());
  ASSERT_EQ(1, cef_string_multimap_enumerate(map, k.get(), 1, out.get()));
  EXPECT_EQ(u"2", out.text());
  EXPECT_EQ(0, cef_string_multimap_enumerate(map, k.get(), 2, out.get()));
  EXPECT_EQ(0, cef_string_multimap_enumerate(map, k.get(), -1, out.get()));

  ASSERT_EQ(1, cef_string_multimap_key(map, 1, out.get()));
  EXPECT_EQ(u"j", out.text());
  ASSERT_EQ(1, cef_string_multimap_value(map, 2, out.get()));
  EXPECT_EQ(u"2", out.text());
  EXPECT_EQ(0, cef_string_multimap_key(map, 3, out.get()));

  cef_string_multimap_clear(map);
  EXPECT_EQ(0, cef_string_multimap_find_count(map, k.get()));
  cef_string_multimap_free(map);

  EXPECT_EQ(0, cef_string_multimap_size(nullptr));
  EXPECT_EQ(0, cef_string_multimap_find_count(nullptr, k.get()));
  EXPECT_EQ(0, cef_string_multimap_enumerate(nullptr, k.get(), 0, out.get()));
  EXPECT_EQ(0, cef_string_multimap_append(nullptr, k.get(), one.get()));
  cef_string_multimap_free(nullptr);
}

}  // namespace
