// Program functions and property accessors that scripts call.
#ifndef CEF_INCLUDE_CEF_V8_HANDLER_H_
#define CEF_INCLUDE_CEF_V8_HANDLER_H_

#include <vector>

#include "include/capi/cef_v8_handler_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"

class CefV8Value;

typedef std::vector<CefRefPtr<CefV8Value>> CefV8ValueList;

// A handler answers true when it handled the call. `retval` arrives holding
// the library's value (or null) and is handed back as the handler leaves it;
// a text assigned to `exception` is thrown to the script. The defaults handle
// nothing.
class CefV8Handler : public virtual CefBase {
 public:
  virtual bool Execute(const CefString& /*name*/,
                       CefRefPtr<CefV8Value> /*object*/,
                       const CefV8ValueList& /*arguments*/,
                       CefRefPtr<CefV8Value>& /*retval*/,
                       CefString& /*exception*/) {
    return false;
  }
};

class CefV8Accessor : public virtual CefBase {
 public:
  virtual bool Get(const CefString& /*name*/, CefRefPtr<CefV8Value> /*object*/,
                   CefRefPtr<CefV8Value>& /*retval*/,
                   CefString& /*exception*/) {
    return false;
  }
  virtual bool Set(const CefString& /*name*/, CefRefPtr<CefV8Value> /*object*/,
                   CefRefPtr<CefV8Value> /*value*/,
                   CefString& /*exception*/) {
    return false;
  }
};

#endif  // CEF_INCLUDE_CEF_V8_HANDLER_H_
