// Process-level handlers: the application object and the browser-process,
// render-process and resource-bundle handlers it hands out. Unless noted, a
// method's default does nothing and answers false or null.
#ifndef CEF_INCLUDE_CEF_APP_H_
#define CEF_INCLUDE_CEF_APP_H_

#include <cstddef>

#include "include/capi/cef_app_capi.h"
#include "include/cef_base.h"
#include "include/cef_handlers.h"
#include "include/cef_print_handler.h"
#include "include/cef_string.h"

class CefBrowser;
class CefCommandLine;
class CefDOMNode;
class CefFrame;
class CefListValue;
class CefProcessMessage;
class CefRequest;
class CefSchemeRegistrar;
class CefV8Context;
class CefV8Exception;
class CefV8StackTrace;

// Replaces the library's own strings and packed resources. `data` is set to
// memory that stays valid for the life of the process.
class CefResourceBundleHandler : public virtual CefBase {
 public:
  typedef cef_scale_factor_t ScaleFactor;

  virtual bool GetLocalizedString(int /*string_id*/, CefString& /*string*/) {
    return false;
  }
  virtual bool GetDataResource(int /*resource_id*/, void*& /*data*/,
                               size_t& /*data_size*/) {
    return false;
  }
  virtual bool GetDataResourceForScale(int /*resource_id*/,
                                       ScaleFactor /*scale_factor*/,
                                       void*& /*data*/,
                                       size_t& /*data_size*/) {
    return false;
  }
};

class CefBrowserProcessHandler : public virtual CefBase {
 public:
  virtual void OnContextInitialized() {}
  virtual void OnBeforeChildProcessLaunch(
      CefRefPtr<CefCommandLine> /*command_line*/) {}
  // `extra_info` is passed to the new render process's
  // OnRenderThreadCreated.
  virtual void OnRenderProcessThreadCreated(
      CefRefPtr<CefListValue> /*extra_info*/) {}
  virtual CefRefPtr<CefPrintHandler> GetPrintHandler() { return nullptr; }
};

class CefRenderProcessHandler : public virtual CefBase {
 public:
  typedef cef_navigation_type_t NavigationType;

  virtual void OnRenderThreadCreated(CefRefPtr<CefListValue> /*extra_info*/) {}
  virtual void OnWebKitInitialized() {}
  virtual void OnBrowserCreated(CefRefPtr<CefBrowser> /*browser*/) {}
  virtual void OnBrowserDestroyed(CefRefPtr<CefBrowser> /*browser*/) {}
  virtual CefRefPtr<CefLoadHandler> GetLoadHandler() { return nullptr; }
  // True cancels the navigation.
  virtual bool OnBeforeNavigation(CefRefPtr<CefBrowser> /*browser*/,
                                  CefRefPtr<CefFrame> /*frame*/,
                                  CefRefPtr<CefRequest> /*request*/,
                                  NavigationType /*navigation_type*/,
                                  bool /*is_redirect*/) {
    return false;
  }
  virtual void OnContextCreated(CefRefPtr<CefBrowser> /*browser*/,
                                CefRefPtr<CefFrame> /*frame*/,
                                CefRefPtr<CefV8Context> /*context*/) {}
  virtual void OnContextReleased(CefRefPtr<CefBrowser> /*browser*/,
                                 CefRefPtr<CefFrame> /*frame*/,
                                 CefRefPtr<CefV8Context> /*context*/) {}
  virtual void OnUncaughtException(
      CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
      CefRefPtr<CefV8Context> /*context*/,
      CefRefPtr<CefV8Exception> /*exception*/,
      CefRefPtr<CefV8StackTrace> /*stackTrace*/) {}
  // `frame` and `node` are null when no editable node has the focus.
  virtual void OnFocusedNodeChanged(CefRefPtr<CefBrowser> /*browser*/,
                                    CefRefPtr<CefFrame> /*frame*/,
                                    CefRefPtr<CefDOMNode> /*node*/) {}
  // True when the message was handled.
  virtual bool OnProcessMessageReceived(
      CefRefPtr<CefBrowser> /*browser*/, cef_process_id_t /*source_process*/,
      CefRefPtr<CefProcessMessage> /*message*/) {
    return false;
  }
};

class CefApp : public virtual CefBase {
 public:
  // `process_type` is empty in the browser process. Switches added here
  // take effect as if they had been given on the command line.
  virtual void OnBeforeCommandLineProcessing(
      const CefString& /*process_type*/,
      CefRefPtr<CefCommandLine> /*command_line*/) {}
  virtual void OnRegisterCustomSchemes(
      CefRefPtr<CefSchemeRegistrar> /*registrar*/) {}
  virtual CefRefPtr<CefResourceBundleHandler> GetResourceBundleHandler() {
    return nullptr;
  }
  virtual CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() {
    return nullptr;
  }
  virtual CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() {
    return nullptr;
  }
};

#endif  // CEF_INCLUDE_CEF_APP_H_
