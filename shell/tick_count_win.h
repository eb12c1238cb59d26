// GetTickCount64 for systems without it (Windows XP).
#ifndef SHELL_TICK_COUNT_WIN_H_
#define SHELL_TICK_COUNT_WIN_H_

#include <atomic>
#include <cstdint>

namespace shell {

// Milliseconds since the system started, 64 bits wide, from a 32-bit count
// that wraps every 49.7 days: `state` holds the wraps seen and the last
// count read. A wrap is seen if the count is read at least once per wrap.
uint64_t WidenTickCount(std::atomic<uint64_t>* state,
                        uint32_t (*read_count)());

}  // namespace shell

#endif  // SHELL_TICK_COUNT_WIN_H_
