// The checks as a release build has them, whatever the build.
#define CEF_DCHECK_IS_ON 0

#include <gtest/gtest.h>

#include "include/cef_logging.h"
#include "tests/fake/fake_library.h"

namespace {

class ReleaseChecksTest : public fake::LibraryTest {
 protected:
  int Touch(int value) {
    ++touched_;
    return value;
  }
  int touched_ = 0;
};

TEST_F(ReleaseChecksTest, EvaluateNothingAndLogNothing) {
  CEF_DCHECK(Touch(1) == 2) << Touch(0);
  CEF_DCHECK_EQ(Touch(1), Touch(2)) << Touch(0);
  CEF_DCHECK_NE(Touch(1), Touch(1));
  CEF_DCHECK_LT(Touch(2), Touch(1));
  CEF_DCHECK_LE(Touch(2), Touch(1));
  CEF_DCHECK_GT(Touch(1), Touch(2));
  CEF_DCHECK_GE(Touch(1), Touch(2));
  CEF_DLOG(2) << Touch(0);
  CEF_DPLOG(2) << Touch(0);
  EXPECT_EQ(touched_, 0);
  EXPECT_TRUE(fake::State().log.empty());
}

TEST_F(ReleaseChecksTest, AnElseAfterACheckBelongsToTheCallersIf) {
  bool else_ran = false;
  const bool never = false;
  if (never)
    CEF_DCHECK(never);
  else
    else_ran = true;
  EXPECT_TRUE(else_ran);
}

}  // namespace
