// HTTP over WinHTTP, one transfer per thread, for the Windows view's pages
// and downloads.
#ifndef CEF_RUNTIME_WIN_WIN_HTTP_H_
#define CEF_RUNTIME_WIN_WIN_HTTP_H_

#include <stddef.h>
#include <stdint.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/browser/browser_env.h"

namespace cefrt {

struct HttpRequest {
  std::string url;  // absolute, http or https
  std::string method = "GET";
  std::string body;
  std::string content_type;  // of the body, unless `headers` name one
  std::string referrer;
  // The program's own, already checked to be well formed; they take the
  // place of the runtime's Accept-Language and Content-Type.
  std::vector<std::pair<std::string, std::string>> headers;
};

struct HttpResponse {
  int status = 0;
  std::string status_text;
  std::string url;        // after redirects
  std::string mime_type;  // lower case, without parameters
  std::string charset;
  std::string content_disposition;
  int64_t content_length = -1;
};

// Hears one transfer, on the transfer's thread.
class HttpSink {
 public:
  virtual ~HttpSink() = default;
  // False ends the transfer (OnDone then reports ERR_ABORTED).
  virtual bool OnResponse(const HttpResponse& response) = 0;
  virtual bool OnData(const char* data, size_t size) = 0;
  // The last call: 0 when the whole body arrived, else a network error.
  virtual void OnDone(int net_error) = 0;
};

class HttpTransfer {
 public:
  // Runs the request on a thread of its own.
  static std::shared_ptr<HttpTransfer> Start(HttpRequest request,
                                             std::shared_ptr<HttpSink> sink);
  // From any thread; the sink then hears ERR_ABORTED unless it is done.
  virtual void Cancel() = 0;
  virtual ~HttpTransfer() = default;
};

// Settings for every transfer from now on (user agent, proxy, languages).
void ConfigureHttp(const BrowserEnvironment& env);
// Cancels every transfer and waits, bounded, for their threads to end.
void ShutdownHttp();

}  // namespace cefrt

#endif  // CEF_RUNTIME_WIN_WIN_HTTP_H_
