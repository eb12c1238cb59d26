#include "runtime/win/win_download.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "runtime/browser/download_item.h"
#include "runtime/base/function_task.h"
#include "runtime/browser/load_error.h"
#include "runtime/base/text.h"
#include "runtime/win/win_browser.h"
#include "runtime/win/win_text.h"

namespace cefrt {

namespace {

constexpr auto kUpdateInterval = std::chrono::milliseconds(100);

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

std::string PercentDecode(const std::string& in) {
  std::string out;
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] == '%' && i + 2 < in.size() && HexValue(in[i + 1]) >= 0 &&
        HexValue(in[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(in[i + 1]) * 16 + HexValue(in[i + 2]));
      i += 2;
    } else {
      out += in[i];
    }
  }
  return out;
}

// The file name a response suggests: Content-Disposition's, else the last
// part of the address.
std::u16string SuggestedName(const HttpResponse& response) {
  std::string name;
  const std::string& cd = response.content_disposition;
  const std::string lower = AsciiLower(cd);
  size_t at = lower.find("filename*=");
  if (at != std::string::npos) {
    std::string value = cd.substr(at + 10);
    value = value.substr(0, value.find(';'));
    const size_t quote = value.find("''");
    if (quote != std::string::npos &&
        AsciiLower(value.substr(0, quote)) == "utf-8")
      name = PercentDecode(value.substr(quote + 2));
  }
  at = lower.find("filename=");
  if (name.empty() && at != std::string::npos) {
    std::string value = cd.substr(at + 9);
    if (!value.empty() && value[0] == '"') {
      const size_t end = value.find('"', 1);
      value = value.substr(1, end == std::string::npos ? std::string::npos
                                                       : end - 1);
    } else {
      value = value.substr(0, value.find(';'));
    }
    name = value;
  }
  if (name.empty()) {
    std::string path = response.url.substr(0, response.url.find_first_of("?#"));
    const size_t slash = path.rfind('/');
    name = PercentDecode(path.substr(slash == std::string::npos ? 0 : slash + 1));
    if (name.find(':') != std::string::npos)
      name.clear();  // the host, not a file
  }
  return Utf8ToU16(name);  // made safe by the item
}

}  // namespace

class WinDownload;

namespace {

std::vector<WinDownload*>& Running() {
  static auto* running = new std::vector<WinDownload*>();
  return *running;
}

}  // namespace

class WinDownload : public DownloadItem {
 public:
  WinDownload(WinBrowser* browser, const HttpResponse& response,
              std::shared_ptr<HttpTransfer> transfer,
              std::shared_ptr<DownloadPipe> pipe)
      : DownloadItem(browser, Utf8ToU16(response.url)),
        response_(response),
        transfer_(std::move(transfer)),
        pipe_(std::move(pipe)) {}

  void Start() {
    Begin();
    Running().push_back(this);
    pipe_->Attach(this);
    Decide(SuggestedName(response_));
    int error = 0;
    if (pipe_->finished(&error))
      OnPipe(true);
  }

  // From the pipe, on the UI thread.
  void OnPipe(bool transfer_finished) {
    if (finished())
      return;
    if (!transfer_finished) {
      Updated();
      return;
    }
    int error = 0;
    pipe_->finished(&error);
    if (error) {
      End(State::kInterrupted,
          "The transfer failed (" + NetErrorText(error) + ").");
      return;
    }
    if (placed_)
      End(pipe_->Close() ? State::kComplete : State::kInterrupted);
    // Else the bytes wait in the spool file for the user's answer.
  }

  void Cancel() override {
    if (finished())
      return;
    End(State::kCanceled);
  }

 protected:
  int64_t TotalBytes() override {
    return response_.content_length > 0 ? response_.content_length : 0;
  }
  int64_t ReceivedBytes() override { return pipe_->received(); }
  std::u16string CurrentUrl() override { return Utf8ToU16(response_.url); }
  std::u16string MimeType() override { return Utf8ToU16(response_.mime_type); }
  std::u16string ContentDisposition() override {
    return Utf8ToU16(response_.content_disposition);
  }
  std::filesystem::path DefaultDirectory() override {
    wchar_t dir[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, dir)))
      return std::filesystem::path(dir);
    GetTempPathW(MAX_PATH, dir);
    return std::filesystem::path(dir);
  }
  void ChooseDestination(const std::filesystem::path& proposed) override {
    // From the loop, not from inside the handler that answered.
    Ref<DownloadItem> keep(this);
    PostToUi([keep, proposed] {
      static_cast<WinDownload*>(keep.get())->RunSaveDialog(proposed);
    });
  }
  bool WriteTo(const std::filesystem::path& path) override {
    if (!pipe_->MoveInto(path.wstring()))
      return false;
    placed_ = true;
    int error = 0;
    if (pipe_->finished(&error)) {
      // Completed from the loop, after the program has heard of the
      // destination.
      Ref<DownloadItem> keep(this);
      PostToUi([keep] { static_cast<WinDownload*>(keep.get())->OnPipe(true); });
    }
    return true;
  }

 private:
  ~WinDownload() override = default;

  void RunSaveDialog(const std::filesystem::path& proposed) {
    if (finished())
      return;
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring name = proposed.filename().wstring();
    std::copy(name.begin(), name.begin() + std::min(name.size(), file.size() - 1),
              file.begin());
    const std::wstring dir = proposed.parent_path().wstring();
    WinBrowser* browser = static_cast<WinBrowser*>(this->browser());
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = browser->hwnd();
    ofn.lpstrFilter = L"All files (*.*)\0*.*\0";
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST |
                OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    Ref<DownloadItem> keep(this);
    if (GetSaveFileNameW(&ofn))
      SetDestination(std::filesystem::path(std::wstring(file.data())));
    else
      Cancel();
  }

  void TellFailure(const std::string& why) override {
    // From the loop: the box's own loop must not run inside the caller's.
    std::filesystem::path name(full_path());
    std::wstring text = name.empty() ? std::wstring(L"The download")
                                     : name.filename().wstring();
    text += L" could not be saved.";
    if (!why.empty())
      text += L"\n\n" + WideFromUtf8(why);
    const int browser_id = browser()->id();
    PostToUi([browser_id, text] {
      // A window closed meanwhile took the download with it: nothing to
      // tell, and no box to hold up the shut-down.
      if (WinBrowser* browser = FindWinBrowser(browser_id))
        MessageBoxW(browser->hwnd(), text.c_str(), L"Download failed",
                    MB_OK | MB_ICONERROR);
    });
  }

  void End(State state, const std::string& why = "") {
    Ref<DownloadItem> keep(this);
    if (state != State::kComplete) {
      pipe_->Abandon();
      if (transfer_)
        transfer_->Cancel();
    }
    transfer_.reset();
    pipe_->Attach(nullptr);
    auto& running = Running();
    running.erase(std::remove(running.begin(), running.end(), this),
                  running.end());
    Finish(state, true, why);
  }

  HttpResponse response_;
  std::shared_ptr<HttpTransfer> transfer_;
  std::shared_ptr<DownloadPipe> pipe_;
  bool placed_ = false;  // the pipe writes into the chosen folder

  friend class DownloadPipe;
};

std::shared_ptr<DownloadPipe> DownloadPipe::Create() {
  wchar_t dir[MAX_PATH + 1] = {};
  wchar_t path[MAX_PATH + 1] = {};
  if (!GetTempPathW(MAX_PATH, dir) || !GetTempFileNameW(dir, L"dl", 0, path))
    return nullptr;
  std::shared_ptr<DownloadPipe> pipe(new DownloadPipe());
  pipe->path_ = path;
  // Read back into the chosen folder once the user has answered.
  pipe->file_ = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
  if (pipe->file_ == INVALID_HANDLE_VALUE)
    return nullptr;
  return pipe;
}

DownloadPipe::~DownloadPipe() {
  if (file_ != INVALID_HANDLE_VALUE)
    CloseHandle(file_);
  if (!path_.empty())
    DeleteFileW(path_.c_str());
}

void DownloadPipe::Abandon() {
  abandoned_ = true;
  std::lock_guard<std::mutex> lock(mutex_);
  if (file_ != INVALID_HANDLE_VALUE)
    CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
  if (!path_.empty())
    DeleteFileW(path_.c_str());
  path_.clear();
}

bool DownloadPipe::Write(const char* data, size_t size) {
  if (abandoned_)
    return false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    while (size > 0) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1 << 20));
      if (file_ == INVALID_HANDLE_VALUE ||
          !WriteFile(file_, data, chunk, &written, nullptr) || written == 0)
        return false;
      data += written;
      size -= written;
      received_ += written;
    }
  }
  const auto now = std::chrono::steady_clock::now();
  if (now - last_update_ >= kUpdateInterval) {
    last_update_ = now;
    PostUpdate(false);
  }
  return true;
}

void DownloadPipe::Done(int net_error) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    finished_ = true;
    error_ = abandoned_ ? ERR_ABORTED : net_error;
  }
  PostUpdate(true);
}

bool DownloadPipe::finished(int* error) {
  std::lock_guard<std::mutex> lock(mutex_);
  *error = error_;
  return finished_;
}

bool DownloadPipe::MoveInto(const std::wstring& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (file_ == INVALID_HANDLE_VALUE || path_.empty())
    return false;
  // Deletable while open: a cancel removes it even before the transfer's
  // thread lets go.
  HANDLE into = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE,
                            nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (into == INVALID_HANDLE_VALUE)
    return false;
  LARGE_INTEGER start = {};
  bool copied = SetFilePointerEx(file_, start, nullptr, FILE_BEGIN) != 0;
  std::vector<char> buffer(1 << 20);
  while (copied) {
    DWORD read = 0, written = 0;
    if (!ReadFile(file_, buffer.data(), static_cast<DWORD>(buffer.size()),
                  &read, nullptr)) {
      copied = false;
    } else if (read == 0) {
      break;
    } else if (!WriteFile(into, buffer.data(), read, &written, nullptr) ||
               written != read) {
      copied = false;
    }
  }
  if (!copied) {
    CloseHandle(into);
    return false;
  }
  CloseHandle(file_);
  DeleteFileW(path_.c_str());
  file_ = into;
  path_ = path;
  return true;
}

bool DownloadPipe::Close() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (file_ == INVALID_HANDLE_VALUE)
    return false;
  const bool flushed = FlushFileBuffers(file_) != 0;
  CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
  path_.clear();  // the item's to keep or remove now
  return flushed;
}

void DownloadPipe::PostUpdate(bool transfer_finished) {
  std::shared_ptr<DownloadPipe> self = shared_from_this();
  PostToUi([self, transfer_finished] {
    if (WinDownload* item = self->item_)
      item->OnPipe(transfer_finished);
  });
}

bool IsDownloadResponse(const HttpResponse& response) {
  if (response.status < 200 || response.status >= 300)
    return false;  // an error page is shown, not saved
  if (AsciiLower(response.content_disposition).rfind("attachment", 0) == 0)
    return true;
  const std::string& type = response.mime_type;
  return !type.empty() && type != "text/html" &&
         type != "application/xhtml+xml";
}

void StartWinDownload(WinBrowser* browser, const HttpResponse& response,
                      std::shared_ptr<HttpTransfer> transfer,
                      std::shared_ptr<DownloadPipe> pipe) {
  WinDownload* item = new WinDownload(browser, response, std::move(transfer),
                                      std::move(pipe));
  item->Start();
  item->Release();
}

void CancelWinDownloads() {
  const std::vector<WinDownload*> running = Running();
  for (WinDownload* item : running)
    item->Cancel();
}

}  // namespace cefrt
