// One entry of a browser's navigation history. The library implements it;
// the program reaches it through a proxy.
#ifndef CEF_INCLUDE_CEF_NAVIGATION_ENTRY_H_
#define CEF_INCLUDE_CEF_NAVIGATION_ENTRY_H_

#include "include/capi/cef_navigation_entry_capi.h"
#include "include/cef_base.h"
#include "include/cef_records.h"
#include "include/cef_string.h"

class CefNavigationEntry : public virtual CefBase {
 public:
  typedef cef_transition_type_t TransitionType;

  virtual bool IsValid() = 0;
  virtual CefString GetURL() = 0;
  virtual CefString GetDisplayURL() = 0;
  // Before any redirect.
  virtual CefString GetOriginalURL() = 0;
  virtual CefString GetTitle() = 0;
  virtual TransitionType GetTransitionType() = 0;
  virtual bool HasPostData() = 0;
  // All fields 0 while the navigation has not completed.
  virtual CefTime GetCompletionTime() = 0;
  // 0 while no response has arrived.
  virtual int GetHttpStatusCode() = 0;
};

#endif  // CEF_INCLUDE_CEF_NAVIGATION_ENTRY_H_
