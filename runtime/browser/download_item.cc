#include "runtime/browser/download_item.h"

#include <stdio.h>
#include <time.h>

#include <algorithm>
#include <random>
#include <system_error>
#include <vector>

#include "include/capi/cef_callbacks_capi.h"
#include "runtime/base/civil_time.h"
#include "runtime/base/file_name.h"
#include "runtime/base/function_task.h"
#include "runtime/app/platform.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

uint32_t next_download_id = 1;  // UI thread only

// Begun and not finished, each holding its own reference; UI thread only.
std::vector<DownloadItem*>& Running() {
  static std::vector<DownloadItem*> running;
  return running;
}

cef_time_t TimeFrom(std::chrono::system_clock::time_point when) {
  using namespace std::chrono;
  return when == system_clock::time_point()
             ? cef_time_t{}
             : TimeFromUnixMs(
                   duration_cast<milliseconds>(when.time_since_epoch())
                       .count());
}

class BeforeDownloadCallback
    : public CountedStruct<cef_before_download_callback_t> {
 public:
  explicit BeforeDownloadCallback(DownloadItem* item)
      : CountedStruct("cef_before_download_callback_t"), item_(item) {
    s().cont = [](cef_before_download_callback_t* self,
                  const cef_string_t* path, int show_dialog) CEF_CALLBACK {
      BeforeDownloadCallback* cb = From<BeforeDownloadCallback>(self);
      if (!cb || cb->used_)
        return;
      cb->used_ = true;
      Ref<DownloadItem> item = cb->item_;
      const std::u16string target = FromCef(path);
      RunOnUi([item, target, show_dialog] {
        item->Continue(target, show_dialog != 0);
      });
    };
  }

 private:
  // Unanswered when the last reference goes: nobody will answer, so the
  // download must not wait for ever.
  ~BeforeDownloadCallback() override {
    if (used_)
      return;
    Ref<DownloadItem> item = item_;
    RunOnUi([item] {
      if (!item->answered())
        item->Cancel();
    });
  }

  Ref<DownloadItem> item_;
  bool used_ = false;
};

class DownloadItemCallback
    : public CountedStruct<cef_download_item_callback_t> {
 public:
  explicit DownloadItemCallback(DownloadItem* item)
      : CountedStruct("cef_download_item_callback_t"), item_(item) {
    s().cancel = [](cef_download_item_callback_t* self) CEF_CALLBACK {
      DownloadItemCallback* cb = From<DownloadItemCallback>(self);
      if (!cb)
        return;
      Ref<DownloadItem> item = cb->item_;
      RunOnUi([item] { item->Cancel(); });
    };
    // No transfer here can be paused.
    s().pause = [](cef_download_item_callback_t*) CEF_CALLBACK {};
    s().resume = [](cef_download_item_callback_t*) CEF_CALLBACK {};
  }

 private:
  ~DownloadItemCallback() override = default;
  Ref<DownloadItem> item_;
};

// A new empty file beside `destination`, on the same volume so that it can
// be renamed over it; empty when the folder takes none.
std::filesystem::path NewPartialFile(const std::filesystem::path& destination) {
  std::u16string stem = destination.filename().u16string();
  if (stem.size() > 32) {
    stem.resize(32);
    if (stem.back() >= 0xD800 && stem.back() <= 0xDBFF)
      stem.pop_back();
  }
  std::random_device random;
  for (int attempt = 0; attempt < 20; ++attempt) {
    char hex[9];
    snprintf(hex, sizeof(hex), "%08x", static_cast<unsigned>(random()));
    const std::filesystem::path partial =
        destination.parent_path() /
        std::filesystem::path(u"." + stem + u"-" + Utf8ToU16(hex) + u".part");
    if (platform::CreateNewFile(partial))
      return partial;
    std::error_code ec;
    if (!std::filesystem::exists(partial, ec))
      break;  // not a clash: the folder refuses
  }
  return {};
}

}  // namespace

struct DownloadItemAccess {
  static DownloadItem* Of(cef_download_item_t* s) {
    return CountedStruct<cef_download_item_t>::From<DownloadItem>(s);
  }
  static bool Is(cef_download_item_t* s, DownloadItem::State state) {
    return Of(s) && Of(s)->state_ == state;
  }
  static void Fill(cef_download_item_t& c) {
    using S = cef_download_item_t;
    using A = DownloadItemAccess;
    using State = DownloadItem::State;
    c.is_valid = [](S* s) CEF_CALLBACK -> int { return A::Of(s) ? 1 : 0; };
    c.is_in_progress = [](S* s) CEF_CALLBACK -> int {
      return A::Is(s, State::kInProgress) ? 1 : 0;
    };
    c.is_complete = [](S* s) CEF_CALLBACK -> int {
      return A::Is(s, State::kComplete) ? 1 : 0;
    };
    c.is_canceled = [](S* s) CEF_CALLBACK -> int {
      return A::Is(s, State::kCanceled) ? 1 : 0;
    };
    c.get_current_speed = [](S* s) CEF_CALLBACK -> int64_t {
      DownloadItem* d = A::Of(s);
      if (!d || d->state_ != State::kInProgress)
        return 0;
      const double elapsed = std::chrono::duration<double>(
                                 std::chrono::steady_clock::now() - d->started_)
                                 .count();
      return elapsed > 0
                 ? static_cast<int64_t>(d->ReceivedBytes() / elapsed)
                 : 0;
    };
    c.get_percent_complete = [](S* s) CEF_CALLBACK -> int {
      DownloadItem* d = A::Of(s);
      if (!d)
        return 0;
      if (d->state_ == State::kComplete)
        return 100;
      const int64_t total = d->TotalBytes();
      return total > 0 ? static_cast<int>(d->ReceivedBytes() * 100 / total)
                       : -1;
    };
    c.get_total_bytes = [](S* s) CEF_CALLBACK -> int64_t {
      DownloadItem* d = A::Of(s);
      if (!d)
        return 0;
      // Without a length from the server the total is known once complete.
      const int64_t total = d->TotalBytes();
      return total > 0 ? total
                       : d->state_ == State::kComplete ? d->ReceivedBytes()
                                                       : 0;
    };
    c.get_received_bytes = [](S* s) CEF_CALLBACK -> int64_t {
      return A::Of(s) ? A::Of(s)->ReceivedBytes() : 0;
    };
    c.get_start_time = [](S* s) CEF_CALLBACK -> cef_time_t {
      return A::Of(s) ? TimeFrom(A::Of(s)->start_) : cef_time_t{};
    };
    c.get_end_time = [](S* s) CEF_CALLBACK -> cef_time_t {
      return A::Of(s) ? TimeFrom(A::Of(s)->end_) : cef_time_t{};
    };
    c.get_full_path = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
      return A::Of(s) ? NewUserFree(A::Of(s)->full_path_) : nullptr;
    };
    c.get_id = [](S* s) CEF_CALLBACK -> uint32_t { return A::Of(s) ? A::Of(s)->id_ : 0; };
    c.get_url = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
      DownloadItem* d = A::Of(s);
      if (!d)
        return nullptr;
      const std::u16string url = d->CurrentUrl();
      return NewUserFree(url.empty() ? d->url_ : url);
    };
    c.get_original_url = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
      return A::Of(s) ? NewUserFree(A::Of(s)->url_) : nullptr;
    };
    c.get_suggested_file_name = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
      return A::Of(s) ? NewUserFree(A::Of(s)->suggested_) : nullptr;
    };
    c.get_content_disposition = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
      return A::Of(s) ? NewUserFree(A::Of(s)->ContentDisposition()) : nullptr;
    };
    c.get_mime_type = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
      return A::Of(s) ? NewUserFree(A::Of(s)->MimeType()) : nullptr;
    };
  }
};

DownloadItem::DownloadItem(Browser* browser, const std::u16string& url)
    : CountedStruct("cef_download_item_t"),
      browser_(browser),
      id_(next_download_id++),
      url_(url),
      start_(std::chrono::system_clock::now()),
      started_(std::chrono::steady_clock::now()) {
  DownloadItemAccess::Fill(s());
}

DownloadItem::~DownloadItem() = default;

void DownloadItem::Begin() {
  if (begun_)
    return;
  begun_ = true;
  AddRef();  // until Finish
  Running().push_back(this);
}

void DownloadItem::CancelRunning(Browser* browser, bool notify) {
  std::vector<Ref<DownloadItem>> mine;
  for (DownloadItem* item : Running()) {
    if (!browser || item->browser() == browser)
      mine.emplace_back(item);
  }
  for (const Ref<DownloadItem>& item : mine) {
    item->Cancel();
    // The platform may report the end later, when the browser is gone.
    item->Finish(State::kCanceled, notify);
  }
}

void DownloadItem::RemovePartialFile() {
  if (partial_.empty())
    return;
  std::error_code ignored;
  std::filesystem::remove(partial_, ignored);
}

void DownloadItem::Decide(const std::u16string& suggested) {
  Ref<DownloadItem> keep(this);
  suggested_ = SafeFileName(suggested);
  cef_download_handler_t* h =
      Handler(browser_->client(), &cef_client_t::get_download_handler);
  if (!Offers(h, &cef_download_handler_t::on_before_download)) {
    // Without a handler to place it, a download does not happen.
    ReleaseStruct(h);
    Cancel();
    return;
  }
  cef_string_t name = View(suggested_);
  h->on_before_download(h, browser_->Share(), Share(), &name,
                        (new BeforeDownloadCallback(this))->Give());
  ReleaseStruct(h);
}

void DownloadItem::Continue(const std::u16string& path, bool show_dialog) {
  if (answered_ || finished_)
    return;
  answered_ = true;
  std::filesystem::path target(path.empty() ? suggested_ : path);
  if (target.empty())
    target = "download";
  if (target.is_relative())
    target = DefaultDirectory() / target;
  if (show_dialog)
    ChooseDestination(target);
  else
    SetDestination(target);
}

void DownloadItem::SetDestination(const std::filesystem::path& path) {
  if (finished_)
    return;
  full_path_ = path.u16string();
  partial_ = NewPartialFile(path);
  if (partial_.empty() || !WriteTo(partial_)) {
    write_error_ = "The folder cannot be written to.";
    Cancel();
    return;
  }
  Updated();
}

void DownloadItem::Updated() {
  if (!answered_ || !browser_->client())
    return;  // the program has not placed it yet, or has gone
  Ref<DownloadItem> keep(this);
  cef_download_handler_t* h =
      Handler(browser_->client(), &cef_client_t::get_download_handler);
  if (Offers(h, &cef_download_handler_t::on_download_updated))
    h->on_download_updated(h, browser_->Share(), Share(),
                           (new DownloadItemCallback(this))->Give());
  ReleaseStruct(h);
}

void DownloadItem::Finish(State state, bool notify, const std::string& why) {
  if (finished_)
    return;
  finished_ = true;
  std::string reason = why;
  if (!write_error_.empty()) {
    state = State::kInterrupted;
    reason = write_error_;
  } else if (state == State::kComplete && !partial_.empty()) {
    if (platform::MoveOver(partial_, std::filesystem::path(full_path_))) {
      partial_.clear();
    } else {
      state = State::kInterrupted;
      reason = "The finished file could not take the place of the chosen one.";
    }
  }
  state_ = state;
  end_ = std::chrono::system_clock::now();
  RemovePartialFile();
  const bool tell = answered_ && notify;
  answered_ = true;
  if (tell)
    Updated();
  if (state == State::kInterrupted && notify)
    TellFailure(reason);
  if (begun_) {
    std::vector<DownloadItem*>& running = Running();
    running.erase(std::remove(running.begin(), running.end(), this),
                  running.end());
    Release();  // Begin's reference
  }
}

}  // namespace cefrt
