// The client: the object the library asks for each kind of browser handler.
#ifndef CEF_INCLUDE_CEF_CLIENT_H_
#define CEF_INCLUDE_CEF_CLIENT_H_

#include "include/capi/cef_client_capi.h"
#include "include/cef_base.h"
#include "include/cef_handlers.h"

class CefBrowser;
class CefProcessMessage;

// Every getter defaults to null, so the library goes without that handler. A
// client that implements a handler itself returns itself.
class CefClient : public virtual CefBase {
 public:
  virtual CefRefPtr<CefContextMenuHandler> GetContextMenuHandler() {
    return nullptr;
  }
  virtual CefRefPtr<CefDialogHandler> GetDialogHandler() { return nullptr; }
  virtual CefRefPtr<CefDisplayHandler> GetDisplayHandler() { return nullptr; }
  virtual CefRefPtr<CefDownloadHandler> GetDownloadHandler() {
    return nullptr;
  }
  virtual CefRefPtr<CefDragHandler> GetDragHandler() { return nullptr; }
  virtual CefRefPtr<CefFindHandler> GetFindHandler() { return nullptr; }
  virtual CefRefPtr<CefFocusHandler> GetFocusHandler() { return nullptr; }
  virtual CefRefPtr<CefGeolocationHandler> GetGeolocationHandler() {
    return nullptr;
  }
  virtual CefRefPtr<CefJSDialogHandler> GetJSDialogHandler() {
    return nullptr;
  }
  virtual CefRefPtr<CefKeyboardHandler> GetKeyboardHandler() {
    return nullptr;
  }
  virtual CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() {
    return nullptr;
  }
  virtual CefRefPtr<CefLoadHandler> GetLoadHandler() { return nullptr; }
  virtual CefRefPtr<CefRenderHandler> GetRenderHandler() { return nullptr; }
  virtual CefRefPtr<CefRequestHandler> GetRequestHandler() { return nullptr; }
  // True when the message was handled.
  virtual bool OnProcessMessageReceived(
      CefRefPtr<CefBrowser> /*browser*/, cef_process_id_t /*source_process*/,
      CefRefPtr<CefProcessMessage> /*message*/) {
    return false;
  }
};

#endif  // CEF_INCLUDE_CEF_CLIENT_H_
