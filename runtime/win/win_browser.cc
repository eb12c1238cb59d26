#include "runtime/win/win_browser.h"

#include <algorithm>
#include <new>
#include <utility>

#include "runtime/base/function_task.h"
#include "runtime/browser/load_error.h"
#include "runtime/base/log.h"
#include "runtime/base/text.h"
#include "runtime/base/url.h"
#include "runtime/win/win_charset.h"
#include "runtime/win/win_download.h"
#include "runtime/win/win_text.h"

namespace cefrt {

namespace {

constexpr wchar_t kWindowClass[] = L"CefBrowserWindow";
constexpr size_t kMaxPageBytes = 16 * 1024 * 1024;
// Ends a main-frame load that takes too long, however the server keeps it
// alive (a byte now and then never trips WinHTTP's own timeouts).
constexpr UINT_PTR kLoadTimer = 1;

// The program's own icon: its executable's first icon group, the one the
// shell shows for the file; the system's generic icon when it has none.
HICON ProgramIcon(int size) {
  HMODULE exe = GetModuleHandleW(nullptr);
  struct First {
    bool found = false;
    ULONG_PTR id = 0;
    std::wstring name;
  } first;
  EnumResourceNamesW(
      exe, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */,
      [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) CALLBACK -> BOOL {
        First* f = reinterpret_cast<First*>(param);
        f->found = true;
        if (IS_INTRESOURCE(name))
          f->id = reinterpret_cast<ULONG_PTR>(name);
        else
          f->name = name;
        return FALSE;  // the first is the one
      },
      reinterpret_cast<LONG_PTR>(&first));
  HICON icon = nullptr;
  if (first.found) {
    const LPCWSTR name = first.name.empty()
                             ? MAKEINTRESOURCEW(first.id)
                             : first.name.c_str();
    icon = static_cast<HICON>(
        LoadImageW(exe, name, IMAGE_ICON, size, size, LR_SHARED));
  }
  return icon ? icon
              : LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
}

bool RegisterWindowClass(WNDPROC proc) {
  static bool registered = false;
  if (registered)
    return true;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = ProgramIcon(GetSystemMetrics(SM_CXICON));
  wc.hIconSm = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kWindowClass;
  registered = RegisterClassExW(&wc) != 0 ||
               GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return registered;
}

bool FontInstalled(const wchar_t* face) {
  LOGFONTW query = {};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
  HDC dc = GetDC(nullptr);
  bool found = false;
  EnumFontFamiliesExW(
      dc, &query,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) CALLBACK
          -> int {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return found;
}

// Pages are often Chinese: a face with CJK glyphs when one is installed.
void PreferCjkFace(LOGFONTW* font) {
  static const wchar_t* const kFaces[] = {
      L"Microsoft YaHei", L"SimSun", L"WenQuanYi Micro Hei",
      L"Noto Sans CJK SC", L"Droid Sans Fallback"};
  for (const wchar_t* face : kFaces) {
    if (FontInstalled(face)) {
      lstrcpynW(font->lfFaceName, face, LF_FACESIZE);
      return;
    }
  }
}

// Hears a page load on its transfer's thread and hands the result to the
// browser on the UI thread, by id: the browser may be gone by then.
class PageSink : public HttpSink {
 public:
  // A forced sink saves whatever comes, as a download.
  PageSink(int browser_id, uint64_t load, bool forced)
      : browser_(browser_id), load_(load), forced_(forced) {}

  bool OnResponse(const HttpResponse& response) override {
    response_ = response;
    if (!forced_ && !IsDownloadResponse(response))
      return true;
    pipe_ = DownloadPipe::Create();
    if (!pipe_)
      return false;
    const int id = browser_;
    const uint64_t load = load_;
    std::shared_ptr<DownloadPipe> pipe = pipe_;
    if (!PostToUi([id, load, response, pipe] {
          if (WinBrowser* b = FindWinBrowser(id))
            b->OnDownloadResponse(load, response, pipe);
          else
            pipe->Abandon();
        }))
      return false;
    return true;
  }

  bool OnData(const char* data, size_t size) override {
    if (pipe_)
      return pipe_->Write(data, size);
    if (size > kMaxPageBytes - body_.size()) {
      too_big_ = true;
      return false;
    }
    try {
      body_.append(data, size);
    } catch (const std::bad_alloc&) {
      out_of_memory_ = true;  // the load fails; the program goes on
      return false;
    }
    return true;
  }

  void OnDone(int net_error) override {
    if (pipe_) {
      pipe_->Done(net_error);
      return;
    }
    // Not "aborted", which is silent: the error page must show.
    if (too_big_)
      net_error = ERR_FILE_TOO_BIG;
    if (out_of_memory_) {
      net_error = ERR_FAILED;
      body_.clear();
      body_.shrink_to_fit();
    }
    const int id = browser_;
    const uint64_t load = load_;
    try {
      PostToUi([id, load, response = response_, body = std::move(body_),
                net_error] {
        if (WinBrowser* b = FindWinBrowser(id))
          b->OnPageLoaded(load, response, body, net_error);
      });
    } catch (const std::bad_alloc&) {
      // Nothing to tell with: the load's timeout ends it.
    }
  }

 private:
  const int browser_;
  const uint64_t load_;
  const bool forced_;
  HttpResponse response_;
  std::string body_;
  bool too_big_ = false;
  bool out_of_memory_ = false;
  std::shared_ptr<DownloadPipe> pipe_;
};

}  // namespace

WinBrowser* FindWinBrowser(int id) {
  for (Browser* b : OpenBrowsers()) {
    if (b->id() == id && !b->closed())
      return static_cast<WinBrowser*>(b);
  }
  return nullptr;
}

WinBrowser::WinBrowser(cef_client_t* client, bool popup, HWND opener)
    : Browser(client, popup), opener_(opener) {}

bool WinBrowser::Open(const cef_window_info_t* info, const std::string& url) {
  if (!RegisterWindowClass(&WindowProc))
    return false;
  const uint32_t given_style = info ? info->style : 0;
  // A style that names no kind of window gets an ordinary one.
  DWORD style = given_style ? given_style : WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  style |= WS_CLIPCHILDREN | WS_VSCROLL;
  const DWORD ex_style = info ? info->ex_style : 0;
  int x = info ? info->x : kDefaultPlacement;
  int y = info ? info->y : kDefaultPlacement;
  int width = info ? info->width : kDefaultPlacement;
  int height = info ? info->height : kDefaultPlacement;
  // Windows places only overlapped windows by itself.
  if ((style & (WS_POPUP | WS_CHILD)) != 0) {
    const int screen_w = GetSystemMetrics(SM_CXSCREEN);
    const int screen_h = GetSystemMetrics(SM_CYSCREEN);
    if (width == kDefaultPlacement || width <= 0)
      width = std::max(screen_w * 2 / 3, 320);
    if (height == kDefaultPlacement || height <= 0)
      height = std::max(screen_h * 2 / 3, 240);
    if (x == kDefaultPlacement)
      x = std::max((screen_w - width) / 2, 0);
    if (y == kDefaultPlacement)
      y = std::max((screen_h - height) / 2, 0);
  }
  const std::wstring title =
      info ? WideFromU16(FromCef(&info->window_name)) : std::wstring();
  HWND parent = info ? static_cast<HWND>(info->parent_window) : nullptr;
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof(metrics);
  LOGFONTW base = {};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics),
                            &metrics, 0))
    base = metrics.lfMessageFont;
  else
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(base), &base);
  base.lfHeight = -15;
  PreferCjkFace(&base);
  text_font_ = CreateFontIndirectW(&base);
  LOGFONTW heading = base;
  heading.lfHeight = -24;
  heading.lfWeight = FW_BOLD;
  heading_font_ = CreateFontIndirectW(&heading);
  LOGFONTW link = base;
  link.lfUnderline = TRUE;
  link_font_ = CreateFontIndirectW(&link);

  hwnd_ = CreateWindowExW(ex_style, kWindowClass, title.c_str(), style, x, y,
                          width, height, parent, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) {
    CEFRT_LOG(LOGSEVERITY_ERROR, "cannot create the browser window");
    return false;
  }
  // Only a style that leaves out WS_VISIBLE keeps the window hidden.
  if (!given_style || (given_style & WS_VISIBLE)) {
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
  }
  if (!url.empty()) {
    // From the loop: the program hears of the browser before its first load.
    Ref<Browser> keep(this);
    PostToUi([keep, url] {
      if (!keep->closed())
        keep->LoadUrl(url);
    });
  }
  return true;
}

LRESULT CALLBACK WinBrowser::WindowProc(HWND hwnd, UINT message,
                                        WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* browser =
      reinterpret_cast<WinBrowser*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!browser || (browser->hwnd_ && browser->hwnd_ != hwnd))
    return DefWindowProcW(hwnd, message, wparam, lparam);
  if (!browser->hwnd_)
    browser->hwnd_ = hwnd;  // messages sent during creation
  return browser->HandleMessage(message, wparam, lparam);
}

LRESULT WinBrowser::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (IsKeyMessage(message) &&
      FilterFromOtherLoop(hwnd_, message, wparam, lparam))
    return 0;
  switch (message) {
    case WM_CLOSE:
      AskAndClose();
      return 0;
    case WM_NCDESTROY:
      // Destroyed by someone else (an owner going away): the browser ends
      // with it.
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      if (!closed()) {
        hwnd_ = nullptr;
        Destroy(true);
      }
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_TIMER:
      if (wparam != kLoadTimer)
        break;
      KillTimer(hwnd_, kLoadTimer);
      if (loading_ && transfer_) {
        ++load_;  // whatever the transfer still says is stale now
        transfer_->Cancel();
        transfer_.reset();
        FailLoad(ERR_TIMED_OUT, pending_.url);
      }
      return 0;
    case WM_COMMAND:
      if (lparam)
        OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_VSCROLL: {
      SCROLLINFO si = {};
      si.cbSize = sizeof(si);
      si.fMask = SIF_ALL;
      GetScrollInfo(hwnd_, SB_VERT, &si);
      int target = scroll_;
      switch (LOWORD(wparam)) {
        case SB_LINEUP: target -= 30; break;
        case SB_LINEDOWN: target += 30; break;
        case SB_PAGEUP: target -= static_cast<int>(si.nPage); break;
        case SB_PAGEDOWN: target += static_cast<int>(si.nPage); break;
        case SB_THUMBTRACK: case SB_THUMBPOSITION: target = si.nTrackPos; break;
        case SB_TOP: target = 0; break;
        case SB_BOTTOM: target = content_height_; break;
        default: break;
      }
      Scroll(target - scroll_);
      return 0;
    }
    case WM_MOUSEWHEEL:
      Scroll(-GET_WHEEL_DELTA_WPARAM(wparam) * 60 / WHEEL_DELTA);
      return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      const size_t node = NodeOfControl(reinterpret_cast<HWND>(lparam));
      const bool link = node < document_.nodes.size() &&
                        document_.nodes[node].kind == HtmlNode::Kind::kLink;
      SetTextColor(dc, link ? RGB(0x1a, 0x0d, 0xab) : RGB(0x20, 0x20, 0x20));
      SetBkColor(dc, RGB(0xff, 0xff, 0xff));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_SETCURSOR: {
      const size_t node = NodeOfControl(reinterpret_cast<HWND>(wparam));
      if (node < document_.nodes.size() &&
          document_.nodes[node].kind == HtmlNode::Kind::kLink) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    }
    case WM_CONTEXTMENU: {
      POINT at = {static_cast<short>(LOWORD(lparam)),
                  static_cast<short>(HIWORD(lparam))};
      if (at.x == -1 && at.y == -1) {
        at = {0, 0};
        ClientToScreen(hwnd_, &at);
      }
      ShowContextMenu(at);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void WinBrowser::RequestClose(bool force) {
  if (closed() || !hwnd_)
    return;
  if (!force) {
    // The same road as the window's close button: do_close decides.
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    return;
  }
  // Later, from the loop: the caller may be walking its browser list.
  Ref<Browser> keep(this);
  PostToUi([keep] { keep->Destroy(true); });
}

void WinBrowser::DestroyView() {
  AbortLoad();
  ClearControls();
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  if (hwnd) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
  }
  for (HFONT* font : {&text_font_, &heading_font_, &link_font_}) {
    if (*font)
      DeleteObject(*font);
    *font = nullptr;
  }
}

void WinBrowser::Focus() {
  SetFocus(hwnd_);
}

void WinBrowser::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool WinBrowser::IsFocused() {
  HWND focus = GetFocus();
  return focus && (focus == hwnd_ || IsChild(hwnd_, focus));
}

// ---------------------------------------------------------------------------
// History and loading

bool WinBrowser::CanGoBack() {
  return history_index_ > 0;
}

bool WinBrowser::CanGoForward() {
  return history_index_ + 1 < history_.size();
}

void WinBrowser::GoBack() {
  if (!CanGoBack())
    return;
  Navigation nav = history_[history_index_ - 1];
  nav.step = HistoryStep::kBack;
  Navigate(std::move(nav));
}

void WinBrowser::GoForward() {
  if (!CanGoForward())
    return;
  Navigation nav = history_[history_index_ + 1];
  nav.step = HistoryStep::kForward;
  Navigate(std::move(nav));
}

void WinBrowser::Reload(bool) {
  // Nothing is cached here: every reload goes to the network.
  if (url_.empty() && history_.empty())
    return;
  Navigation nav;
  if (!history_.empty())
    nav = history_[history_index_];
  nav.url = url_.empty() ? nav.url : url_;
  nav.step = HistoryStep::kReload;
  Navigate(std::move(nav));
}

void WinBrowser::StopLoad() {
  AbortLoad();
}

std::u16string WinBrowser::Url() {
  return Utf8ToU16(url_);
}

void WinBrowser::LoadUrl(const std::string& url) {
  Navigation nav;
  nav.url = url;
  Navigate(std::move(nav));
}

void WinBrowser::LoadRequest(const RequestData& request) {
  Navigation nav;
  nav.url = U16ToUtf8(request.url);
  nav.method = U16ToUtf8(request.method);
  nav.referrer = U16ToUtf8(request.referrer_url);
  // WinHTTP keeps the last of repeated names: they go as one list.
  for (const auto& header : JoinRepeatedHeaders(request.headers))
    nav.headers.emplace_back(U16ToUtf8(header.first), U16ToUtf8(header.second));
  int refusal = 0;
  if (!SendableRequest(request))
    refusal = ERR_INVALID_ARGUMENT;
  else if (!UploadBody(request, &nav.body))
    refusal = ERR_FILE_NOT_FOUND;
  if (refusal) {
    BeginLoad(nav.url);
    FailLoad(refusal, nav.url);
    return;
  }
  Navigate(std::move(nav));
}

void WinBrowser::LoadString(const std::string& html, const std::string& url) {
  const uint64_t load = BeginLoad(url);
  Ref<Browser> keep(this);
  // Shown from the loop, as a fetched page would be, not inside the caller.
  PostToUi([keep, load, html, url] {
    WinBrowser* b = static_cast<WinBrowser*>(keep.get());
    if (!b->closed() && load == b->load_)
      b->Commit(load, url, html, 200, HistoryStep::kReload);
  });
}

// The load in flight ends as aborted, as when a person stops it.
void WinBrowser::AbortLoad() {
  if (!loading_)
    return;
  ++load_;  // whatever the transfer still says is stale now
  if (transfer_) {
    transfer_->Cancel();
    transfer_.reset();
  }
  FailLoad(ERR_ABORTED, pending_.url);
}

uint64_t WinBrowser::BeginLoad(const std::string& url) {
  AbortLoad();
  const uint64_t load = ++load_;
  pending_ = Navigation();
  pending_charset_.clear();
  pending_.url = url;
  loading_ = true;
  NotifyLoadingState();
  NotifyLoadStart();
  return load;
}

void WinBrowser::Navigate(Navigation navigation) {
  cefrt::Url parsed;
  if (navigation.url == "about:blank") {
    const uint64_t load = BeginLoad(navigation.url);
    pending_ = navigation;
    Commit(load, navigation.url, std::string(), 0, navigation.step);
    return;
  }
  BeginLoad(navigation.url);
  const uint64_t load = load_;
  pending_ = navigation;
  if (!ParseUrl(navigation.url, &parsed)) {
    FailLoad(ERR_INVALID_URL, navigation.url);
    return;
  }
  if (parsed.scheme != "http" && parsed.scheme != "https") {
    FailLoad(ERR_UNKNOWN_URL_SCHEME, navigation.url);
    return;
  }
  HttpRequest request;
  request.url = navigation.url;
  request.method = navigation.method;
  request.body = navigation.body;
  request.content_type = navigation.content_type;
  request.referrer = navigation.referrer;
  request.headers = navigation.headers;
  transfer_ = HttpTransfer::Start(std::move(request),
                                  std::make_shared<PageSink>(id(), load, false));
  if (!transfer_) {
    FailLoad(ERR_FAILED, navigation.url);
    return;
  }
  SetTimer(hwnd_, kLoadTimer, LoadTimeoutMs(), nullptr);
}

void WinBrowser::FailLoad(int net_error, const std::string& url) {
  Ref<Browser> keep(this);
  const uint64_t load = load_;
  NotifyLoadError(net_error, Utf8ToU16(NetErrorText(net_error)),
                  Utf8ToU16(url));
  // The handler may have started another load (an error page) meanwhile.
  if (closed() || load_ != load)
    return;
  loading_ = false;
  transfer_.reset();
  KillTimer(hwnd_, kLoadTimer);
  NotifyLoadingState();
}

void WinBrowser::OnPageLoaded(uint64_t load, const HttpResponse& response,
                              const std::string& body, int net_error) {
  if (closed() || load != load_ || !loading_)
    return;  // superseded
  transfer_.reset();
  KillTimer(hwnd_, kLoadTimer);
  if (net_error) {
    FailLoad(net_error, pending_.url);
    return;
  }
  // The view reads UTF-8: a page in another encoding is read in it here,
  // and its forms answer in it.
  pending_charset_ = PageCharset(body, response.charset);
  const std::string html =
      body.empty() && response.status >= 400
          ? HtmlStatusPage(response.status, response.status_text)
          : PageToUtf8(body, response.charset);
  Commit(load, response.url, html, response.status, pending_.step);
}

void WinBrowser::OnDownloadResponse(uint64_t load,
                                    const HttpResponse& response,
                                    std::shared_ptr<DownloadPipe> pipe) {
  if (closed()) {
    pipe->Abandon();
    return;
  }
  std::shared_ptr<HttpTransfer> transfer;
  if (load == load_ && loading_) {
    // The navigation became a download: the page stays as it was, and the
    // download is no page load with a deadline.
    transfer = std::move(transfer_);
    KillTimer(hwnd_, kLoadTimer);
    ++load_;
    FailLoad(ERR_ABORTED, pending_.url);
  }
  if (closed()) {
    pipe->Abandon();
    return;
  }
  StartWinDownload(this, response, std::move(transfer), std::move(pipe));
}

void WinBrowser::Commit(uint64_t load, const std::string& url,
                        const std::string& html, int status,
                        HistoryStep step) {
  Ref<Browser> keep(this);
  // A page too large for this process's memory is a failed load, shown as
  // the error page, not the end of the program.
  HtmlDocument document = ParseHtmlDocument(html);
  if (!document.out_of_memory) {
    try {
      source_ = html;
    } catch (const std::bad_alloc&) {
      document.out_of_memory = true;
    }
  }
  if (document.out_of_memory) {
    source_.clear();
    FailLoad(ERR_FAILED, url);
    return;
  }
  Navigation entry = pending_;
  entry.url = url;
  switch (step) {
    case HistoryStep::kNew:
      if (!history_.empty())
        history_.resize(history_index_ + 1);
      // Form posts are not repeated by going back to them.
      entry.method = "GET";
      entry.body.clear();
      history_.push_back(entry);
      history_index_ = history_.size() - 1;
      break;
    case HistoryStep::kBack:
      if (history_index_ > 0)
        --history_index_;
      break;
    case HistoryStep::kForward:
      if (history_index_ + 1 < history_.size())
        ++history_index_;
      break;
    case HistoryStep::kReload:
      if (history_.empty()) {
        history_.push_back(entry);
        history_index_ = 0;
      }
      break;
  }
  url_ = url;
  charset_ = pending_charset_;
  has_document_ = true;
  try {
    ShowDocument(std::move(document));
  } catch (const std::bad_alloc&) {
    ClearControls();
    document_ = HtmlDocument();
    source_.clear();
    FailLoad(ERR_FAILED, url);
    return;
  }
  NotifyAddress(Utf8ToU16(url_));
  const std::u16string title = Utf8ToU16(document_.title);
  if (title != title_) {
    title_ = title;
    NotifyTitle(title_);
  }
  if (closed() || load != load_)
    return;
  // Over before the handler hears it: a load it starts aborts nothing.
  loading_ = false;
  NotifyLoadEnd(status);
  if (closed() || load != load_)
    return;
  NotifyLoadingState();
}

std::vector<std::pair<std::string, std::string>> WinBrowser::InPageCharset(
    std::vector<std::pair<std::string, std::string>> fields) const {
  for (auto& field : fields) {
    field.first = Utf8ToPageCharset(field.first, charset_);
    field.second = Utf8ToPageCharset(field.second, charset_);
  }
  return fields;
}

void WinBrowser::StartDownload(const std::string& url) {
  cefrt::Url parsed;
  if (!ParseUrl(url, &parsed) ||
      (parsed.scheme != "http" && parsed.scheme != "https"))
    return;
  HttpRequest request;
  request.url = url;
  // Not this view's load: the download goes on whatever the view does.
  HttpTransfer::Start(std::move(request),
                      std::make_shared<PageSink>(id(), 0, true));
}

// ---------------------------------------------------------------------------
// The platform's side of the shared browser code

bool PreTranslateBrowserMessage(MSG* msg) {
  if (!msg->hwnd)
    return false;
  HWND root = GetAncestor(msg->hwnd, GA_ROOT);
  for (Browser* b : OpenBrowsers()) {
    WinBrowser* w = static_cast<WinBrowser*>(b);
    if (w->hwnd() && w->hwnd() == root) {
      Ref<Browser> keep(w);
      return w->PreTranslate(msg);
    }
  }
  return false;
}

bool PlatformCanCreateBrowsers() {
  return UiPumpReady();
}

Browser* CreatePlatformBrowser(const cef_window_info_t* info,
                               cef_client_t* client, const std::string& url,
                               const cef_browser_settings_t*,
                               cef_request_context_t* context) {
  WinBrowser* browser = new WinBrowser(client, false, nullptr);
  browser->SetRequestContext(context);
  browser->Register();  // the runtime's reference
  if (!browser->Open(info, url)) {
    browser->Destroy(false);
    return nullptr;
  }
  browser->AddRef();  // the caller's
  return browser;
}

void ConfigurePlatform(const BrowserEnvironment& env) {
  ConfigureHttp(env);
}

void ShutdownPlatform() {
  CancelWinDownloads();
  ShutdownHttp();
}

}  // namespace cefrt
