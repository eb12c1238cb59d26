#include <gtest/gtest.h>

#include "libcef_dll/string_collections.h"

namespace {

std::vector<std::string> Texts(const EmbedStringVector& items) {
  std::vector<std::string> texts;
  for (const CefString& item : items) texts.push_back(item.ToUtf8());
  return texts;
}

TEST(CollectionsTest, ListRoundTripKeepsOrderAndEmptyEntries) {
  const EmbedStringVector source{"a", "", "a"};
  ScopedStringList list(source);
  ASSERT_NE(list.get(), nullptr);
  EXPECT_EQ(cef_string_list_size(list.get()), 3);
  EmbedStringVector back{"kept"};
  ListFromLibrary(list.get(), back);
  EXPECT_EQ(Texts(back), (std::vector<std::string>{"kept", "a", "", "a"}))
      << "reading appends; emptying is the caller's step";
  list.CopyBackInto(back);
  EXPECT_EQ(Texts(back), (std::vector<std::string>{"a", "", "a"}));
}

TEST(CollectionsTest, EmptyListLeavesTheVectorAlone) {
  ScopedStringList list(EmbedStringVector{});
  EmbedStringVector target{"x"};
  ListFromLibrary(list.get(), target);
  EXPECT_EQ(Texts(target), (std::vector<std::string>{"x"}));
}

TEST(CollectionsTest, RepeatedKeysInMapsAndMultimaps) {
  cef_string_map_t map = cef_string_map_alloc();
  cef_string_multimap_t multimap = cef_string_multimap_alloc();
  for (const char* value : {"1", "2"}) {
    CefString key("k");
    CefString text(value);
    cef_string_map_append(map, key.Record(), text.Record());
    cef_string_multimap_append(multimap, key.Record(), text.Record());
  }
  EmbedStringMap unique;
  MapFromLibrary(map, unique);
  ASSERT_EQ(unique.size(), 1u);
  EXPECT_EQ(unique.begin()->second.ToUtf8(), "1") << "the first value wins";

  EmbedStringMultimap all;
  MultimapFromLibrary(multimap, all);
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all.begin()->second.ToUtf8(), "1");
  EXPECT_EQ(std::next(all.begin())->second.ToUtf8(), "2");
  cef_string_map_free(map);
  cef_string_multimap_free(multimap);
}

TEST(CollectionsTest, MapsGoOutInKeyOrderEmptyKeyFirst) {
  const EmbedStringMap source{{"b", "2"}, {"", "0"}, {"a", "1"}};
  ScopedStringMap map(source);
  std::vector<std::string> keys;
  for (int i = 0; i < cef_string_map_size(map.get()); ++i) {
    CefString key;
    cef_string_map_key(map.get(), i, key.WritableRecord());
    keys.push_back(key.ToUtf8());
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"", "a", "b"}));

  const EmbedStringMultimap headers{{"k", "1"}, {"a", "x"}, {"k", "2"}};
  ScopedStringMultimap multimap(headers);
  EmbedStringMultimap back;
  multimap.CopyBackInto(back);
  EXPECT_EQ(back, headers) << "equal keys keep their stored order";
}

}  // namespace
