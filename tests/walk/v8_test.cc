#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "libcef_dll/adapters/base_adapter.h"
#include "libcef_dll/adapters/v8accessor_adapter.h"
#include "libcef_dll/adapters/v8handler_adapter.h"
#include "libcef_dll/ctocpp/v8context_proxy.h"
#include "libcef_dll/ctocpp/v8exception_proxy.h"
#include "libcef_dll/ctocpp/v8stack_frame_proxy.h"
#include "libcef_dll/ctocpp/v8stack_trace_proxy.h"
#include "libcef_dll/ctocpp/v8value_proxy.h"
#include "tests/fake/fake_library.h"
#include "tests/support/member_walk.h"

namespace {

using walk::Idx;
using walk::NewProxy;
using walk::Req;
using walk::Row;

// A program object whose reference count a test can read.
template <class Base>
class Tracked : public Base {
 public:
  void AddRef() const override { ++refs_; }
  bool Release() const override {
    if (--refs_ != 0) return false;
    delete this;
    return true;
  }
  bool HasOneRef() const override { return refs_ == 1; }
  int refs() const { return refs_; }

 private:
  mutable std::atomic<int> refs_{0};
};

class V8Test : public fake::LibraryTest {};

// The library releases each structure it is handed, so once the walk is
// done every crossing must have carried exactly one reference: only the
// caller's own is left.
template <class Proxy>
void ExpectOnlyOwnReference(
    const CefRefPtr<typename Proxy::InterfaceType>& object) {
  EXPECT_EQ(fake::RefsOf(static_cast<Proxy*>(object.get())->GetStruct()), 1);
}

// How the walk describes the structure behind a proxy.
template <class Proxy>
std::string IdText(const CefRefPtr<typename Proxy::InterfaceType>& object) {
  return "#" + std::to_string(
                   fake::IdOf(static_cast<Proxy*>(object.get())->GetStruct()));
}

// ---------------------------------------------------------------------------
// Proxies, member by member.

TEST_F(V8Test, ContextEveryMember) {
  typedef cef_v8context_t S;
  typedef CefV8Context I;
  CefRefPtr<CefV8Context> other = NewProxy<CefV8ContextProxy>();
  CefRefPtr<CefV8Value> retval;
  CefRefPtr<CefV8Exception> exception;
  walk::WalkProxy<CefV8ContextProxy>({
      Row<&S::get_task_runner>(&I::GetTaskRunner),
      Row<&S::is_valid>(&I::IsValid),
      Row<&S::get_browser>(&I::GetBrowser),
      Row<&S::get_frame>(&I::GetFrame),
      Row<&S::get_global>(&I::GetGlobal),
      Row<&S::enter>(&I::Enter),
      Row<&S::exit>(&I::Exit),
      Row<&S::is_same>(&I::IsSame, Req(other))
          .Sees(IdText<CefV8ContextProxy>(other)),
      Row<&S::eval>(&I::Eval, Req(CefString("1+1")), retval, exception)
          .Sees("\"1+1\", ptr, ptr"),
  });
  ExpectOnlyOwnReference<CefV8ContextProxy>(other);
}

TEST_F(V8Test, ValueEveryMember) {
  typedef cef_v8value_t S;
  typedef CefV8Value I;
  typedef bool (I::*ByKey)(const CefString&);
  typedef bool (I::*ByIndex)(int);
  typedef CefRefPtr<I> (I::*GetByKey)(const CefString&);
  typedef CefRefPtr<I> (I::*GetByIndex)(int);
  typedef bool (I::*SetByKey)(const CefString&, CefRefPtr<I>,
                              I::PropertyAttribute);
  typedef bool (I::*SetByIndex)(int, CefRefPtr<I>);
  typedef bool (I::*SetByAccessor)(const CefString&, I::AccessControl,
                                   I::PropertyAttribute);
  CefRefPtr<CefV8Value> that = NewProxy<CefV8ValueProxy>();
  CefRefPtr<CefV8Context> context = NewProxy<CefV8ContextProxy>();
  const std::string that_id = IdText<CefV8ValueProxy>(that);
  const std::string context_id = IdText<CefV8ContextProxy>(context);
  EmbedStringVector keys{"old"};
  const CefV8ValueList none;
  walk::WalkProxy<CefV8ValueProxy>({
      Row<&S::is_valid>(&I::IsValid),
      Row<&S::is_undefined>(&I::IsUndefined),
      Row<&S::is_null>(&I::IsNull),
      Row<&S::is_bool>(&I::IsBool),
      Row<&S::is_int>(&I::IsInt),
      Row<&S::is_uint>(&I::IsUInt),
      Row<&S::is_double>(&I::IsDouble),
      Row<&S::is_date>(&I::IsDate),
      Row<&S::is_string>(&I::IsString),
      Row<&S::is_object>(&I::IsObject),
      Row<&S::is_array>(&I::IsArray),
      Row<&S::is_function>(&I::IsFunction),
      Row<&S::is_same>(&I::IsSame, Req(that)).Sees(that_id),
      Row<&S::get_bool_value>(&I::GetBoolValue),
      Row<&S::get_int_value>(&I::GetIntValue),
      Row<&S::get_uint_value>(&I::GetUIntValue),
      Row<&S::get_double_value>(&I::GetDoubleValue),
      Row<&S::get_date_value>(&I::GetDateValue),
      Row<&S::get_string_value>(&I::GetStringValue),
      Row<&S::is_user_created>(&I::IsUserCreated),
      Row<&S::has_exception>(&I::HasException),
      Row<&S::get_exception>(&I::GetException),
      Row<&S::clear_exception>(&I::ClearException),
      Row<&S::will_rethrow_exceptions>(&I::WillRethrowExceptions),
      Row<&S::set_rethrow_exceptions>(&I::SetRethrowExceptions, true).Sees("1"),
      // An empty key is the library's to judge.
      Row<&S::has_value_bykey>(ByKey(&I::HasValue), CefString()).Sees("null"),
      Row<&S::has_value_byindex>(ByIndex(&I::HasValue), Idx(0)).Sees("0"),
      Row<&S::delete_value_bykey>(ByKey(&I::DeleteValue), CefString("k"))
          .Sees("\"k\""),
      Row<&S::delete_value_byindex>(ByIndex(&I::DeleteValue), Idx(2)).Sees("2"),
      Row<&S::get_value_bykey>(GetByKey(&I::GetValue), CefString("")),
      Row<&S::get_value_byindex>(GetByIndex(&I::GetValue), Idx(1)),
      Row<&S::set_value_bykey>(SetByKey(&I::SetValue), CefString("k"),
                               Req(that), V8_PROPERTY_ATTRIBUTE_READONLY)
          .Sees("\"k\", " + that_id + ", 1"),
      Row<&S::set_value_byindex>(SetByIndex(&I::SetValue), Idx(3), Req(that))
          .Sees("3, " + that_id),
      Row<&S::set_value_byaccessor>(SetByAccessor(&I::SetValue), CefString("k"),
                                    V8_ACCESS_CONTROL_ALL_CAN_WRITE,
                                    V8_PROPERTY_ATTRIBUTE_DONTENUM)
          .Sees("\"k\", 2, 2"),
      Row<&S::get_keys>(&I::GetKeys, keys).Sees("ptr"),
      Row<&S::set_user_data>(&I::SetUserData, CefRefPtr<CefBase>())
          .Sees("null"),
      Row<&S::get_user_data>(&I::GetUserData),
      Row<&S::get_externally_allocated_memory>(
          &I::GetExternallyAllocatedMemory),
      Row<&S::adjust_externally_allocated_memory>(
          &I::AdjustExternallyAllocatedMemory, -4)
          .Sees("-4"),
      Row<&S::get_array_length>(&I::GetArrayLength),
      Row<&S::get_function_name>(&I::GetFunctionName),
      Row<&S::get_function_handler>(&I::GetFunctionHandler),
      Row<&S::execute_function>(&I::ExecuteFunction, CefRefPtr<CefV8Value>(),
                                none)
          .Sees("null, 0, null"),
      Row<&S::execute_function_with_context>(&I::ExecuteFunctionWithContext,
                                             Req(context),
                                             CefRefPtr<CefV8Value>(), none)
          .Sees(context_id + ", null, 0, null"),
  });
  ExpectOnlyOwnReference<CefV8ValueProxy>(that);
  ExpectOnlyOwnReference<CefV8ContextProxy>(context);
}

TEST_F(V8Test, ExceptionEveryMember) {
  typedef cef_v8exception_t S;
  typedef CefV8Exception I;
  walk::WalkProxy<CefV8ExceptionProxy>({
      Row<&S::get_message>(&I::GetMessage),
      Row<&S::get_source_line>(&I::GetSourceLine),
      Row<&S::get_script_resource_name>(&I::GetScriptResourceName),
      Row<&S::get_line_number>(&I::GetLineNumber),
      Row<&S::get_start_position>(&I::GetStartPosition),
      Row<&S::get_end_position>(&I::GetEndPosition),
      Row<&S::get_start_column>(&I::GetStartColumn),
      Row<&S::get_end_column>(&I::GetEndColumn),
  });
}

TEST_F(V8Test, StackTraceEveryMember) {
  typedef cef_v8stack_trace_t S;
  typedef CefV8StackTrace I;
  walk::WalkProxy<CefV8StackTraceProxy>({
      Row<&S::is_valid>(&I::IsValid),
      Row<&S::get_frame_count>(&I::GetFrameCount),
      // Not an index the proxy guards: the library sees even -1.
      Row<&S::get_frame>(&I::GetFrame, -1).Sees("-1"),
  });
}

TEST_F(V8Test, StackFrameEveryMember) {
  typedef cef_v8stack_frame_t S;
  typedef CefV8StackFrame I;
  walk::WalkProxy<CefV8StackFrameProxy>({
      Row<&S::is_valid>(&I::IsValid),
      Row<&S::get_script_name>(&I::GetScriptName),
      Row<&S::get_script_name_or_source_url>(&I::GetScriptNameOrSourceURL),
      Row<&S::get_function_name>(&I::GetFunctionName),
      Row<&S::get_line_number>(&I::GetLineNumber),
      Row<&S::get_column>(&I::GetColumn),
      Row<&S::is_eval>(&I::IsEval),
      Row<&S::is_constructor>(&I::IsConstructor),
  });
}

// ---------------------------------------------------------------------------
// Adapters, member by member.

class RecordingV8Handler : public CefV8Handler, public walk::Recording {
 public:
  bool Execute(const CefString& name, CefRefPtr<CefV8Value> object,
               const CefV8ValueList& arguments, CefRefPtr<CefV8Value>& retval,
               CefString& exception) override {
    Noted(0, name, object, arguments.size(), retval, exception);
    return walk::Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingV8Handler);
};

class RecordingV8Accessor : public CefV8Accessor, public walk::Recording {
 public:
  bool Get(const CefString& name, CefRefPtr<CefV8Value> object,
           CefRefPtr<CefV8Value>& retval, CefString& exception) override {
    Noted(0, name, object, retval, exception);
    return walk::Reply<bool>();
  }
  bool Set(const CefString& name, CefRefPtr<CefV8Value> object,
           CefRefPtr<CefV8Value> value, CefString& exception) override {
    Noted(1, name, object, value, exception);
    return walk::Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingV8Accessor);
};

class RecordingBase : public CefBase, public walk::Recording {
  IMPLEMENT_REFCOUNTING(RecordingBase);
};

TEST_F(V8Test, HandlerEveryMember) {
  walk::WalkAdapter<CefV8HandlerAdapter, RecordingV8Handler>({
      walk::Row<&cef_v8handler_t::execute>(
          walk::Need(walk::Text("f")),
          walk::Need(walk::Object<cef_v8value_t>()), walk::Value<size_t>(2),
          walk::Objects<cef_v8value_t>(2),
          walk::Need(walk::Slot<cef_v8value_t*>()), walk::Need(walk::Text("")))
          .Sees("\"f\", object, 2, null, \"\""),
  });
}

TEST_F(V8Test, AccessorEveryMember) {
  walk::WalkAdapter<CefV8AccessorAdapter, RecordingV8Accessor>({
      walk::Row<&cef_v8accessor_t::get>(
          walk::Need(walk::Text("p")),
          walk::Need(walk::Object<cef_v8value_t>()),
          walk::Need(walk::Slot<cef_v8value_t*>()), walk::Need(walk::Text("")))
          .Sees("\"p\", object, null, \"\""),
      walk::Row<&cef_v8accessor_t::set>(
          walk::Need(walk::Text("p")),
          walk::Need(walk::Object<cef_v8value_t>()),
          walk::Need(walk::Object<cef_v8value_t>()), walk::Need(walk::Text("")))
          .Sees("\"p\", object, object, \"\""),
  });
}

TEST_F(V8Test, BaseAdapterIsTheBareHeader) {
  walk::WalkAdapter<CefBaseAdapter, RecordingBase>({});
}

// ---------------------------------------------------------------------------
// User data and function handlers come back as the program's own objects.

cef_base_t* g_user_data = nullptr;

int CEF_CALLBACK KeepUserData(cef_v8value_t*, cef_base_t* data) {
  if (g_user_data) g_user_data->release(g_user_data);
  g_user_data = data;
  return 1;
}

cef_base_t* CEF_CALLBACK GiveUserData(cef_v8value_t*) {
  if (g_user_data) g_user_data->add_ref(g_user_data);
  return g_user_data;
}

TEST_F(V8Test, UserDataComesBackAsTheSameObject) {
  g_user_data = nullptr;
  cef_v8value_t* structure = fake::NewObject<cef_v8value_t>();
  structure->set_user_data = &KeepUserData;
  structure->get_user_data = &GiveUserData;
  CefRefPtr<CefV8Value> value = CefV8ValueProxy::Wrap(structure);
  CefRefPtr<Tracked<CefBase>> data = new Tracked<CefBase>();

  EXPECT_TRUE(value->SetUserData(data));
  EXPECT_EQ(data->refs(), 2) << "one reference travels to the library";
  {
    CefRefPtr<CefBase> back = value->GetUserData();
    EXPECT_EQ(back.get(), static_cast<CefBase*>(data.get()));
    EXPECT_EQ(data->refs(), 3);
  }
  EXPECT_EQ(data->refs(), 2);

  // Attaching nothing lets the library drop what it kept.
  EXPECT_TRUE(value->SetUserData(nullptr));
  EXPECT_EQ(g_user_data, nullptr);
  EXPECT_EQ(data->refs(), 1);
  EXPECT_EQ(value->GetUserData(), nullptr);
}

TEST_F(V8Test, BaseAdapterRefusesAnotherAdaptersStructure) {
  CefRefPtr<Tracked<CefV8Handler>> handler = new Tracked<CefV8Handler>();
  cef_v8handler_t* structure = CefV8HandlerAdapter::Wrap(handler);
  EXPECT_EQ(CefBaseAdapter::Unwrap(reinterpret_cast<cef_base_t*>(structure)),
            nullptr);
  // The handler's own adapter does take it back, with its reference.
  CefRefPtr<CefV8Handler> back = CefV8HandlerAdapter::Unwrap(structure);
  EXPECT_EQ(back.get(), static_cast<CefV8Handler*>(handler.get()));
  back = nullptr;
  EXPECT_EQ(handler->refs(), 1);
}

CefRefPtr<Tracked<CefV8Handler>> g_function_handler;

cef_v8handler_t* CEF_CALLBACK GiveFunctionHandler(cef_v8value_t*) {
  return CefV8HandlerAdapter::Wrap(g_function_handler);
}

TEST_F(V8Test, FunctionHandlerComesBackAsTheSameObject) {
  g_function_handler = new Tracked<CefV8Handler>();
  cef_v8value_t* structure = fake::NewObject<cef_v8value_t>();
  structure->get_function_handler = &GiveFunctionHandler;
  CefRefPtr<CefV8Value> function = CefV8ValueProxy::Wrap(structure);
  {
    CefRefPtr<CefV8Handler> back = function->GetFunctionHandler();
    EXPECT_EQ(back.get(), static_cast<CefV8Handler*>(g_function_handler.get()));
    EXPECT_EQ(g_function_handler->refs(), 2);
  }
  EXPECT_EQ(g_function_handler->refs(), 1) << "the adapter was not given back";
  g_function_handler = nullptr;
}

// ---------------------------------------------------------------------------
// ExecuteFunction's argument array.

struct ExecuteSeen {
  int calls = 0;
  std::string receiver;
  size_t count = 0;
  bool array_null = false;
  // Each entry as "#id/refs", or "null".
  std::vector<std::string> entries;
};
ExecuteSeen g_execute;

std::string Entry(cef_v8value_t* value) {
  if (!value) return "null";
  return "#" + std::to_string(fake::IdOf(value)) + "/" +
         std::to_string(fake::RefsOf(value));
}

cef_v8value_t* CEF_CALLBACK FakeExecute(cef_v8value_t*, cef_v8value_t* object,
                                        size_t count,
                                        cef_v8value_t* const* arguments) {
  ++g_execute.calls;
  g_execute.receiver = Entry(object);
  g_execute.count = count;
  g_execute.array_null = arguments == nullptr;
  for (size_t i = 0; i < count; ++i) {
    g_execute.entries.push_back(Entry(arguments[i]));
    fake::Release(arguments[i]);
  }
  fake::Release(object);
  return fake::NewObject<cef_v8value_t>();
}

cef_v8value_t* CEF_CALLBACK FakeExecuteWithContext(
    cef_v8value_t* self, cef_v8context_t* context, cef_v8value_t* object,
    size_t count, cef_v8value_t* const* arguments) {
  fake::Release(context);
  return FakeExecute(self, object, count, arguments);
}

TEST_F(V8Test, ExecuteFunctionPassesEachArgumentWithOneReference) {
  cef_v8value_t* structure = fake::NewObject<cef_v8value_t>();
  structure->execute_function = &FakeExecute;
  structure->execute_function_with_context = &FakeExecuteWithContext;
  CefRefPtr<CefV8Value> function = CefV8ValueProxy::Wrap(structure);
  CefRefPtr<CefV8Value> receiver = NewProxy<CefV8ValueProxy>();
  const CefV8ValueList arguments{NewProxy<CefV8ValueProxy>(), nullptr,
                                 NewProxy<CefV8ValueProxy>()};
  CefRefPtr<CefV8Context> context = NewProxy<CefV8ContextProxy>();
  // While the library has them: the proxy's references (the receiver's
  // by-value parameter holds one more) and the one that crossed.
  const std::string held_receiver = IdText<CefV8ValueProxy>(receiver) + "/3";
  const std::vector<std::string> held_arguments{
      IdText<CefV8ValueProxy>(arguments[0]) + "/2", "null",
      IdText<CefV8ValueProxy>(arguments[2]) + "/2"};

  struct Case {
    const char* name;
    std::function<CefRefPtr<CefV8Value>()> call;
    std::string receiver;
    std::vector<std::string> entries;
  };
  const Case cases[] = {
      {"three with a gap",
       [&] { return function->ExecuteFunction(receiver, arguments); },
       held_receiver, held_arguments},
      {"with context",
       [&] {
         return function->ExecuteFunctionWithContext(context, nullptr,
                                                     arguments);
       },
       "null", held_arguments},
      {"none",
       [&] { return function->ExecuteFunction(nullptr, {}); },
       "null",
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_execute = ExecuteSeen();
    EXPECT_NE(c.call(), nullptr);
    EXPECT_EQ(g_execute.calls, 1);
    EXPECT_EQ(g_execute.receiver, c.receiver);
    EXPECT_EQ(g_execute.count, c.entries.size());
    EXPECT_EQ(g_execute.array_null, c.entries.empty());
    EXPECT_EQ(g_execute.entries, c.entries);
  }

  g_execute = ExecuteSeen();
  EXPECT_EQ(function->ExecuteFunctionWithContext(nullptr, receiver, arguments),
            nullptr);
  EXPECT_EQ(g_execute.calls, 0) << "reached without a context";
}

// ---------------------------------------------------------------------------
// Eval's in/out counted pointers.

enum class Leaves { kSame, kNull, kNew };
Leaves g_leaves = Leaves::kSame;
std::string g_eval_seen;

// The library's side: what comes in carries a reference that it takes over;
// only something other than what came in goes back with a reference.
template <class T>
void Act(T** slot) {
  g_eval_seen += (g_eval_seen.empty() ? "" : ", ") +
                 (*slot ? std::to_string(fake::RefsOf(*slot)) : "null");
  fake::Release(*slot);
  if (g_leaves == Leaves::kSame) return;
  *slot = g_leaves == Leaves::kNew ? fake::NewObject<T>() : nullptr;
}

int CEF_CALLBACK FakeEval(cef_v8context_t*, const cef_string_t*,
                          cef_v8value_t** retval,
                          cef_v8exception_t** exception) {
  Act(retval);
  Act(exception);
  return 1;
}

TEST_F(V8Test, EvalGivesBackWhatTheLibraryLeft) {
  struct Case {
    const char* name;
    bool set_on_entry;
    Leaves leaves;
    std::string seen;  // references on what the library got, or null
  };
  const Case cases[] = {
      {"none, left", false, Leaves::kSame, "null, null"},
      {"none, cleared", false, Leaves::kNull, "null, null"},
      {"none, replaced", false, Leaves::kNew, "null, null"},
      {"set, left", true, Leaves::kSame, "2, 2"},
      {"set, cleared", true, Leaves::kNull, "2, 2"},
      {"set, replaced", true, Leaves::kNew, "2, 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cef_v8context_t* structure = fake::NewObject<cef_v8context_t>();
    structure->eval = &FakeEval;
    CefRefPtr<CefV8Context> context = CefV8ContextProxy::Wrap(structure);
    CefRefPtr<CefV8Value> retval;
    CefRefPtr<CefV8Exception> exception;
    if (c.set_on_entry) {
      retval = NewProxy<CefV8ValueProxy>();
      exception = NewProxy<CefV8ExceptionProxy>();
    }
    // Fake structures outlive the test, so they identify what went in.
    const CefV8Value* retval_in = retval.get();
    cef_v8value_t* retval_struct =
        retval ? static_cast<CefV8ValueProxy*>(retval.get())->GetStruct()
               : nullptr;
    cef_v8exception_t* exception_struct =
        exception
            ? static_cast<CefV8ExceptionProxy*>(exception.get())->GetStruct()
            : nullptr;
    g_leaves = c.leaves;
    g_eval_seen.clear();

    EXPECT_TRUE(context->Eval("x", retval, exception));
    EXPECT_EQ(g_eval_seen, c.seen);
    const bool kept = c.leaves == Leaves::kSame;
    if (kept || c.leaves == Leaves::kNull) {
      EXPECT_EQ(retval.get(), kept ? retval_in : nullptr);
      EXPECT_EQ(exception == nullptr, !kept || !c.set_on_entry);
    } else {
      ASSERT_NE(retval, nullptr);
      ASSERT_NE(exception, nullptr);
      cef_v8value_t* out =
          static_cast<CefV8ValueProxy*>(retval.get())->GetStruct();
      EXPECT_NE(out, retval_struct);
      EXPECT_NE(
          static_cast<CefV8ExceptionProxy*>(exception.get())->GetStruct(),
          exception_struct);
      EXPECT_EQ(fake::RefsOf(out), 1);
    }
    if (c.set_on_entry) {
      // The proxies' own references, and nothing else, are left.
      EXPECT_EQ(fake::RefsOf(retval_struct), kept ? 1 : 0);
      EXPECT_EQ(fake::RefsOf(exception_struct), kept ? 1 : 0);
    }
  }

  cef_v8context_t* structure = fake::NewObject<cef_v8context_t>();
  structure->eval = &FakeEval;
  CefRefPtr<CefV8Context> context = CefV8ContextProxy::Wrap(structure);
  CefRefPtr<CefV8Value> retval = NewProxy<CefV8ValueProxy>();
  CefRefPtr<CefV8Exception> exception;
  const CefV8Value* before = retval.get();
  g_eval_seen.clear();
  // The walk proves the refusal; this proves it leaves the in/out values.
  EXPECT_FALSE(context->Eval("", retval, exception));
  EXPECT_TRUE(g_eval_seen.empty()) << "reached without code";
  EXPECT_EQ(retval.get(), before);
}

// ---------------------------------------------------------------------------
// The handler's execute: arguments in, return value and exception out.

class ScriptedHandler : public CefV8Handler {
 public:
  typedef std::function<bool(const CefV8ValueList&, CefRefPtr<CefV8Value>&,
                             CefString&)>
      Script;
  explicit ScriptedHandler(Script script) : script_(std::move(script)) {}
  bool Execute(const CefString&, CefRefPtr<CefV8Value>,
               const CefV8ValueList& arguments, CefRefPtr<CefV8Value>& retval,
               CefString& exception) override {
    ++calls;
    seen_arguments = arguments.size();
    return script_(arguments, retval, exception);
  }
  int calls = 0;
  size_t seen_arguments = 0;

 private:
  Script script_;
  IMPLEMENT_REFCOUNTING(ScriptedHandler);
};

// The library keeps its own reference on the return value it offers and
// sends one more with it; it takes over only a different value coming back.
TEST_F(V8Test, ExecuteHandsBackTheReturnValueAndException) {
  enum Does { kKeeps, kClears, kReturnsSecondArgument, kReturnsOffered };
  // What the library leaves out of the call.
  enum Missing { kNothing, kSelf, kName, kObject, kRetvalSlot, kException };
  struct Case {
    const char* name;
    size_t count;
    bool with_array;
    bool retval_on_entry;
    Does does;
    int result;
    size_t seen_arguments;
    Missing missing = kNothing;
  };
  const Case cases[] = {
      {"count without an array", 3, false, false, kKeeps, 0, 0},
      {"count without an array, value set", 3, false, true, kKeeps, 0, 0},
      {"none, left", 0, false, false, kKeeps, 1, 0},
      {"none, cleared", 0, false, false, kClears, 1, 0},
      {"none, replaced", 2, true, false, kReturnsSecondArgument, 1, 2},
      {"set, left", 0, false, true, kKeeps, 1, 0},
      {"set, cleared", 0, false, true, kClears, 1, 0},
      {"set, replaced", 2, true, true, kReturnsSecondArgument, 1, 2},
      // Another proxy of the offered value is the same value to the library.
      {"set, given back anew", 0, false, true, kReturnsOffered, 1, 0},
      // A refused call takes over each argument it was sent exactly once,
      // the array's among them.
      {"arguments, no self", 2, true, false, kKeeps, 0, 0, kSelf},
      {"arguments, no name", 2, true, false, kKeeps, 0, 0, kName},
      {"arguments, no name, value set", 2, true, true, kKeeps, 0, 0, kName},
      {"arguments, no object", 2, true, true, kKeeps, 0, 0, kObject},
      {"arguments, no return slot", 2, true, false, kKeeps, 0, 0, kRetvalSlot},
      {"arguments, no exception", 2, true, true, kKeeps, 0, 0, kException},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const size_t faults = fake::LedgerFaults().size();
    cef_v8value_t* const entry =
        c.retval_on_entry ? fake::NewObject<cef_v8value_t>() : nullptr;
    CefRefPtr<ScriptedHandler> handler = new ScriptedHandler(
        [&](const CefV8ValueList& arguments, CefRefPtr<CefV8Value>& retval,
            CefString& exception) {
          exception = "boom";
          if (c.does == kClears) retval = nullptr;
          if (c.does == kReturnsSecondArgument) retval = arguments[1];
          if (c.does == kReturnsOffered) {
            fake::AddRef(entry);
            retval = CefV8ValueProxy::Wrap(entry);
          }
          return true;
        });
    cef_v8handler_t* structure = CefV8HandlerAdapter::Wrap(handler);
    cef_v8value_t* values[2] = {fake::NewObject<cef_v8value_t>(),
                                fake::NewObject<cef_v8value_t>()};
    cef_v8value_t* object = fake::NewObject<cef_v8value_t>();
    CefString name("f");
    CefString exception;
    {
      fake::LibrarySlot<cef_v8value_t> retval(entry);
      if (c.missing == kObject) fake::Release(object);
      EXPECT_EQ(structure->execute(
                    c.missing == kSelf ? nullptr : structure,
                    c.missing == kName ? nullptr : name.Record(),
                    c.missing == kObject ? nullptr : object, c.count,
                    c.with_array ? values : nullptr,
                    c.missing == kRetvalSlot ? nullptr : retval.get(),
                    c.missing == kException ? nullptr
                                            : exception.WritableRecord()),
                c.result);
      EXPECT_EQ(handler->calls, c.result);
      EXPECT_EQ(handler->seen_arguments, c.seen_arguments);
      if (c.result) {
        EXPECT_EQ(exception.ToUtf8(), "boom");
        switch (c.does) {
          case kKeeps:
          case kReturnsOffered:
            EXPECT_EQ(retval.value(), entry);
            break;
          case kClears:
            EXPECT_EQ(retval.value(), nullptr);
            break;
          case kReturnsSecondArgument:
            EXPECT_EQ(retval.value(), values[1]);
            break;
        }
      } else {
        EXPECT_TRUE(exception.IsEmpty());
        EXPECT_EQ(retval.value(), entry)
            << "a refused call touched the return value";
      }
      // What the library holds now: its own reference on what it offered,
      // and one on a different value that came back.
      if (entry) {
        EXPECT_EQ(fake::RefsOf(entry), 1);
      }
      if (retval.value() && retval.value() != entry) {
        EXPECT_EQ(fake::RefsOf(retval.value()), 1);
      }
    }
    if (!c.with_array) {
      fake::Release(values[0]);
      fake::Release(values[1]);
    }
    fake::Release(BaseOf(structure));
    EXPECT_TRUE(handler->HasOneRef());
    EXPECT_EQ(fake::LedgerFaults().size(), faults)
        << "an argument was released more than once";
    for (cef_v8value_t* value : values) {
      EXPECT_EQ(fake::RefsOf(value), 0) << "an argument leaked";
    }
  }
}

// ---------------------------------------------------------------------------
// Creators.

TEST_F(V8Test, CreatorsCallTheirExports) {
  CefRefPtr<Tracked<CefV8Handler>> handler = new Tracked<CefV8Handler>();
  CefRefPtr<Tracked<CefV8Accessor>> accessor = new Tracked<CefV8Accessor>();
  CefTime date;
  date.year = 2016;
  struct Case {
    std::function<bool()> create;  // true when an object came back
    const char* export_name;
    std::vector<std::string> args;
  };
  const Case cases[] = {
      {[] { return !!CefV8Context::GetCurrentContext(); },
       "cef_v8context_get_current_context",
       {}},
      {[] { return !!CefV8Context::GetEnteredContext(); },
       "cef_v8context_get_entered_context",
       {}},
      {[] { return !!CefV8StackTrace::GetCurrent(10); },
       "cef_v8stack_trace_get_current",
       {"10"}},
      {[] { return !!CefV8Value::CreateUndefined(); },
       "cef_v8value_create_undefined",
       {}},
      {[] { return !!CefV8Value::CreateNull(); },
       "cef_v8value_create_null",
       {}},
      {[] { return !!CefV8Value::CreateBool(true); },
       "cef_v8value_create_bool",
       {"1"}},
      {[] { return !!CefV8Value::CreateInt(-5); },
       "cef_v8value_create_int",
       {"-5"}},
      {[] { return !!CefV8Value::CreateUInt(4000000000u); },
       "cef_v8value_create_uint",
       {"4000000000"}},
      {[] { return !!CefV8Value::CreateDouble(1.5); },
       "cef_v8value_create_double",
       {"1.500000"}},
      {[&] { return !!CefV8Value::CreateDate(date); },
       "cef_v8value_create_date",
       {"2016"}},
      {[] { return !!CefV8Value::CreateString("s"); },
       "cef_v8value_create_string",
       {"s"}},
      {[] { return !!CefV8Value::CreateString(CefString()); },
       "cef_v8value_create_string",
       {"<null>"}},
      {[] { return !!CefV8Value::CreateObject(nullptr); },
       "cef_v8value_create_object",
       {"<null>"}},
      {[&] { return !!CefV8Value::CreateObject(accessor); },
       "cef_v8value_create_object",
       {"<ptr>"}},
      {[] { return !!CefV8Value::CreateArray(3); },
       "cef_v8value_create_array",
       {"3"}},
      {[&] { return !!CefV8Value::CreateFunction("f", handler); },
       "cef_v8value_create_function",
       {"f", "<ptr>"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.export_name);
    fake::State().calls.clear();
    EXPECT_TRUE(c.create());
    ASSERT_EQ(fake::CallCount(c.export_name), 1);
    EXPECT_EQ(fake::LastCall(c.export_name)->args, c.args);
  }
  // The fake library gave back what it was handed.
  EXPECT_EQ(handler->refs(), 1);
  EXPECT_EQ(accessor->refs(), 1);

  fake::State().results["cef_v8value_create_int"] = 0;
  EXPECT_EQ(CefV8Value::CreateInt(1), nullptr);
}

TEST_F(V8Test, CreateFunctionNeedsANameAndAHandler) {
  CefRefPtr<Tracked<CefV8Handler>> handler = new Tracked<CefV8Handler>();
  EXPECT_EQ(CefV8Value::CreateFunction("", handler), nullptr);
  EXPECT_EQ(CefV8Value::CreateFunction(CefString(), handler), nullptr);
  EXPECT_EQ(CefV8Value::CreateFunction("f", nullptr), nullptr);
  EXPECT_EQ(fake::CallCount("cef_v8value_create_function"), 0);
  EXPECT_EQ(handler->refs(), 1);
}

TEST_F(V8Test, InContextAnswersFromTheLibrary) {
  EXPECT_TRUE(CefV8Context::InContext());
  fake::State().results["cef_v8context_in_context"] = 0;
  EXPECT_FALSE(CefV8Context::InContext());
  EXPECT_EQ(fake::CallCount("cef_v8context_in_context"), 2);
}

}  // namespace
