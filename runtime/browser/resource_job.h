// One request served by a program's resource handler: the handler's calls
// on the IO thread, their results on the UI thread, for any view that has a
// request to answer.
#ifndef CEF_RUNTIME_BROWSER_RESOURCE_JOB_H_
#define CEF_RUNTIME_BROWSER_RESOURCE_JOB_H_

#include <stdint.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "include/capi/cef_callbacks_capi.h"
#include "include/capi/cef_resource_capi.h"
#include "runtime/data/headers.h"
#include "runtime/data/request.h"

namespace cefrt {

// What the handler said about its response.
struct ResponseHead {
  int status = 200;
  std::string status_text;
  std::string mime_type;
  HeaderList headers;
  int64_t length = -1;  // -1: unknown
  std::string redirect_url;
};

// Posts `fn` to the IO thread; false (and `fn` dropped unrun) when the
// runtime is not running.
bool PostToIo(std::function<void()> fn);

class ResourceJob : public std::enable_shared_from_this<ResourceJob> {
 public:
  // Both run on the UI thread; at most one of them, once.
  struct Sink {
    std::function<void(const ResponseHead&)> head;
    std::function<void(int net_error)> failed;
  };
  // `handler` arrives with one reference that the job keeps until the
  // response ends or is cancelled.
  ResourceJob(cef_resource_handler_t* handler, RequestData request, Sink sink);
  ~ResourceJob();
  ResourceJob(const ResourceJob&) = delete;
  ResourceJob& operator=(const ResourceJob&) = delete;

  // Asks the handler to process the request.
  void Start();
  // Reads up to `max` bytes of the body; `done` runs on the UI thread with
  // the bytes, empty at the end of the body (also when the handler failed
  // or the job was cancelled).
  void Read(size_t max, std::function<void(std::string)> done);
  // The request is no longer wanted: the handler hears so unless its
  // response already ended. Any thread; without an IO thread (shut-down)
  // on the caller's.
  void Cancel();

  // Shut-down, before the named threads end: every job still alive is
  // cancelled on the IO thread, the caller waiting (a while at most) for it.
  static void CancelAll();

  // Continues the step a handler's callback belongs to; `generation` tells
  // a stale callback from the current one.
  void Continue(int generation);
  void Abort(int generation);

 private:
  void Process();
  void Headers();
  void ReadNow();
  void Finish();        // IO: the handler is done with, without a cancel
  void CancelNow();     // IO (or the only thread left)
  void Fail(int net_error);
  cef_callback_t* NewCallback();

  // IO thread only (or the last thread at shut-down).
  cef_resource_handler_t* handler_;
  const RequestData request_;
  int64_t remaining_ = -1;
  int generation_ = 0;
  enum class Step { kProcess, kHeaders, kBody, kDone } step_ = Step::kProcess;
  bool waiting_ = false;  // the handler keeps a callback to answer later
  size_t read_max_ = 0;
  std::function<void(std::string)> read_done_;

  std::atomic<bool> cancel_requested_{false};
  std::mutex mutex_;  // guards sink_
  Sink sink_;
};

}  // namespace cefrt

#endif  // CEF_RUNTIME_BROWSER_RESOURCE_JOB_H_
