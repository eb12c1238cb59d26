// ObjectProxy: a library object seen by the program as an interface with
// virtual methods. Each proxy class lists its interface's methods, one line
// each, as Forward calls; this frame does the presence test, the argument
// checks, the conversions and the defaults for all of them.
#ifndef CEF_LIBCEF_DLL_CTOCPP_OBJECT_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_OBJECT_PROXY_H_

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#include "include/cef_base.h"
#include "include/cef_logging.h"
#include "libcef_dll/bridge.h"
#include "libcef_dll/conversions.h"
#include "libcef_dll/member_traits.h"
#include "libcef_dll/wrapper_types.h"

// Lets Unwrap tell a proxy from a program object that merely implements a
// library interface, before it reads any record.
class ProxyObject {
 public:
  // What the record in front of the proxy holds.
  virtual WrapperType RecordType() const = 0;
  virtual void* RecordStruct() const = 0;

 protected:
  virtual ~ProxyObject() {}
};

template <class ProxyClass, class Interface, class Struct>
class ObjectProxy : public Interface, public ProxyObject {
 public:
  typedef Interface InterfaceType;
  typedef Struct StructType;

  // The proxy is the record's last member, so the record is found from the
  // proxy alone.
  struct WrapperStruct {
    WrapperType type_;
    Struct* struct_;
    alignas(ProxyClass) unsigned char object_[sizeof(ProxyClass)];
  };

  // Takes over the reference that came with `structure`.
  static CefRefPtr<Interface> Wrap(Struct* structure) {
    if (!structure) return nullptr;
    WrapperStruct* record = new WrapperStruct;
    record->type_ = ProxyClass::kWrapperType;
    record->struct_ = structure;
    ProxyClass* proxy = new (record->object_) ProxyClass();
    // The proxy's first reference is the one that came along: counting it
    // again in the library only to drop it would cost two calls.
    proxy->adopting_ = true;
    return CefRefPtr<Interface>(proxy);
  }

  // The structure, with one new reference that goes to the library.
  static Struct* Unwrap(CefRefPtr<Interface> object) {
    if (!object) return nullptr;
    const ProxyObject* proxy = dynamic_cast<const ProxyObject*>(object.get());
    if (!proxy) return nullptr;
    const WrapperType type = proxy->RecordType();
    if (type != ProxyClass::kWrapperType) return UnwrapDerived(type, object);
    Struct* structure = static_cast<Struct*>(proxy->RecordStruct());
    cef_base_t* base = BaseOf(structure);
    if (base->add_ref) base->add_ref(base);
    return structure;
  }

  // No interface here has proxied sub-interfaces.
  static Struct* UnwrapDerived(WrapperType, CefRefPtr<Interface>) {
    return nullptr;
  }

  void AddRef() const override {
    if (adopting_) {
      adopting_ = false;  // only Wrap sets it, before anyone else sees us
    } else {
      cef_base_t* base = BaseOf(GetStruct());
      if (base->add_ref) base->add_ref(base);
    }
    count_.Increment();
  }

  bool Release() const override {
    ReleaseStructure(GetStruct());
    if (!count_.Decrement()) return false;
    const ProxyClass* self = static_cast<const ProxyClass*>(this);
    WrapperStruct* record = RecordOf(self);
    self->~ProxyClass();
    delete record;
    return true;
  }

  // Answers for the library object, not for this proxy.
  bool HasOneRef() const override {
    cef_base_t* base = BaseOf(GetStruct());
    return base->has_one_ref && base->has_one_ref(base) != 0;
  }

  Struct* GetStruct() const {
    return RecordOf(static_cast<const ProxyClass*>(this))->struct_;
  }

 protected:
  typedef Struct S;

  ObjectProxy() {}
  ~ObjectProxy() override {}

  // Calls `member` with the converted arguments and returns the result in
  // its natural program form, or that form's zero when the member is absent
  // or an argument is refused.
  template <class Fn, class... Args>
  auto Forward(Fn Struct::*member, Args&&... args) const {
    typedef typename FunctionTraits<Fn>::Result Result;
    if constexpr (std::is_void_v<Result>) {
      Struct* structure = GetStruct();
      Fn call = Present(structure, member);
      if (!call || !(Admits(args) && ...)) return;
      call(structure, LibraryArg<Args>(Unmarked(args)).get()...);
    } else {
      typedef typename LibraryResult<Result>::type Natural;
      return ForwardOr(Natural(), member, std::forward<Args>(args)...);
    }
  }

  // The same with a default other than zero.
  template <class Default, class Fn, class... Args>
  auto ForwardOr(Default fallback, Fn Struct::*member, Args&&... args) const {
    typedef typename FunctionTraits<Fn>::Result Result;
    typedef typename LibraryResult<Result>::type Natural;
    Struct* structure = GetStruct();
    Fn call = Present(structure, member);
    if (!call || !(Admits(args) && ...)) return Natural(fallback);
    return LibraryResult<Result>::Convert(
        call(structure, LibraryArg<Args>(Unmarked(args)).get()...));
  }

  // A vector that the library refills through an array. `count` is the
  // proxy's own query for the collection's size, asked only once the member
  // is known to be there. The library never gets more room than it is told
  // about, and never more entries are read back than the array holds,
  // whatever count it reports.
  template <class Fn, class T>
  void ForwardArray(Fn Struct::*member, size_t (ProxyClass::*count)(),
                    std::vector<T>& items) const {
    TransferArray(member, count, items, false);
  }

  // The same for a vector that is output only: what it held is dropped,
  // but only when the library is asked at all.
  template <class Fn, class T>
  void ForwardArrayOut(Fn Struct::*member, size_t (ProxyClass::*count)(),
                       std::vector<T>& items) const {
    TransferArray(member, count, items, true);
  }

 private:
  template <class Fn, class T>
  void TransferArray(Fn Struct::*member, size_t (ProxyClass::*count)(),
                     std::vector<T>& items, bool output_only) const {
    typedef std::tuple_element_t<1, typename FunctionTraits<Fn>::Arguments>
        ElementPointer;
    typedef std::remove_pointer_t<ElementPointer> Element;
    Struct* structure = GetStruct();
    Fn call = Present(structure, member);
    if (!call) return;
    if (output_only) items.clear();
    ProxyClass* self =
        const_cast<ProxyClass*>(static_cast<const ProxyClass*>(this));
    const size_t capacity = std::max((self->*count)(), items.size());
    std::unique_ptr<Element[]> array(capacity ? new Element[capacity]()
                                              : nullptr);
    for (size_t i = 0; i < items.size(); ++i)
      array[i] = ArrayEntryToLibrary(items[i]);
    size_t filled = capacity;
    call(structure, &filled, array.get());
    items.clear();
    CEF_DCHECK(filled <= capacity) << ": " << filled
                                   << " entries reported, " << capacity
                                   << " room given";
    filled = std::min(filled, capacity);
    for (size_t i = 0; i < filled; ++i)
      items.push_back(ArrayEntryFromLibrary<T>(array[i]));
  }

  template <class Fn>
  static Fn Present(Struct* structure, Fn Struct::*member) {
    Fn* field = &(structure->*member);
    if (!CoversMember(BaseOf(structure), field)) return nullptr;
    return *field;
  }

  template <class T>
  static auto ArrayEntryToLibrary(const T& item) {
    if constexpr (IsCountedPointer<T>::value)
      return item ? Bridge<typename T::element_type>::ToLibrary(item) : nullptr;
    else
      return item;
  }
  template <class T, class E>
  static T ArrayEntryFromLibrary(E entry) {
    if constexpr (IsCountedPointer<T>::value)
      return Bridge<typename T::element_type>::FromLibrary(entry);
    else
      return entry;
  }

  static WrapperStruct* RecordOf(const ProxyClass* proxy) {
    return reinterpret_cast<WrapperStruct*>(
        const_cast<unsigned char*>(
            reinterpret_cast<const unsigned char*>(proxy)) -
        offsetof(WrapperStruct, object_));
  }

  WrapperType RecordType() const override {
    return RecordOf(static_cast<const ProxyClass*>(this))->type_;
  }
  void* RecordStruct() const override { return GetStruct(); }

  RefCounter count_;
  mutable bool adopting_ = false;
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_OBJECT_PROXY_H_
