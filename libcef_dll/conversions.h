// One converter per kind of value, in both directions. A proxy turns the
// program's arguments into the library's with LibraryArg and the library's
// result back with LibraryResult; an adapter turns the library's arguments
// into the program's with ProgramArg and the program's result back with
// ProgramResult. A converter lives for one call: what it allocated is freed,
// and what the other side wrote is copied back, when it is destroyed.
#ifndef CEF_LIBCEF_DLL_CONVERSIONS_H_
#define CEF_LIBCEF_DLL_CONVERSIONS_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "include/cef_base.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"
#include "libcef_dll/bridge.h"
#include "libcef_dll/member_traits.h"
#include "libcef_dll/string_collections.h"

// ---------------------------------------------------------------------------
// Argument markers for forwarded members. An unmarked argument is an input.

// Missing (an empty string, a null pointer) makes the member a no-op.
template <class T>
struct RequiredArg {
  T& value;
};
template <class T>
RequiredArg<T> Required(T& value) {
  return RequiredArg<T>{value};
}

// Written by the library: the value goes in and whatever the library leaves
// comes back.
template <class T>
struct InOutArg {
  T& value;
};
template <class T>
InOutArg<T> InOut(T& value) {
  return InOutArg<T>{value};
}

// An index that the library must not see when it is negative.
struct IndexArg {
  int value;
};
inline IndexArg Index(int value) { return IndexArg{value}; }

// A vector of library objects passed as a count and an array of structures.
template <class T>
struct CountArg {
  const std::vector<CefRefPtr<T>>& value;
};
template <class T>
CountArg<T> CountOf(const std::vector<CefRefPtr<T>>& value) {
  return CountArg<T>{value};
}
template <class T>
struct ElementsArg {
  const std::vector<CefRefPtr<T>>& value;
};
template <class T>
ElementsArg<T> ElementsOf(const std::vector<CefRefPtr<T>>& value) {
  return ElementsArg<T>{value};
}

// ---------------------------------------------------------------------------
// Presence of a value, for required arguments on both sides.

inline bool IsPresent(const CefString& text) { return !text.IsEmpty(); }
template <class T>
bool IsPresent(const CefRefPtr<T>& object) {
  return object.get() != nullptr;
}
template <class T>
bool IsPresent(T* pointer) {
  return pointer != nullptr;
}

template <class T>
bool Admits(const T&) {
  return true;
}
template <class T>
bool Admits(const RequiredArg<T>& argument) {
  return IsPresent(argument.value);
}
inline bool Admits(const IndexArg& argument) { return argument.value >= 0; }

// ---------------------------------------------------------------------------
// Kinds of program-side values.

template <class T, class = void>
struct IsRecordHolder : std::false_type {};
template <class T>
struct IsRecordHolder<T, std::void_t<typename T::record_type>>
    : std::true_type {};

template <class T>
struct IsCountedPointer : std::false_type {};
template <class T>
struct IsCountedPointer<CefRefPtr<T>> : std::true_type {};

template <class T>
struct IsStringCollection
    : std::bool_constant<std::is_same_v<T, EmbedStringVector> ||
                         std::is_same_v<T, EmbedStringMap> ||
                         std::is_same_v<T, EmbedStringMultimap>> {};

template <class T>
struct ScopedHandleFor;
template <>
struct ScopedHandleFor<EmbedStringVector> {
  typedef ScopedStringList type;
};
template <>
struct ScopedHandleFor<EmbedStringMap> {
  typedef ScopedStringMap type;
};
template <>
struct ScopedHandleFor<EmbedStringMultimap> {
  typedef ScopedStringMultimap type;
};

// Values that cross unchanged: numbers, enumerations, handles, raw pointers.
template <class T>
struct IsPlain
    : std::bool_constant<(std::is_arithmetic_v<T> || std::is_enum_v<T> ||
                          std::is_pointer_v<T>)&&!std::is_same_v<T, bool>> {};

template <class S, class = void>
struct HasInterface : std::false_type {};
template <class S>
struct HasInterface<S, std::void_t<typename InterfaceOf<S>::type>>
    : std::true_type {};

// ---------------------------------------------------------------------------
// Program to library: the arguments of forwarded members.

template <class T, class = void>
struct LibraryIn;

template <class T>
struct LibraryIn<T, std::enable_if_t<IsPlain<T>::value>> {
  explicit LibraryIn(T value) : value_(value) {}
  T get() const { return value_; }
  T value_;
};

template <>
struct LibraryIn<bool> {
  explicit LibraryIn(bool value) : value_(value ? 1 : 0) {}
  int get() const { return value_; }
  int value_;
};

template <>
struct LibraryIn<CefString> {
  explicit LibraryIn(const CefString& text) : record_(text.Record()) {}
  const cef_string_t* get() const { return record_; }
  const cef_string_t* record_;
};

template <class T>
struct LibraryIn<T, std::enable_if_t<IsStringCollection<T>::value>> {
  explicit LibraryIn(const T& source) : handle_(source) {}
  auto get() const { return handle_.get(); }
  typename ScopedHandleFor<T>::type handle_;
};

template <class I>
struct LibraryIn<CefRefPtr<I>> {
  explicit LibraryIn(const CefRefPtr<I>& object)
      : structure_(Bridge<I>::ToLibrary(object)) {}
  typename Bridge<I>::Struct* get() const { return structure_; }
  typename Bridge<I>::Struct* structure_;
};

// The library reads an input record in place. Some members declare it
// without const; they do not write it.
template <class T>
struct LibraryIn<T, std::enable_if_t<IsRecordHolder<T>::value>> {
  explicit LibraryIn(const T& holder)
      : record_(const_cast<typename T::record_type*>(&holder.Get())) {}
  typename T::record_type* get() const { return record_; }
  typename T::record_type* record_;
};

template <class T, class = void>
struct LibraryInOut;

template <>
struct LibraryInOut<bool> {
  explicit LibraryInOut(bool& value) : target_(value), local_(value ? 1 : 0) {}
  LibraryInOut(const LibraryInOut&) = delete;
  ~LibraryInOut() { target_ = local_ != 0; }
  int* get() { return &local_; }
  bool& target_;
  int local_;
};

template <class T>
struct LibraryInOut<T, std::enable_if_t<IsPlain<T>::value>> {
  explicit LibraryInOut(T& value) : target_(value) {}
  T* get() const { return &target_; }
  T& target_;
};

template <>
struct LibraryInOut<CefString> {
  explicit LibraryInOut(CefString& text) : record_(text.WritableRecord()) {}
  cef_string_t* get() const { return record_; }
  cef_string_t* record_;
};

template <class T>
struct LibraryInOut<T, std::enable_if_t<IsStringCollection<T>::value>> {
  explicit LibraryInOut(T& container)
      : target_(container), handle_(container) {}
  LibraryInOut(const LibraryInOut&) = delete;
  ~LibraryInOut() { handle_.CopyBackInto(target_); }
  auto get() const { return handle_.get(); }
  T& target_;
  typename ScopedHandleFor<T>::type handle_;
};

template <class T>
struct LibraryInOut<T, std::enable_if_t<IsRecordHolder<T>::value>> {
  explicit LibraryInOut(T& holder) : record_(&holder.Get()) {}
  typename T::record_type* get() const { return record_; }
  typename T::record_type* record_;
};

// A counted pointer that the library may replace. The structure that goes in
// carries a reference that the library takes over; only a different structure
// coming back carries one for the program. The same structure coming back
// leaves the pointer, and the proxy's own reference, as they were.
template <class I>
struct LibraryInOut<CefRefPtr<I>> {
  typedef typename Bridge<I>::Struct Struct;
  explicit LibraryInOut(CefRefPtr<I>& object)
      : target_(object),
        local_(object ? Bridge<I>::ToLibrary(object) : nullptr),
        passed_(local_) {}
  LibraryInOut(const LibraryInOut&) = delete;
  ~LibraryInOut() {
    if (!local_)
      target_ = nullptr;
    else if (local_ != passed_)
      target_ = Bridge<I>::FromLibrary(local_);
  }
  Struct** get() { return &local_; }
  CefRefPtr<I>& target_;
  Struct* local_;
  Struct* const passed_;
};

template <class T>
struct LibraryElements {
  typedef typename Bridge<T>::Struct Struct;
  explicit LibraryElements(const std::vector<CefRefPtr<T>>& objects)
      : array_(objects.empty() ? nullptr : new Struct*[objects.size()]) {
    for (size_t i = 0; i < objects.size(); ++i)
      array_[i] = objects[i] ? Bridge<T>::ToLibrary(objects[i]) : nullptr;
  }
  Struct** get() const { return array_.get(); }
  std::unique_ptr<Struct*[]> array_;
};

// Picks the converter for one forwarded argument, markers removed.
template <class A>
struct LibraryArgOf {
  typedef LibraryIn<std::remove_cv_t<std::remove_reference_t<A>>> type;
};
template <class T>
struct LibraryArgOf<RequiredArg<T>> : LibraryArgOf<T> {};
template <class T>
struct LibraryArgOf<InOutArg<T>> {
  typedef LibraryInOut<std::remove_cv_t<T>> type;
};
template <>
struct LibraryArgOf<IndexArg> {
  typedef LibraryIn<int> type;
};
template <class T>
struct LibraryArgOf<CountArg<T>> {
  typedef LibraryIn<size_t> type;
};
template <class T>
struct LibraryArgOf<ElementsArg<T>> {
  typedef LibraryElements<T> type;
};

template <class A>
using LibraryArg =
    typename LibraryArgOf<std::remove_cv_t<std::remove_reference_t<A>>>::type;

// The value a converter is built from, markers removed. The forwarded
// arguments are always lvalues here.
template <class T>
T& Unmarked(T& value) {
  return value;
}
template <class T>
T& Unmarked(RequiredArg<T>& marked) {
  return marked.value;
}
template <class T>
T& Unmarked(InOutArg<T>& marked) {
  return marked.value;
}
inline int Unmarked(IndexArg& marked) { return marked.value; }
template <class T>
size_t Unmarked(CountArg<T>& marked) {
  return marked.value.size();
}
template <class T>
const std::vector<CefRefPtr<T>>& Unmarked(ElementsArg<T>& marked) {
  return marked.value;
}

// ---------------------------------------------------------------------------
// Library to program: the natural program form of a member's result. The
// forwarded method's return statement finishes the conversion (an int to
// bool, a record to its holder).

template <class C, class = void>
struct LibraryResult {
  typedef C type;
  static C Convert(C value) { return value; }
};

template <>
struct LibraryResult<void> {
  typedef void type;
};

template <>
struct LibraryResult<cef_string_userfree_t> {
  typedef CefString type;
  static CefString Convert(cef_string_userfree_t userfree) {
    CefString text;
    text.AdoptUserFree(userfree);
    return text;
  }
};

template <class S>
struct LibraryResult<S*, std::enable_if_t<HasInterface<S>::value>> {
  typedef typename InterfaceOf<S>::type Interface;
  typedef CefRefPtr<Interface> type;
  static type Convert(S* structure) {
    return Bridge<Interface>::FromLibrary(structure);
  }
};

// ---------------------------------------------------------------------------
// Library to program: the arguments of callbacks. C is the structure
// member's parameter type, P the interface method's.

template <class C, class P, class = void>
struct ProgramArg;

// Numbers, enumerations, handles and byte buffers, and an int that stands
// for a bool.
template <class C, class P>
struct ProgramArg<
    C, P,
    std::enable_if_t<!std::is_reference_v<P> &&
                     (IsPlain<P>::value || std::is_same_v<P, bool>)>> {
  explicit ProgramArg(C value) : value_(Convert(value)) {}
  static P Convert(C value) {
    if constexpr (std::is_same_v<P, bool>)
      return value != 0;
    else
      return static_cast<P>(value);
  }
  P get() const { return value_; }
  P value_;
};

// A view of the library's record: reading it never copies, and what the
// handler assigns to an out-string lands in the library's record.
template <class C, class P>
struct ProgramArg<
    C, P, std::enable_if_t<std::is_same_v<std::decay_t<P>, CefString>>> {
  explicit ProgramArg(C record) : text_(record) {}
  CefString& get() { return text_; }
  CefString text_;
};

template <class P>
struct ProgramArg<
    cef_string_list_t, P,
    std::enable_if_t<std::is_same_v<std::decay_t<P>, EmbedStringVector>>> {
  explicit ProgramArg(cef_string_list_t list) { ListFromLibrary(list, texts_); }
  EmbedStringVector& get() { return texts_; }
  EmbedStringVector texts_;
};

template <class S, class I>
struct ProgramArg<S*, CefRefPtr<I>> {
  explicit ProgramArg(S* structure)
      : object_(Bridge<I>::FromLibrary(structure)) {}
  // Asked once per call: a by-value parameter takes the reference over
  // instead of counting one more; a const reference parameter just binds.
  CefRefPtr<I>&& get() { return std::move(object_); }
  CefRefPtr<I> object_;
};
template <class S, class I>
struct ProgramArg<S*, const CefRefPtr<I>&> : ProgramArg<S*, CefRefPtr<I>> {
  using ProgramArg<S*, CefRefPtr<I>>::ProgramArg;
};

// A structure that the handler may replace. The handler's local takes over
// the reference that came with the structure; only a different object going
// back carries a new one, and the same object leaves the library's pointer
// untouched, since the library kept its own reference.
template <class S, class I>
struct ProgramArg<S**, CefRefPtr<I>&> {
  explicit ProgramArg(S** slot) : slot_(slot) {
    if (!*slot) return;
    object_ = Bridge<I>::FromLibrary(*slot);
    passed_ = object_.get();
    // Not one of ours: the handler sees none, and the reference that came
    // with the structure is given back whatever the handler does.
    foreign_ = !object_;
  }
  ProgramArg(const ProgramArg&) = delete;
  ~ProgramArg() {
    // Left in place, it returns as the same structure, which the library
    // takes nothing back for; replaced, it does not return at all.
    if (foreign_) ReleaseStructure(*slot_);
    if (object_.get() == passed_) return;
    S* back = object_ ? Bridge<I>::ToLibrary(object_) : nullptr;
    if (!foreign_ && back && back == *slot_) {
      // Another proxy of the structure that came in: to the library that is
      // the same structure, so no reference goes with it.
      ReleaseStructure(back);
      return;
    }
    *slot_ = back;
  }
  CefRefPtr<I>& get() { return object_; }

  S** slot_;
  CefRefPtr<I> object_;
  I* passed_ = nullptr;
  bool foreign_ = false;
};

// A constant record: the handler sees a holder set from it for the call,
// whose strings refer to the library's text instead of copying it.
template <class C, class P>
struct ProgramArg<const C*, P,
                  std::enable_if_t<IsRecordHolder<std::decay_t<P>>::value &&
                                   !std::is_same_v<C, char>>> {
  typedef std::decay_t<P> Holder;
  explicit ProgramArg(const C* record) {
    if (record) holder_.CopyFrom(record, false);
  }
  Holder& get() { return holder_; }
  Holder holder_;
};

// A record the handler may change: taken over for the call, sharing its
// strings, and given back afterwards.
template <class C, class P>
struct ProgramArg<C*, P,
                  std::enable_if_t<IsRecordHolder<std::decay_t<P>>::value &&
                                   !std::is_const_v<C>>> {
  typedef std::decay_t<P> Holder;
  explicit ProgramArg(C* record) : record_(record) {
    if (record_) holder_.AttachRecord(record_);
  }
  ProgramArg(const ProgramArg&) = delete;
  ~ProgramArg() {
    if (record_) holder_.DetachRecord(record_);
  }
  Holder& get() { return holder_; }
  C* record_;
  Holder holder_;
};

// An out-value: read into a local of the interface's type, written back.
template <class C, class T>
struct ProgramArg<
    C*, T&,
    std::enable_if_t<(IsPlain<T>::value ||
                      std::is_same_v<T, bool>)&&!std::is_const_v<T>>> {
  explicit ProgramArg(C* slot)
      : slot_(slot), local_(slot ? static_cast<T>(*slot) : T()) {}
  ProgramArg(const ProgramArg&) = delete;
  ~ProgramArg() {
    if (!slot_) return;
    if constexpr (std::is_same_v<T, bool>)
      *slot_ = local_ ? 1 : 0;
    else
      *slot_ = static_cast<C>(local_);
  }
  T& get() { return local_; }
  C* slot_;
  T local_;
};

// An array with its count, built into a vector: records copied, library
// objects wrapped by their proxies.
template <class E, class P>
struct ProgramArray {
  typedef std::decay_t<P> Vector;
  typedef typename Vector::value_type Element;
  explicit ProgramArray(std::pair<size_t, E*> source)
      : ProgramArray(source.first, source.second) {}
  ProgramArray(size_t count, E* elements) {
    if (!elements) return;
    items_.reserve(count);
    for (size_t i = 0; i < count; ++i) {
      if constexpr (IsCountedPointer<Element>::value)
        items_.push_back(
            Bridge<typename Element::element_type>::FromLibrary(elements[i]));
      else
        items_.push_back(Element(elements[i]));
    }
  }
  Vector& get() { return items_; }
  Vector items_;
};

// ---------------------------------------------------------------------------
// Program to library: callback results.

template <class C, class P>
C ProgramResult(P&& value) {
  typedef std::decay_t<P> T;
  if constexpr (IsCountedPointer<T>::value)
    return Bridge<typename T::element_type>::ToLibrary(value);
  else if constexpr (std::is_same_v<T, bool>)
    return value ? 1 : 0;
  else if constexpr (IsRecordHolder<T>::value)
    return value.Get();
  else
    return static_cast<C>(value);
}

#endif  // CEF_LIBCEF_DLL_CONVERSIONS_H_
