#ifndef CEF_LIBCEF_DLL_CTOCPP_DOWNLOAD_ITEM_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_DOWNLOAD_ITEM_PROXY_H_

#include "include/cef_download_item.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefDownloadItemProxy final
    : public ObjectProxy<CefDownloadItemProxy, CefDownloadItem,
                         cef_download_item_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DOWNLOAD_ITEM;

  bool IsValid() override { return Forward(&S::is_valid); }
  bool IsInProgress() override { return Forward(&S::is_in_progress); }
  bool IsComplete() override { return Forward(&S::is_complete); }
  bool IsCanceled() override { return Forward(&S::is_canceled); }
  int64_t GetCurrentSpeed() override {
    return Forward(&S::get_current_speed);
  }
  int GetPercentComplete() override {
    return Forward(&S::get_percent_complete);
  }
  int64_t GetTotalBytes() override { return Forward(&S::get_total_bytes); }
  int64_t GetReceivedBytes() override {
    return Forward(&S::get_received_bytes);
  }
  CefTime GetStartTime() override { return Forward(&S::get_start_time); }
  CefTime GetEndTime() override { return Forward(&S::get_end_time); }
  CefString GetFullPath() override { return Forward(&S::get_full_path); }
  uint32_t GetId() override { return Forward(&S::get_id); }
  CefString GetURL() override { return Forward(&S::get_url); }
  CefString GetOriginalUrl() override { return Forward(&S::get_original_url); }
  CefString GetSuggestedFileName() override {
    return Forward(&S::get_suggested_file_name);
  }
  CefString GetContentDisposition() override {
    return Forward(&S::get_content_disposition);
  }
  CefString GetMimeType() override { return Forward(&S::get_mime_type); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_DOWNLOAD_ITEM_PROXY_H_
