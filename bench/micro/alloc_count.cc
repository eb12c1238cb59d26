// Interposes the C allocator for the whole process: the runtime allocates
// with malloc and with operator new, and libstdc++'s operator new calls
// malloc, so counting here sees both.
#include "bench/micro/alloc_count.h"

#include <atomic>
#include <cstddef>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void __libc_free(void* pointer);
}

namespace {
std::atomic<uint64_t> allocations{0};
}

uint64_t AllocationsSoFar() {
  return allocations.load(std::memory_order_relaxed);
}

extern "C" {

void* malloc(size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_realloc(pointer, size);
}

void free(void* pointer) { __libc_free(pointer); }

}  // extern "C"
