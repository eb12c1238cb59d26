// The frame of the runtime's plain data objects (requests, responses, upload
// data): fields behind a lock, a read-only switch, and the member shapes
// they share, so that each structure member is one line.
#ifndef CEF_RUNTIME_DATA_RECORD_H_
#define CEF_RUNTIME_DATA_RECORD_H_

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "include/capi/cef_string_capi.h"
#include "runtime/base/counted.h"
#include "runtime/base/text.h"

namespace cefrt {

// Header name and value pairs, in order; a name may repeat.
using HeaderList = std::vector<std::pair<std::u16string, std::u16string>>;

// HTTP header names compare without regard to ASCII case.
bool SameHeaderName(const std::u16string& a, const std::u16string& b);
// The first value of the named header; empty when there is none.
std::u16string FindHeader(const HeaderList& headers,
                          const std::u16string& name);
HeaderList ReadMultimap(cef_string_multimap_t map);
// Replaces the map's content.
void WriteMultimap(const HeaderList& headers, cef_string_multimap_t map);

inline bool BlankText(const cef_string_t* s) {
  return !s || !s->str || s->length == 0;
}

// Fills the structure's members for the record of that kind; one
// specialization per kind, next to its fields.
template <class Struct>
void FillMembers(Struct& s);

template <class Fields, class Struct>
class Record : public CountedStruct<Struct> {
 public:
  explicit Record(const char* kind) : CountedStruct<Struct>(kind) {
    FillMembers<Struct>(this->s());
  }
  static Record* Of(Struct* s) {
    return CountedStruct<Struct>::template From<Record>(s);
  }

  template <class F>
  auto Read(F f) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return f(fields_);
  }
  // Applies `f` unless the record is read-only; false when refused.
  template <class F>
  bool Write(F f) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (read_only_)
      return false;
    f(fields_);
    return true;
  }
  bool read_only() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return read_only_;
  }
  void Freeze() {
    std::lock_guard<std::mutex> lock(mutex_);
    read_only_ = true;
  }

 private:
  ~Record() override = default;

  mutable std::mutex mutex_;
  bool read_only_ = false;
  Fields fields_;
};

// Member shapes. A null structure answers the library's default; a refused
// change leaves the record as it was.
namespace member {

template <class Fields, class Struct>
Record<Fields, Struct>* Of(Struct* s) {
  return Record<Fields, Struct>::Of(s);
}

template <class Fields, class Struct, class T>
T Get(Struct* s, T Fields::*field, T fallback) {
  auto* r = Of<Fields>(s);
  return r ? r->Read([&](const Fields& f) { return f.*field; }) : fallback;
}

template <class Fields, class Struct, class T>
void Set(Struct* s, T Fields::*field, T value) {
  if (auto* r = Of<Fields>(s))
    r->Write([&](Fields& f) { f.*field = std::move(value); });
}

template <class Fields, class Struct>
cef_string_userfree_t GetText(Struct* s, std::u16string Fields::*field) {
  auto* r = Of<Fields>(s);
  return r ? NewUserFree(r->Read([&](const Fields& f) { return f.*field; }))
           : nullptr;
}

// An empty value is refused, as the library refuses it.
template <class Fields, class Struct>
void SetText(Struct* s, std::u16string Fields::*field,
             const cef_string_t* value) {
  if (!BlankText(value))
    Set(s, field, FromCef(value));
}

template <class Fields, class Struct>
void GetHeaders(Struct* s, HeaderList Fields::*field,
                cef_string_multimap_t map) {
  if (auto* r = Of<Fields>(s); r && map)
    WriteMultimap(r->Read([&](const Fields& f) { return f.*field; }), map);
}

template <class Fields, class Struct>
void SetHeaders(Struct* s, HeaderList Fields::*field,
                cef_string_multimap_t map) {
  if (map)
    Set(s, field, ReadMultimap(map));
}

template <class Fields, class Struct>
int ReadOnly(Struct* s) {
  auto* r = Of<Fields>(s);
  return r && r->read_only() ? 1 : 0;
}

}  // namespace member

}  // namespace cefrt

#endif  // CEF_RUNTIME_DATA_RECORD_H_
