// One document frame of a browser. The library implements it; the program
// reaches it through a proxy.
#ifndef CEF_INCLUDE_CEF_FRAME_H_
#define CEF_INCLUDE_CEF_FRAME_H_

#include <cstdint>

#include "include/capi/cef_frame_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"

// <windows.h> maps LoadString to LoadStringW. Left in place, the method's name
// would depend on include order and differ between translation units; without
// it, a later <windows.h> makes callers fail to compile instead.
#ifdef LoadString
#undef LoadString
#endif

class CefBrowser;
class CefDOMVisitor;
class CefRequest;
class CefStringVisitor;
class CefV8Context;

class CefFrame : public virtual CefBase {
 public:
  virtual bool IsValid() = 0;
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  virtual void Delete() = 0;
  virtual void SelectAll() = 0;
  virtual void ViewSource() = 0;
  // The visitor receives the text later, not during the call.
  virtual void GetSource(CefRefPtr<CefStringVisitor> visitor) = 0;
  virtual void GetText(CefRefPtr<CefStringVisitor> visitor) = 0;
  virtual void LoadRequest(CefRefPtr<CefRequest> request) = 0;
  virtual void LoadURL(const CefString& url) = 0;
  // Shows `string_val` as the document at `url`; does nothing when either is
  // empty.
  virtual void LoadString(const CefString& string_val,
                          const CefString& url) = 0;
  // `script_url` and `start_line` only label error messages.
  virtual void ExecuteJavaScript(const CefString& code,
                                 const CefString& script_url,
                                 int start_line) = 0;
  virtual bool IsMain() = 0;
  virtual bool IsFocused() = 0;
  virtual CefString GetName() = 0;
  virtual int64_t GetIdentifier() = 0;
  virtual CefRefPtr<CefFrame> GetParent() = 0;
  virtual CefString GetURL() = 0;
  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  // Both work only in the renderer process.
  virtual CefRefPtr<CefV8Context> GetV8Context() = 0;
  virtual void VisitDOM(CefRefPtr<CefDOMVisitor> visitor) = 0;
};

#endif  // CEF_INCLUDE_CEF_FRAME_H_
