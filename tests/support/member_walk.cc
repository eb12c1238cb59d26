#include "tests/support/member_walk.h"

namespace walk {

std::vector<Reach>& Reaches() {
  static std::vector<Reach> reaches;
  return reaches;
}

long long& AnswerValue() {
  static long long value = 1;
  return value;
}

bool& AnswerNull() {
  static bool null = false;
  return null;
}

FuzzPlan*& ActivePlan() {
  static FuzzPlan* plan = nullptr;
  return plan;
}

bool PlanTakesWalk(size_t rows) {
  FuzzPlan& plan = *ActivePlan();
  const size_t ordinal = plan.walks_seen++;
  if (plan.census) {
    const ::testing::TestInfo* test =
        ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name =
        std::string(test->test_suite_name()) + "." + test->name();
    size_t earlier = 0;
    for (const FuzzPlan::Walk& walk : plan.walks) earlier += walk.test == name;
    plan.walks.push_back(FuzzPlan::Walk{name, earlier, rows});
    return false;
  }
  return ordinal == plan.walk && rows > 0;
}

}  // namespace walk
