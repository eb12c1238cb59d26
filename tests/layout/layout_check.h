// Compile-time checks of the C interface's layout. Sizes and offsets are
// written as on the 32-bit target; with 8-byte pointers every one doubles.
#ifndef TESTS_LAYOUT_LAYOUT_CHECK_H_
#define TESTS_LAYOUT_LAYOUT_CHECK_H_

#include <cstddef>

constexpr std::size_t kPointerScale = sizeof(void*) / 4;

#define CHECK_STRUCT_SIZE(type, size32)                        \
  static_assert(sizeof(type) == (size32) * kPointerScale,      \
                #type " has " #size32 " bytes on 32-bit")

#define CHECK_MEMBER_OFFSET(type, member, offset32)                     \
  static_assert(offsetof(type, member) == (offset32) * kPointerScale,   \
                #type "::" #member " sits at " #offset32 " on 32-bit")

#endif  // TESTS_LAYOUT_LAYOUT_CHECK_H_
