#include "runtime/gtk/v8_value.h"

#include <math.h>
#include <stdlib.h>
#include <stdint.h>

#include <algorithm>
#include <limits>
#include <memory>

#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_task_runner_capi.h"
#include "runtime/base/capi_util.h"
#include "runtime/base/text.h"
#include "runtime/gtk/v8_context.h"

namespace cefrt {

namespace {

using Kind = V8Value::Kind;

// Script values belong to the thread that runs script: here the UI thread.
bool OnUi() { return cef_currently_on(TID_UI) != 0; }

V8Value* Val(cef_v8value_t* s) { return OnUi() ? V8Value::Of(s) : nullptr; }

// ECMAScript's ToUint32, which ToInt32 reinterprets.
uint32_t ToUint32(double d) {
  if (!isfinite(d))
    return 0;
  double m = fmod(trunc(d), 4294967296.0);
  if (m < 0)
    m += 4294967296.0;
  return static_cast<uint32_t>(m);
}

bool Integral(double d, double lo, double hi) {
  return isfinite(d) && trunc(d) == d && d >= lo && d <= hi;
}

// The program's key, or the element index it spells on an array.
bool IndexKey(const std::u16string& key, size_t* index) {
  if (key.empty() || key.size() > 9 || (key.size() > 1 && key[0] == u'0'))
    return false;
  size_t n = 0;
  for (char16_t c : key) {
    if (c < u'0' || c > u'9')
      return false;
    n = n * 10 + static_cast<size_t>(c - u'0');
  }
  *index = n;
  return true;
}

std::string PageKey(const std::u16string& key) { return JsonString(key); }

// A structure the program handed over with a reference, let go of on return.
class Handed {
 public:
  explicit Handed(void* s) : s_(s) {}
  ~Handed() { ReleaseStruct(s_); }
  Handed(const Handed&) = delete;
  Handed& operator=(const Handed&) = delete;

 private:
  void* s_;
};

}  // namespace

V8Exception::V8Exception(ExceptionInfo info)
    : CountedStruct("cef_v8exception_t"), info_(std::move(info)) {
  using S = cef_v8exception_t;
  cef_v8exception_t& c = s();
#define CEFRT_EXCEPTION_TEXT(member, field)                          \
  c.member = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {        \
    V8Exception* e = From<V8Exception>(s);                           \
    return e ? NewUserFree(e->info_.field) : nullptr;                \
  }
  CEFRT_EXCEPTION_TEXT(get_message, message);
  CEFRT_EXCEPTION_TEXT(get_source_line, source_line);
  CEFRT_EXCEPTION_TEXT(get_script_resource_name, script);
#undef CEFRT_EXCEPTION_TEXT
#define CEFRT_EXCEPTION_INT(member, field)                          \
  c.member = [](S* s) CEF_CALLBACK -> int {                         \
    return From<V8Exception>(s) ? From<V8Exception>(s)->info_.field : 0; \
  }
  CEFRT_EXCEPTION_INT(get_line_number, line);
  CEFRT_EXCEPTION_INT(get_start_position, start_position);
  CEFRT_EXCEPTION_INT(get_end_position, end_position);
  CEFRT_EXCEPTION_INT(get_start_column, start_column);
  CEFRT_EXCEPTION_INT(get_end_column, end_column);
#undef CEFRT_EXCEPTION_INT
}

V8Value* V8Value::Undefined() { return new V8Value(Kind::kUndefined); }
V8Value* V8Value::Null() { return new V8Value(Kind::kNull); }

V8Value* V8Value::Bool(bool b) {
  V8Value* v = new V8Value(Kind::kBool);
  v->b_ = b;
  return v;
}

V8Value* V8Value::Number(double d) {
  V8Value* v = new V8Value(Kind::kNumber);
  v->d_ = d;
  return v;
}

V8Value* V8Value::Date(double ms) {
  V8Value* v = new V8Value(Kind::kDate);
  v->d_ = ms;
  return v;
}

V8Value* V8Value::String(std::u16string s) {
  V8Value* v = new V8Value(Kind::kString);
  v->str_ = std::move(s);
  return v;
}

V8Value* V8Value::NewObject(V8Context* context, cef_v8accessor_t* accessor) {
  V8Value* v = new V8Value(Kind::kObject);
  v->context_ = Ref<V8Context>(context);
  v->accessor_ = accessor;
  context->Track(v);
  return v;
}

V8Value* V8Value::NewArray(V8Context* context, int length) {
  V8Value* v = new V8Value(Kind::kArray);
  v->context_ = Ref<V8Context>(context);
  v->elements_.resize(static_cast<size_t>(std::max(length, 0)));
  context->Track(v);
  return v;
}

V8Value* V8Value::NewFunction(V8Context* context, std::u16string name,
                              cef_v8handler_t* handler) {
  V8Value* v = new V8Value(Kind::kFunction);
  v->context_ = Ref<V8Context>(context);
  v->str_ = std::move(name);
  v->handler_ = handler;
  context->Track(v);
  return v;
}

V8Value* V8Value::PageObject(V8Context* context, Kind kind, int handle,
                             std::u16string function_name) {
  V8Value* v = new V8Value(kind);
  v->context_ = Ref<V8Context>(context);
  v->handle_ = handle;
  v->str_ = std::move(function_name);
  return v;
}

V8Value::V8Value(Kind kind) : CountedStruct("cef_v8value_t"), kind_(kind) {
  Install();
}

V8Value::~V8Value() {
  if (context_) {
    if (handle_)
      context_->DropHandle(handle_);
    else
      context_->Untrack(this);
  }
  ReleaseStruct(handler_);
  ReleaseStruct(accessor_);
  ReleaseStruct(user_data_);
}

void V8Value::ClearContent() {
  // Moved out first: releasing an element may come back here.
  auto props = std::move(props_);
  auto elements = std::move(elements_);
  props_.clear();
  elements_.clear();
  Ref<V8Exception> exception = std::move(exception_);
  cef_base_t* user_data = user_data_;
  user_data_ = nullptr;
  ReleaseStruct(user_data);
}

Ref<V8Value>* V8Value::Slot(const std::u16string& key) {
  for (auto& p : props_) {
    if (p.first == key)
      return &p.second;
  }
  return nullptr;
}

bool V8Value::AskPage(const char* op, const std::string& rest,
                      Ref<V8Value>* result, ExceptionInfo* error) {
  return context_->PageOp(
      op, "[" + std::to_string(handle_) + (rest.empty() ? "" : ",") + rest + "]",
      result, error);
}

bool V8Value::PageTrue(const char* op, const std::string& rest) {
  Ref<V8Value> r;
  ExceptionInfo e;
  return AskPage(op, rest, &r, &e) && r && r->kind_ == Kind::kBool && r->b_;
}

bool V8Value::AccessorKey(const std::u16string& key) const {
  return accessor_ && std::find(accessor_keys_.begin(), accessor_keys_.end(),
                                key) != accessor_keys_.end();
}

bool V8Value::CallHandler(V8Value* self, const std::vector<Ref<V8Value>>& args,
                          Ref<V8Value>* result, std::u16string* error) {
  Ref<V8Value> keep(this);
  cef_v8handler_t* h = handler_;
  if (!Offers(h, &cef_v8handler_t::execute)) {
    *result = Ref<V8Value>::Adopt(Undefined());
    return true;
  }
  AddRefStruct(h);
  std::vector<cef_v8value_t*> raw;
  for (const Ref<V8Value>& a : args)
    raw.push_back(a->Share());
  cef_string_t name = {};
  ToCef(str_, &name);
  cef_string_t exception = {};
  cef_v8value_t* ret = nullptr;
  h->execute(h, &name, self->Share(), raw.size(),
             raw.empty() ? nullptr : raw.data(), &ret, &exception);
  ReleaseStruct(h);
  cef_string_utf16_clear(&name);
  *error = FromCef(&exception);
  cef_string_utf16_clear(&exception);
  V8Value* out = V8Value::Of(ret);
  *result = out ? Ref<V8Value>::Adopt(out) : Ref<V8Value>::Adopt(Undefined());
  return error->empty();
}

bool V8Value::Execute(V8Context* context, cef_v8value_t* object, size_t count,
                      cef_v8value_t* const* args, Ref<V8Value>* result) {
  Ref<V8Value> self = V8Value::Of(object) ? Ref<V8Value>(V8Value::Of(object))
                                          : Ref<V8Value>::Adopt(Undefined());
  std::vector<Ref<V8Value>> list;
  bool bad_argument = false;
  for (size_t i = 0; i < count; ++i) {
    V8Value* a = args ? V8Value::Of(args[i]) : nullptr;
    if (!a)
      bad_argument = true;
    list.push_back(a ? Ref<V8Value>(a) : Ref<V8Value>());
  }
  if (bad_argument || kind_ != Kind::kFunction)
    return false;
  exception_.reset();
  ScopedV8Context scope(context ? context : context_.get());
  ExceptionInfo error;
  bool ok;
  if (is_page()) {
    std::string json = "[" + std::to_string(handle_) + "," +
                       context_->Encode(self.get()) + ",[";
    for (size_t i = 0; i < list.size(); ++i)
      json += (i ? "," : "") + context_->Encode(list[i].get());
    json += "]]";
    ok = context_->PageOp("call", json, result, &error);
  } else {
    ok = CallHandler(self.get(), list, result, &error.message);
  }
  if (!ok) {
    if (error.message.empty())
      return false;  // nothing ran: the page is gone or did not answer
    exception_ = Ref<V8Exception>::Adopt(new V8Exception(error));
    if (rethrow_)
      NoteRethrow(error.message);
    result->reset();
  }
  return true;
}

void V8Value::Install() {
  using S = cef_v8value_t;
  cef_v8value_t& c = s();
  c.is_valid = [](S* s) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    // A value of a context lives as long as the context does.
    return v && (!v->context_ || v->context_->valid()) ? 1 : 0;
  };
#define CEFRT_V8_IS(member, test)                   \
  c.member = [](S* s) CEF_CALLBACK -> int {         \
    V8Value* v = Val(s);                            \
    return v && (test) ? 1 : 0;                     \
  }
  CEFRT_V8_IS(is_undefined, v->kind_ == Kind::kUndefined);
  CEFRT_V8_IS(is_null, v->kind_ == Kind::kNull);
  CEFRT_V8_IS(is_bool, v->kind_ == Kind::kBool);
  CEFRT_V8_IS(is_int, v->kind_ == Kind::kNumber &&
                          Integral(v->d_, INT32_MIN, INT32_MAX));
  CEFRT_V8_IS(is_uint, v->kind_ == Kind::kNumber &&
                           Integral(v->d_, 0, UINT32_MAX));
  CEFRT_V8_IS(is_double, v->kind_ == Kind::kNumber);
  CEFRT_V8_IS(is_date, v->kind_ == Kind::kDate);
  CEFRT_V8_IS(is_string, v->kind_ == Kind::kString);
  CEFRT_V8_IS(is_object, v->Container());
  CEFRT_V8_IS(is_array, v->kind_ == Kind::kArray);
  CEFRT_V8_IS(is_function, v->kind_ == Kind::kFunction);
  CEFRT_V8_IS(is_user_created, v->Container() && !v->is_page());
  CEFRT_V8_IS(has_exception, v->exception_);
  CEFRT_V8_IS(will_rethrow_exceptions, v->rethrow_);
#undef CEFRT_V8_IS
  c.is_same = [](S* s, S* that) CEF_CALLBACK -> int {
    Handed handed(that);
    V8Value* a = Val(s);
    V8Value* b = Val(that);
    if (!a || !b)
      return 0;
    if (a == b)
      return 1;
    if (a->kind_ != b->kind_)
      return 0;
    switch (a->kind_) {
      case Kind::kUndefined:
      case Kind::kNull:
        return 1;
      case Kind::kBool:
        return a->b_ == b->b_;
      case Kind::kNumber:
        return a->d_ == b->d_;
      case Kind::kString:
        return a->str_ == b->str_;
      default:
        break;
    }
    // Two references to one page entry, or to two entries holding the same
    // page object.
    if (!a->is_page() || !b->is_page() || a->context_.get() != b->context_.get())
      return 0;
    if (a->handle_ == b->handle_)
      return 1;
    return a->PageTrue("same", std::to_string(b->handle_)) ? 1 : 0;
  };
  c.get_bool_value = [](S* s) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    return v && v->kind_ == Kind::kBool && v->b_ ? 1 : 0;
  };
  c.get_int_value = [](S* s) CEF_CALLBACK -> int32_t {
    V8Value* v = Val(s);
    return v && v->kind_ == Kind::kNumber
               ? static_cast<int32_t>(ToUint32(v->d_))
               : 0;
  };
  c.get_uint_value = [](S* s) CEF_CALLBACK -> uint32_t {
    V8Value* v = Val(s);
    return v && v->kind_ == Kind::kNumber ? ToUint32(v->d_) : 0;
  };
  c.get_double_value = [](S* s) CEF_CALLBACK -> double {
    V8Value* v = Val(s);
    return v && v->kind_ == Kind::kNumber ? v->d_ : 0.0;
  };
  c.get_date_value = [](S* s) CEF_CALLBACK -> cef_time_t {
    V8Value* v = Val(s);
    return v && v->kind_ == Kind::kDate ? TimeFromMs(v->d_) : cef_time_t{};
  };
  c.get_string_value = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    V8Value* v = Val(s);
    return v && v->kind_ == Kind::kString ? NewUserFree(v->str_) : nullptr;
  };
  c.get_exception = [](S* s) CEF_CALLBACK -> cef_v8exception_t* {
    V8Value* v = Val(s);
    return v && v->exception_ ? v->exception_->Share() : nullptr;
  };
  c.clear_exception = [](S* s) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    if (!v)
      return 0;
    v->exception_.reset();
    return 1;
  };
  c.set_rethrow_exceptions = [](S* s, int rethrow) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    if (!v)
      return 0;
    v->rethrow_ = rethrow != 0;
    return 1;
  };

  // Keyed access: a page object asks the page; a program object answers
  // from its own content, and an accessor's keys from the accessor.
  c.has_value_bykey = [](S* s, const cef_string_t* key) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    if (!v || !v->Container())
      return 0;
    const std::u16string k = FromCef(key);
    if (v->is_page()) {
      return v->PageTrue("has", PageKey(k)) ? 1 : 0;
    }
    size_t i;
    if (v->kind_ == Kind::kArray && IndexKey(k, &i))
      return i < v->elements_.size() && v->elements_[i] ? 1 : 0;
    return v->Slot(k) || v->AccessorKey(k) ? 1 : 0;
  };
  c.has_value_byindex = [](S* s, int index) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    if (!v || index < 0 || !v->Container())
      return 0;
    if (v->is_page()) {
      return v->PageTrue("has", std::to_string(index)) ? 1 : 0;
    }
    const size_t i = static_cast<size_t>(index);
    return i < v->elements_.size() && v->elements_[i] ? 1 : 0;
  };
  c.delete_value_bykey = [](S* s, const cef_string_t* key) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    if (!v || !v->Container())
      return 0;
    const std::u16string k = FromCef(key);
    if (v->is_page()) {
      return v->PageTrue("del", PageKey(k)) ? 1 : 0;
    }
    size_t i;
    if (v->kind_ == Kind::kArray && IndexKey(k, &i)) {
      if (i < v->elements_.size())
        v->elements_[i].reset();
      return 1;
    }
    auto it = std::find_if(v->props_.begin(), v->props_.end(),
                           [&k](const auto& p) { return p.first == k; });
    if (it != v->props_.end()) {
      Ref<V8Value> gone = std::move(it->second);
      v->props_.erase(it);
    }
    return 1;
  };
  c.delete_value_byindex = [](S* s, int index) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    if (!v || index < 0 || !v->Container())
      return 0;
    cef_string_t key = {};
    ToCef(Utf8ToU16(std::to_string(index)), &key);
    const int r = v->s().delete_value_bykey(s, &key);
    cef_string_utf16_clear(&key);
    return r;
  };
  c.get_value_bykey = [](S* s, const cef_string_t* key) CEF_CALLBACK -> S* {
    V8Value* v = Val(s);
    if (!v || !v->Container())
      return nullptr;
    const std::u16string k = FromCef(key);
    v->exception_.reset();
    if (v->is_page()) {
      Ref<V8Value> r;
      ExceptionInfo e;
      if (!v->AskPage("get", PageKey(k), &r, &e)) {
        if (!e.message.empty())
          v->exception_ = Ref<V8Exception>::Adopt(new V8Exception(e));
        return nullptr;
      }
      return r ? r->Share() : nullptr;
    }
    size_t i;
    if (v->kind_ == Kind::kArray && IndexKey(k, &i)) {
      if (i < v->elements_.size() && v->elements_[i])
        return v->elements_[i]->Share();
      return Undefined()->Give();
    }
    if (Ref<V8Value>* slot = v->Slot(k))
      return (*slot)->Share();
    if (v->AccessorKey(k) && Offers(v->accessor_, &cef_v8accessor_t::get)) {
      cef_v8accessor_t* a = v->accessor_;
      cef_string_t name = {};
      ToCef(k, &name);
      cef_string_t exception = {};
      cef_v8value_t* ret = nullptr;
      AddRefStruct(a);
      a->get(a, &name, v->Share(), &ret, &exception);
      ReleaseStruct(a);
      cef_string_utf16_clear(&name);
      const std::u16string text = FromCef(&exception);
      cef_string_utf16_clear(&exception);
      if (!text.empty()) {
        ReleaseStruct(ret);
        ExceptionInfo e;
        e.message = text;
        v->exception_ = Ref<V8Exception>::Adopt(new V8Exception(e));
        return nullptr;
      }
      return ret ? ret : Undefined()->Give();
    }
    return Undefined()->Give();
  };
  c.get_value_byindex = [](S* s, int index) CEF_CALLBACK -> S* {
    V8Value* v = Val(s);
    if (!v || index < 0)
      return nullptr;
    cef_string_t key = {};
    ToCef(Utf8ToU16(std::to_string(index)), &key);
    S* r = v->s().get_value_bykey(s, &key);
    cef_string_utf16_clear(&key);
    return r;
  };
  c.set_value_bykey = [](S* s, const cef_string_t* key, S* value,
                         cef_v8_propertyattribute_t attribute) CEF_CALLBACK -> int {
    Handed handed(value);
    V8Value* v = Val(s);
    V8Value* value_v = Val(value);
    if (!v || !value_v || !v->Container())
      return 0;
    const std::u16string k = FromCef(key);
    if (v->is_page()) {
      Ref<V8Value> r;
      ExceptionInfo e;
      if (!v->AskPage("set", PageKey(k) + "," + v->context_->Encode(value_v) +
                                 "," + std::to_string(static_cast<int>(attribute)),
                      &r, &e))
        return 0;
      // A program function on the page's window: later documents of the
      // browser declare it before their own scripts run.
      if (r && r->kind_ == Kind::kBool && r->b_ &&
          value_v->kind_ == Kind::kFunction && !value_v->is_page())
        NoteGlobalBinding(v->context_.get(), U16ToUtf8(k), value_v);
      return 1;
    }
    size_t i;
    if (v->kind_ == Kind::kArray && IndexKey(k, &i)) {
      if (i >= v->elements_.size())
        v->elements_.resize(i + 1);
      v->elements_[i] = Ref<V8Value>(value_v);
      return 1;
    }
    if (v->AccessorKey(k) && Offers(v->accessor_, &cef_v8accessor_t::set)) {
      cef_v8accessor_t* a = v->accessor_;
      cef_string_t name = {};
      ToCef(k, &name);
      cef_string_t exception = {};
      AddRefStruct(a);
      a->set(a, &name, v->Share(), value_v->Share(), &exception);
      ReleaseStruct(a);
      cef_string_utf16_clear(&name);
      const bool ok = exception.length == 0;
      cef_string_utf16_clear(&exception);
      return ok ? 1 : 0;
    }
    if (Ref<V8Value>* slot = v->Slot(k))
      *slot = Ref<V8Value>(value_v);
    else
      v->props_.emplace_back(k, Ref<V8Value>(value_v));
    return 1;
  };
  c.set_value_byindex = [](S* s, int index, S* value) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    if (!v || index < 0) {
      ReleaseStruct(value);
      return 0;
    }
    // The keyed form lets go of the value.
    cef_string_t key = {};
    ToCef(Utf8ToU16(std::to_string(index)), &key);
    const int r = v->s().set_value_bykey(s, &key, value, V8_PROPERTY_ATTRIBUTE_NONE);
    cef_string_utf16_clear(&key);
    return r;
  };
  c.set_value_byaccessor = [](S* s, const cef_string_t* key,
                              cef_v8_accesscontrol_t,
                              cef_v8_propertyattribute_t) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    // Only an object made with an accessor routes keys to it.
    if (!v || !v->accessor_ || v->is_page())
      return 0;
    const std::u16string k = FromCef(key);
    if (!v->AccessorKey(k))
      v->accessor_keys_.push_back(k);
    return 1;
  };
  c.get_keys = [](S* s, cef_string_list_t keys) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    if (!v || !keys || !v->Container())
      return 0;
    std::vector<std::u16string> names;
    if (v->is_page()) {
      Ref<V8Value> r;
      ExceptionInfo e;
      if (!v->AskPage("keys", "", &r, &e) ||
          !r)
        return 0;
      for (const auto& k : r->elements_)
        names.push_back(k ? k->str_ : std::u16string());
    } else {
      for (size_t i = 0; i < v->elements_.size(); ++i) {
        if (v->elements_[i])
          names.push_back(Utf8ToU16(std::to_string(i)));
      }
      for (const auto& p : v->props_)
        names.push_back(p.first);
      for (const auto& k : v->accessor_keys_)
        names.push_back(k);
    }
    for (const auto& n : names) {
      cef_string_t key = {};
      ToCef(n, &key);
      cef_string_list_append(keys, &key);
      cef_string_utf16_clear(&key);
    }
    return 1;
  };
  c.set_user_data = [](S* s, cef_base_t* user_data) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    if (!v || !v->Container() || v->is_page()) {
      ReleaseStruct(user_data);
      return 0;
    }
    cef_base_t* old = v->user_data_;
    v->user_data_ = user_data;
    ReleaseStruct(old);
    return 1;
  };
  c.get_user_data = [](S* s) CEF_CALLBACK -> cef_base_t* {
    V8Value* v = Val(s);
    if (!v || !v->user_data_)
      return nullptr;
    AddRefStruct(v->user_data_);
    return v->user_data_;
  };
  // Memory outside the engine is not accounted for here.
  c.get_externally_allocated_memory = [](S*) CEF_CALLBACK -> int { return 0; };
  c.adjust_externally_allocated_memory = [](S*, int) CEF_CALLBACK -> int {
    return 0;
  };
  c.get_array_length = [](S* s) CEF_CALLBACK -> int {
    V8Value* v = Val(s);
    if (!v || v->kind_ != Kind::kArray)
      return 0;
    if (!v->is_page())
      return static_cast<int>(v->elements_.size());
    Ref<V8Value> r;
    ExceptionInfo e;
    if (!v->AskPage("len", "", &r, &e) ||
        !r || r->kind_ != Kind::kNumber)
      return 0;
    return static_cast<int>(std::min<double>(r->d_, INT32_MAX));
  };
  c.get_function_name = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    V8Value* v = Val(s);
    return v && v->kind_ == Kind::kFunction ? NewUserFree(v->str_) : nullptr;
  };
  c.get_function_handler = [](S* s) CEF_CALLBACK -> cef_v8handler_t* {
    V8Value* v = Val(s);
    if (!v || !v->handler_)
      return nullptr;
    AddRefStruct(v->handler_);
    return v->handler_;
  };
  c.execute_function = [](S* s, S* object, size_t count,
                          S* const* args) CEF_CALLBACK -> S* {
    Handed handed(object);
    std::vector<std::unique_ptr<Handed>> handed_args;
    for (size_t i = 0; args && i < count; ++i)
      handed_args.push_back(std::make_unique<Handed>(args[i]));
    V8Value* v = Val(s);
    Ref<V8Value> result;
    if (!v || !v->Execute(nullptr, object, count, args, &result) || !result)
      return nullptr;
    return result->Share();
  };
  c.execute_function_with_context = [](S* s, cef_v8context_t* context,
                                       S* object, size_t count,
                                       S* const* args) CEF_CALLBACK -> S* {
    Handed handed(object);
    std::vector<std::unique_ptr<Handed>> handed_args;
    for (size_t i = 0; args && i < count; ++i)
      handed_args.push_back(std::make_unique<Handed>(args[i]));
    V8Value* v = Val(s);
    V8Context* ctx = V8Context::Of(context);
    Ref<V8Value> result;
    if (!v || !ctx || !v->Execute(ctx, object, count, args, &result) || !result)
      return nullptr;
    return result->Share();
  };
}

// Days from 1970-01-01 of a civil date, and back (proleptic Gregorian).
namespace {

int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

}  // namespace

double MsFromTime(const cef_time_t& t) {
  if (t.month < 1 || t.month > 12 || t.day_of_month < 1 || t.day_of_month > 31)
    return 0;
  const int64_t days = DaysFromCivil(t.year, t.month, t.day_of_month);
  return static_cast<double>(days) * 86400000.0 + t.hour * 3600000.0 +
         t.minute * 60000.0 + t.second * 1000.0 + t.millisecond;
}

cef_time_t TimeFromMs(double ms_in) {
  cef_time_t t = {};
  if (!isfinite(ms_in))
    return t;
  const int64_t ms = static_cast<int64_t>(floor(ms_in));
  int64_t days = ms >= 0 ? ms / 86400000 : (ms - 86399999) / 86400000;
  const int64_t in_day = ms - days * 86400000;
  t.hour = static_cast<int>(in_day / 3600000);
  t.minute = static_cast<int>(in_day / 60000 % 60);
  t.second = static_cast<int>(in_day / 1000 % 60);
  t.millisecond = static_cast<int>(in_day % 1000);
  t.day_of_week = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01: Thu
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t doe = days - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp < 10 ? mp + 3 : mp - 9;
  t.year = static_cast<int>(yoe + era * 400 + (m <= 2));
  t.month = static_cast<int>(m);
  t.day_of_month = static_cast<int>(d);
  return t;
}

std::vector<StackFrameInfo> ParseStack(const std::string& stack) {
  std::vector<StackFrameInfo> frames;
  size_t start = 0;
  while (start < stack.size()) {
    size_t end = stack.find('\n', start);
    if (end == std::string::npos)
      end = stack.size();
    const std::string line = stack.substr(start, end - start);
    start = end + 1;
    if (line.empty())
      continue;
    StackFrameInfo f;
    const size_t at = line.find('@');
    std::string function = at == std::string::npos ? line : line.substr(0, at);
    std::string where = at == std::string::npos ? std::string()
                                                : line.substr(at + 1);
    // Top-level code has no function name in the library's frames.
    if (function == "global code" || function == "module code")
      function.clear();
    f.function = Utf8ToU16(function);
    // "url:line:column", where the URL has colons of its own.
    const size_t c2 = where.rfind(':');
    const size_t c1 = c2 == std::string::npos || c2 == 0
                          ? std::string::npos
                          : where.rfind(':', c2 - 1);
    auto digits = [](const std::string& s) {
      return !s.empty() &&
             std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (c1 != std::string::npos && digits(where.substr(c1 + 1, c2 - c1 - 1)) &&
        digits(where.substr(c2 + 1))) {
      f.line = atoi(where.substr(c1 + 1, c2 - c1 - 1).c_str());
      f.column = atoi(where.substr(c2 + 1).c_str());
      where.resize(c1);
    }
    f.script = Utf8ToU16(where);
    frames.push_back(std::move(f));
  }
  return frames;
}

namespace {

thread_local std::vector<StackFrameInfo>* g_stack = nullptr;

class V8StackFrame : public CountedStruct<cef_v8stack_frame_t> {
 public:
  explicit V8StackFrame(StackFrameInfo f)
      : CountedStruct("cef_v8stack_frame_t"), f_(std::move(f)) {
    using S = cef_v8stack_frame_t;
    cef_v8stack_frame_t& c = s();
    c.is_valid = [](S* s) CEF_CALLBACK -> int { return Of(s) ? 1 : 0; };
    c.get_script_name = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
      return Of(s) ? NewUserFree(Of(s)->f_.script) : nullptr;
    };
    c.get_script_name_or_source_url = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
      return Of(s) ? NewUserFree(Of(s)->f_.script) : nullptr;
    };
    c.get_function_name = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
      return Of(s) ? NewUserFree(Of(s)->f_.function) : nullptr;
    };
    c.get_line_number = [](S* s) CEF_CALLBACK -> int {
      return Of(s) ? Of(s)->f_.line : 0;
    };
    c.get_column = [](S* s) CEF_CALLBACK -> int {
      return Of(s) ? Of(s)->f_.column : 0;
    };
    c.is_eval = [](S* s) CEF_CALLBACK -> int {
      return Of(s) && Of(s)->f_.function == u"eval code" ? 1 : 0;
    };
    c.is_constructor = [](S*) CEF_CALLBACK -> int { return 0; };
  }

 private:
  static V8StackFrame* Of(cef_v8stack_frame_t* s) { return From<V8StackFrame>(s); }
  ~V8StackFrame() override = default;
  const StackFrameInfo f_;
};

class V8StackTrace : public CountedStruct<cef_v8stack_trace_t> {
 public:
  explicit V8StackTrace(std::vector<StackFrameInfo> frames)
      : CountedStruct("cef_v8stack_trace_t"), frames_(std::move(frames)) {
    using S = cef_v8stack_trace_t;
    cef_v8stack_trace_t& c = s();
    c.is_valid = [](S* s) CEF_CALLBACK -> int { return Of(s) ? 1 : 0; };
    c.get_frame_count = [](S* s) CEF_CALLBACK -> int {
      return Of(s) ? static_cast<int>(Of(s)->frames_.size()) : 0;
    };
    c.get_frame = [](S* s, int index) CEF_CALLBACK -> cef_v8stack_frame_t* {
      V8StackTrace* t = Of(s);
      if (!t || index < 0 || static_cast<size_t>(index) >= t->frames_.size())
        return nullptr;
      return (new V8StackFrame(t->frames_[static_cast<size_t>(index)]))->Give();
    };
  }

 private:
  static V8StackTrace* Of(cef_v8stack_trace_t* s) { return From<V8StackTrace>(s); }
  ~V8StackTrace() override = default;
  const std::vector<StackFrameInfo> frames_;
};

V8Context* ContainerContext() {
  return OnUi() ? CurrentV8Context() : nullptr;
}

}  // namespace

void SetCurrentStack(std::vector<StackFrameInfo>* frames) { g_stack = frames; }

}  // namespace cefrt

using cefrt::V8Value;

extern "C" {

cef_v8value_t* cef_v8value_create_undefined(void) {
  return cefrt::OnUi() ? V8Value::Undefined()->Give() : nullptr;
}

cef_v8value_t* cef_v8value_create_null(void) {
  return cefrt::OnUi() ? V8Value::Null()->Give() : nullptr;
}

cef_v8value_t* cef_v8value_create_bool(int value) {
  return cefrt::OnUi() ? V8Value::Bool(value != 0)->Give() : nullptr;
}

cef_v8value_t* cef_v8value_create_int(int32_t value) {
  return cefrt::OnUi() ? V8Value::Number(value)->Give() : nullptr;
}

cef_v8value_t* cef_v8value_create_uint(uint32_t value) {
  return cefrt::OnUi() ? V8Value::Number(value)->Give() : nullptr;
}

cef_v8value_t* cef_v8value_create_double(double value) {
  return cefrt::OnUi() ? V8Value::Number(value)->Give() : nullptr;
}

cef_v8value_t* cef_v8value_create_date(const cef_time_t* date) {
  if (!cefrt::OnUi())
    return nullptr;
  return V8Value::Date(date ? cefrt::MsFromTime(*date) : 0)->Give();
}

cef_v8value_t* cef_v8value_create_string(const cef_string_t* value) {
  return cefrt::OnUi() ? V8Value::String(cefrt::FromCef(value))->Give()
                       : nullptr;
}

// Containers need a context, as the library's do.
cef_v8value_t* cef_v8value_create_object(struct _cef_v8accessor_t* accessor) {
  cefrt::V8Context* context = cefrt::ContainerContext();
  if (!context) {
    cefrt::ReleaseStruct(accessor);
    return nullptr;
  }
  return V8Value::NewObject(context, accessor)->Give();
}

cef_v8value_t* cef_v8value_create_array(int length) {
  cefrt::V8Context* context = cefrt::ContainerContext();
  return context ? V8Value::NewArray(context, length)->Give() : nullptr;
}

cef_v8value_t* cef_v8value_create_function(const cef_string_t* name,
                                           struct _cef_v8handler_t* handler) {
  cefrt::V8Context* context = cefrt::ContainerContext();
  if (!context || !name || name->length == 0 || !handler) {
    cefrt::ReleaseStruct(handler);
    return nullptr;
  }
  return V8Value::NewFunction(context, cefrt::FromCef(name), handler)->Give();
}

cef_v8stack_trace_t* cef_v8stack_trace_get_current(int frame_limit) {
  if (!cefrt::OnUi())
    return nullptr;
  std::vector<cefrt::StackFrameInfo> frames;
  if (cefrt::g_stack && frame_limit > 0) {
    frames = *cefrt::g_stack;
    if (frames.size() > static_cast<size_t>(frame_limit))
      frames.resize(static_cast<size_t>(frame_limit));
  }
  return (new cefrt::V8StackTrace(std::move(frames)))->Give();
}

}  // extern "C"
