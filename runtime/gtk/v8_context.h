// A page's script context as the program sees it, served from the browser
// process: every operation on the page is a script the view evaluates, and
// the program waits for its answer in a nested main-loop iteration, bounded
// in time so that a page that never answers cannot hold the program.
#ifndef CEF_RUNTIME_GTK_V8_CONTEXT_H_
#define CEF_RUNTIME_GTK_V8_CONTEXT_H_

#include <gio/gio.h>
#include <jsc/jsc.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "include/capi/cef_v8_capi.h"
#include "runtime/base/counted.h"
#include "runtime/gtk/v8_value.h"

namespace cefrt {

class GtkBrowser;

class V8Context : public CountedStruct<cef_v8context_t> {
 public:
  // `document` is the page-side token of the document this context serves.
  V8Context(GtkBrowser* browser, std::string document);

  static V8Context* Of(cef_v8context_t* s) { return From<V8Context>(s); }

  bool valid() const { return valid_; }
  GtkBrowser* browser() const { return browser_.get(); }
  const std::string& document() const { return document_; }
  // The page is gone: operations fail from now on, waits in progress end,
  // and what the program's containers hold here is let go.
  void Invalidate();

  // Runs the page-side operation `op` with a JSON array of arguments; the
  // page's answer is decoded into `result`. False when the page threw
  // (`error` describes it) or could not answer (message empty).
  bool PageOp(const char* op, const std::string& args, Ref<V8Value>* result,
              ExceptionInfo* error);
  // A value as the page-side decoder rebuilds it, as JSON.
  std::string Encode(V8Value* value);
  // A value the page described.
  Ref<V8Value> Decode(JSCValue* descriptor);

  // The page no longer needs to keep `handle` for the program.
  void DropHandle(int handle);
  // A program function the page may call, by its id there.
  V8Value* ExportedFunction(int id);
  // The program functions bound on the page's window, by name: a call the
  // page made before the binding reached it names the function.
  V8Value* GlobalFunction(const std::string& name);

  // Program-made containers of this context, emptied at Invalidate.
  void Track(V8Value* value) { containers_.insert(value); }
  void Untrack(V8Value* value) { containers_.erase(value); }

 private:
  friend void NoteGlobalBinding(V8Context*, const std::string&, V8Value*);
  ~V8Context() override;

  void EncodeInto(V8Value* value, int depth, std::string* out);
  void FlushDrops();

  Ref<GtkBrowser> browser_;
  const std::string document_;
  bool valid_ = true;
  GCancellable* cancel_;
  std::map<V8Value*, int> exported_;          // program function -> id
  std::map<int, Ref<V8Value>> functions_;    // id -> program function
  std::map<std::string, Ref<V8Value>> globals_;
  std::set<V8Value*> containers_;
  std::vector<int> drops_;
  guint drop_source_ = 0;
};

// The context whose program callback is running, or the last one entered.
V8Context* CurrentV8Context();
// Makes `context` the current one for a program callback.
class ScopedV8Context {
 public:
  explicit ScopedV8Context(V8Context* context);
  ~ScopedV8Context();
  ScopedV8Context(const ScopedV8Context&) = delete;
  ScopedV8Context& operator=(const ScopedV8Context&) = delete;
};

// While the program answers a page's call, an exception that a value was
// asked to rethrow becomes the call's failure, written to `sink`.
class RethrowScope {
 public:
  explicit RethrowScope(std::u16string* sink);
  ~RethrowScope();
  RethrowScope(const RethrowScope&) = delete;
  RethrowScope& operator=(const RethrowScope&) = delete;

 private:
  std::u16string* prev_;
};
void NoteRethrow(const std::u16string& message);

// While the program waits for a page or sets a page up, the page's calls
// into the program wait: the program is not re-entered from its own call.
class BusyScope {
 public:
  BusyScope();
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
};
// Runs `task` now, or once no scope is busy any more.
void RunWhenNotBusy(std::function<void()> task);
// Runs the tasks still waiting, at shut-down (their pages are gone, so they
// only answer that).
void RunWaitingCalls();

// The JSON text of a string.
std::string JsonString(const std::u16string& text);

// The page's JSON-safe form of a number (NaN and infinities as strings).
std::string JsonNumber(double d);

}  // namespace cefrt

#endif  // CEF_RUNTIME_GTK_V8_CONTEXT_H_
