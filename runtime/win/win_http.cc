#include "runtime/win/win_http.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "include/capi/cef_types_capi.h"
#include "runtime/browser/browser.h"
#include "runtime/base/text.h"
#include "runtime/base/url.h"
#include "runtime/win/win_text.h"

namespace cefrt {

namespace {

constexpr int kTimeoutMs = 30000;
constexpr int kMaxRedirects = 20;
constexpr wchar_t kDefaultAgent[] = L"Mozilla/5.0 (Windows NT 5.1) Pellavine";
constexpr auto kShutdownWait = std::chrono::seconds(5);

struct Session {
  std::mutex mutex;
  std::condition_variable idle;
  HINTERNET handle = nullptr;
  std::wstring accept_language;  // the header line, or empty
  std::wstring user_agent = kDefaultAgent;
  DWORD access = WINHTTP_ACCESS_TYPE_DEFAULT_PROXY;
  std::wstring proxy;
  int running = 0;
  std::vector<std::weak_ptr<HttpTransfer>> transfers;
};

Session& TheSession() {
  static Session* session = new Session();  // outlives static destructors
  return *session;
}

int NetErrorForWinHttp(DWORD error) {
  switch (error) {
    case ERROR_WINHTTP_CANNOT_CONNECT:
      return ERR_CONNECTION_REFUSED;
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
      return ERR_NAME_NOT_RESOLVED;
    case ERROR_WINHTTP_TIMEOUT:
      return ERR_TIMED_OUT;
    case ERROR_WINHTTP_OPERATION_CANCELLED:
    case ERROR_INVALID_HANDLE:
      return ERR_ABORTED;
    case ERROR_WINHTTP_CONNECTION_ERROR:
      return ERR_CONNECTION_RESET;
    case ERROR_WINHTTP_INVALID_URL:
      return ERR_INVALID_URL;
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
      return ERR_UNKNOWN_URL_SCHEME;
    case ERROR_WINHTTP_REDIRECT_FAILED:
      return ERR_TOO_MANY_REDIRECTS;
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE:
    case ERROR_WINHTTP_HEADER_NOT_FOUND:
      return ERR_INVALID_RESPONSE;
    case ERROR_WINHTTP_SECURE_FAILURE:
      return ERR_SSL_PROTOCOL_ERROR;
    default:
      return ERR_FAILED;
  }
}

std::wstring QueryString(HINTERNET request, DWORD info) {
  DWORD size = 0;
  WinHttpQueryHeaders(request, info, WINHTTP_HEADER_NAME_BY_INDEX,
                      WINHTTP_NO_OUTPUT_BUFFER, &size, WINHTTP_NO_HEADER_INDEX);
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
    return std::wstring();
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  if (!WinHttpQueryHeaders(request, info, WINHTTP_HEADER_NAME_BY_INDEX,
                           &value[0], &size, WINHTTP_NO_HEADER_INDEX))
    return std::wstring();
  value.resize(size / sizeof(wchar_t));
  return value;
}

std::string Trim(const std::string& s) {
  const size_t start = s.find_first_not_of(" \t");
  if (start == std::string::npos)
    return std::string();
  return s.substr(start, s.find_last_not_of(" \t") - start + 1);
}

// What one request handle's callbacks share with its transfer's thread.
// WinHTTP may still send the body, write into the buffer or report a
// completion until it says the handle is closing: only then is it freed.
struct Operation {
  HANDLE done = nullptr;  // auto-reset; set by every completion
  DWORD error = 0;        // of the last completion; 0 when it succeeded
  DWORD bytes = 0;        // of the last read or query
  std::string body;
  std::vector<char> buffer;
};

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info,
                       DWORD length) {
  auto* op = reinterpret_cast<Operation*>(context);
  if (!op)
    return;  // the session's and connections' own notices
  switch (status) {
    case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
    case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
      op->error = 0;
      SetEvent(op->done);
      break;
    case WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE:
      op->error = 0;
      op->bytes = *static_cast<DWORD*>(info);
      SetEvent(op->done);
      break;
    case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
      op->error = 0;
      op->bytes = length;
      SetEvent(op->done);
      break;
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
      op->error = static_cast<WINHTTP_ASYNC_RESULT*>(info)->dwError;
      if (op->error == 0)
        op->error = ERROR_WINHTTP_INTERNAL_ERROR;
      SetEvent(op->done);
      break;
    case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
      CloseHandle(op->done);
      delete op;
      break;
    default:
      break;
  }
}

// One request after another (redirects) on a thread of its own. Only that
// thread touches the WinHTTP handles: Cancel() sets a flag and an event,
// which the thread checks before every call and waits on beside every
// completion; it then closes the request itself, which is how WinHTTP
// cancels an operation in flight.
class Transfer : public HttpTransfer,
                 public std::enable_shared_from_this<Transfer> {
 public:
  Transfer(HttpRequest request, std::shared_ptr<HttpSink> sink)
      : request_(std::move(request)),
        sink_(std::move(sink)),
        cancel_event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

  ~Transfer() override {
    if (cancel_event_)
      CloseHandle(cancel_event_);
  }

  void Cancel() override {
    cancelled_ = true;
    if (cancel_event_)
      SetEvent(cancel_event_);
  }

  void Run() {
    const int error = cancel_event_ ? Fetch() : ERR_FAILED;
    CloseHandles();
    sink_->OnDone(cancelled_ && error ? ERR_ABORTED : error);
  }

 private:
  int Failure(DWORD error) {
    return cancelled_ ? ERR_ABORTED : NetErrorForWinHttp(error);
  }

  void CloseHandles() {
    // Closing the request frees op_ in time, from the callback.
    op_ = nullptr;
    if (request_handle_)
      WinHttpCloseHandle(request_handle_);
    request_handle_ = nullptr;
    if (connect_)
      WinHttpCloseHandle(connect_);
    connect_ = nullptr;
  }

  // Waits for the operation just started; 0 when it completed well.
  int Complete(BOOL started) {
    if (!started)
      return Failure(GetLastError());
    HANDLE events[] = {op_->done, cancel_event_};
    // WinHTTP's own timeouts end every operation sooner.
    const DWORD waited =
        WaitForMultipleObjects(2, events, FALSE, 4 * kTimeoutMs);
    if (waited == WAIT_OBJECT_0)
      return op_->error ? Failure(op_->error) : 0;
    if (waited == WAIT_OBJECT_0 + 1 || cancelled_)
      return ERR_ABORTED;
    return ERR_TIMED_OUT;
  }

  // The program's headers, then the referrer, the runtime's Accept-Language
  // and the body's type where the program named none. A body's type goes
  // only with a body: not after a redirect turned the post into a GET. The
  // referrer goes as a header: not every WinHTTP sends OpenRequest's.
  std::wstring RequestHeaders(const std::wstring& accept_language,
                              const std::string& method,
                              const std::string& body) const {
    const bool with_body = !body.empty() || method == "POST";
    bool own_language = false;
    bool own_referrer = false;
    bool own_type = false;
    std::wstring out;
    for (const auto& header : request_.headers) {
      const std::string name = AsciiLower(header.first);
      if (name == "content-type") {
        own_type = true;
        if (!with_body)
          continue;
      }
      own_language = own_language || name == "accept-language";
      own_referrer = own_referrer || name == "referer";
      out += WideFromUtf8(header.first) + L": " +
             WideFromUtf8(header.second) + L"\r\n";
    }
    if (!own_language)
      out = accept_language + out;
    if (!own_referrer && !request_.referrer.empty())
      out += L"Referer: " + WideFromUtf8(request_.referrer) + L"\r\n";
    if (with_body && !own_type && !request_.content_type.empty())
      out += L"Content-Type: " + WideFromUtf8(request_.content_type) + L"\r\n";
    return out;
  }

  // Sends one request; on success the response's headers are in.
  int Exchange(const std::string& target, const std::string& method,
               const std::string& body) {
    CloseHandles();
    if (cancelled_)
      return ERR_ABORTED;
    const std::wstring url = WideFromUtf8(target);
    URL_COMPONENTS parts = {};
    parts.dwStructSize = sizeof(parts);
    parts.dwSchemeLength = parts.dwHostNameLength = 1;
    parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;
    if (!WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0,
                         &parts))
      return ERR_INVALID_URL;
    if (parts.nScheme != INTERNET_SCHEME_HTTP &&
        parts.nScheme != INTERNET_SCHEME_HTTPS)
      return ERR_UNKNOWN_URL_SCHEME;
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    // The fragment stays with the view.
    const size_t hash = path.find(L'#');
    if (hash != std::wstring::npos)
      path.resize(hash);
    if (path.empty())
      path = L"/";

    Session& session = TheSession();
    std::wstring headers;
    {
      std::lock_guard<std::mutex> lock(session.mutex);
      if (!session.handle) {
        session.handle = WinHttpOpen(
            session.user_agent.c_str(), session.access,
            session.proxy.empty() ? WINHTTP_NO_PROXY_NAME
                                  : session.proxy.c_str(),
            WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC);
        if (session.handle) {
          WinHttpSetTimeouts(session.handle, kTimeoutMs, kTimeoutMs,
                             kTimeoutMs, kTimeoutMs);
          // Handles made from the session from now on inherit it.
          if (WinHttpSetStatusCallback(
                  session.handle, &OnStatus,
                  WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS |
                      WINHTTP_CALLBACK_FLAG_HANDLES,
                  0) == WINHTTP_INVALID_STATUS_CALLBACK) {
            WinHttpCloseHandle(session.handle);
            session.handle = nullptr;
          }
        }
      }
      if (!session.handle)
        return ERR_FAILED;
      connect_ = WinHttpConnect(session.handle, host.c_str(), parts.nPort, 0);
      headers = RequestHeaders(session.accept_language, method, body);
    }
    if (!connect_)
      return NetErrorForWinHttp(GetLastError());
    const std::wstring verb = WideFromUtf8(method);
    request_handle_ = WinHttpOpenRequest(
        connect_, verb.c_str(), path.c_str(), nullptr, WINHTTP_NO_REFERER,
        WINHTTP_DEFAULT_ACCEPT_TYPES,
        parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0);
    if (!request_handle_)
      return NetErrorForWinHttp(GetLastError());
    auto op = std::make_unique<Operation>();
    op->done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    DWORD_PTR context = reinterpret_cast<DWORD_PTR>(op.get());
    if (!op->done ||
        !WinHttpSetOption(request_handle_, WINHTTP_OPTION_CONTEXT_VALUE,
                          &context, sizeof(context))) {
      if (op->done)
        CloseHandle(op->done);
      return ERR_FAILED;
    }
    op_ = op.release();  // the callback frees it once the handle closes
    op_->body = body;
    op_->buffer.resize(64 * 1024);
    // Redirects are followed here, the same way on every WinHTTP.
    DWORD disable = WINHTTP_DISABLE_REDIRECTS;
    WinHttpSetOption(request_handle_, WINHTTP_OPTION_DISABLE_FEATURE, &disable,
                     sizeof(disable));
    if (cancelled_)
      return ERR_ABORTED;
    const DWORD size = static_cast<DWORD>(op_->body.size());
    if (const int error = Complete(WinHttpSendRequest(
            request_handle_,
            headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : headers.c_str(),
            headers.empty() ? 0 : static_cast<DWORD>(-1L),
            size ? &op_->body[0] : WINHTTP_NO_REQUEST_DATA, size, size,
            context)))
      return error;
    if (cancelled_)
      return ERR_ABORTED;
    return Complete(WinHttpReceiveResponse(request_handle_, nullptr));
  }

  int Fetch() {
    std::string url = request_.url;
    std::string method = request_.method;
    std::string body = request_.body;
    HINTERNET request = nullptr;
    DWORD status = 0;
    for (int redirects = 0;; ++redirects) {
      if (const int error =
              Exchange(url, method, body))
        return error;
      request = request_handle_;
      DWORD size = sizeof(status);
      if (!WinHttpQueryHeaders(
              request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
              WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
              WINHTTP_NO_HEADER_INDEX))
        return Failure(GetLastError());
      const bool redirect = status == 301 || status == 302 || status == 303 ||
                            status == 307 || status == 308;
      if (!redirect)
        break;
      const std::string location =
          Utf8FromWide(QueryString(request, WINHTTP_QUERY_LOCATION));
      if (location.empty())
        break;  // shown as it is
      if (redirects >= kMaxRedirects)
        return ERR_TOO_MANY_REDIRECTS;
      const std::string next = ResolveUrl(url, location);
      if (next.empty())
        return ERR_INVALID_URL;
      url = next;
      // As browsers do: only 307 and 308 repeat a post.
      if (status != 307 && status != 308 && method != "HEAD") {
        method = "GET";
        body.clear();
      }
    }

    HttpResponse response;
    response.status = static_cast<int>(status);
    response.status_text =
        Utf8FromWide(QueryString(request, WINHTTP_QUERY_STATUS_TEXT));
    response.url = url;
    const std::string type =
        Utf8FromWide(QueryString(request, WINHTTP_QUERY_CONTENT_TYPE));
    const size_t semi = type.find(';');
    response.mime_type = AsciiLower(Trim(type.substr(0, semi)));
    if (semi != std::string::npos) {
      const std::string params = AsciiLower(type.substr(semi + 1));
      const size_t cs = params.find("charset=");
      if (cs != std::string::npos) {
        std::string charset = params.substr(cs + 8);
        charset = Trim(charset.substr(0, charset.find(';')));
        charset.erase(std::remove(charset.begin(), charset.end(), '"'),
                      charset.end());
        response.charset = charset;
      }
    }
    response.content_disposition =
        Utf8FromWide(QueryString(request, WINHTTP_QUERY_CONTENT_DISPOSITION));
    const std::string length =
        Utf8FromWide(QueryString(request, WINHTTP_QUERY_CONTENT_LENGTH));
    if (!length.empty() &&
        length.find_first_not_of("0123456789") == std::string::npos &&
        length.size() < 18)
      response.content_length = std::stoll(length);
    if (cancelled_ || !sink_->OnResponse(response))
      return ERR_ABORTED;

    for (;;) {
      if (cancelled_)
        return ERR_ABORTED;
      // What has come, rather than a whole buffer: a page or download
      // shows its progress, and a server pausing mid-body holds nothing.
      if (const int error =
              Complete(WinHttpQueryDataAvailable(request, nullptr)))
        return error;
      const DWORD available = std::min<DWORD>(
          op_->bytes, static_cast<DWORD>(op_->buffer.size()));
      if (available == 0)
        return cancelled_ ? ERR_ABORTED : 0;
      if (cancelled_)
        return ERR_ABORTED;
      if (const int error = Complete(
              WinHttpReadData(request, op_->buffer.data(), available,
                              nullptr)))
        return error;
      if (op_->bytes == 0)
        return cancelled_ ? ERR_ABORTED : 0;
      if (cancelled_ || !sink_->OnData(op_->buffer.data(), op_->bytes))
        return ERR_ABORTED;
    }
  }

  HttpRequest request_;
  std::shared_ptr<HttpSink> sink_;
  std::atomic<bool> cancelled_{false};
  const HANDLE cancel_event_;  // set by Cancel(), never reset
  // The transfer's thread's alone.
  HINTERNET connect_ = nullptr;
  HINTERNET request_handle_ = nullptr;
  Operation* op_ = nullptr;  // the request handle's; freed by its callback
};

}  // namespace

std::shared_ptr<HttpTransfer> HttpTransfer::Start(
    HttpRequest request, std::shared_ptr<HttpSink> sink) {
  auto transfer =
      std::make_shared<Transfer>(std::move(request), std::move(sink));
  Session& session = TheSession();
  {
    std::lock_guard<std::mutex> lock(session.mutex);
    ++session.running;
    session.transfers.erase(
        std::remove_if(session.transfers.begin(), session.transfers.end(),
                       [](const std::weak_ptr<HttpTransfer>& t) {
                         return t.expired();
                       }),
        session.transfers.end());
    session.transfers.push_back(transfer);
  }
  try {
    std::thread([transfer] {
      transfer->Run();
      Session& s = TheSession();
      std::lock_guard<std::mutex> lock(s.mutex);
      --s.running;
      s.idle.notify_all();
    }).detach();
  } catch (...) {
    {
      std::lock_guard<std::mutex> lock(session.mutex);
      --session.running;
    }
    transfer->Cancel();
    return nullptr;
  }
  return transfer;
}

void ConfigureHttp(const BrowserEnvironment& env) {
  Session& session = TheSession();
  std::lock_guard<std::mutex> lock(session.mutex);
  std::string languages;
  for (const std::string& lang : PreferredLanguages(env))
    languages += (languages.empty() ? "" : ",") + lang;
  session.accept_language =
      languages.empty() ? std::wstring()
                        : L"Accept-Language: " + WideFromUtf8(languages) +
                              L"\r\n";
  if (!env.user_agent.empty())
    session.user_agent = WideFromUtf8(U16ToUtf8(env.user_agent));
  if (env.no_proxy) {
    session.access = WINHTTP_ACCESS_TYPE_NO_PROXY;
  } else if (!env.proxy_server.empty()) {
    session.access = WINHTTP_ACCESS_TYPE_NAMED_PROXY;
    session.proxy = WideFromUtf8(U16ToUtf8(env.proxy_server));
  }
}

void ShutdownHttp() {
  Session& session = TheSession();
  std::vector<std::shared_ptr<HttpTransfer>> live;
  {
    std::lock_guard<std::mutex> lock(session.mutex);
    for (auto& weak : session.transfers) {
      if (auto t = weak.lock())
        live.push_back(std::move(t));
    }
    session.transfers.clear();
  }
  for (auto& t : live)
    t->Cancel();
  live.clear();
  std::unique_lock<std::mutex> lock(session.mutex);
  const bool idle = session.idle.wait_for(
      lock, kShutdownWait, [&session] { return session.running == 0; });
  // A thread still stuck in WinHTTP keeps the session it uses.
  if (idle && session.handle) {
    WinHttpCloseHandle(session.handle);
    session.handle = nullptr;
  }
  session.accept_language.clear();
  session.user_agent = kDefaultAgent;
  session.access = WINHTTP_ACCESS_TYPE_DEFAULT_PROXY;
  session.proxy.clear();
}

}  // namespace cefrt
