// Every test of this program runs between cef_initialize and cef_shutdown
// with the strict report on: an object the test leaves referenced ends the
// process with the leak code, so ctest fails the test that leaked it.
#include "gtest/gtest.h"
#include "include/cef_entry.h"
#include "tests/runtime/test_support.h"

namespace {

class StrictRuntime : public testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(rt_test::InitializeStrict()); }
  void TearDown() override { CefShutdown(); }
};

const testing::Environment* const kStrictRuntime =
    testing::AddGlobalTestEnvironment(new StrictRuntime);

}  // namespace
