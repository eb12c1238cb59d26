// The frame of the runtime's plain data objects (requests, upload data,
// responses, printer settings, drag data, process messages): their fields
// behind one lock, the read-only switch that the copies lent to a program's
// handlers carry, and the member shapes they share, so that each structure
// member is one line.
//
// A kind derives from DataObject<Struct, State> and points its structure's
// members at the shapes below (or at its own functions) in its constructor.
#ifndef CEF_RUNTIME_DATA_DATA_OBJECT_H_
#define CEF_RUNTIME_DATA_DATA_OBJECT_H_

#include <mutex>
#include <string>
#include <utility>

#include "include/capi/cef_base_capi.h"
#include "runtime/base/counted.h"
#include "runtime/base/log.h"
#include "runtime/base/text.h"
#include "runtime/data/headers.h"

namespace cefrt {

inline bool BlankText(const cef_string_t* s) {
  return !s || !s->str || s->length == 0;
}

template <class Struct, class State>
class DataObject : public CountedStruct<Struct> {
 public:
  // The object behind a structure of this kind, as the frame or as the kind
  // itself; null for null.
  template <class Impl = DataObject>
  static Impl* Of(Struct* s) {
    return CountedStruct<Struct>::template From<Impl>(s);
  }

  State Snapshot() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return state_;
  }
  template <class F>
  auto Read(F&& f) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return f(static_cast<const State&>(state_));
  }
  // Applies `f` unless the object is read-only; refused with a log line.
  template <class F>
  bool Write(F&& f) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (read_only_) {
      CEFRT_LOG(LOGSEVERITY_WARNING,
                std::string(this->kind()) + " is read-only; change ignored");
      return false;
    }
    f(state_);
    return true;
  }

  // From here on every change is refused; the runtime does this to what it
  // lends a handler.
  void Freeze() {
    std::lock_guard<std::mutex> lock(mutex_);
    read_only_ = true;
  }
  bool IsReadOnly() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return read_only_;
  }

  // One field of the structure's object; `fallback` answers for null.
  template <class T>
  static T Get(Struct* self, T State::*field, T fallback) {
    DataObject* o = Of(self);
    return o ? o->Read([field](const State& s) { return s.*field; })
             : fallback;
  }
  // A null structure, or a read-only object, keeps what it has.
  template <class T>
  static void Set(Struct* self, T State::*field, T value) {
    if (DataObject* o = Of(self))
      o->Write([&](State& s) { s.*field = std::move(value); });
  }

  // Member shapes. A null structure answers the library's default (null, 0,
  // false); a refused change leaves the object as it was.
  static int CEF_CALLBACK IsValid(Struct* self) { return Of(self) ? 1 : 0; }
  static int CEF_CALLBACK ReadOnly(Struct* self) {
    DataObject* o = Of(self);
    return o && o->IsReadOnly() ? 1 : 0;
  }

  template <typename T, T State::*Field, T Fallback>
  static T CEF_CALLBACK GetValue(Struct* self) {
    return Get(self, Field, Fallback);
  }
  template <typename T, T State::*Field>
  static void CEF_CALLBACK SetValue(Struct* self, T value) {
    Set(self, Field, value);
  }
  // A value outside [Min, Max] is refused and the field keeps its value.
  template <typename T, T State::*Field, T Min, T Max>
  static void CEF_CALLBACK SetInRange(Struct* self, T value) {
    DataObject* o = Of(self);
    if (!o)
      return;
    // Compared as wide integers: a program may pass any int for an enum.
    const long long v = static_cast<long long>(value);
    if (v < static_cast<long long>(Min) || v > static_cast<long long>(Max)) {
      CEFRT_LOG(LOGSEVERITY_WARNING,
                std::string(o->kind()) + ": value out of range; ignored");
      return;
    }
    Set(self, Field, value);
  }

  template <bool State::*Field>
  static int CEF_CALLBACK GetFlag(Struct* self) {
    return Get(self, Field, false) ? 1 : 0;
  }
  template <bool State::*Field>
  static void CEF_CALLBACK SetFlag(Struct* self, int on) {
    Set(self, Field, on != 0);
  }

  template <std::u16string State::*Field>
  static cef_string_userfree_t CEF_CALLBACK GetString(Struct* self) {
    return Of(self) ? NewUserFree(Get(self, Field, std::u16string()))
                    : nullptr;
  }
  // Two ways with an empty or null value, as the library has them: fields
  // a program may take back (printer name, drag contents) are cleared by
  // it...
  template <std::u16string State::*Field>
  static void CEF_CALLBACK SetStringOrClear(Struct* self,
                                            const cef_string_t* text) {
    if (Of(self))
      Set(self, Field, FromCef(text));
  }
  // ... while the fields of requests and responses refuse it and keep
  // their value.
  template <std::u16string State::*Field>
  static void CEF_CALLBACK SetNonEmptyString(Struct* self,
                                             const cef_string_t* text) {
    if (!BlankText(text))
      Set(self, Field, FromCef(text));
  }

  // Header lists to and from the caller's multimap, which the reader finds
  // holding only the object's headers.
  template <HeaderList State::*Field>
  static void CEF_CALLBACK GetHeaders(Struct* self, cef_string_multimap_t map) {
    if (Of(self) && map)
      WriteMultimap(Get(self, Field, HeaderList()), map);
  }
  template <HeaderList State::*Field>
  static void CEF_CALLBACK SetHeaders(Struct* self, cef_string_multimap_t map) {
    if (map)
      Set(self, Field, ReadMultimap(map));
  }

 protected:
  DataObject(const char* kind, State state)
      : CountedStruct<Struct>(kind), state_(std::move(state)) {}
  ~DataObject() override = default;

 private:
  mutable std::mutex mutex_;
  bool read_only_ = false;
  State state_;
};

}  // namespace cefrt

#endif  // CEF_RUNTIME_DATA_DATA_OBJECT_H_
