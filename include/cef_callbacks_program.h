// One-shot callbacks the program passes with an asynchronous request; the
// library calls each once when the request has finished. The defaults ignore
// the notice.
#ifndef CEF_INCLUDE_CEF_CALLBACKS_PROGRAM_H_
#define CEF_INCLUDE_CEF_CALLBACKS_PROGRAM_H_

#include "include/capi/cef_callbacks_program_capi.h"
#include "include/cef_base.h"
#include "include/cef_records.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefCompletionCallback : public virtual CefBase {
 public:
  virtual void OnComplete() {}
};

class CefDeleteCookiesCallback : public virtual CefBase {
 public:
  // -1 when the count is unknown.
  virtual void OnComplete(int /*num_deleted*/) {}
};

class CefEndTracingCallback : public virtual CefBase {
 public:
  virtual void OnEndTracingComplete(const CefString& /*tracing_file*/) {}
};

class CefGetGeolocationCallback : public virtual CefBase {
 public:
  virtual void OnLocationUpdate(const CefGeoposition& /*position*/) {}
};

class CefPdfPrintCallback : public virtual CefBase {
 public:
  virtual void OnPdfPrintFinished(const CefString& /*path*/, bool /*ok*/) {}
};

class CefResolveCallback : public virtual CefBase {
 public:
  virtual void OnResolveCompleted(cef_errorcode_t /*result*/,
                                  const EmbedStringVector& /*resolved_ips*/) {}
};

class CefRunFileDialogCallback : public virtual CefBase {
 public:
  // `file_paths` is empty when the dialog was cancelled.
  virtual void OnFileDialogDismissed(int /*selected_accept_filter*/,
                                     const EmbedStringVector& /*file_paths*/) {
  }
};

class CefSetCookieCallback : public virtual CefBase {
 public:
  virtual void OnComplete(bool /*success*/) {}
};

class CefWebPluginUnstableCallback : public virtual CefBase {
 public:
  virtual void IsUnstable(const CefString& /*path*/, bool /*unstable*/) {}
};

#endif  // CEF_INCLUDE_CEF_CALLBACKS_PROGRAM_H_
