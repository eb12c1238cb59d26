// The program-implementable interfaces compile together, and their shape is
// what the handler objects rely on: every method has a default except
// CefDownloadHandler::OnBeforeDownload, and an object implementing several
// interfaces has a single CefBase.
#include <type_traits>

#include "include/cef_app.h"
#include "include/cef_callbacks_program.h"
#include "include/cef_client.h"
#include "include/cef_handlers.h"
#include "include/cef_print_handler.h"
#include "include/cef_resource.h"
#include "include/cef_task.h"
#include "include/cef_v8_handler.h"
#include "include/cef_visitors.h"
#include "include/cef_write_handler.h"

namespace {

// The least a program object adds to an interface: the reference count.
template <class Interface>
class Bare : public Interface {
  IMPLEMENT_REFCOUNTING(Bare);
};

template <class... Interfaces>
constexpr bool AllConcreteOverBase() {
  return ((!std::is_abstract<Bare<Interfaces>>::value &&
           std::is_polymorphic<Interfaces>::value &&
           std::is_base_of<CefBase, Interfaces>::value) &&
          ...);
}

static_assert(
    AllConcreteOverBase<
        CefApp, CefBrowserProcessHandler, CefRenderProcessHandler,
        CefResourceBundleHandler, CefClient, CefContextMenuHandler,
        CefDialogHandler, CefDisplayHandler, CefDragHandler, CefFindHandler,
        CefFocusHandler, CefGeolocationHandler, CefJSDialogHandler,
        CefKeyboardHandler, CefLifeSpanHandler, CefLoadHandler,
        CefRenderHandler, CefRequestHandler, CefRequestContextHandler,
        CefPrintHandler, CefResourceHandler, CefResponseFilter,
        CefSchemeHandlerFactory, CefCompletionCallback,
        CefDeleteCookiesCallback, CefEndTracingCallback,
        CefGetGeolocationCallback, CefPdfPrintCallback, CefResolveCallback,
        CefRunFileDialogCallback, CefSetCookieCallback,
        CefWebPluginUnstableCallback, CefCookieVisitor, CefDOMVisitor,
        CefNavigationEntryVisitor, CefStringVisitor, CefWebPluginInfoVisitor,
        CefTask, CefV8Accessor, CefV8Handler, CefWriteHandler>(),
    "every method but OnBeforeDownload has a default");

static_assert(std::is_abstract<Bare<CefDownloadHandler>>::value,
              "a download handler must decide where downloads go");

// The shell's client and application shapes. A base reached twice without
// virtual inheritance would make the conversion ambiguous.
class ClientShape : public CefClient,
                    public CefDisplayHandler,
                    public CefLifeSpanHandler,
                    public CefLoadHandler,
                    public CefContextMenuHandler,
                    public CefDownloadHandler,
                    public CefKeyboardHandler {
 public:
  void OnBeforeDownload(CefRefPtr<CefBrowser>, CefRefPtr<CefDownloadItem>,
                        const CefString&,
                        CefRefPtr<CefBeforeDownloadCallback>) override {}

  IMPLEMENT_REFCOUNTING(ClientShape);
};

class AppShape : public CefApp, public CefBrowserProcessHandler {
  IMPLEMENT_REFCOUNTING(AppShape);
};

static_assert(!std::is_abstract<ClientShape>::value, "client is complete");
static_assert(std::is_convertible<ClientShape*, CefBase*>::value,
              "one CefBase under seven interfaces");
static_assert(std::is_convertible<AppShape*, CefBase*>::value,
              "one CefBase under two interfaces");

// Records that the library steps through as arrays are copied into holders.
static_assert(std::is_copy_constructible<CefDraggableRegion>::value &&
                  std::is_copy_constructible<CefCursorInfo>::value,
              "record holders copy");

}  // namespace
