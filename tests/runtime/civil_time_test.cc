// The time record from milliseconds since 1970 and back: leap days, the
// century rules, before 1970 and the day of the week.
#include "runtime/base/civil_time.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  int64_t ms;
  int year, month, day, day_of_week, hour, minute, second, millisecond;
};

const Case kCases[] = {
    {0, 1970, 1, 1, 4, 0, 0, 0, 0},
    {-1, 1969, 12, 31, 3, 23, 59, 59, 999},
    {951782400000, 2000, 2, 29, 2, 0, 0, 0, 0},       // 400-year leap day
    {4107542400000, 2100, 3, 1, 1, 0, 0, 0, 0},       // 2100 has no 29 Feb
    {-2208988800000, 1900, 1, 1, 1, 0, 0, 0, 0},
    {1796904000123, 2026, 12, 10, 4, 12, 0, 0, 123},
};

TEST(CivilTime, ConvertsBothWays) {
  for (const Case& c : kCases) {
    const cef_time_t t = cefrt::TimeFromUnixMs(c.ms);
    EXPECT_EQ(t.year, c.year) << c.ms;
    EXPECT_EQ(t.month, c.month) << c.ms;
    EXPECT_EQ(t.day_of_month, c.day) << c.ms;
    EXPECT_EQ(t.day_of_week, c.day_of_week) << c.ms;
    EXPECT_EQ(t.hour, c.hour) << c.ms;
    EXPECT_EQ(t.minute, c.minute) << c.ms;
    EXPECT_EQ(t.second, c.second) << c.ms;
    EXPECT_EQ(t.millisecond, c.millisecond) << c.ms;
    EXPECT_EQ(cefrt::UnixMsFromTime(t), static_cast<double>(c.ms));
  }
}

TEST(CivilTime, RefusesAnImpossibleDate) {
  cef_time_t t = {};
  EXPECT_EQ(cefrt::UnixMsFromTime(t), 0);  // month 0
  t.month = 13;
  t.day_of_month = 1;
  EXPECT_EQ(cefrt::UnixMsFromTime(t), 0);
}

}  // namespace
