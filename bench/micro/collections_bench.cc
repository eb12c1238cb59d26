// A string map of 1,000 entries to the library's map and back, against two
// copies of the same map that never cross; both report heap allocations per
// entry.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/micro/alloc_count.h"
#include "include/cef_string_containers.h"
#include "libcef_dll/string_collections.h"

namespace {

constexpr int kEntries = 1000;

const EmbedStringMap& Source() {
  static EmbedStringMap* map = [] {
    auto* made = new EmbedStringMap();
    for (int i = 0; i < kEntries; ++i) {
      const std::string n = std::to_string(i);
      (*made)[CefString("header-" + n)] = CefString("value number " + n);
    }
    return made;
  }();
  return *map;
}

void Report(benchmark::State& state, uint64_t allocations) {
  const double entries = static_cast<double>(state.iterations()) * kEntries;
  state.SetItemsProcessed(static_cast<int64_t>(entries));
  state.counters["allocs_per_entry"] = static_cast<double>(allocations) /
                                       entries;
}

void BM_MapCopies(benchmark::State& state) {
  const EmbedStringMap& source = Source();
  uint64_t allocations = 0;
  for (auto _ : state) {
    const uint64_t before = AllocationsSoFar();
    EmbedStringMap there(source);
    EmbedStringMap back(there);
    allocations += AllocationsSoFar() - before;
    benchmark::DoNotOptimize(back.size());
  }
  Report(state, allocations);
}
BENCHMARK(BM_MapCopies)->Name("collections/map_1000/floor");

void BM_MapCrossing(benchmark::State& state) {
  const EmbedStringMap& source = Source();
  uint64_t allocations = 0;
  for (auto _ : state) {
    const uint64_t before = AllocationsSoFar();
    cef_string_map_t handle = cef_string_map_alloc();
    MapToLibrary(source, handle);
    EmbedStringMap back;
    MapFromLibrary(handle, back);
    cef_string_map_free(handle);
    allocations += AllocationsSoFar() - before;
    benchmark::DoNotOptimize(back.size());
  }
  Report(state, allocations);
}
BENCHMARK(BM_MapCrossing)->Name("collections/map_1000/measured");

}  // namespace
