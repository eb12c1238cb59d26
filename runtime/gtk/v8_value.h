// Script values as the program sees them. A value the program makes lives
// here, in the browser process; a page's object or function is a reference
// to an entry of the page's handle table, and every use of it is a round trip
// to the page. Primitives always travel as copies.
#ifndef CEF_RUNTIME_GTK_V8_VALUE_H_
#define CEF_RUNTIME_GTK_V8_VALUE_H_

#include <string>
#include <utility>
#include <vector>

#include "include/capi/cef_v8_capi.h"
#include "include/capi/cef_v8_handler_capi.h"
#include "runtime/base/counted.h"

namespace cefrt {

class V8Context;
class V8Value;

// The program bound `function` on the window of `context`'s page.
void NoteGlobalBinding(V8Context* context, const std::string& name,
                       V8Value* function);

// A thrown script exception, or a handler's exception text.
struct ExceptionInfo {
  std::u16string message;
  std::u16string source_line;
  std::u16string script;
  int line = 0;
  int start_column = 0;
  int end_column = 0;
  int start_position = 0;
  int end_position = 0;
};

class V8Exception : public CountedStruct<cef_v8exception_t> {
 public:
  explicit V8Exception(ExceptionInfo info);
  const ExceptionInfo& info() const { return info_; }

 private:
  ~V8Exception() override = default;
  const ExceptionInfo info_;
};

class V8Value : public CountedStruct<cef_v8value_t> {
 public:
  enum class Kind {
    kUndefined, kNull, kBool, kNumber, kDate, kString,
    kObject, kArray, kFunction,
  };

  static V8Value* Undefined();
  static V8Value* Null();
  static V8Value* Bool(bool b);
  static V8Value* Number(double d);
  static V8Value* Date(double ms);  // milliseconds since 1970, UTC
  static V8Value* String(std::u16string s);
  // Program-made containers belong to `context`; the value takes over the
  // accessor's or handler's reference.
  static V8Value* NewObject(V8Context* context, cef_v8accessor_t* accessor);
  static V8Value* NewArray(V8Context* context, int length);
  static V8Value* NewFunction(V8Context* context, std::u16string name,
                              cef_v8handler_t* handler);
  // An object, array or function of the page: entry `handle` of the page's
  // table, which is dropped when the last reference here goes.
  static V8Value* PageObject(V8Context* context, Kind kind, int handle,
                             std::u16string function_name);

  static V8Value* Of(cef_v8value_t* s) { return From<V8Value>(s); }

  Kind kind() const { return kind_; }
  bool boolean() const { return b_; }
  double number() const { return d_; }
  const std::u16string& string() const { return str_; }
  int handle() const { return handle_; }
  V8Context* context() const { return context_.get(); }
  bool is_page() const { return handle_ != 0; }
  const std::u16string& function_name() const { return str_; }
  cef_v8handler_t* handler() const { return handler_; }

  // Program-made containers' content, for copying them into a page.
  const std::vector<std::pair<std::u16string, Ref<V8Value>>>& properties()
      const { return props_; }
  const std::vector<Ref<V8Value>>& elements() const { return elements_; }

  void Append(Ref<V8Value> element) { elements_.push_back(std::move(element)); }

  // Drops what a program-made container holds, which breaks the cycles the
  // program may have built once its context is gone.
  void ClearContent();

  // Calls a program function's handler; false with `error` set when the
  // handler threw.
  bool CallHandler(V8Value* self, const std::vector<Ref<V8Value>>& args,
                   Ref<V8Value>* result, std::u16string* error);

 private:
  explicit V8Value(Kind kind);
  ~V8Value() override;

  void Install();
  bool Container() const {
    return kind_ == Kind::kObject || kind_ == Kind::kArray ||
           kind_ == Kind::kFunction;
  }
  Ref<V8Value>* Slot(const std::u16string& key);
  bool Execute(V8Context* context, cef_v8value_t* object, size_t count,
               cef_v8value_t* const* args, Ref<V8Value>* result);
  bool AccessorKey(const std::u16string& key) const;
  // A page operation on this page object: `rest` is the JSON of the
  // arguments after the handle.
  bool AskPage(const char* op, const std::string& rest, Ref<V8Value>* result,
               ExceptionInfo* error);
  bool PageTrue(const char* op, const std::string& rest);

  const Kind kind_;
  bool b_ = false;
  double d_ = 0;
  std::u16string str_;  // string value or function name
  Ref<V8Context> context_;
  int handle_ = 0;
  cef_v8handler_t* handler_ = nullptr;    // one reference
  cef_v8accessor_t* accessor_ = nullptr;  // one reference
  std::vector<std::u16string> accessor_keys_;
  cef_base_t* user_data_ = nullptr;       // one reference
  std::vector<std::pair<std::u16string, Ref<V8Value>>> props_;
  std::vector<Ref<V8Value>> elements_;
  Ref<V8Exception> exception_;
  bool rethrow_ = false;
};

// Milliseconds since 1970 (UTC) and the library's time record.
double MsFromTime(const cef_time_t& t);
cef_time_t TimeFromMs(double ms);

// One frame of a page's stack as JavaScriptCore writes it:
// "function@url:line:column".
struct StackFrameInfo {
  std::u16string function;
  std::u16string script;
  int line = 0;
  int column = 0;
};
std::vector<StackFrameInfo> ParseStack(const std::string& stack);

// The stack of the page call the program is answering, while it answers.
void SetCurrentStack(std::vector<StackFrameInfo>* frames);

}  // namespace cefrt

#endif  // CEF_RUNTIME_GTK_V8_VALUE_H_
