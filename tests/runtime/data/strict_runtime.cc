// Every test of this program runs between cef_initialize and cef_shutdown
// with the strict report on: an object the test leaves referenced ends the
// process with the leak code, so ctest fails the test that leaked it.
#include <stdlib.h>

#include "gtest/gtest.h"
#include "include/cef_entry.h"
#include "include/capi/cef_app_capi.h"

namespace {

class StrictRuntime : public testing::Environment {
 public:
  void SetUp() override {
#if defined(_WIN32)
    _putenv_s("CEFRT_STRICT_SHUTDOWN", "1");
#else
    setenv("CEFRT_STRICT_SHUTDOWN", "1", 1);
#endif
    cef_settings_t settings = {};
    settings.size = sizeof(settings);
    settings.no_sandbox = 1;
    ASSERT_EQ(1, cef_initialize(nullptr, &settings, nullptr, nullptr));
  }
  void TearDown() override { CefShutdown(); }
};

const testing::Environment* const kStrictRuntime =
    testing::AddGlobalTestEnvironment(new StrictRuntime);

}  // namespace
