// HandlerAdapter: a program object seen by the library as a C structure of
// function pointers. Each adapter class lists its structure's members, one
// Callback line each; this frame fills the structure, counts references
// across the boundary and runs every callback through the same checks and
// conversions.
#ifndef CEF_LIBCEF_DLL_ADAPTERS_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_HANDLER_ADAPTER_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <type_traits>
#include <utility>

#include "include/cef_base.h"
#include "libcef_dll/bridge.h"
#include "libcef_dll/conversions.h"
#include "libcef_dll/member_traits.h"
#include "libcef_dll/wrapper_types.h"

// Markers of a callback line. Positions count the C function's parameters
// with `self` as 0, so the first argument after it is 1.

// Pointer arguments that must not be null.
template <size_t... Positions>
struct RequiredAt {};
// An int argument that must not be negative.
template <size_t Position>
struct NonNegativeAt {};
// A count at `Position` followed by its array, given to the handler as one
// vector. A non-zero count with a null array is refused.
template <size_t Position>
struct ArrayAt {};
// The result when the handler is not reached, if not zero.
template <auto Value>
struct Default {
  static constexpr auto value = Value;
};

namespace adapter_detail {

// What every adapter's record holds in front of its structure, whatever the
// interface: enough to read the tag before trusting the rest.
struct RecordHead {
  WrapperType type_;
  void* handler_;
  void* adapter_;
};

template <class Marker>
struct IsDefault : std::false_type {};
template <auto Value>
struct IsDefault<Default<Value>> : std::true_type {};

template <class R, class... Markers>
R DefaultResult() {
  R result{};
  (
      [&] {
        if constexpr (IsDefault<Markers>::value) result = Markers::value;
      }(),
      ...);
  return result;
}

// Where the array of an ArrayAt marker starts, as an index into the C
// arguments after `self`; none when the member has no array.
constexpr size_t kNoArray = static_cast<size_t>(-1);
template <class Marker>
struct ArrayIndex {
  static constexpr size_t value = kNoArray;
};
template <size_t Position>
struct ArrayIndex<ArrayAt<Position>> {
  static constexpr size_t value = Position - 1;
};
template <class... Markers>
constexpr size_t ArrayOf() {
  size_t index = kNoArray;
  ((index = ArrayIndex<Markers>::value != kNoArray ? ArrayIndex<Markers>::value
                                                   : index),
   ...);
  return index;
}

// The C argument that interface parameter `j` comes from.
constexpr size_t SourceIndex(size_t j, size_t array) {
  return (array == kNoArray || j <= array) ? j : j + 1;
}

// A structure that arrives with a call carries a reference for the program;
// a refused call still takes it over, by dropping it. So does a refused call
// for the structure in an in/out slot, which it leaves where it is: the
// library, seeing the same structure, takes nothing back. An array of
// structures (`S* const*`) is no slot: DropCrossedArray drops its elements.
template <class C>
void DropCrossed(C argument) {
  if constexpr (std::is_pointer_v<C>) {
    typedef std::remove_pointer_t<C> Pointee;
    typedef std::remove_cv_t<Pointee> P;
    if constexpr (std::is_pointer_v<P>) {
      typedef std::remove_pointer_t<P> S;
      if constexpr (!std::is_const_v<Pointee> && HasInterface<S>::value) {
        typedef typename InterfaceOf<S>::type I;
        if (argument && *argument) {
          // A structure that is not one of ours is not taken over by
          // FromLibrary, so its reference is given back here.
          if constexpr (Bridge<I>::kProxied)
            ReleaseStructure(*argument);
          else if (!Bridge<I>::FromLibrary(*argument))
            ReleaseStructure(*argument);
        }
      }
    } else if constexpr (HasInterface<P>::value) {
      if constexpr (Bridge<typename InterfaceOf<P>::type>::kProxied) {
        if (argument) ReleaseStructure(argument);
      }
    }
  }
}

// The same for each object of an array that arrives with a refused call.
template <class Count, class E>
void DropCrossedArray(Count count, E* elements) {
  if (!elements) return;
  for (size_t i = 0; i < static_cast<size_t>(count); ++i)
    DropCrossed(elements[i]);
}

template <class Tuple, size_t Index>
bool PresentAt(const Tuple& arguments) {
  return std::get<Index>(arguments) != nullptr;
}

template <class Marker>
struct Check {
  template <class Tuple>
  static bool Passes(const Tuple&) {
    return true;
  }
};
template <size_t... Positions>
struct Check<RequiredAt<Positions...>> {
  template <class Tuple>
  static bool Passes(const Tuple& arguments) {
    return (PresentAt<Tuple, Positions - 1>(arguments) && ...);
  }
};
template <size_t Position>
struct Check<NonNegativeAt<Position>> {
  template <class Tuple>
  static bool Passes(const Tuple& arguments) {
    return std::get<Position - 1>(arguments) >= 0;
  }
};
template <size_t Position>
struct Check<ArrayAt<Position>> {
  template <class Tuple>
  static bool Passes(const Tuple& arguments) {
    return std::get<Position - 1>(arguments) == 0 ||
           std::get<Position>(arguments) != nullptr;
  }
};

// The converter for interface parameter `J`.
template <class CArgs, class PArgs, size_t J, size_t Array>
struct ParameterOf {
  typedef std::tuple_element_t<J, PArgs> P;
  typedef std::tuple_element_t<SourceIndex(J, Array), CArgs> C;
  typedef ProgramArg<C, P> type;
  static C Source(const CArgs& arguments) {
    return std::get<SourceIndex(J, Array)>(arguments);
  }
};
template <class CArgs, class PArgs, size_t J>
struct ParameterOf<CArgs, PArgs, J, J> {
  typedef std::tuple_element_t<J, PArgs> P;
  typedef std::remove_pointer_t<std::tuple_element_t<J + 1, CArgs>> Element;
  typedef ProgramArray<Element, P> type;
  static std::pair<size_t, Element*> Source(const CArgs& arguments) {
    return {static_cast<size_t>(std::get<J>(arguments)),
            std::get<J + 1>(arguments)};
  }
};

}  // namespace adapter_detail

template <class AdapterClass, class Interface, class Struct>
class HandlerAdapter : public CefBase {
 public:
  typedef Interface InterfaceType;
  typedef Struct StructType;

  // The structure is last, so the fields before it are found from the
  // structure pointer that the library passes back.
  struct WrapperStruct {
    WrapperType type_;
    Interface* handler_;
    HandlerAdapter* adapter_;
    Struct struct_;
  };

  // A new structure for `object`, with one reference for the library.
  static Struct* Wrap(CefRefPtr<Interface> object) {
    if (!object) return nullptr;
    AdapterClass* adapter = new AdapterClass();
    adapter->record_.handler_ = object.get();
    adapter->AddRef();
    return &adapter->record_.struct_;
  }

  // The program object behind a structure the library hands back, taking
  // over the reference that came with it.
  static CefRefPtr<Interface> Unwrap(Struct* structure) {
    if (!structure) return nullptr;
    const WrapperType type = TagOf(structure);
    if (type != AdapterClass::kWrapperType)
      return AdapterClass::UnwrapDerived(type, structure);
    WrapperStruct* record = RecordOf(structure);
    CefRefPtr<Interface> object(record->handler_);
    record->adapter_->Release();
    return object;
  }

  // No interface here has adapted sub-interfaces.
  static CefRefPtr<Interface> UnwrapDerived(WrapperType, Struct*) {
    return nullptr;
  }

  static Interface* ObjectOf(Struct* structure) {
    return RecordOf(structure)->handler_;
  }

  void AddRef() const override {
    record_.handler_->AddRef();
    count_.Increment();
  }

  bool Release() const override {
    record_.handler_->Release();
    if (!count_.Decrement()) return false;
    delete static_cast<const AdapterClass*>(this);
    return true;
  }

  // Answers for the program object.
  bool HasOneRef() const override { return record_.handler_->HasOneRef(); }

  // One member of the structure: `Member` calls `Method` on the program
  // object, with the checks and conversions that the markers and the two
  // signatures select.
  template <auto Member, auto Method, class... Markers>
  struct Callback {
    static void Install(Struct& structure) {
      typedef std::remove_reference_t<decltype(structure.*Member)> Fn;
      structure.*Member = &Thunk<Fn>::Call;
    }

    template <class Fn>
    struct Thunk;
    template <class R, class... CArgs>
    struct Thunk<R(CEF_CALLBACK*)(Struct*, CArgs...)> {
      typedef std::tuple<CArgs...> CTuple;
      typedef typename MethodTraits<decltype(Method)>::Arguments PTuple;
      static constexpr size_t kArray = adapter_detail::ArrayOf<Markers...>();

      static R CEF_CALLBACK Call(Struct* self, CArgs... arguments) {
        const CTuple all(arguments...);
        if (!self || !(adapter_detail::Check<Markers>::Passes(all) && ...)) {
          (adapter_detail::DropCrossed(arguments), ...);
          if constexpr (kArray != adapter_detail::kNoArray)
            adapter_detail::DropCrossedArray(std::get<kArray>(all),
                                             std::get<kArray + 1>(all));
          return Fallback();
        }
        return Run(self, all,
                   std::make_index_sequence<std::tuple_size_v<PTuple>>());
      }

      static R Fallback() {
        if constexpr (!std::is_void_v<R>)
          return adapter_detail::DefaultResult<R, Markers...>();
      }

      template <size_t... J>
      static R Run(Struct* self, const CTuple& all, std::index_sequence<J...>) {
        std::tuple<typename adapter_detail::ParameterOf<CTuple, PTuple, J,
                                                        kArray>::type...>
            converted{
                adapter_detail::ParameterOf<CTuple, PTuple, J, kArray>::Source(
                    all)...};
        // Held for the call, so the object outlives it whatever it does.
        CefRefPtr<Interface> object(ObjectOf(self));
        if constexpr (std::is_void_v<R>) {
          (object.get()->*Method)(std::get<J>(converted).get()...);
        } else {
          return ProgramResult<R>(
              (object.get()->*Method)(std::get<J>(converted).get()...));
        }
      }
    };
  };

  template <class... Callbacks>
  struct Members {
    static void Install(Struct& structure) {
      (Callbacks::Install(structure), ...);
    }
  };

 protected:
  typedef Struct S;
  typedef Interface I;

  HandlerAdapter() {
    record_.type_ = AdapterClass::kWrapperType;
    record_.handler_ = nullptr;
    record_.adapter_ = this;
    std::memset(&record_.struct_, 0, sizeof(Struct));
    cef_base_t* base = BaseOf(&record_.struct_);
    base->size = sizeof(Struct);
    base->add_ref = StructAddRef;
    base->release = StructRelease;
    base->has_one_ref = StructHasOneRef;
    AdapterClass::Callbacks::Install(record_.struct_);
  }
  ~HandlerAdapter() override {}

 private:
  static WrapperType TagOf(Struct* structure) {
    static_assert(offsetof(WrapperStruct, struct_) ==
                      sizeof(adapter_detail::RecordHead),
                  "every record has the same head");
    return reinterpret_cast<const adapter_detail::RecordHead*>(
               reinterpret_cast<const char*>(structure) -
               sizeof(adapter_detail::RecordHead))
        ->type_;
  }
  // Through an integer: the structure is known to sit inside a record only
  // once its tag has been read.
  static WrapperStruct* RecordOf(Struct* structure) {
    return reinterpret_cast<WrapperStruct*>(
        reinterpret_cast<uintptr_t>(structure) -
        offsetof(WrapperStruct, struct_));
  }
  static HandlerAdapter* AdapterOf(cef_base_t* self) {
    return RecordOf(reinterpret_cast<Struct*>(self))->adapter_;
  }

  static void CEF_CALLBACK StructAddRef(cef_base_t* self) {
    if (self) AdapterOf(self)->AddRef();
  }
  static int CEF_CALLBACK StructRelease(cef_base_t* self) {
    return self && AdapterOf(self)->Release() ? 1 : 0;
  }
  static int CEF_CALLBACK StructHasOneRef(cef_base_t* self) {
    return self && AdapterOf(self)->HasOneRef() ? 1 : 0;
  }

  WrapperStruct record_;
  RefCounter count_;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_HANDLER_ADAPTER_H_
