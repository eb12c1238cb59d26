#include "runtime/browser/resource_job.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <climits>
#include <utility>
#include <vector>

#include "include/capi/cef_callbacks_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_response_capi.h"
#include "include/capi/cef_types_capi.h"
#include "runtime/base/capi_util.h"
#include "runtime/base/counted.h"
#include "runtime/base/function_task.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

// The handler's way back in: it holds the job only weakly, so a handler
// that keeps its callback keeps no request alive.
class JobCallback : public CountedStruct<cef_callback_t> {
 public:
  JobCallback(std::weak_ptr<ResourceJob> job, int generation)
      : CountedStruct("cef_callback_t"),
        job_(std::move(job)),
        generation_(generation) {
    s().cont = [](cef_callback_t* s) CEF_CALLBACK {
      Answer(s, &ResourceJob::Continue);
    };
    s().cancel = [](cef_callback_t* s) CEF_CALLBACK {
      Answer(s, &ResourceJob::Abort);
    };
  }

 private:
  ~JobCallback() override = default;

  static void Answer(cef_callback_t* s, void (ResourceJob::*step)(int)) {
    JobCallback* self = From<JobCallback>(s);
    if (!self || self->used_.exchange(true))
      return;  // each callback answers once
    std::shared_ptr<ResourceJob> job = self->job_.lock();
    if (!job)
      return;
    const int generation = self->generation_;
    PostToIo([job, step, generation] { (job.get()->*step)(generation); });
  }

  const std::weak_ptr<ResourceJob> job_;
  const int generation_;
  std::atomic<bool> used_{false};
};

std::string TakeUserFree(cef_string_userfree_t s) {
  const std::string text = s ? Utf8FromCef(s) : std::string();
  if (s)
    cef_string_userfree_utf16_free(s);
  return text;
}

ResponseHead ReadHead(cef_response_t* r) {
  ResponseHead head;
  const int status = Offers(r, &cef_response_t::get_status)
                         ? r->get_status(r)
                         : 0;
  head.status = status > 0 ? status : 200;
  if (Offers(r, &cef_response_t::get_status_text))
    head.status_text = TakeUserFree(r->get_status_text(r));
  if (Offers(r, &cef_response_t::get_mime_type))
    head.mime_type = TakeUserFree(r->get_mime_type(r));
  if (Offers(r, &cef_response_t::get_header_map)) {
    cef_string_multimap_t map = cef_string_multimap_alloc();
    r->get_header_map(r, map);
    head.headers = ReadMultimap(map);
    cef_string_multimap_free(map);
  }
  return head;
}

std::mutex g_live_mutex;
// Every started job, for the cancel at shut-down.
std::vector<std::weak_ptr<ResourceJob>>* g_live =
    new std::vector<std::weak_ptr<ResourceJob>>();

}  // namespace

bool PostToIo(std::function<void()> fn) {
  return cef_post_task(TID_IO, (new FunctionTask(std::move(fn)))->Give()) != 0;
}

ResourceJob::ResourceJob(cef_resource_handler_t* handler, RequestData request,
                         Sink sink)
    : handler_(handler), request_(std::move(request)), sink_(std::move(sink)) {}

ResourceJob::~ResourceJob() {
  // A cancel the IO thread had no time to run (shut-down) is delivered by
  // the last owner; no step can run any more.
  if (cancel_requested_ && step_ != Step::kDone && handler_ &&
      Offers(handler_, &cef_resource_handler_t::cancel))
    handler_->cancel(handler_);
  ReleaseStruct(handler_);
}

cef_callback_t* ResourceJob::NewCallback() {
  return (new JobCallback(weak_from_this(), ++generation_))->Give();
}

void ResourceJob::Start() {
  std::shared_ptr<ResourceJob> self = shared_from_this();
  {
    std::lock_guard<std::mutex> lock(g_live_mutex);
    g_live->erase(std::remove_if(g_live->begin(), g_live->end(),
                                 [](const std::weak_ptr<ResourceJob>& j) {
                                   return j.expired();
                                 }),
                  g_live->end());
    g_live->push_back(self);
  }
  PostToIo([self] { self->Process(); });
}

void ResourceJob::Process() {
  if (step_ != Step::kProcess || !handler_)
    return;
  step_ = Step::kHeaders;
  waiting_ = true;
  cef_resource_handler_t* h = handler_;
  const bool handled =
      Offers(h, &cef_resource_handler_t::process_request) &&
      h->process_request(h, NewReadOnlyRequest(request_), NewCallback());
  if (!handled && step_ == Step::kHeaders) {
    // The handler declined: the request fails as a cancelled one does.
    waiting_ = false;
    Finish();
    Fail(ERR_ABORTED);
  }
}

void ResourceJob::Continue(int generation) {
  if (generation != generation_ || !waiting_ || !handler_)
    return;
  waiting_ = false;
  if (step_ == Step::kHeaders)
    Headers();
  else if (step_ == Step::kBody)
    ReadNow();
}

void ResourceJob::Abort(int generation) {
  if (generation != generation_ || step_ == Step::kDone)
    return;
  const bool before_head = step_ == Step::kHeaders;
  CancelNow();
  if (before_head)
    Fail(ERR_ABORTED);
}

void ResourceJob::Headers() {
  cef_resource_handler_t* h = handler_;
  cef_response_t* response = cef_response_create();
  AddRefStruct(response);  // one for the handler, one to read it after
  int64_t length = -1;
  cef_string_t redirect = {};
  if (Offers(h, &cef_resource_handler_t::get_response_headers))
    h->get_response_headers(h, response, &length, &redirect);
  else
    ReleaseStruct(response);
  ResponseHead head = ReadHead(response);
  ReleaseStruct(response);
  head.length = length >= 0 ? length : -1;
  head.redirect_url = Utf8FromCef(&redirect);
  cef_string_utf16_clear(&redirect);
  remaining_ = head.length;
  step_ = Step::kBody;
  if (!head.redirect_url.empty())
    Finish();  // the body is not wanted
  std::function<void(const ResponseHead&)> deliver;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    deliver = std::move(sink_.head);
    sink_ = Sink();
  }
  if (deliver)
    PostToUi([deliver, head] { deliver(head); });
}

void ResourceJob::Read(size_t max, std::function<void(std::string)> done) {
  std::shared_ptr<ResourceJob> self = shared_from_this();
  PostToIo([self, max, done] {
    self->read_max_ = std::max<size_t>(1, std::min<size_t>(max, INT_MAX));
    self->read_done_ = done;
    self->ReadNow();
  });
}

void ResourceJob::ReadNow() {
  auto deliver = [this](std::string bytes) {
    std::function<void(std::string)> done = std::move(read_done_);
    read_done_ = nullptr;
    if (done)
      PostToUi([done, bytes] { done(bytes); });
  };
  if (step_ != Step::kBody || !handler_ || remaining_ == 0 ||
      !Offers(handler_, &cef_resource_handler_t::read_response)) {
    if (step_ == Step::kBody)
      Finish();
    deliver(std::string());
    return;
  }
  size_t want = read_max_;
  if (remaining_ > 0 && static_cast<uint64_t>(remaining_) < want)
    want = static_cast<size_t>(remaining_);
  std::vector<char> buffer(want);
  int got = 0;
  waiting_ = true;
  const bool more = handler_->read_response(
      handler_, buffer.data(), static_cast<int>(want), &got, NewCallback());
  if (more && got == 0)
    return;  // the handler answers through the callback
  waiting_ = false;
  if (!more || got < 0) {
    Finish();
    deliver(std::string());
    return;
  }
  const size_t n = std::min(static_cast<size_t>(got), want);
  if (remaining_ > 0)
    remaining_ -= static_cast<int64_t>(n);
  deliver(std::string(buffer.data(), n));
}

void ResourceJob::Finish() {
  step_ = Step::kDone;
  waiting_ = false;
  cef_resource_handler_t* h = handler_;
  handler_ = nullptr;
  ReleaseStruct(h);
}

void ResourceJob::CancelNow() {
  // A read still waiting ends the body.
  if (std::function<void(std::string)> done = std::move(read_done_)) {
    read_done_ = nullptr;
    PostToUi([done] { done(std::string()); });
  }
  if (step_ == Step::kDone || !handler_)
    return;
  cef_resource_handler_t* h = handler_;
  if (Offers(h, &cef_resource_handler_t::cancel))
    h->cancel(h);
  Finish();
}

void ResourceJob::Cancel() {
  cancel_requested_ = true;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    sink_ = Sink();
  }
  std::shared_ptr<ResourceJob> self = shared_from_this();
  if (!PostToIo([self] { self->CancelNow(); }))
    CancelNow();  // shut-down: the IO thread has gone, nothing else runs
}

void ResourceJob::CancelAll() {
  std::vector<std::shared_ptr<ResourceJob>> live;
  {
    std::lock_guard<std::mutex> lock(g_live_mutex);
    for (const std::weak_ptr<ResourceJob>& weak : *g_live) {
      if (std::shared_ptr<ResourceJob> job = weak.lock())
        live.push_back(job);
    }
    g_live->clear();
  }
  if (live.empty())
    return;
  for (const auto& job : live) {
    job->cancel_requested_ = true;
    std::lock_guard<std::mutex> lock(job->mutex_);
    job->sink_ = Sink();
  }
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  if (!PostToIo([live, done] {
        for (const auto& job : live)
          job->CancelNow();
        done->set_value();
      }))
    return;  // no IO thread: the jobs' last owners cancel
  // A handler stuck in a call must not hold the shut-down for ever.
  finished.wait_for(std::chrono::seconds(5));
}

void ResourceJob::Fail(int net_error) {
  std::function<void(int)> failed;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    failed = std::move(sink_.failed);
    sink_ = Sink();
  }
  if (failed)
    PostToUi([failed, net_error] { failed(net_error); });
}

}  // namespace cefrt
