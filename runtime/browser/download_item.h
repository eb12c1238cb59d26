// A download as the program sees it: the item, the answer to
// on_before_download and the item's callback. The platform subclass moves
// the bytes and asks the user where to put them.
#ifndef CEF_RUNTIME_DOWNLOAD_ITEM_H_
#define CEF_RUNTIME_DOWNLOAD_ITEM_H_

#include <stdint.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "include/capi/cef_download_item_capi.h"
#include "runtime/browser/browser.h"
#include "runtime/base/counted.h"

namespace cefrt {

class DownloadItem : public CountedStruct<cef_download_item_t> {
 public:
  enum class State { kInProgress, kComplete, kCanceled, kInterrupted };

  Browser* browser() const { return browser_.get(); }
  State state() const { return state_; }
  bool answered() const { return answered_; }
  bool finished() const { return finished_; }
  // Where the finished file goes; empty until the user has chosen.
  const std::u16string& full_path() const { return full_path_; }

  // The answer to on_before_download.
  void Continue(const std::u16string& path, bool show_dialog);
  // Stops the transfer; the platform reports the end through Finish.
  virtual void Cancel() = 0;

  // Cancels the running downloads of `browser` (of every browser when null),
  // removing their partial files; the program hears of it only if `notify`.
  static void CancelRunning(Browser* browser, bool notify);

 protected:
  DownloadItem(Browser* browser, const std::u16string& url);
  ~DownloadItem() override;

  // The item keeps itself alive from Begin until Finish.
  void Begin();
  // Asks the program where to put it; `suggested` is the server's file
  // name, made safe here.
  void Decide(const std::u16string& suggested);
  // The transfer's destination is settled: `path` is where it goes. The
  // bytes go into a new file beside it, which takes its place only once
  // complete: a file already there survives every other end.
  void SetDestination(const std::filesystem::path& path);
  // Tells the program about progress, once it has placed the download.
  void Updated();
  // A failure (kInterrupted) is told to the user, `why` if given, when
  // `notify`.
  void Finish(State state, bool notify = true, const std::string& why = "");
  // Removes the file being written, never the destination.
  void RemovePartialFile();

  virtual int64_t TotalBytes() = 0;  // 0 when unknown
  virtual int64_t ReceivedBytes() = 0;
  virtual std::u16string CurrentUrl() = 0;
  virtual std::u16string MimeType() = 0;
  virtual std::u16string ContentDisposition() = 0;
  // Where a relative name goes.
  virtual std::filesystem::path DefaultDirectory() = 0;
  // Shows the save dialog over the browser's window, proposing `proposed`;
  // ends in SetDestination or Cancel, now or later.
  virtual void ChooseDestination(const std::filesystem::path& proposed) = 0;
  // Starts or redirects the writing to `path`, a new empty file; false when
  // it cannot. The platform closes it by the time it reports completion.
  virtual bool WriteTo(const std::filesystem::path& path) = 0;
  // Shows the user that the download failed, over the browser's window.
  virtual void TellFailure(const std::string& why) = 0;

 private:
  Ref<Browser> browser_;
  const uint32_t id_;
  State state_ = State::kInProgress;
  bool answered_ = false;
  bool finished_ = false;
  bool begun_ = false;
  const std::u16string url_;
  std::u16string suggested_;
  std::u16string full_path_;
  std::filesystem::path partial_;  // written, until it becomes full_path_
  std::string write_error_;        // why the destination could not be used
  std::chrono::system_clock::time_point start_, end_;
  std::chrono::steady_clock::time_point started_;

  friend struct DownloadItemAccess;
};

}  // namespace cefrt

#endif  // CEF_RUNTIME_DOWNLOAD_ITEM_H_
