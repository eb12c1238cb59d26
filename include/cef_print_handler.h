// Printing through the program: settings, dialog and job.
#ifndef CEF_INCLUDE_CEF_PRINT_HANDLER_H_
#define CEF_INCLUDE_CEF_PRINT_HANDLER_H_

#include "include/capi/cef_print_handler_capi.h"
#include "include/cef_base.h"
#include "include/cef_records.h"
#include "include/cef_string.h"

class CefBrowser;
class CefPrintDialogCallback;
class CefPrintJobCallback;
class CefPrintSettings;

// Every method has a default that does nothing and answers false or an empty
// size; a program overrides what it handles.
class CefPrintHandler : public virtual CefBase {
 public:
  virtual void OnPrintStart(CefRefPtr<CefBrowser> /*browser*/) {}
  virtual void OnPrintSettings(CefRefPtr<CefPrintSettings> /*settings*/,
                               bool /*get_defaults*/) {}
  // True when the handler will answer through `callback`.
  virtual bool OnPrintDialog(bool /*has_selection*/,
                             CefRefPtr<CefPrintDialogCallback> /*callback*/) {
    return false;
  }
  virtual bool OnPrintJob(const CefString& /*document_name*/,
                          const CefString& /*pdf_file_path*/,
                          CefRefPtr<CefPrintJobCallback> /*callback*/) {
    return false;
  }
  virtual void OnPrintReset() {}
  virtual CefSize GetPdfPaperSize(int /*device_units_per_inch*/) {
    return CefSize();
  }
};

#endif  // CEF_INCLUDE_CEF_PRINT_HANDLER_H_
