// Transfers over WinHTTP against a server in this process: cancelling one
// from another thread while it waits in WinHTTP, and what it leaves to the
// transfers after it.
#include "runtime/win/win_http.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "include/capi/cef_types_capi.h"
#include "runtime/browser/browser.h"

namespace cefrt {
// ConfigureHttp's; these tests keep the default settings.
std::vector<std::string> PreferredLanguages(const BrowserEnvironment&) {
  return {};
}
}  // namespace cefrt

namespace {

using namespace std::chrono_literals;
using cefrt::HttpRequest;
using cefrt::HttpResponse;
using cefrt::HttpSink;
using cefrt::HttpTransfer;

// Far below WinHTTP's own 30-second operation timeouts: a transfer that
// ends within this was ended by its cancel.
constexpr auto kPrompt = 10s;

void SendAll(SOCKET s, const std::string& data) {
  size_t sent = 0;
  while (sent < data.size()) {
    const int n = send(s, data.data() + sent,
                       static_cast<int>(data.size() - sent), 0);
    if (n <= 0)
      return;
    sent += static_cast<size_t>(n);
  }
}

void ReadRequestHead(SOCKET s) {
  std::string head;
  char c;
  while (head.find("\r\n\r\n") == std::string::npos &&
         recv(s, &c, 1, 0) == 1)
    head += c;
}

// Answers every connection with `respond`, each on a thread of its own.
class Server {
 public:
  explicit Server(std::function<void(SOCKET)> respond)
      : respond_(std::move(respond)) {
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
    int size = sizeof(addr);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &size);
    port_ = ntohs(addr.sin_port);
    listen(listener_, 8);
    accepter_ = std::thread([this] {
      for (;;) {
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET)
          return;
        std::lock_guard<std::mutex> lock(mutex_);
        clients_.push_back(client);
        threads_.emplace_back([this, client] {
          ReadRequestHead(client);
          respond_(client);
          shutdown(client, SD_SEND);
        });
      }
    });
  }

  ~Server() {
    closesocket(listener_);
    accepter_.join();
    std::vector<std::thread> threads;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      threads.swap(threads_);
    }
    for (auto& t : threads)
      t.join();
    for (SOCKET c : clients_)
      closesocket(c);
  }

  std::string Url(const char* path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

 private:
  std::function<void(SOCKET)> respond_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::thread accepter_;
  std::mutex mutex_;
  std::vector<SOCKET> clients_;
  std::vector<std::thread> threads_;
};

// Opens once, stays open.
class Gate {
 public:
  void Open() {
    std::lock_guard<std::mutex> lock(mutex_);
    open_ = true;
    cv_.notify_all();
  }
  void Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [this] { return open_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool open_ = false;
};

// What one transfer told its sink, and whether anything came after the
// transfer was cancelled.
class Recorder : public HttpSink {
 public:
  bool OnResponse(const HttpResponse& response) override {
    std::lock_guard<std::mutex> lock(mutex_);
    after_cancel_ |= cancelled_;
    response_ = response;
    responded_ = true;
    cv_.notify_all();
    return true;
  }
  bool OnData(const char* data, size_t size) override {
    std::lock_guard<std::mutex> lock(mutex_);
    after_cancel_ |= cancelled_;
    body_.append(data, size);
    cv_.notify_all();
    return true;
  }
  void OnDone(int net_error) override {
    std::lock_guard<std::mutex> lock(mutex_);
    ++done_calls_;
    error_ = net_error;
    cv_.notify_all();
  }

  void Cancel(HttpTransfer* transfer) {
    transfer->Cancel();
    std::lock_guard<std::mutex> lock(mutex_);
    cancelled_ = true;
  }
  bool WaitFor(std::function<bool()> what,
               std::chrono::milliseconds within) {
    std::unique_lock<std::mutex> lock(mutex_);
    return cv_.wait_for(lock, within, what);
  }
  bool WaitDone(std::chrono::milliseconds within) {
    return WaitFor([this] { return done_calls_ > 0; }, within);
  }
  bool WaitBody(size_t size, std::chrono::milliseconds within) {
    return WaitFor([this, size] { return body_.size() >= size; }, within);
  }

  std::string body() {
    std::lock_guard<std::mutex> lock(mutex_);
    return body_;
  }
  int error() {
    std::lock_guard<std::mutex> lock(mutex_);
    return error_;
  }
  int done_calls() {
    std::lock_guard<std::mutex> lock(mutex_);
    return done_calls_;
  }
  bool heard_after_cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    return after_cancel_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  HttpResponse response_;
  bool responded_ = false;
  std::string body_;
  int done_calls_ = 0;
  int error_ = 1;
  bool cancelled_ = false;
  bool after_cancel_ = false;
};

class WinHttpTransfers : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WSADATA data;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
  }
  static void TearDownTestSuite() {
    cefrt::ShutdownHttp();
    WSACleanup();
  }
};

std::string Head(size_t length) {
  return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
         std::to_string(length) + "\r\nConnection: close\r\n\r\n";
}

// A transfer cancelled while it waits in WinHTTP (for the answer, or for
// the rest of the body) ends at once as aborted, hears nothing more, and
// leaves the transfers after it their own data: a handle closed under a
// waiting call and then read again could hand it another transfer's bytes.
TEST_F(WinHttpTransfers, CancelWhileWaitingEndsAtOnceAndLeavesOthersAlone) {
  struct Case {
    const char* name;
    std::string before_stall;  // what the server sends before it stalls
    std::string after_stall;   // and once the test lets it go on
  } cases[] = {
      {"no answer yet", "", Head(5) + "late!"},
      {"half the body", Head(10) + "first", "later"},
  };
  const std::string other_body(200 * 1024, 'B');
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Gate release;
    Server stalled([&](SOCKET s) {
      SendAll(s, c.before_stall);
      release.Wait();
      SendAll(s, c.after_stall);
    });
    Server other([&](SOCKET s) {
      SendAll(s, Head(other_body.size()));
      SendAll(s, other_body);
    });
    // The servers end only once the stalled one may go on, whatever fails.
    struct OpenOnExit {
      Gate& gate;
      ~OpenOnExit() { gate.Open(); }
    } open_on_exit{release};

    auto first = std::make_shared<Recorder>();
    HttpRequest request;
    request.url = stalled.Url("/stall");
    auto transfer = HttpTransfer::Start(request, first);
    ASSERT_TRUE(transfer);
    const size_t shown = c.before_stall.empty() ? 0 : 5;
    if (shown)
      ASSERT_TRUE(first->WaitBody(shown, kPrompt));
    else
      std::this_thread::sleep_for(300ms);  // the request is out by then

    const auto cancelled_at = std::chrono::steady_clock::now();
    first->Cancel(transfer.get());
    const bool ended = first->WaitDone(kPrompt);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - cancelled_at);

    // Another transfer starts while the first may still be around.
    auto second = std::make_shared<Recorder>();
    request.url = other.Url("/other");
    auto next = HttpTransfer::Start(request, second);
    ASSERT_TRUE(next);
    release.Open();
    EXPECT_TRUE(second->WaitDone(4 * kPrompt));
    first->WaitDone(4 * kPrompt);  // before the servers go

    EXPECT_TRUE(ended) << "the cancel did not end the transfer in time";
    EXPECT_LT(took, kPrompt) << took.count() << " ms";
    EXPECT_EQ(first->error(), ERR_ABORTED);
    EXPECT_EQ(first->done_calls(), 1);
    EXPECT_FALSE(first->heard_after_cancel());
    EXPECT_EQ(first->body(), c.before_stall.substr(c.before_stall.size() -
                                                   shown));
    EXPECT_EQ(second->error(), 0);
    EXPECT_EQ(second->done_calls(), 1);
    EXPECT_TRUE(second->body() == other_body)
        << "the second transfer got " << second->body().size() << " bytes";
  }
}

// Cancelling from many threads at once, and after the transfer ended, is
// harmless: one OnDone each, and a finished transfer keeps its result.
TEST_F(WinHttpTransfers, CancelRacesAndLateCancelsAreHarmless) {
  const std::string body(64 * 1024, 'x');
  Server server([&](SOCKET s) {
    SendAll(s, Head(body.size()));
    SendAll(s, body);
  });
  for (int round = 0; round < 20; ++round) {
    auto sink = std::make_shared<Recorder>();
    HttpRequest request;
    request.url = server.Url("/race");
    auto transfer = HttpTransfer::Start(request, sink);
    ASSERT_TRUE(transfer);
    std::vector<std::thread> cancellers;
    for (int i = 0; i < 3; ++i)
      cancellers.emplace_back([&] { transfer->Cancel(); });
    for (auto& t : cancellers)
      t.join();
    ASSERT_TRUE(sink->WaitDone(kPrompt));
    EXPECT_EQ(sink->done_calls(), 1);
    EXPECT_TRUE(sink->error() == ERR_ABORTED || sink->error() == 0)
        << sink->error();
  }
  auto sink = std::make_shared<Recorder>();
  HttpRequest request;
  request.url = server.Url("/whole");
  auto transfer = HttpTransfer::Start(request, sink);
  ASSERT_TRUE(sink->WaitDone(kPrompt));
  transfer->Cancel();
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(sink->done_calls(), 1);
  EXPECT_EQ(sink->error(), 0);
  EXPECT_EQ(sink->body(), body);
}

}  // namespace
