// A small embedder of the real library that uses the page's script context
// the way programs do, against PROBE_URL ("page" serves a script that calls
// the program's functions, "next" another document). It prints one line per
// check: "ok <name>" or "FAIL <name>: <why>"; what the page reported is
// the server's record, for the test to check.
//
// PROBE_MODE=page: the values table inside the first context, functions
// bound in on_context_created and called by the page, Eval, page values and
// functions reached through the global object, the current context inside
// and outside a handler, the page's stack inside a handler, and contexts
// released by navigation.
// PROBE_MODE=kill: an Eval the page never answers while its web process is
// killed must come back, and soon.
//
// Exit codes: 0 when the run finished, 2 when it did not in time, 3 when a
// client outlived the library, 4 for bad use.
#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_entry.h"
#include "include/cef_frame.h"
#include "include/cef_records.h"
#include "include/cef_task.h"
#include "include/cef_v8.h"
#include "include/cef_v8_handler.h"
#include "tests/e2e/probe_support.h"

namespace {

struct Probe {
  std::string url;
  std::string mode;
  CefRefPtr<CefBrowser> browser;
  CefRefPtr<CefV8Context> first;   // the first page's context
  CefRefPtr<CefV8Value> document;  // the first page's document object
  int created = 0;
  int released = 0;
  bool finished = false;
};
Probe g_probe;

void Check(const std::string& name, bool ok, const std::string& why = "") {
  if (ok)
    std::printf("ok %s\n", name.c_str());
  else
    std::printf("FAIL %s: %s\n", name.c_str(), why.c_str());
  std::fflush(stdout);
}

std::string Str(const CefRefPtr<CefV8Value>& v) {
  return v && v->IsString() ? v->GetStringValue().ToUtf8() : "<not a string>";
}

void Close() {
  if (g_probe.browser)
    g_probe.browser->GetHost()->CloseBrowser(true);
}

class UserData : public CefBase {
  IMPLEMENT_REFCOUNTING(UserData);
};

// Program functions: each answers by name.
class Functions : public CefV8Handler {
 public:
  bool Execute(const CefString& name, CefRefPtr<CefV8Value> object,
               const CefV8ValueList& args, CefRefPtr<CefV8Value>& retval,
               CefString& exception) override;
  IMPLEMENT_REFCOUNTING(Functions);
};

void AfterFirstPage();
void AfterSecondPage();

// The predicates of each kind, as letters: undefined, null, bool, int,
// uint, double, date, string, object, array, function.
std::string Predicates(const CefRefPtr<CefV8Value>& v) {
  if (!v)
    return "<null>";
  std::string out;
  const bool flags[] = {v->IsUndefined(), v->IsNull(),   v->IsBool(),
                        v->IsInt(),       v->IsUInt(),   v->IsDouble(),
                        v->IsDate(),      v->IsString(), v->IsObject(),
                        v->IsArray(),     v->IsFunction()};
  const char letters[] = "uNBIUDTSOAF";
  for (size_t i = 0; i < sizeof flags; ++i)
    out += flags[i] ? letters[i] : '-';
  return out;
}

void ValuesTable() {
  CefTime date;
  date.year = 2024;
  date.month = 2;
  date.day_of_month = 29;
  date.hour = 13;
  date.minute = 45;
  date.second = 30;
  date.millisecond = 250;
  struct Case {
    const char* name;
    CefRefPtr<CefV8Value> value;
    const char* predicates;
  } cases[] = {
      {"undefined", CefV8Value::CreateUndefined(), "u----------"},
      {"null", CefV8Value::CreateNull(), "-N---------"},
      {"bool", CefV8Value::CreateBool(true), "--B--------"},
      {"int", CefV8Value::CreateInt(-5), "---I-D-----"},
      {"uint", CefV8Value::CreateUInt(3000000000u), "----UD-----"},
      {"small uint", CefV8Value::CreateUInt(7), "---IUD-----"},
      {"double", CefV8Value::CreateDouble(1.5), "-----D-----"},
      {"date", CefV8Value::CreateDate(date), "------T----"},
      {"string", CefV8Value::CreateString("text"), "-------S---"},
      {"object", CefV8Value::CreateObject(nullptr), "--------O--"},
      {"array", CefV8Value::CreateArray(2), "--------OA-"},
      {"function", CefV8Value::CreateFunction("f", new Functions()),
       "--------O-F"},
  };
  for (const Case& c : cases)
    Check(std::string("predicates ") + c.name,
          Predicates(c.value) == c.predicates, Predicates(c.value));
  Check("int value", cases[3].value->GetIntValue() == -5 &&
                         cases[4].value->GetUIntValue() == 3000000000u &&
                         cases[6].value->GetDoubleValue() == 1.5 &&
                         cases[2].value->GetBoolValue());
  const CefTime back = cases[7].value->GetDateValue();
  Check("date round trip",
        back.year == 2024 && back.month == 2 && back.day_of_month == 29 &&
            back.hour == 13 && back.minute == 45 && back.second == 30 &&
            back.millisecond == 250 && back.day_of_week == 4,
        std::to_string(back.year) + "-" + std::to_string(back.month) + "-" +
            std::to_string(back.day_of_month) + " dow " +
            std::to_string(back.day_of_week));

  CefRefPtr<CefV8Value> array = cases[10].value;
  const bool set0 = array->SetValue(0, CefV8Value::CreateInt(10));
  const bool set3 = array->SetValue(3, CefV8Value::CreateString("x"));
  const bool negative = array->SetValue(-1, CefV8Value::CreateInt(1)) ||
                        array->GetValue(-1) || array->HasValue(-1) ||
                        array->DeleteValue(-1);
  Check("array by index",
        set0 && set3 && !negative && array->GetArrayLength() == 4 &&
            array->GetValue(0)->GetIntValue() == 10 && array->HasValue(3) &&
            !array->HasValue(1) && Str(array->GetValue(3)) == "x",
        "length " + std::to_string(array->GetArrayLength()));

  CefRefPtr<CefV8Value> object = cases[9].value;
  object->SetValue("a", CefV8Value::CreateInt(1), V8_PROPERTY_ATTRIBUTE_NONE);
  object->SetValue("b", CefV8Value::CreateString("two"),
                   V8_PROPERTY_ATTRIBUTE_NONE);
  object->SetValue("a", CefV8Value::CreateInt(3), V8_PROPERTY_ATTRIBUTE_NONE);
  EmbedStringVector keys;
  object->GetKeys(keys);
  const bool deleted = object->DeleteValue("b");
  Check("object by key",
        keys.size() == 2 && keys[0].ToUtf8() == "a" && keys[1].ToUtf8() == "b" &&
            object->GetValue("a")->GetIntValue() == 3 && deleted &&
            !object->HasValue("b") && object->GetValue("zz")->IsUndefined(),
        std::to_string(keys.size()) + " keys");

  CefRefPtr<CefBase> data = new UserData();
  const bool stored = object->SetUserData(data);
  Check("user data", stored && object->GetUserData().get() == data.get() &&
                         !cases[8].value->SetUserData(data));

  CefRefPtr<CefV8Value> f = cases[11].value;
  CefV8ValueList args = {CefV8Value::CreateInt(2), CefV8Value::CreateString("x")};
  CefRefPtr<CefV8Value> r = f->ExecuteFunction(nullptr, args);
  Check("function call", r && r->IsString() && Str(r) == "f:2:x" &&
                             f->GetFunctionName().ToUtf8() == "f" &&
                             f->GetFunctionHandler() && !f->HasException(),
        Str(r));
  CefRefPtr<CefV8Value> thrower =
      CefV8Value::CreateFunction("thrower", new Functions());
  r = thrower->ExecuteFunction(nullptr, CefV8ValueList());
  Check("function exception",
        !r && thrower->HasException() &&
            thrower->GetException()->GetMessage().ToUtf8() == "thrown here" &&
            thrower->ClearException() && !thrower->HasException());
  // A cycle the program made is let go of with the context.
  object->SetValue("self", object, V8_PROPERTY_ATTRIBUTE_NONE);
}

bool Functions::Execute(const CefString& name, CefRefPtr<CefV8Value> object,
                        const CefV8ValueList& args,
                        CefRefPtr<CefV8Value>& retval, CefString& exception) {
  const std::string n = name.ToUtf8();
  if (n == "f") {
    std::string text = "f";
    for (const auto& a : args)
      text += ":" + (a->IsString() ? Str(a) : std::to_string(a->GetIntValue()));
    retval = CefV8Value::CreateString(text);
    return true;
  }
  if (n == "thrower" || n == "failProgram") {
    exception = "thrown here";
    return true;
  }
  if (n == "askProgram") {
    // Inside the page's call: the context is the current one, and the
    // page's stack is the caller's.
    if (g_probe.created == 1) {
    CefRefPtr<CefV8Context> current = CefV8Context::GetCurrentContext();
    Check("in context inside a handler",
          CefV8Context::InContext() && current &&
              current->IsSame(g_probe.browser->GetMainFrame()->GetV8Context()));
    CefRefPtr<CefV8StackTrace> trace = CefV8StackTrace::GetCurrent(10);
    std::string top = trace && trace->GetFrameCount() > 0
                          ? trace->GetFrame(0)->GetFunctionName().ToUtf8()
                          : "<none>";
    Check("stack names the page's caller",
          top == "callIt" && trace->GetFrame(0)->GetLineNumber() > 0 &&
              trace->GetFrame(0)->GetScriptName().ToUtf8().find("/page") !=
                  std::string::npos,
          top);
    }
    // Page values: a number, a string, an array and an object by reference.
    const bool shape = args.size() == 4 && args[0]->IsInt() &&
                       args[1]->IsString() && args[2]->IsArray() &&
                       args[3]->IsObject() && object && object->IsObject();
    Check("page arguments", shape,
          std::to_string(args.size()) + " arguments");
    if (!shape) {
      exception = "bad arguments";
      return true;
    }
    CefRefPtr<CefV8Value> answer = CefV8Value::CreateObject(nullptr);
    answer->SetValue("text",
                     CefV8Value::CreateString(
                         std::to_string(args[0]->GetIntValue()) + "|" +
                         Str(args[1]) + "|" +
                         std::to_string(args[2]->GetArrayLength()) + "|" +
                         Str(args[3]->GetValue("k"))),
                     V8_PROPERTY_ATTRIBUTE_NONE);
    CefRefPtr<CefV8Value> list = CefV8Value::CreateArray(2);
    list->SetValue(0, CefV8Value::CreateBool(true));
    list->SetValue(1, CefV8Value::CreateDouble(2.5));
    answer->SetValue("list", list, V8_PROPERTY_ATTRIBUTE_NONE);
    retval = answer;
    return true;
  }
  if (n == "twice") {
    retval = CefV8Value::CreateInt(args.empty() ? -1 : args[0]->GetIntValue() * 2);
    return true;
  }
  if (n == "doneProgram") {
    probe::Post(TID_UI,
                g_probe.created == 1 ? &AfterFirstPage : &AfterSecondPage);
    return true;
  }
  return false;
}

void AfterFirstPage() {
  Check("not in context outside a handler",
        !CefV8Context::InContext() && !CefV8Context::GetCurrentContext() &&
            !CefV8Value::CreateObject(nullptr));
  CefRefPtr<CefV8Context> context = g_probe.first;
  CefRefPtr<CefV8Value> retval;
  CefRefPtr<CefV8Exception> exception;
  bool ok = context->Eval("var probeSum = 1 + 2; probeSum * 2", retval, exception);
  Check("eval value", ok && retval && retval->IsInt() &&
                          retval->GetIntValue() == 6 && !exception);
  retval = nullptr;
  ok = context->Eval("var a = 1;\nthrow new Error('bad thing');", retval,
                     exception);
  Check("eval exception",
        !ok && !retval && exception &&
            exception->GetMessage().ToUtf8().find("bad thing") !=
                std::string::npos &&
            exception->GetLineNumber() == 2 &&
            exception->GetSourceLine().ToUtf8() ==
                "throw new Error('bad thing');",
        exception ? exception->GetMessage().ToUtf8() + " line " +
                        std::to_string(exception->GetLineNumber())
                  : "no exception");
  exception = nullptr;
  CefRefPtr<CefV8Value> global = context->GetGlobal();
  CefRefPtr<CefV8Value> document = global ? global->GetValue("document") : nullptr;
  Check("page value through the global",
        document && document->IsObject() &&
            Str(document->GetValue("title")) == "v8 page" &&
            global->GetValue("probeSum")->GetIntValue() == 3,
        document ? Str(document->GetValue("title")) : "no document");
  CefRefPtr<CefV8Value> add = global ? global->GetValue("add") : nullptr;
  CefV8ValueList args = {CefV8Value::CreateInt(2), CefV8Value::CreateInt(40)};
  CefRefPtr<CefV8Value> sum = add ? add->ExecuteFunction(nullptr, args) : nullptr;
  g_probe.document = document;
  Check("page function executed", add && add->IsFunction() && sum &&
                                      sum->GetIntValue() == 42);
  CefRefPtr<CefV8Value> throws = global ? global->GetValue("throws") : nullptr;
  CefRefPtr<CefV8Value> none =
      throws ? throws->ExecuteFunction(nullptr, CefV8ValueList()) : nullptr;
  Check("page function exception",
        throws && !none && throws->HasException() &&
            throws->GetException()->GetMessage().ToUtf8().find("page threw") !=
                std::string::npos);
  // The page sees what the program sets.
  global->SetValue("fromProgram", CefV8Value::CreateString("set by program"),
                   V8_PROPERTY_ATTRIBUTE_NONE);
  ok = context->Eval("fromProgram", retval, exception);
  Check("value set on the page", ok && Str(retval) == "set by program");
  g_probe.browser->GetMainFrame()->LoadURL(g_probe.url + "next");
}

void AfterSecondPage() {
  Check("first context invalid after navigating away",
        g_probe.first && !g_probe.first->IsValid() && g_probe.released == 1 &&
            g_probe.created == 2);
  CefRefPtr<CefV8Value> retval;
  CefRefPtr<CefV8Exception> exception;
  Check("eval on a dead context fails",
        !g_probe.first->Eval("1", retval, exception) && !retval);
  Check("page values invalid with their context",
        g_probe.document && !g_probe.document->IsValid() &&
            !g_probe.document->GetValue("title"));
  g_probe.document = nullptr;
  g_probe.finished = true;
  probe::Post(TID_UI, &Close);
}

// Kills the browser's web processes, children of this one.
void KillWebProcesses() {
  const std::string self = std::to_string(getpid());
  DIR* proc = opendir("/proc");
  if (!proc)
    return;
  while (dirent* e = readdir(proc)) {
    std::ifstream in(std::string("/proc/") + e->d_name + "/stat");
    std::string stat;
    std::getline(in, stat);
    const size_t close = stat.rfind(')');
    if (close == std::string::npos ||
        stat.find("WebKitWebProces") == std::string::npos)
      continue;
    char state;
    int ppid = 0;
    if (std::sscanf(stat.c_str() + close + 1, " %c %d", &state, &ppid) == 2 &&
        std::to_string(ppid) == self)
      kill(atoi(e->d_name), SIGKILL);
  }
  closedir(proc);
}

void KillDuringEval() {
  std::thread killer([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    KillWebProcesses();
  });
  CefRefPtr<CefV8Value> retval;
  CefRefPtr<CefV8Exception> exception;
  const auto start = std::chrono::steady_clock::now();
  const bool ok = g_probe.first->Eval("for (;;) {}", retval, exception);
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
  killer.join();
  Check("eval ends when the page's process dies",
        !ok && !retval && took < 10000, std::to_string(took) + " ms");
  Check("context invalid after the process died", !g_probe.first->IsValid());
  g_probe.finished = true;
  probe::Post(TID_UI, &Close);
}

class ProbeApp : public CefApp,
                 public CefBrowserProcessHandler,
                 public CefRenderProcessHandler {
 public:
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override {
    return this;
  }
  CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override {
    return this;
  }
  void OnContextInitialized() override;
  void OnWebKitInitialized() override {
    // Every page gets the extension; its native function reaches the handler.
    Check("extension registered",
          CefRegisterExtension(
              "v8/probe",
              "var probeExt = {};\n"
              "(function() {\n"
              "  probeExt.twice = function(n) {\n"
              "    native function twice();\n"
              "    return twice(n);\n"
              "  };\n"
              "})();",
              new Functions()) &&
              !CefRegisterExtension("v8/probe", "var again = 1;",
                                    new Functions()));
  }
  void OnContextCreated(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefFrame> frame,
                        CefRefPtr<CefV8Context> context) override {
    ++g_probe.created;
    if (g_probe.created == 1) {
      g_probe.first = context;
      Check("context of the frame", frame->GetV8Context() &&
                                        frame->GetV8Context()->IsSame(context) &&
                                        context->IsValid() &&
                                        context->GetBrowser()->IsSame(browser));
      Check("in context while created",
            CefV8Context::InContext() &&
                CefV8Context::GetCurrentContext()->IsSame(context));
      if (g_probe.mode == "kill") {
        probe::Post(TID_UI, &KillDuringEval);
        return;
      }
      ValuesTable();
    }
    CefRefPtr<CefV8Value> global = context->GetGlobal();
    CefRefPtr<Functions> functions = new Functions();
    for (const char* name : {"askProgram", "failProgram", "doneProgram"})
      global->SetValue(name, CefV8Value::CreateFunction(name, functions),
                       V8_PROPERTY_ATTRIBUTE_NONE);
  }
  void OnContextReleased(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                         CefRefPtr<CefV8Context> context) override {
    ++g_probe.released;
    if (g_probe.released == 1)
      Check("released context is the first",
            g_probe.first && g_probe.first->IsSame(context));
  }
  IMPLEMENT_REFCOUNTING(ProbeApp);
};

class ProbeClient : public CefClient,
                    public CefLifeSpanHandler,
                    public probe::Counted {
 public:
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    g_probe.browser = browser;
  }
  void OnBeforeClose(CefRefPtr<CefBrowser>) override {
    g_probe.browser = nullptr;
    g_probe.first = nullptr;
    g_probe.document = nullptr;
    CefQuitMessageLoop();
  }
  IMPLEMENT_REFCOUNTING(ProbeClient);
};

void ProbeApp::OnContextInitialized() {
  probe::OpenBrowser("v8 probe", new ProbeClient(), g_probe.url + "page");
  probe::Post(TID_UI, &Close, 90000);
}

}  // namespace

int main(int argc, char* argv[]) {
  CefMainArgs args(argc, argv);
  const int sub_process = CefExecuteProcess(args, nullptr, nullptr);
  if (sub_process >= 0)
    return sub_process;
  // The server's root, ending in '/'.
  if (!probe::FromEnvironment(
          {{"PROBE_URL", &g_probe.url}, {"PROBE_MODE", &g_probe.mode}}))
    return 4;
  if (!probe::Run(args, new ProbeApp(), [] {
        g_probe.browser = nullptr;
        g_probe.first = nullptr;
      }))
    return 4;
  return probe::ExitCode(g_probe.finished, "the run did not finish");
}
