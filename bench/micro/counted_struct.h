// A library-side structure whose members do trivial work, so that what a
// benchmark measures is the bridge's own cost. References are counted but the
// object is never freed: it lives as long as the benchmark binary.
#ifndef BENCH_MICRO_COUNTED_STRUCT_H_
#define BENCH_MICRO_COUNTED_STRUCT_H_

#include <atomic>
#include <cstddef>

#include "include/capi/cef_base_capi.h"

template <class S>
struct CountedStruct {
  S structure{};
  std::atomic<int> refs{1};

  CountedStruct() {
    cef_base_t* base = reinterpret_cast<cef_base_t*>(&structure);
    base->size = sizeof(S);
    base->add_ref = &AddRef;
    base->release = &Release;
    base->has_one_ref = &HasOneRef;
  }

  static CountedStruct* Of(cef_base_t* base) {
    return reinterpret_cast<CountedStruct*>(reinterpret_cast<char*>(base) -
                                            offsetof(CountedStruct, structure));
  }
  static void AddRef(cef_base_t* base) {
    Of(base)->refs.fetch_add(1, std::memory_order_relaxed);
  }
  static int Release(cef_base_t* base) {
    return Of(base)->refs.fetch_sub(1, std::memory_order_acq_rel) == 1;
  }
  static int HasOneRef(cef_base_t* base) {
    return Of(base)->refs.load(std::memory_order_acquire) == 1;
  }
};

#endif  // BENCH_MICRO_COUNTED_STRUCT_H_
