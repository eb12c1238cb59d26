// Heap allocations made by this process so far (malloc, calloc, realloc and
// everything built on them, operator new included), in every module.
#ifndef BENCH_MICRO_ALLOC_COUNT_H_
#define BENCH_MICRO_ALLOC_COUNT_H_

#include <cstdint>

uint64_t AllocationsSoFar();

#endif  // BENCH_MICRO_ALLOC_COUNT_H_
