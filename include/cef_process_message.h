// A named message with an argument list, sent between the browser and the
// renderer processes. The library implements it; the program reaches it
// through a proxy or creates one.
#ifndef CEF_INCLUDE_CEF_PROCESS_MESSAGE_H_
#define CEF_INCLUDE_CEF_PROCESS_MESSAGE_H_

#include "include/capi/cef_process_message_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"

class CefListValue;

class CefProcessMessage : public virtual CefBase {
 public:
  // Null for an empty name.
  static CefRefPtr<CefProcessMessage> Create(const CefString& name);

  virtual bool IsValid() = 0;
  virtual bool IsReadOnly() = 0;
  virtual CefRefPtr<CefProcessMessage> Copy() = 0;
  virtual CefString GetName() = 0;
  virtual CefRefPtr<CefListValue> GetArgumentList() = 0;
};

#endif  // CEF_INCLUDE_CEF_PROCESS_MESSAGE_H_
