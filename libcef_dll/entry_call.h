// The free-function form of a forwarded member: the same argument markers,
// checks and conversions as the proxies', for the library's exported
// functions.
#ifndef CEF_LIBCEF_DLL_ENTRY_CALL_H_
#define CEF_LIBCEF_DLL_ENTRY_CALL_H_

#include <type_traits>
#include <utility>

#include "libcef_dll/conversions.h"

template <class Default, class R, class... P, class... Args>
auto CallLibraryOr(Default fallback, R (*function)(P...), Args&&... args) {
  typedef typename LibraryResult<R>::type Natural;
  if (!(Admits(args) && ...)) return Natural(fallback);
  return LibraryResult<R>::Convert(
      function(LibraryArg<Args>(Unmarked(args)).get()...));
}

// Returns the result in its natural program form, or that form's zero when
// a required argument is missing.
template <class R, class... P, class... Args>
auto CallLibrary(R (*function)(P...), Args&&... args) {
  if constexpr (std::is_void_v<R>) {
    if (!(Admits(args) && ...)) return;
    function(LibraryArg<Args>(Unmarked(args)).get()...);
  } else {
    typedef typename LibraryResult<R>::type Natural;
    return CallLibraryOr(Natural(), function, std::forward<Args>(args)...);
  }
}

#endif  // CEF_LIBCEF_DLL_ENTRY_CALL_H_
