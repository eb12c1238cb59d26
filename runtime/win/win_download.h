// Downloads on Windows: the transfer spools into a temporary file until the
// user has chosen where the download goes, then writes on into a new file
// in that folder, which becomes the chosen file once complete.
#ifndef CEF_RUNTIME_WIN_WIN_DOWNLOAD_H_
#define CEF_RUNTIME_WIN_WIN_DOWNLOAD_H_

#include <windows.h>

#include <stdint.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>

#include "runtime/win/win_http.h"

namespace cefrt {

class WinBrowser;
class WinDownload;

// Shared by the transfer's thread, which writes, and the UI thread.
class DownloadPipe : public std::enable_shared_from_this<DownloadPipe> {
 public:
  // Null when no temporary file can be made.
  static std::shared_ptr<DownloadPipe> Create();
  ~DownloadPipe();

  // The transfer's thread. False stops the transfer.
  bool Write(const char* data, size_t size);
  void Done(int net_error);

  // The UI thread.
  void Attach(WinDownload* item) { item_ = item; }
  WinDownload* item() const { return item_; }
  // Stops the transfer at its next write and removes the file now.
  void Abandon();
  int64_t received() const { return received_; }
  // True once the transfer ended; `error` is 0 when it all arrived.
  bool finished(int* error);
  // Carries what has arrived into `path`, an empty file, and writes on
  // there; false when it cannot.
  bool MoveInto(const std::wstring& path);
  // Closes the finished file, which then is the item's; false when its
  // bytes may not all be on disk.
  bool Close();

 private:
  DownloadPipe() = default;
  void PostUpdate(bool finished);

  std::mutex mutex_;
  HANDLE file_ = INVALID_HANDLE_VALUE;
  std::wstring path_;  // removed with the pipe
  bool finished_ = false;
  int error_ = 0;
  std::atomic<int64_t> received_{0};
  std::atomic<bool> abandoned_{false};
  std::chrono::steady_clock::time_point last_update_;
  WinDownload* item_ = nullptr;  // UI thread only
};

// Starts the download of a response the view does not show.
void StartWinDownload(WinBrowser* browser, const HttpResponse& response,
                      std::shared_ptr<HttpTransfer> transfer,
                      std::shared_ptr<DownloadPipe> pipe);

// Whether a response is a file to save rather than a page to show.
bool IsDownloadResponse(const HttpResponse& response);

// Cancels the downloads still running (shut-down).
void CancelWinDownloads();

}  // namespace cefrt

#endif  // CEF_RUNTIME_WIN_WIN_DOWNLOAD_H_
