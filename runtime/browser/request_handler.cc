#include "runtime/browser/request_handler.h"

#include <atomic>
#include <utility>

#include "include/capi/cef_callbacks_capi.h"
#include "include/capi/cef_handlers_capi.h"
#include "include/capi/cef_string_capi.h"
#include "runtime/base/counted.h"
#include "runtime/base/text.h"
#include "runtime/base/function_task.h"
#include "runtime/browser/browser.h"
#include "runtime/browser/resource_job.h"

namespace cefrt {

namespace {

using RequestHandler = cef_request_handler_t;

RequestHandler* HandlerOf(Browser* browser) {
  return browser && !browser->closed()
             ? Handler(browser->client(), &cef_client_t::get_request_handler)
             : nullptr;
}

// Answers once, from any thread.
class RequestCallback : public CountedStruct<cef_request_callback_t> {
 public:
  explicit RequestCallback(std::function<void(bool)> answer)
      : CountedStruct("cef_request_callback_t"), answer_(std::move(answer)) {
    s().cont = [](cef_request_callback_t* s, int allow) CEF_CALLBACK {
      Answer(s, allow != 0);
    };
    s().cancel = [](cef_request_callback_t* s) CEF_CALLBACK {
      Answer(s, false);
    };
  }

 private:
  ~RequestCallback() override = default;
  static void Answer(cef_request_callback_t* s, bool allow) {
    RequestCallback* self = From<RequestCallback>(s);
    if (self && !self->used_.exchange(true))
      self->answer_(allow);
  }
  const std::function<void(bool)> answer_;
  std::atomic<bool> used_{false};
};

struct Question {
  Ref<Browser> browser;
  RequestHandler* handler = nullptr;  // one reference
  RequestData original;
  cef_request_t* request = nullptr;   // one reference; the handler may change it
  std::function<void(LoadAnswer)> done;

  ~Question() {
    ReleaseStruct(request);
    ReleaseStruct(handler);
  }
};

void Answer(const std::shared_ptr<Question>& q, LoadAnswer answer) {
  if (answer.kind == LoadAnswer::kProceed || answer.kind == LoadAnswer::kCancel)
    answer.request = q->original;
  std::weak_ptr<Question> weak = q;
  PostToUi([weak, answer] {
    if (std::shared_ptr<Question> question = weak.lock()) {
      if (question->done) {
        auto done = std::move(question->done);
        question->done = nullptr;
        done(answer);
      }
    }
  });
}

// The request as the handler left it decides how the load goes on.
void AfterBeforeLoad(const std::shared_ptr<Question>& q) {
  RequestData changed = ReadRequest(q->request);
  RequestHandler* h = q->handler;
  LoadAnswer answer;
  if (Offers(h, &RequestHandler::get_resource_handler) &&
      !q->browser->closed()) {
    cef_resource_handler_t* served = h->get_resource_handler(
        h, q->browser->Share(), q->browser->NewFrame(),
        NewReadOnlyRequest(changed));
    if (served) {
      answer.kind = LoadAnswer::kServe;
      answer.handler.reset(served, [](cef_resource_handler_t* r) {
        ReleaseStruct(r);
      });
      answer.request = changed;
      Answer(q, answer);
      return;
    }
  }
  if (changed.url != q->original.url ||
      changed.headers != q->original.headers) {
    answer.kind = LoadAnswer::kReplace;
    answer.request = changed;
  }
  Answer(q, answer);
}

void BeforeLoad(const std::shared_ptr<Question>& q) {
  RequestHandler* h = q->handler;
  if (!Offers(h, &RequestHandler::on_before_resource_load) ||
      q->browser->closed()) {
    AfterBeforeLoad(q);
    return;
  }
  std::weak_ptr<Question> weak = q;
  auto* callback = new RequestCallback([weak](bool allow) {
    PostToIo([weak, allow] {
      std::shared_ptr<Question> question = weak.lock();
      if (!question)
        return;
      if (allow) {
        AfterBeforeLoad(question);
      } else {
        LoadAnswer cancel;
        cancel.kind = LoadAnswer::kCancel;
        Answer(question, cancel);
      }
    });
  });
  AddRefStruct(q->request);
  const cef_return_value_t rv = h->on_before_resource_load(
      h, q->browser->Share(), q->browser->NewFrame(), q->request,
      callback->Give());
  if (rv == RV_CONTINUE) {
    AfterBeforeLoad(q);
  } else if (rv == RV_CANCEL) {
    LoadAnswer cancel;
    cancel.kind = LoadAnswer::kCancel;
    Answer(q, cancel);
  }
  // RV_CONTINUE_ASYNC: the callback goes on.
}

}  // namespace

bool AskBeforeBrowse(Browser* browser, const RequestData& request,
                     bool is_redirect) {
  RequestHandler* h = HandlerOf(browser);
  bool cancel = false;
  if (Offers(h, &RequestHandler::on_before_browse))
    cancel = h->on_before_browse(h, browser->Share(), browser->NewFrame(),
                                 NewReadOnlyRequest(request),
                                 is_redirect ? 1 : 0) != 0;
  ReleaseStruct(h);
  return cancel;
}

bool AsksAboutLoads(Browser* browser) {
  RequestHandler* h = HandlerOf(browser);
  const bool asks = Offers(h, &RequestHandler::on_before_resource_load) ||
                    Offers(h, &RequestHandler::get_resource_handler);
  ReleaseStruct(h);
  return asks;
}

std::shared_ptr<void> AskBeforeLoad(Browser* browser,
                                    const RequestData& request,
                                    std::function<void(LoadAnswer)> done) {
  auto q = std::make_shared<Question>();
  q->browser = Ref<Browser>(browser);
  q->handler = HandlerOf(browser);
  q->original = request;
  q->request = NewRequest(request);
  q->done = std::move(done);
  if (!q->handler) {
    Answer(q, LoadAnswer());
    return q;
  }
  std::weak_ptr<Question> weak = q;
  if (!PostToIo([weak] {
        if (std::shared_ptr<Question> question = weak.lock())
          BeforeLoad(question);
      }))
    Answer(q, LoadAnswer());
  return q;
}

bool AsksAboutRedirects(Browser* browser) {
  RequestHandler* h = HandlerOf(browser);
  const bool asks = Offers(h, &RequestHandler::on_resource_redirect);
  ReleaseStruct(h);
  return asks;
}

std::shared_ptr<void> AskRedirect(Browser* browser, const RequestData& request,
                                  const std::string& new_url,
                                  std::function<void(std::string)> done) {
  struct Redirect {
    Ref<Browser> browser;
    RequestData request;
    std::string new_url;
    std::function<void(std::string)> done;
  };
  auto r = std::make_shared<Redirect>(
      Redirect{Ref<Browser>(browser), request, new_url, std::move(done)});
  std::weak_ptr<Redirect> weak = r;
  auto answer = [weak](std::string url) {
    PostToUi([weak, url] {
      std::shared_ptr<Redirect> redirect = weak.lock();
      if (redirect && redirect->done) {
        auto done = std::move(redirect->done);
        redirect->done = nullptr;
        done(url);
      }
    });
  };
  const bool posted = PostToIo([weak, answer] {
    std::shared_ptr<Redirect> redirect = weak.lock();
    if (!redirect)
      return;
    std::u16string url = Utf8ToU16(redirect->new_url);
    RequestHandler* h = HandlerOf(redirect->browser.get());
    if (Offers(h, &RequestHandler::on_resource_redirect)) {
      cef_string_t in_out = {};
      ToCef(url, &in_out);
      h->on_resource_redirect(h, redirect->browser->Share(),
                              redirect->browser->NewFrame(),
                              NewReadOnlyRequest(redirect->request), &in_out);
      url = FromCef(&in_out);
      cef_string_utf16_clear(&in_out);
    }
    ReleaseStruct(h);
    answer(url.empty() ? redirect->new_url : U16ToUtf8(url));
  });
  if (!posted)
    answer(new_url);
  return r;
}

}  // namespace cefrt
