#ifndef CEF_LIBCEF_DLL_ADAPTERS_NAVIGATION_ENTRY_VISITOR_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_NAVIGATION_ENTRY_VISITOR_ADAPTER_H_

#include "include/cef_visitors.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefNavigationEntryVisitorAdapter final
    : public HandlerAdapter<CefNavigationEntryVisitorAdapter,
                            CefNavigationEntryVisitor,
                            cef_navigation_entry_visitor_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_NAVIGATION_ENTRY_VISITOR;
  typedef Members<Callback<&S::visit, &I::Visit, RequiredAt<1>>> Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_NAVIGATION_ENTRY_VISITOR_ADAPTER_H_
