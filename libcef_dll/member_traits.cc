#include "libcef_dll/member_traits.h"

#include <cstdint>

bool CoversMember(const cef_base_t* base, const void* field) {
  const size_t offset = static_cast<size_t>(reinterpret_cast<uintptr_t>(field) -
                                            reinterpret_cast<uintptr_t>(base));
  return base->size >= offset + sizeof(void*);
}
