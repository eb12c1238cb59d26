#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "include/cef_records.h"
#include "libcef_dll/platform.h"
#include "tests/support/debug_channel.h"

namespace {

// Counts the bytes of a record that differ from zero, skipping one range.
template <class R>
int NonZeroBytesOutside(const R& record, size_t skip_offset,
                        size_t skip_size) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&record);
  int count = 0;
  for (size_t i = 0; i < sizeof(R); ++i) {
    if (i >= skip_offset && i < skip_offset + skip_size) continue;
    count += bytes[i] != 0;
  }
  return count;
}

TEST(RecordHolder, NewRecordsAreZeroBesideTheirInitValues) {
  CefSettings settings;
  EXPECT_EQ(settings.size, sizeof(cef_settings_t));
  EXPECT_EQ(NonZeroBytesOutside(settings.Get(), 0, sizeof(size_t)), 0);

  CefBrowserSettings browser;
  EXPECT_EQ(browser.size, sizeof(cef_browser_settings_t));
  EXPECT_EQ(NonZeroBytesOutside(browser.Get(), 0, sizeof(size_t)), 0);

  CefWindowInfo window;
  EXPECT_EQ(NonZeroBytesOutside(window.Get(), 0, 0), 0);

  CefPopupFeatures popup;
  const cef_popup_features_t& f = popup.Get();
  const int flags[] = {f.menuBarVisible,     f.statusBarVisible,
                       f.toolBarVisible,     f.locationBarVisible,
                       f.scrollbarsVisible,  f.resizable};
  for (int flag : flags) EXPECT_EQ(flag, 1);
  // The six flags are the only non-zero bytes, one byte each.
  EXPECT_EQ(NonZeroBytesOutside(f, 0, 0), 6);
  EXPECT_EQ(f.fullscreen, 0);
  EXPECT_EQ(f.additionalFeatures, nullptr);
}

TEST(RecordHolder, StringMembersAreFreedByTheHolder) {
  // A sanitizer build reports a leak if the holder misses a member, and a
  // double free if it releases one twice.
  CefSettings settings;
  CefString(&settings.cache_path).AssignUtf8(".//cache_back");
  CefString(&settings.locale).AssignUtf8("zh-CN");
  EXPECT_EQ(settings.cache_path.length, 13u);
  EXPECT_EQ(settings.locale.length, 5u);
  EXPECT_NE(settings.cache_path.dtor, nullptr);
}

TEST(RecordHolder, AttachedHolderReleasesNothing) {
  cef_cookie_t library = {};
  CefString(&library.name).AssignUtf8("session");
  {
    CefCookie holder;
    CefString(&holder.value).AssignUtf8("own text, freed on attach");
    holder.AttachRecord(&library);
    EXPECT_EQ(holder.name.str, library.name.str);
  }
  // Still the library's and intact.
  EXPECT_EQ(CefString(&library.name).ToUtf8(), "session");
  cef_string_utf16_clear(&library.name);
}

TEST(RecordHolder, DetachIntoTheAttachedRecordMovesContentWithoutClearing) {
  cef_cookie_t library = {};
  CefString(&library.name).AssignUtf8("before");
  CefCookie holder;
  holder.AttachRecord(&library);
  CefString(&holder.value).AssignUtf8("set by handler");
  holder.DetachRecord(&library);

  EXPECT_EQ(CefString(&library.name).ToUtf8(), "before");
  EXPECT_EQ(CefString(&library.value).ToUtf8(), "set by handler");
  EXPECT_EQ(NonZeroBytesOutside(holder.Get(), 0, 0), 0);
  cef_string_utf16_clear(&library.name);
  cef_string_utf16_clear(&library.value);
}

TEST(RecordHolder, DetachIntoAnotherRecordClearsItFirst) {
  cef_cookie_t target = {};
  // Owned text in the target that the detach must release, or leak.
  CefString(&target.domain).AssignUtf8("stale.example");
  {
    CefCookie holder;
    CefString(&holder.name).AssignUtf8("fresh");
    holder.DetachRecord(&target);
    EXPECT_EQ(NonZeroBytesOutside(holder.Get(), 0, 0), 0);
  }
  EXPECT_EQ(CefString(&target.name).ToUtf8(), "fresh");
  EXPECT_TRUE(CefString(&target.domain).IsEmpty());
  cef_string_utf16_clear(&target.name);
}

TEST(RecordHolder, CopyFromCopiesOrReferencesStrings) {
  CefCookie source;
  CefString(&source.name).AssignUtf8("n");
  source.secure = 1;
  source.expires.year = 2030;

  CefCookie deep;
  deep.CopyFrom(&source.Get(), true);
  EXPECT_NE(deep.name.str, source.name.str);
  EXPECT_EQ(CefString(&deep.name).ToUtf8(), "n");
  EXPECT_EQ(deep.secure, 1);
  EXPECT_EQ(deep.expires.year, 2030);

  CefCookie shallow;
  shallow.CopyFrom(&source.Get(), false);
  EXPECT_EQ(shallow.name.str, source.name.str);
  EXPECT_EQ(shallow.name.dtor, nullptr);
}

TEST(RecordHolder, PopupFeaturesCopyTheirList) {
  CefPopupFeatures source;
  source.additionalFeatures = cef_string_list_alloc();
  CefString feature("toolbar=no");
  cef_string_list_append(source.additionalFeatures, feature.Record());
  source.width = 640;

  CefPopupFeatures copy;
  copy.CopyFrom(&source.Get(), false);
  ASSERT_NE(copy.additionalFeatures, nullptr);
  EXPECT_NE(copy.additionalFeatures, source.additionalFeatures);
  EXPECT_EQ(cef_string_list_size(copy.additionalFeatures), 1);
  EXPECT_EQ(copy.width, 640);
}

TEST(CefWindowInfo, ShellWindowCoversThePrimaryScreen) {
  const bridge_platform::ScreenSize screen =
      bridge_platform::PrimaryScreenSize();
  CefWindowInfo info;
  test_support::DebugChannel debug;
  info.SetAsPopup(nullptr, CefString("Pellavine"));

  EXPECT_EQ(info.style, 0x16CF0000u);
  EXPECT_EQ(info.parent_window, nullptr);
  EXPECT_EQ(info.x, 0);
  EXPECT_EQ(info.y, 0);
  EXPECT_EQ(info.width, screen.width);
  EXPECT_EQ(info.height, screen.height);
  EXPECT_EQ(CefString(&info.window_name).ToUtf8(), "Pellavine");
  if (test_support::kDebugChannelReadable) {
    EXPECT_EQ(debug.Text(), "SetAsPopup\n");
  }
  EXPECT_EQ(info.ex_style, 0u);
  EXPECT_EQ(info.window, nullptr);
}

TEST(CefWindowInfo, OtherWindowsGetTheDefaultPlacement) {
  CefWindowInfo info;
  int parent_marker = 0;
  test_support::DebugChannel debug;
  info.SetAsPopup(&parent_marker, CefString("Other"));
  if (test_support::kDebugChannelReadable) {
    EXPECT_EQ(debug.Text(), "SetAsPopup\n");
  }
  const int use_default = static_cast<int>(0x80000000u);
  EXPECT_EQ(info.x, use_default);
  EXPECT_EQ(info.y, use_default);
  EXPECT_EQ(info.width, use_default);
  EXPECT_EQ(info.height, use_default);
  EXPECT_EQ(info.parent_window, &parent_marker);
  // A second call replaces the copied name without leaking the first.
  info.SetAsPopup(nullptr, CefString("Pellavine"));
  EXPECT_EQ(CefString(&info.window_name).ToUtf8(), "Pellavine");
}

}  // namespace
