// UTF-8 to UTF-16 and back, through the runtime's functions and through
// CefString, against memcpy of the same UTF-8 bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "include/capi/cef_string_capi.h"
#include "include/cef_string.h"

namespace {

// `bytes` of UTF-8 text made of whole characters of `unit`.
std::string Text(const std::string& unit, size_t bytes) {
  std::string text;
  text.reserve(bytes);
  while (text.size() + unit.size() <= bytes) text += unit;
  return text;
}

const std::string& Sample(bool chinese, size_t bytes) {
  static std::string cache[2][3];
  const int slot = bytes == 64 ? 0 : bytes == 4096 ? 1 : 2;
  std::string& text = cache[chinese][slot];
  if (text.empty()) text = Text(chinese ? "登录帐号" : "Sign in ", bytes);
  return text;
}

void SetBytes(benchmark::State& state, size_t bytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(bytes));
}

void BM_Memcpy(benchmark::State& state, bool chinese, size_t size) {
  const std::string& text = Sample(chinese, size);
  std::vector<char> target(text.size());
  for (auto _ : state) {
    std::memcpy(target.data(), text.data(), text.size());
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  SetBytes(state, text.size());
}

void BM_Utf8ToUtf16(benchmark::State& state, bool chinese, size_t size) {
  const std::string& text = Sample(chinese, size);
  cef_string_utf16_t out = {};
  for (auto _ : state) {
    cef_string_utf8_to_utf16(text.data(), text.size(), &out);
    benchmark::DoNotOptimize(out.str);
  }
  cef_string_utf16_clear(&out);
  SetBytes(state, text.size());
}

void BM_Utf16ToUtf8(benchmark::State& state, bool chinese, size_t size) {
  const std::string& text = Sample(chinese, size);
  cef_string_utf16_t units = {};
  cef_string_utf8_to_utf16(text.data(), text.size(), &units);
  cef_string_utf8_t out = {};
  for (auto _ : state) {
    cef_string_utf16_to_utf8(units.str, units.length, &out);
    benchmark::DoNotOptimize(out.str);
  }
  cef_string_utf8_clear(&out);
  cef_string_utf16_clear(&units);
  SetBytes(state, text.size());
}

void BM_CefStringRoundTrip(benchmark::State& state, bool chinese,
                           size_t size) {
  const std::string& text = Sample(chinese, size);
  for (auto _ : state) {
    CefString converted(text);
    std::string back = converted.ToUtf8();
    benchmark::DoNotOptimize(back.data());
  }
  SetBytes(state, text.size());
}

void Register() {
  typedef void (*Body)(benchmark::State&, bool, size_t);
  const struct {
    const char* name;
    Body body;
  } kinds[] = {{"floor", BM_Memcpy},
               {"utf8_to_utf16", BM_Utf8ToUtf16},
               {"utf16_to_utf8", BM_Utf16ToUtf8},
               {"cefstring_round_trip", BM_CefStringRoundTrip}};
  for (bool chinese : {false, true}) {
    for (size_t size : {size_t{64}, size_t{4096}, size_t{1} << 20}) {
      for (const auto& kind : kinds) {
        const std::string name = std::string("strings/") +
                                 (chinese ? "chinese" : "ascii") + "/" +
                                 std::to_string(size) + "/" + kind.name;
        benchmark::RegisterBenchmark(name.c_str(), kind.body, chinese, size);
      }
    }
  }
}

const bool registered = (Register(), true);

}  // namespace
