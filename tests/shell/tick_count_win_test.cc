// The 64-bit tick count that stands in for GetTickCount64 on XP.
#include "shell/tick_count_win.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<uint32_t> g_counts;
size_t g_next = 0;

uint32_t ScriptedCount() { return g_counts.at(g_next++); }

TEST(TickCount, WidensTheCountAcrossItsWraps) {
  struct Case {
    const char* what;
    std::vector<uint32_t> counts;
    std::vector<uint64_t> expected;
  };
  const Case cases[] = {
      {"rising", {5, 6, 1000}, {5, 6, 1000}},
      {"one wrap", {0xfffffff0u, 3}, {0xfffffff0u, 0x100000003ull}},
      {"two wraps",
       {0xffffff00u, 7, 0x80000000u, 1},
       {0xffffff00u, 0x100000007ull, 0x180000000ull, 0x200000001ull}},
      {"the same count twice", {42, 42}, {42, 42}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g_counts = c.counts;
    g_next = 0;
    std::atomic<uint64_t> state{0};
    for (uint64_t expected : c.expected)
      EXPECT_EQ(shell::WidenTickCount(&state, &ScriptedCount), expected);
  }
}

}  // namespace
