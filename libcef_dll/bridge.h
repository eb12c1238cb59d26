// How one interface's objects cross the boundary. ToLibrary hands the library
// a structure that carries one reference of its own; FromLibrary takes over
// the reference that came with a structure. A proxied interface crosses with
// its proxy's Unwrap and Wrap, an adapted one with its adapter's Wrap and
// Unwrap. Each proxy or adapter unit defines its own pair with one of the
// macros at the end; an adapter whose structure the library never hands back
// leaves FromLibrary undefined, so using it fails to link.
#ifndef CEF_LIBCEF_DLL_BRIDGE_H_
#define CEF_LIBCEF_DLL_BRIDGE_H_

#include "include/cef_base.h"
#include "libcef_dll/bridged_interfaces.h"

template <class Interface>
struct Bridge;

// The interface behind a C structure type, so that a structure pointer that
// the library returns finds its way to the right proxy or adapter.
template <class Struct>
struct InterfaceOf;

#define CEF_DECLARE_BRIDGE(Interface, Tag, Type, Proxied)    \
  class Interface;                                           \
  struct Tag;                                                \
  template <>                                                \
  struct Bridge<Interface> {                                 \
    typedef Tag Struct;                                      \
    static constexpr bool kProxied = Proxied;                \
    static CefRefPtr<Interface> FromLibrary(Tag* structure); \
    static Tag* ToLibrary(CefRefPtr<Interface> object);      \
  };                                                         \
  template <>                                                \
  struct InterfaceOf<Tag> {                                  \
    typedef Interface type;                                  \
  };
#define CEF_DECLARE_PROXIED(Interface, Tag, Type) \
  CEF_DECLARE_BRIDGE(Interface, Tag, Type, true)
#define CEF_DECLARE_ADAPTED(Interface, Tag, Type) \
  CEF_DECLARE_BRIDGE(Interface, Tag, Type, false)
CEF_PROXIED_INTERFACES(CEF_DECLARE_PROXIED)
CEF_ADAPTED_INTERFACES(CEF_DECLARE_ADAPTED)
#undef CEF_DECLARE_PROXIED
#undef CEF_DECLARE_ADAPTED
#undef CEF_DECLARE_BRIDGE

#define CEF_BRIDGE_PROXY(Proxy)                                              \
  CefRefPtr<Proxy::InterfaceType> Bridge<Proxy::InterfaceType>::FromLibrary( \
      Proxy::StructType* structure) {                                        \
    return Proxy::Wrap(structure);                                           \
  }                                                                          \
  Proxy::StructType* Bridge<Proxy::InterfaceType>::ToLibrary(                \
      CefRefPtr<Proxy::InterfaceType> object) {                              \
    return Proxy::Unwrap(object);                                            \
  }

#define CEF_BRIDGE_ADAPTER(Adapter)                               \
  Adapter::StructType* Bridge<Adapter::InterfaceType>::ToLibrary( \
      CefRefPtr<Adapter::InterfaceType> object) {                 \
    return Adapter::Wrap(object);                                 \
  }

// For the adapters whose structures the library hands back.
#define CEF_BRIDGE_HANDED_BACK_ADAPTER(Adapter)                           \
  CEF_BRIDGE_ADAPTER(Adapter)                                             \
  CefRefPtr<Adapter::InterfaceType>                                       \
  Bridge<Adapter::InterfaceType>::FromLibrary(                            \
      Adapter::StructType* structure) {                                   \
    return Adapter::Unwrap(structure);                                    \
  }

#endif  // CEF_LIBCEF_DLL_BRIDGE_H_
