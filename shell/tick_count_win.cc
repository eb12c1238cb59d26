// The thread library that the program and libcef.dll link in statically
// asks kernel32 for GetTickCount64, which Windows has only from Vista on:
// imported by either, it would keep the program from loading on XP, the
// oldest system its header names. Each defines the import slot with this
// file instead, so the linker takes it from here rather than from kernel32:
// Vista's function where the system has it, otherwise the 32-bit count
// widened by counting its wraps.
#include "shell/tick_count_win.h"

#include <windows.h>

namespace shell {

uint64_t WidenTickCount(std::atomic<uint64_t>* state,
                        uint32_t (*read_count)()) {
  uint64_t seen = state->load();
  for (;;) {
    const uint32_t now = read_count();
    uint64_t wraps = seen >> 32;
    if (now < static_cast<uint32_t>(seen))
      ++wraps;
    const uint64_t next = (wraps << 32) | now;
    // A caller that read the count earlier than this one cannot move it
    // back: its exchange fails and it reads again.
    if (state->compare_exchange_weak(seen, next))
      return next;
  }
}

}  // namespace shell

namespace {

std::atomic<uint64_t> g_widened{0};

uint32_t ReadTickCount() { return GetTickCount(); }

ULONGLONG WINAPI WidenedTickCount() {
  return shell::WidenTickCount(&g_widened, &ReadTickCount);
}

ULONGLONG WINAPI FirstTickCount64();

}  // namespace

// The slot that calls through `__imp__GetTickCount64@0` read; it starts at
// the resolver, which replaces itself on the first call.
extern "C" ULONGLONG(WINAPI* pellavine_tick_count64)(void) __asm__(
    "__imp__GetTickCount64@0");
ULONGLONG(WINAPI* pellavine_tick_count64)(void) = &FirstTickCount64;

namespace {

ULONGLONG WINAPI FirstTickCount64() {
  typedef ULONGLONG(WINAPI * TickCount64)(void);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  TickCount64 system = kernel ? reinterpret_cast<TickCount64>(
                                    reinterpret_cast<void*>(GetProcAddress(
                                        kernel, "GetTickCount64")))
                              : nullptr;
  // Every caller stores the same value: a race here is harmless.
  pellavine_tick_count64 = system ? system : &WidenedTickCount;
  return pellavine_tick_count64();
}

}  // namespace
