// Reads what the program writes to its debug channel. Elsewhere that channel
// is the error stream; on Windows it is the debugger's, which a test does not
// see, so expectations on its text hold only where it is readable.
#ifndef TESTS_SUPPORT_DEBUG_CHANNEL_H_
#define TESTS_SUPPORT_DEBUG_CHANNEL_H_

#include <gtest/gtest.h>

#include <string>

namespace test_support {

#if defined(_WIN32)
constexpr bool kDebugChannelReadable = false;
#else
constexpr bool kDebugChannelReadable = true;
#endif

class DebugChannel {
 public:
  DebugChannel() {
    if (kDebugChannelReadable) testing::internal::CaptureStderr();
  }
  ~DebugChannel() { Text(); }

  // Everything written since construction; the capture then ends.
  std::string Text() {
    if (kDebugChannelReadable && !done_) {
      done_ = true;
      text_ = testing::internal::GetCapturedStderr();
    }
    return text_;
  }

 private:
  bool done_ = false;
  std::string text_;
};

}  // namespace test_support

#endif  // TESTS_SUPPORT_DEBUG_CHANNEL_H_
