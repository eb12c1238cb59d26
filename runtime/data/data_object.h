// A plain data object: its fields behind one lock, the read-only switch that
// the copies handed to a program's handlers carry, and the C members that
// read or write a single field, so that each member is one line.
#ifndef CEF_RUNTIME_DATA_DATA_OBJECT_H_
#define CEF_RUNTIME_DATA_DATA_OBJECT_H_

#include <mutex>
#include <string>
#include <utility>

#include "include/capi/cef_base_capi.h"
#include "runtime/base/counted.h"
#include "runtime/base/log.h"
#include "runtime/base/text.h"

namespace cefrt {

template <class Struct, class State>
class DataObject : public CountedStruct<Struct> {
 public:
  static DataObject* Of(Struct* s) {
    return CountedStruct<Struct>::template From<DataObject>(s);
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
  // Refused, with a log line, once the object is read-only.
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

  // C members over one field of the state.
  static int CEF_CALLBACK IsValid(Struct* self) { return Of(self) ? 1 : 0; }
  static int CEF_CALLBACK ReadOnly(Struct* self) {
    return Of(self) && Of(self)->IsReadOnly() ? 1 : 0;
  }
  template <std::u16string State::*Field>
  static cef_string_userfree_t CEF_CALLBACK GetString(Struct* self) {
    DataObject* o = Of(self);
    return o ? NewUserFree(o->Read([](const State& s) { return s.*Field; }))
             : nullptr;
  }
  // A null record clears the field.
  template <std::u16string State::*Field>
  static void CEF_CALLBACK SetString(Struct* self, const cef_string_t* text) {
    if (DataObject* o = Of(self)) {
      std::u16string value = FromCef(text);
      o->Write([&](State& s) { s.*Field = std::move(value); });
    }
  }
  template <bool State::*Field>
  static int CEF_CALLBACK GetFlag(Struct* self) {
    DataObject* o = Of(self);
    return o && o->Read([](const State& s) { return s.*Field; }) ? 1 : 0;
  }
  template <bool State::*Field>
  static void CEF_CALLBACK SetFlag(Struct* self, int on) {
    if (DataObject* o = Of(self))
      o->Write([on](State& s) { s.*Field = on != 0; });
  }
  // `Fallback` answers for a null object.
  template <typename T, T State::*Field, T Fallback>
  static T CEF_CALLBACK GetValue(Struct* self) {
    DataObject* o = Of(self);
    return o ? o->Read([](const State& s) { return s.*Field; }) : Fallback;
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
    o->Write([value](State& s) { s.*Field = value; });
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
