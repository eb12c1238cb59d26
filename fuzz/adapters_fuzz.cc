// Calls through the bridge's proxies and adapters as the input plans them,
// over the walk tests' own tables: which table, which member, the
// structure's declared size and absent members (proxies), what the library
// answers, and which arguments are null. The walks check, around every
// call, that nothing stays referenced; a failed check stops the run.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "tests/support/member_walk.h"

namespace {

// Prints only what failed; a passing call is silent.
class FailurePrinter : public ::testing::EmptyTestEventListener {
  void OnTestPartResult(const ::testing::TestPartResult& result) override {
    if (result.failed())
      std::fprintf(stderr, "%s:%d: %s\n",
                   result.file_name() ? result.file_name() : "?",
                   result.line_number(), result.summary());
  }
};

walk::FuzzPlan& Plan() {
  static walk::FuzzPlan plan;
  return plan;
}

// Runs the tests that `filter` selects under the plan in force.
bool RunTests(const std::string& filter) {
  GTEST_FLAG_SET(filter, filter);
  return RUN_ALL_TESTS() == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  int argc = 1;
  char name[] = "adapters_fuzz";
  char* argv[] = {name, nullptr};
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::TestEventListeners& listeners =
      ::testing::UnitTest::GetInstance()->listeners();
  delete listeners.Release(listeners.default_result_printer());
  listeners.Append(new FailurePrinter);
  walk::FuzzPlan& plan = Plan();
  plan.census = true;
  walk::ActivePlan() = &plan;
  // The census runs every walk test once; what is not a walk runs as it is.
  RunTests("*");
  plan.census = false;
  if (plan.walks.empty()) {
    std::fprintf(stderr, "adapters_fuzz: no walks found\n");
    std::abort();
  }
  std::fprintf(stderr, "adapters_fuzz: %zu tables\n", plan.walks.size());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  walk::FuzzPlan& plan = Plan();
  const walk::FuzzPlan::Walk& chosen =
      plan.walks[input.ConsumeIntegral<uint16_t>() % plan.walks.size()];
  plan.walk = chosen.ordinal;
  plan.walks_seen = 0;
  plan.row = input.ConsumeIntegralInRange<size_t>(0, chosen.rows - 1);
  plan.size = input.ConsumeIntegral<uint16_t>();
  plan.absent = input.ConsumeBool() ? input.ConsumeIntegral<uint64_t>() : 0;
  plan.refused = input.ConsumeIntegralInRange<size_t>(0, 7);
  // The same answer serves every result type, enumerations included, and
  // only their own values are the library's to give: 0 or 1 is valid in all.
  plan.answer = input.ConsumeBool() ? 1 : 0;
  plan.null_answer = input.ConsumeBool();
  plan.null_self = input.ConsumeIntegralInRange<int>(0, 7) == 0;
  plan.blank = input.ConsumeIntegral<uint64_t>();
  if (!RunTests(chosen.test)) {
    std::fprintf(stderr, "adapters_fuzz: %s, walk %zu, row %zu failed\n",
                 chosen.test.c_str(), plan.walk, plan.row);
    std::abort();
  }
  return 0;
}
