// Answers to the library's pending questions. A callback may be kept and
// answered later, on any thread; answering does not release it.
#ifndef CEF_INCLUDE_CEF_CALLBACKS_H_
#define CEF_INCLUDE_CEF_CALLBACKS_H_

#include "include/capi/cef_callbacks_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefPrintSettings;

class CefAuthCallback : public virtual CefBase {
 public:
  // Does nothing unless both are non-empty.
  virtual void Continue(const CefString& username,
                        const CefString& password) = 0;
  virtual void Cancel() = 0;
};

class CefBeforeDownloadCallback : public virtual CefBase {
 public:
  // An empty path lets the library choose one.
  virtual void Continue(const CefString& download_path, bool show_dialog) = 0;
};

class CefCallback : public virtual CefBase {
 public:
  virtual void Continue() = 0;
  virtual void Cancel() = 0;
};

class CefDownloadItemCallback : public virtual CefBase {
 public:
  virtual void Cancel() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
};

class CefFileDialogCallback : public virtual CefBase {
 public:
  // Does nothing for a negative filter index.
  virtual void Continue(int selected_accept_filter,
                        const EmbedStringVector& file_paths) = 0;
  virtual void Cancel() = 0;
};

class CefGeolocationCallback : public virtual CefBase {
 public:
  virtual void Continue(bool allow) = 0;
};

class CefJSDialogCallback : public virtual CefBase {
 public:
  virtual void Continue(bool success, const CefString& user_input) = 0;
};

class CefPrintDialogCallback : public virtual CefBase {
 public:
  // Does nothing without settings.
  virtual void Continue(CefRefPtr<CefPrintSettings> settings) = 0;
  virtual void Cancel() = 0;
};

class CefPrintJobCallback : public virtual CefBase {
 public:
  virtual void Continue() = 0;
};

class CefRequestCallback : public virtual CefBase {
 public:
  virtual void Continue(bool allow) = 0;
  virtual void Cancel() = 0;
};

class CefRunContextMenuCallback : public virtual CefBase {
 public:
  typedef cef_event_flags_t EventFlags;

  virtual void Continue(int command_id, EventFlags event_flags) = 0;
  virtual void Cancel() = 0;
};

#endif  // CEF_INCLUDE_CEF_CALLBACKS_H_
