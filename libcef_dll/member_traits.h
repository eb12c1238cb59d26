// What the frames need to know about a structure member and an interface
// method: the C function's result and parameters, the method's, and whether
// the library filled the member in.
#ifndef CEF_LIBCEF_DLL_MEMBER_TRAITS_H_
#define CEF_LIBCEF_DLL_MEMBER_TRAITS_H_

#include <cstddef>
#include <cstdint>
#include <tuple>

#include "include/capi/cef_base_capi.h"

// True when the pointer-sized member at `field` lies inside the `size` that
// the library gave the structure starting at `base`. A structure built
// against an older interface is shorter. Inline: every proxied call asks.
inline bool CoversMember(const cef_base_t* base, const void* field) {
  const size_t offset = static_cast<size_t>(reinterpret_cast<uintptr_t>(field) -
                                            reinterpret_cast<uintptr_t>(base));
  return base->size >= offset + sizeof(void*);
}

// Every structure starts with its cef_base_t, the bare base included.
template <class Struct>
cef_base_t* BaseOf(Struct* structure) {
  return reinterpret_cast<cef_base_t*>(structure);
}

// Gives one reference on a structure back to its side; a structure without
// a release function is not counted.
template <class Struct>
void ReleaseStructure(Struct* structure) {
  cef_base_t* base = BaseOf(structure);
  if (base->release) base->release(base);
}

template <class Fn>
struct FunctionTraits;
template <class R, class Self, class... Args>
struct FunctionTraits<R(CEF_CALLBACK*)(Self*, Args...)> {
  typedef R Result;
  typedef Self Struct;
  typedef std::tuple<Args...> Arguments;
};

template <class M>
struct MethodTraits;
template <class R, class Interface, class... Args>
struct MethodTraits<R (Interface::*)(Args...)> {
  typedef R Result;
  typedef std::tuple<Args...> Arguments;
};

#endif  // CEF_LIBCEF_DLL_MEMBER_TRAITS_H_
