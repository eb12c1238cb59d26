// The variant library reports another interface hash and otherwise works.
#include "gtest/gtest.h"
#include "include/capi/cef_entry_capi.h"

TEST(OtherHashLibrary, ReportsItsOwnPlatformHash) {
  EXPECT_STREQ("0000000000000000000000000000000000000000", cef_api_hash(0));
  EXPECT_STRNE(CEF_API_HASH_PLATFORM, cef_api_hash(0));
  cef_string_utf16_t s = {};
  EXPECT_EQ(1, cef_string_utf8_to_utf16("ok", 2, &s));
  EXPECT_EQ(2u, s.length);
  cef_string_utf16_clear(&s);
}
