// Moving strings between the program's standard containers and the library's
// list, map and multimap handles. The transfers never create or free a handle;
// the scoped handles below do, for one call.
#ifndef CEF_LIBCEF_DLL_STRING_COLLECTIONS_H_
#define CEF_LIBCEF_DLL_STRING_COLLECTIONS_H_

#include "include/capi/cef_string_capi.h"
#include "include/cef_string_containers.h"

void ListToLibrary(const EmbedStringVector& source, cef_string_list_t target);
// Appends; emptying the vector first is the caller's step.
void ListFromLibrary(cef_string_list_t source, EmbedStringVector& target);
void MapToLibrary(const EmbedStringMap& source, cef_string_map_t target);
// The first of several equal keys wins.
void MapFromLibrary(cef_string_map_t source, EmbedStringMap& target);
void MultimapToLibrary(const EmbedStringMultimap& source,
                       cef_string_multimap_t target);
void MultimapFromLibrary(cef_string_multimap_t source,
                         EmbedStringMultimap& target);

// A library handle filled from a program container for one call. In/out use
// refills the container from the handle afterwards, unless the handle could
// not be allocated, in which case the container keeps its content.
template <class Container, class Handle, Handle (*Alloc)(),
          void (*Free)(Handle), void (*ToLibrary)(const Container&, Handle),
          void (*FromLibrary)(Handle, Container&)>
class ScopedCollection {
 public:
  explicit ScopedCollection(const Container& source) : handle_(Alloc()) {
    if (handle_) ToLibrary(source, handle_);
  }
  ScopedCollection(const ScopedCollection&) = delete;
  ScopedCollection& operator=(const ScopedCollection&) = delete;
  ~ScopedCollection() {
    if (handle_) Free(handle_);
  }

  Handle get() const { return handle_; }

  void CopyBackInto(Container& target) const {
    if (!handle_) return;
    target.clear();
    FromLibrary(handle_, target);
  }

 private:
  Handle handle_;
};

typedef ScopedCollection<EmbedStringVector, cef_string_list_t,
                         cef_string_list_alloc, cef_string_list_free,
                         ListToLibrary, ListFromLibrary>
    ScopedStringList;
typedef ScopedCollection<EmbedStringMap, cef_string_map_t, cef_string_map_alloc,
                         cef_string_map_free, MapToLibrary, MapFromLibrary>
    ScopedStringMap;
typedef ScopedCollection<EmbedStringMultimap, cef_string_multimap_t,
                         cef_string_multimap_alloc, cef_string_multimap_free,
                         MultimapToLibrary, MultimapFromLibrary>
    ScopedStringMultimap;

#endif  // CEF_LIBCEF_DLL_STRING_COLLECTIONS_H_
