// The reference count behind every structure this runtime hands out, and a
// registry of the live ones by kind, so that shut-down can name what the
// program still holds.
#ifndef CEF_RUNTIME_COUNTED_H_
#define CEF_RUNTIME_COUNTED_H_

#include <stdio.h>

#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "include/capi/cef_base_capi.h"

namespace cefrt {

class Counted {
 public:
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;

  void AddRef() const;
  // Frees the object when the last reference goes; true in that case.
  bool Release() const;
  bool HasOneRef() const;
  const char* kind() const { return kind_; }

 protected:
  // Starts with one reference, the creator's.
  explicit Counted(const char* kind);
  virtual ~Counted();

 private:
  mutable std::atomic<int> refs_{1};
  const char* const kind_;
};

// Live objects by kind, in kind order; kinds with none left are omitted.
std::vector<std::pair<std::string, int>> LiveObjects();

// Writes one line per kind still alive to `out`; returns the total.
int ReportLiveObjects(FILE* out);

// What cef_shutdown does with the objects still alive: reports them, and
// when CEFRT_STRICT_SHUTDOWN is set ends the process with kLeakExitCode.
constexpr int kLeakExitCode = 70;
void CheckLiveObjectsAtShutdown();

// An object that is one C structure of the interface. The structure is the
// first member of an envelope that also points back at its object, so a
// structure pointer the program hands back leads to its object.
template <class Struct>
class CountedStruct : public Counted {
 public:
  // The structure carrying a new reference for the receiver.
  Struct* Share() {
    AddRef();
    return &env_.s;
  }
  // The structure without a new reference: the caller gives away its own.
  Struct* Give() { return &env_.s; }

  // The object behind one of this kind's structures; null for null.
  template <class Impl>
  static Impl* From(Struct* s) {
    return s ? static_cast<Impl*>(reinterpret_cast<Envelope*>(s)->owner)
             : nullptr;
  }

 protected:
  explicit CountedStruct(const char* kind) : Counted(kind) {
    env_.owner = this;
    cef_base_t& base = env_.s.base;
    base.size = sizeof(Struct);
    base.add_ref = &StructAddRef;
    base.release = &StructRelease;
    base.has_one_ref = &StructHasOneRef;
  }
  Struct& s() { return env_.s; }

 private:
  struct Envelope {
    Struct s;
    CountedStruct* owner;
  };
  static CountedStruct* Owner(cef_base_t* base) {
    return base ? reinterpret_cast<Envelope*>(base)->owner : nullptr;
  }
  static void CEF_CALLBACK StructAddRef(cef_base_t* base) {
    if (CountedStruct* o = Owner(base))
      o->AddRef();
  }
  static int CEF_CALLBACK StructRelease(cef_base_t* base) {
    CountedStruct* o = Owner(base);
    return o && o->Release() ? 1 : 0;
  }
  static int CEF_CALLBACK StructHasOneRef(cef_base_t* base) {
    CountedStruct* o = Owner(base);
    return o && o->HasOneRef() ? 1 : 0;
  }

  Envelope env_{};
};

// A counted pointer to one of the runtime's objects.
template <class T>
class Ref {
 public:
  Ref() = default;
  // Takes over a reference the caller already owns.
  static Ref Adopt(T* p) {
    Ref r;
    r.p_ = p;
    return r;
  }
  // Adds a reference of its own.
  explicit Ref(T* p) : p_(p) {
    if (p_)
      p_->AddRef();
  }
  Ref(const Ref& o) : Ref(o.p_) {}
  Ref(Ref&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
  Ref& operator=(Ref o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }
  ~Ref() { reset(); }
  void reset() {
    if (T* p = p_) {
      p_ = nullptr;
      p->Release();
    }
  }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

// Releases a structure the program handed over (or that the runtime got from
// the program); null and truncated headers are ignored.
void ReleaseStruct(void* structure);
void AddRefStruct(void* structure);

}  // namespace cefrt

#endif  // CEF_RUNTIME_COUNTED_H_
