#include "runtime/gtk/v8_context.h"

#include <stdio.h>
#include <stdlib.h>

#include <functional>
#include <memory>
#include <utility>

#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_task_runner_capi.h"
#include "runtime/base/text.h"
#include "runtime/gtk/gtk_browser.h"
#include "runtime/gtk/v8_page.h"

namespace cefrt {

namespace {

using Kind = V8Value::Kind;

// How long the program waits for the page's answer. A page stuck in a loop
// must not hold the program for ever; a dead page ends the wait at once.
constexpr guint kPageAnswerMs = 15000;
// How deep a program container is copied into a page: cycles stop here.
constexpr int kMaxCopyDepth = 32;

bool OnUi() { return cef_currently_on(TID_UI) != 0; }

std::vector<Ref<V8Context>>& Stack() {
  static std::vector<Ref<V8Context>>* stack = new std::vector<Ref<V8Context>>();
  return *stack;
}

thread_local std::u16string* g_rethrow = nullptr;

std::string Utf8Of(JSCValue* v) {
  if (!v || jsc_value_is_undefined(v) || jsc_value_is_null(v))
    return std::string();
  char* s = jsc_value_to_string(v);
  std::string out = s ? s : "";
  g_free(s);
  return out;
}

// A property of a page answer; owned by the caller.
struct Prop {
  Prop(JSCValue* object, const char* name)
      : v(object && jsc_value_is_object(object)
              ? jsc_value_object_get_property(object, name)
              : nullptr) {}
  ~Prop() {
    if (v)
      g_object_unref(v);
  }
  Prop(const Prop&) = delete;
  Prop& operator=(const Prop&) = delete;
  bool present() const { return v && !jsc_value_is_undefined(v); }
  std::string str() const { return Utf8Of(v); }
  double num() const {
    if (!v)
      return 0;
    // NaN and the infinities travel as text.
    if (jsc_value_is_string(v))
      return strtod(str().c_str(), nullptr);
    return jsc_value_to_double(v);
  }
  JSCValue* v;
};

}  // namespace

std::string JsonString(const std::u16string& text) {
  std::string out = "\"";
  for (char16_t c : text) {
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
      out += buf;
    }
  }
  return out + "\"";
}

std::string JsonNumber(double d) {
  if (d != d)
    return "\"NaN\"";
  if (d == 1.0 / 0.0)
    return "\"Infinity\"";
  if (d == -1.0 / 0.0)
    return "\"-Infinity\"";
  char buf[32];
  snprintf(buf, sizeof buf, "%.17g", d);
  return buf;
}

V8Context* CurrentV8Context() {
  return Stack().empty() ? nullptr : Stack().back().get();
}

ScopedV8Context::ScopedV8Context(V8Context* context) {
  Stack().push_back(Ref<V8Context>(context));
}

ScopedV8Context::~ScopedV8Context() { Stack().pop_back(); }

void NoteRethrow(const std::u16string& message) {
  if (g_rethrow && g_rethrow->empty())
    *g_rethrow = message;
}

RethrowScope::RethrowScope(std::u16string* sink) : prev_(g_rethrow) {
  g_rethrow = sink;
}
RethrowScope::~RethrowScope() { g_rethrow = prev_; }

V8Context::V8Context(GtkBrowser* browser, std::string document)
    : CountedStruct("cef_v8context_t"),
      browser_(browser),
      document_(std::move(document)),
      cancel_(g_cancellable_new()) {
  using S = cef_v8context_t;
  cef_v8context_t& c = s();
  c.get_task_runner = [](S* s) CEF_CALLBACK -> cef_task_runner_t* {
    return V8Context::Of(s) ? cef_task_runner_get_for_thread(TID_UI) : nullptr;
  };
  c.is_valid = [](S* s) CEF_CALLBACK -> int {
    V8Context* x = V8Context::Of(s);
    return x && OnUi() && x->valid_ ? 1 : 0;
  };
  c.get_browser = [](S* s) CEF_CALLBACK -> cef_browser_t* {
    V8Context* x = V8Context::Of(s);
    return x ? x->browser_->Share() : nullptr;
  };
  c.get_frame = [](S* s) CEF_CALLBACK -> cef_frame_t* {
    V8Context* x = V8Context::Of(s);
    return x ? x->browser_->NewFrame() : nullptr;
  };
  c.get_global = [](S* s) CEF_CALLBACK -> cef_v8value_t* {
    V8Context* x = V8Context::Of(s);
    Ref<V8Value> global;
    ExceptionInfo error;
    if (!x || !x->PageOp("global", "[]", &global, &error) || !global)
      return nullptr;
    return global->Share();
  };
  c.enter = [](S* s) CEF_CALLBACK -> int {
    V8Context* x = V8Context::Of(s);
    if (!x || !OnUi() || !x->valid_)
      return 0;
    Stack().push_back(Ref<V8Context>(x));
    return 1;
  };
  c.exit = [](S* s) CEF_CALLBACK -> int {
    V8Context* x = V8Context::Of(s);
    // Only the context entered last can leave.
    if (!x || !OnUi() || Stack().empty() || Stack().back().get() != x)
      return 0;
    Stack().pop_back();
    return 1;
  };
  c.is_same = [](S* s, S* that) CEF_CALLBACK -> int {
    const int same = V8Context::Of(s) && V8Context::Of(s) == V8Context::Of(that);
    ReleaseStruct(that);  // handed over with a reference
    return same;
  };
  c.eval = [](S* s, const cef_string_t* code, cef_v8value_t** retval,
              cef_v8exception_t** exception) CEF_CALLBACK -> int {
    V8Context* x = V8Context::Of(s);
    if (!x || !code || code->length == 0 || !retval || !exception)
      return 0;
    Ref<V8Value> result;
    ExceptionInfo error;
    ScopedV8Context scope(x);
    const bool ok = x->PageOp("eval", "[" + JsonString(FromCef(code)) + "]",
                              &result, &error);
    // The library fills both: what was there before is replaced.
    ReleaseStruct(*retval);
    ReleaseStruct(*exception);
    *retval = ok && result ? result->Share() : nullptr;
    *exception = nullptr;
    if (!ok && !error.message.empty()) {
      // The source line from the code itself: eval'd code has no URL.
      const std::u16string text = FromCef(code);
      size_t start = 0;
      for (int line = 1; line < error.line && start != std::u16string::npos;
           ++line) {
        start = text.find(u'\n', start);
        if (start != std::u16string::npos)
          ++start;
      }
      if (start != std::u16string::npos && error.line > 0) {
        const size_t end = text.find(u'\n', start);
        error.source_line = text.substr(
            start, end == std::u16string::npos ? std::u16string::npos
                                               : end - start);
      }
      *exception = (new V8Exception(error))->Give();
    }
    return ok ? 1 : 0;
  };
}

V8Context::~V8Context() {
  g_cancellable_cancel(cancel_);
  g_object_unref(cancel_);
}

void V8Context::Invalidate() {
  if (!valid_)
    return;
  valid_ = false;
  Ref<V8Context> keep(this);
  g_cancellable_cancel(cancel_);
  drops_.clear();
  if (drop_source_) {
    const guint source = drop_source_;
    drop_source_ = 0;
    g_source_remove(source);  // drops the source's reference
  }
  // Let go of what the program's containers hold: the program may have made
  // cycles that nothing else would break.
  std::map<int, Ref<V8Value>> functions = std::move(functions_);
  functions_.clear();
  exported_.clear();
  std::map<std::string, Ref<V8Value>> globals = std::move(globals_);
  globals_.clear();
  std::vector<Ref<V8Value>> containers;
  for (V8Value* v : containers_)
    containers.emplace_back(v);
  for (const Ref<V8Value>& v : containers)
    v->ClearContent();
  g_main_context_wakeup(nullptr);  // a wait in progress ends
}

namespace {

struct Pending {
  bool done = false;
  JSCValue* value = nullptr;
  ~Pending() {
    if (value)
      g_object_unref(value);
  }
};

int g_busy = 0;

std::vector<std::function<void()>>& Deferred() {
  static auto* list = new std::vector<std::function<void()>>();
  return *list;
}

void DrainDeferred() {
  while (g_busy == 0 && !Deferred().empty()) {
    std::function<void()> f = std::move(Deferred().front());
    Deferred().erase(Deferred().begin());
    f();
  }
}

}  // namespace

BusyScope::BusyScope() { ++g_busy; }

BusyScope::~BusyScope() {
  if (--g_busy == 0 && !Deferred().empty()) {
    g_idle_add(
        +[](gpointer) {
          DrainDeferred();
          return G_SOURCE_REMOVE;
        },
        nullptr);
  }
}

void RunWaitingCalls() {
  std::vector<std::function<void()>> list = std::move(Deferred());
  Deferred().clear();
  for (auto& task : list)
    task();
}

void RunWhenNotBusy(std::function<void()> task) {
  if (g_busy == 0 && Deferred().empty()) {
    task();
    return;
  }
  Deferred().push_back(std::move(task));
  if (g_busy == 0) {
    g_idle_add(
        +[](gpointer) {
          DrainDeferred();
          return G_SOURCE_REMOVE;
        },
        nullptr);
  }
}

bool V8Context::PageOp(const char* op, const std::string& args,
                       Ref<V8Value>* result, ExceptionInfo* error) {
  *error = ExceptionInfo();
  result->reset();
  if (!valid_ || !OnUi() || !browser_->view())
    return false;
  Ref<V8Context> keep(this);
  // Page calls that arrive meanwhile wait: the program is not re-entered
  // from inside one of its own calls.
  BusyScope busy;
  const std::string script = "window.__cefrt?window.__cefrt(" +
                             JsonString(Utf8ToU16(document_)) + ",\"" + op +
                             "\"," + args + "):{stale:true}";
  auto pending = std::make_shared<Pending>();
  webkit_web_view_evaluate_javascript(
      browser_->view(), script.data(), static_cast<gssize>(script.size()),
      nullptr, nullptr, cancel_,
      +[](GObject* source, GAsyncResult* res, gpointer data) {
        auto* p = static_cast<std::shared_ptr<Pending>*>(data);
        GError* err = nullptr;
        (*p)->value = webkit_web_view_evaluate_javascript_finish(
            WEBKIT_WEB_VIEW(source), res, &err);
        (*p)->done = true;
        if (err)
          g_error_free(err);
        delete p;
      },
      new std::shared_ptr<Pending>(pending));
  auto timed_out = std::make_shared<bool>(false);
  guint timer = g_timeout_add_full(
      G_PRIORITY_DEFAULT, kPageAnswerMs,
      +[](gpointer data) {
        **static_cast<std::shared_ptr<bool>*>(data) = true;
        return G_SOURCE_REMOVE;
      },
      new std::shared_ptr<bool>(timed_out),
      +[](gpointer data) { delete static_cast<std::shared_ptr<bool>*>(data); });
  while (!pending->done && !*timed_out && valid_)
    g_main_context_iteration(nullptr, TRUE);
  if (!*timed_out)
    g_source_remove(timer);
  if (!pending->done || !pending->value)
    return false;
  JSCValue* answer = pending->value;
  Prop stale(answer, "stale");
  if (stale.present())
    return false;  // the document this context served is gone
  Prop ok(answer, "ok");
  if (ok.present()) {
    *result = Decode(ok.v);
    return true;
  }
  Prop err(answer, "err");
  if (!err.present())
    return false;
  error->message = Utf8ToU16(Prop(err.v, "m").str());
  error->line = static_cast<int>(Prop(err.v, "l").num());
  // The engine counts columns from 1, the library from 0.
  error->start_column = std::max(0, static_cast<int>(Prop(err.v, "c").num()) - 1);
  error->end_column = error->start_column + 1;
  error->script = Utf8ToU16(Prop(err.v, "u").str());
  if (error->message.empty())
    error->message = u"Uncaught exception";
  return false;
}

Ref<V8Value> V8Context::Decode(JSCValue* d) {
  const std::string t = Prop(d, "t").str();
  if (t == "n")
    return Ref<V8Value>::Adopt(V8Value::Null());
  if (t == "b") {
    Prop v(d, "v");
    return Ref<V8Value>::Adopt(V8Value::Bool(v.v && jsc_value_to_boolean(v.v)));
  }
  if (t == "d")
    return Ref<V8Value>::Adopt(V8Value::Number(Prop(d, "v").num()));
  if (t == "t")
    return Ref<V8Value>::Adopt(V8Value::Date(Prop(d, "v").num()));
  if (t == "s")
    return Ref<V8Value>::Adopt(V8Value::String(Utf8ToU16(Prop(d, "v").str())));
  if (t == "o" || t == "a" || t == "f") {
    const int handle = static_cast<int>(Prop(d, "h").num());
    if (handle <= 0)
      return Ref<V8Value>::Adopt(V8Value::Undefined());
    return Ref<V8Value>::Adopt(V8Value::PageObject(
        this, t == "o" ? Kind::kObject : t == "a" ? Kind::kArray : Kind::kFunction,
        handle, Utf8ToU16(Prop(d, "n").str())));
  }
  if (t == "p") {
    // One of the program's own functions, back from the page.
    if (V8Value* f = ExportedFunction(static_cast<int>(Prop(d, "id").num())))
      return Ref<V8Value>(f);
  }
  if (t == "k") {
    // A key list: a fresh program array of strings.
    Ref<V8Value> keys = Ref<V8Value>::Adopt(V8Value::NewArray(this, 0));
    Prop list(d, "v");
    const int n = static_cast<int>(Prop(list.v, "length").num());
    for (int i = 0; i < n; ++i) {
      JSCValue* k = jsc_value_object_get_property_at_index(list.v, static_cast<guint>(i));
      keys->Append(Ref<V8Value>::Adopt(V8Value::String(Utf8ToU16(Utf8Of(k)))));
      if (k)
        g_object_unref(k);
    }
    return keys;
  }
  return Ref<V8Value>::Adopt(V8Value::Undefined());
}

std::string V8Context::Encode(V8Value* value) {
  std::string out;
  EncodeInto(value, 0, &out);
  return out;
}

void V8Context::EncodeInto(V8Value* v, int depth, std::string* out) {
  switch (v->kind()) {
    case Kind::kUndefined:
      *out += "{\"t\":\"u\"}";
      return;
    case Kind::kNull:
      *out += "{\"t\":\"n\"}";
      return;
    case Kind::kBool:
      *out += v->boolean() ? "{\"t\":\"b\",\"v\":true}" : "{\"t\":\"b\",\"v\":false}";
      return;
    case Kind::kNumber:
      *out += "{\"t\":\"d\",\"v\":" + JsonNumber(v->number()) + "}";
      return;
    case Kind::kDate:
      *out += "{\"t\":\"t\",\"v\":" + JsonNumber(v->number()) + "}";
      return;
    case Kind::kString:
      *out += "{\"t\":\"s\",\"v\":" + JsonString(v->string()) + "}";
      return;
    default:
      break;
  }
  if (v->is_page()) {
    // Another page's objects cannot cross into this one.
    if (v->context() == this)
      *out += "{\"t\":\"h\",\"h\":" + std::to_string(v->handle()) + "}";
    else
      *out += "{\"t\":\"u\"}";
    return;
  }
  if (depth > kMaxCopyDepth) {
    *out += "{\"t\":\"u\"}";
    return;
  }
  if (v->kind() == Kind::kFunction) {
    int id;
    auto it = exported_.find(v);
    if (it != exported_.end()) {
      id = it->second;
    } else {
      id = static_cast<int>(functions_.size()) + 1;
      while (functions_.count(id))
        ++id;
      exported_[v] = id;
      functions_[id] = Ref<V8Value>(v);
    }
    *out += "{\"t\":\"p\",\"id\":" + std::to_string(id) +
            ",\"n\":" + JsonString(v->function_name()) + "}";
    return;
  }
  if (v->kind() == Kind::kArray) {
    *out += "{\"t\":\"a\",\"l\":" + std::to_string(v->elements().size()) +
            ",\"v\":[";
    bool first = true;
    for (size_t i = 0; i < v->elements().size(); ++i) {
      if (!v->elements()[i])
        continue;
      *out += first ? "[" : ",[";
      first = false;
      *out += std::to_string(i) + ",";
      EncodeInto(v->elements()[i].get(), depth + 1, out);
      *out += "]";
    }
    *out += "]}";
    return;
  }
  *out += "{\"t\":\"o\",\"v\":[";
  bool first = true;
  for (const auto& p : v->properties()) {
    *out += first ? "[" : ",[";
    first = false;
    *out += JsonString(p.first) + ",";
    EncodeInto(p.second.get(), depth + 1, out);
    *out += "]";
  }
  *out += "]}";
}

void V8Context::DropHandle(int handle) {
  if (!valid_)
    return;
  drops_.push_back(handle);
  if (drop_source_)
    return;
  AddRef();  // the idle source's
  drop_source_ = g_idle_add_full(
      G_PRIORITY_DEFAULT_IDLE,
      +[](gpointer self) {
        static_cast<V8Context*>(self)->FlushDrops();
        return G_SOURCE_REMOVE;
      },
      this, +[](gpointer self) { static_cast<V8Context*>(self)->Release(); });
}

void V8Context::FlushDrops() {
  drop_source_ = 0;
  if (!valid_ || drops_.empty() || !browser_->view())
    return;
  std::string list;
  for (int h : drops_)
    list += (list.empty() ? "" : ",") + std::to_string(h);
  drops_.clear();
  // Nobody waits for this one.
  const std::string script = "window.__cefrt&&window.__cefrt(" +
                             JsonString(Utf8ToU16(document_)) +
                             ",\"drop\",[[" + list + "]])";
  webkit_web_view_evaluate_javascript(browser_->view(), script.data(),
                                      static_cast<gssize>(script.size()),
                                      nullptr, nullptr, nullptr, nullptr,
                                      nullptr);
}

V8Value* V8Context::ExportedFunction(int id) {
  auto it = functions_.find(id);
  return it == functions_.end() ? nullptr : it->second.get();
}

V8Value* V8Context::GlobalFunction(const std::string& name) {
  auto it = globals_.find(name);
  return it == globals_.end() ? nullptr : it->second.get();
}

void NoteGlobalBinding(V8Context* context, const std::string& name,
                       V8Value* function) {
  if (!context->valid())
    return;
  context->globals_[name] = Ref<V8Value>(function);
  if (V8Page* page = context->browser()->v8_page())
    page->NoteGlobal(name);
}

}  // namespace cefrt

extern "C" {

cef_v8context_t* cef_v8context_get_current_context(void) {
  cefrt::V8Context* c = cefrt::OnUi() ? cefrt::CurrentV8Context() : nullptr;
  return c ? c->Share() : nullptr;
}

cef_v8context_t* cef_v8context_get_entered_context(void) {
  return cef_v8context_get_current_context();
}

int cef_v8context_in_context(void) {
  return cefrt::OnUi() && cefrt::CurrentV8Context() ? 1 : 0;
}

}  // extern "C"
