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

}  // namespace walk
