// The state of one download. The library implements it and hands it to the
// download handler.
#ifndef CEF_INCLUDE_CEF_DOWNLOAD_ITEM_H_
#define CEF_INCLUDE_CEF_DOWNLOAD_ITEM_H_

#include <cstdint>

#include "include/capi/cef_download_item_capi.h"
#include "include/cef_base.h"
#include "include/cef_records.h"
#include "include/cef_string.h"

class CefDownloadItem : public virtual CefBase {
 public:
  virtual bool IsValid() = 0;
  virtual bool IsInProgress() = 0;
  virtual bool IsComplete() = 0;
  virtual bool IsCanceled() = 0;
  // Bytes per second.
  virtual int64_t GetCurrentSpeed() = 0;
  // -1 while the total size is unknown.
  virtual int GetPercentComplete() = 0;
  virtual int64_t GetTotalBytes() = 0;
  virtual int64_t GetReceivedBytes() = 0;
  virtual CefTime GetStartTime() = 0;
  virtual CefTime GetEndTime() = 0;
  virtual CefString GetFullPath() = 0;
  virtual uint32_t GetId() = 0;
  virtual CefString GetURL() = 0;
  // Before any redirect.
  virtual CefString GetOriginalUrl() = 0;
  virtual CefString GetSuggestedFileName() = 0;
  virtual CefString GetContentDisposition() = 0;
  virtual CefString GetMimeType() = 0;
};

#endif  // CEF_INCLUDE_CEF_DOWNLOAD_ITEM_H_
