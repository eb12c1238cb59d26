// Reference rules of the two frames, shown on one proxy and two adapters;
// every member's forwarding is walked in tests/walk.
#include <gtest/gtest.h>

#include "include/cef_app.h"
#include "include/cef_command_line.h"
#include "include/cef_task.h"
#include "libcef_dll/adapters/browser_process_handler_adapter.h"
#include "libcef_dll/adapters/task_adapter.h"
#include "libcef_dll/ctocpp/command_line_proxy.h"
#include "tests/fake/fake_library.h"
#include "tests/fake/fake_objects.h"

namespace {

class ProxyFrameTest : public fake::LedgerTest {};

TEST_F(ProxyFrameTest, WrapTakesOverTheArrivingReference) {
  EXPECT_EQ(CefCommandLineProxy::Wrap(nullptr), nullptr);

  cef_command_line_t* structure = fake::NewObject<cef_command_line_t>();
  CefRefPtr<CefCommandLine> proxy = CefCommandLineProxy::Wrap(structure);
  EXPECT_EQ(fake::RefsOf(structure), 1);
  {
    CefRefPtr<CefCommandLine> second = proxy;
    EXPECT_EQ(fake::RefsOf(structure), 2);
  }
  EXPECT_EQ(fake::RefsOf(structure), 1);
  proxy = nullptr;
  EXPECT_EQ(fake::RefsOf(structure), 0);
}

TEST_F(ProxyFrameTest, UnwrapHandsTheLibraryOneNewReference) {
  cef_command_line_t* structure = fake::NewObject<cef_command_line_t>();
  CefRefPtr<CefCommandLine> proxy = CefCommandLineProxy::Wrap(structure);
  cef_command_line_t* unwrapped = CefCommandLineProxy::Unwrap(proxy);
  EXPECT_EQ(unwrapped, structure);
  EXPECT_EQ(fake::RefsOf(structure), 2);
  unwrapped->base.release(&unwrapped->base);
  EXPECT_EQ(fake::RefsOf(structure), 1);
  EXPECT_EQ(CefCommandLineProxy::Unwrap(nullptr), nullptr);
}

// A program object that implements a library interface is not a proxy: it
// has no record in front of it, and none may be read.
class ProgramCommandLine : public CefCommandLine {
 public:
  bool IsValid() override { return true; }
  bool IsReadOnly() override { return false; }
  CefRefPtr<CefCommandLine> Copy() override { return nullptr; }
  void InitFromArgv(int, const char* const*) override {}
  void InitFromString(const CefString&) override {}
  void Reset() override {}
  void GetArgv(ArgumentList&) override {}
  CefString GetCommandLineString() override { return CefString(); }
  CefString GetProgram() override { return CefString(); }
  void SetProgram(const CefString&) override {}
  bool HasSwitches() override { return false; }
  bool HasSwitch(const CefString&) override { return false; }
  CefString GetSwitchValue(const CefString&) override { return CefString(); }
  void GetSwitches(SwitchMap&) override {}
  void AppendSwitch(const CefString&) override {}
  void AppendSwitchWithValue(const CefString&, const CefString&) override {}
  bool HasArguments() override { return false; }
  void GetArguments(ArgumentList&) override {}
  void AppendArgument(const CefString&) override {}
  void PrependWrapper(const CefString&) override {}
  IMPLEMENT_REFCOUNTING(ProgramCommandLine);
};

TEST_F(ProxyFrameTest, UnwrapRefusesAnObjectThatIsNoProxy) {
  CefRefPtr<CefCommandLine> own = new ProgramCommandLine();
  EXPECT_EQ(CefCommandLineProxy::Unwrap(own), nullptr);
  EXPECT_TRUE(own->HasOneRef());
}

int CEF_CALLBACK AlwaysOne(cef_base_t*) { return 1; }

TEST_F(ProxyFrameTest, HasOneRefAnswersForTheLibraryObject) {
  cef_command_line_t* structure = fake::NewObject<cef_command_line_t>();
  CefRefPtr<CefCommandLine> proxy = CefCommandLineProxy::Wrap(structure);
  EXPECT_TRUE(proxy->HasOneRef());
  CefRefPtr<CefCommandLine> second = proxy;
  EXPECT_FALSE(proxy->HasOneRef());
  structure->base.has_one_ref = AlwaysOne;
  EXPECT_TRUE(proxy->HasOneRef()) << "the proxy's own count is not consulted";
  structure->base.has_one_ref = nullptr;
  EXPECT_FALSE(proxy->HasOneRef());
}

TEST_F(ProxyFrameTest, CreatorsRefuseAnotherInterfaceVersion) {
  fake::Reset();
  CefRefPtr<CefCommandLine> created = CefCommandLine::CreateCommandLine();
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(fake::CallCount("cef_command_line_create"), 1);
  created = nullptr;

  fake::State().results["cef_command_line_get_global"] = 0;
  EXPECT_EQ(CefCommandLine::GetGlobalCommandLine(), nullptr);

  fake::State().api_hash = "0000000000000000000000000000000000000000";
  EXPECT_EQ(CefCommandLine::CreateCommandLine(), nullptr);
  EXPECT_EQ(CefCommandLine::GetGlobalCommandLine(), nullptr);
  EXPECT_EQ(fake::CallCount("cef_command_line_create"), 1);
  EXPECT_EQ(fake::CallCount("cef_command_line_get_global"), 1);
  fake::Reset();
}

// The library's side of the command line's container members.
void CEF_CALLBACK ArgumentsXY(cef_command_line_t*, cef_string_list_t list) {
  EXPECT_EQ(cef_string_list_size(list), 2) << "the caller's entries go in";
  cef_string_list_clear(list);
  for (const char* item : {"x", "y"}) {
    CefString text(item);
    cef_string_list_append(list, text.Record());
  }
}
void CEF_CALLBACK SwitchesWithRepeat(cef_command_line_t*,
                                     cef_string_map_t map) {
  cef_string_map_clear(map);
  const char* pairs[][2] = {{"k", "1"}, {"", "e"}, {"k", "2"}};
  for (const auto& pair : pairs) {
    CefString key(pair[0]);
    CefString value(pair[1]);
    cef_string_map_append(map, key.Record(), value.Record());
  }
}

TEST_F(ProxyFrameTest, ContainersComeBackAsTheLibraryLeftThem) {
  cef_command_line_t* structure = fake::NewObject<cef_command_line_t>();
  structure->get_arguments = ArgumentsXY;
  structure->get_switches = SwitchesWithRepeat;
  CefRefPtr<CefCommandLine> proxy = CefCommandLineProxy::Wrap(structure);

  CefCommandLine::ArgumentList arguments{"old", ""};
  proxy->GetArguments(arguments);
  ASSERT_EQ(arguments.size(), 2u);
  EXPECT_EQ(arguments[0].ToUtf8(), "x");
  EXPECT_EQ(arguments[1].ToUtf8(), "y");

  // The first of two equal keys wins; the empty key sorts first.
  CefCommandLine::SwitchMap switches{{"stale", "1"}};
  proxy->GetSwitches(switches);
  ASSERT_EQ(switches.size(), 2u);
  EXPECT_EQ(switches.begin()->first.ToUtf8(), "");
  EXPECT_EQ(switches[CefString("k")].ToUtf8(), "1");

  // A structure too short for the member leaves the container alone.
  structure->base.size = offsetof(cef_command_line_t, get_arguments);
  proxy->GetArguments(arguments);
  EXPECT_EQ(arguments.size(), 2u);
  EXPECT_EQ(arguments[0].ToUtf8(), "x");
}

class CountedTask : public CefTask {
 public:
  void Execute() override { ++runs; }
  int runs = 0;
  IMPLEMENT_REFCOUNTING(CountedTask);
};

class AdapterFrameTest : public fake::LedgerTest {};

TEST_F(AdapterFrameTest, WrapGivesTheLibraryOneReference) {
  EXPECT_EQ(CefTaskAdapter::Wrap(nullptr), nullptr);

  CefRefPtr<CountedTask> task = new CountedTask();
  cef_task_t* first = CefTaskAdapter::Wrap(task);
  cef_task_t* second = CefTaskAdapter::Wrap(task);
  ASSERT_NE(first, nullptr);
  EXPECT_NE(first, second) << "every Wrap makes a new structure";
  EXPECT_EQ(first->base.size, sizeof(cef_task_t));

  // Both structures and the program's own pointer hold the object.
  EXPECT_EQ(first->base.has_one_ref(&first->base), 0);
  first->base.add_ref(&first->base);
  EXPECT_EQ(first->base.release(&first->base), 0) << "one reference remains";
  EXPECT_EQ(first->base.release(&first->base), 1) << "the adapter is gone";
  EXPECT_EQ(second->base.release(&second->base), 1);
  EXPECT_TRUE(task->HasOneRef());

  cef_task_t* third = CefTaskAdapter::Wrap(task);
  third->execute(third);
  EXPECT_EQ(task->runs, 1);
  third->execute(nullptr);
  EXPECT_EQ(task->runs, 1) << "a null self reaches nothing";
  EXPECT_EQ(third->base.release(&third->base), 1);
}

TEST_F(AdapterFrameTest, HasOneRefAnswersForTheProgramObject) {
  CefRefPtr<CountedTask> task = new CountedTask();
  cef_task_t* structure = CefTaskAdapter::Wrap(task);
  EXPECT_EQ(structure->base.has_one_ref(&structure->base), 0)
      << "the program still holds its own pointer";
  CountedTask* raw = task.get();
  task = nullptr;
  EXPECT_EQ(structure->base.has_one_ref(&structure->base), 1);
  EXPECT_EQ(raw->runs, 0);
  structure->base.release(&structure->base);
}

TEST_F(AdapterFrameTest, UnwrapTakesOverTheStructuresReference) {
  CefRefPtr<CountedTask> task = new CountedTask();
  cef_task_t* structure = CefTaskAdapter::Wrap(task);
  CefRefPtr<CefTask> back = CefTaskAdapter::Unwrap(structure);
  EXPECT_EQ(back.get(), task.get());
  back = nullptr;
  EXPECT_TRUE(task->HasOneRef()) << "the adapter went with its reference";
  EXPECT_EQ(CefTaskAdapter::Unwrap(nullptr), nullptr);
}

class Launches : public CefBrowserProcessHandler {
 public:
  void OnBeforeChildProcessLaunch(
      CefRefPtr<CefCommandLine> command_line) override {
    seen = command_line;
  }
  CefRefPtr<CefCommandLine> seen;
  IMPLEMENT_REFCOUNTING(Launches);
};

// A library object that arrives with a refused call is still released, so
// the library's reference is not lost.
TEST_F(AdapterFrameTest, RefusedCallsReleaseWhatArrived) {
  CefRefPtr<Launches> handler = new Launches();
  cef_browser_process_handler_t* structure =
      CefBrowserProcessHandlerAdapter::Wrap(handler);
  cef_command_line_t* command_line = fake::NewObject<cef_command_line_t>();
  structure->on_before_child_process_launch(nullptr, command_line);
  EXPECT_EQ(fake::RefsOf(command_line), 0);
  EXPECT_EQ(handler->seen, nullptr);

  command_line = fake::NewObject<cef_command_line_t>();
  structure->on_before_child_process_launch(structure, command_line);
  ASSERT_NE(handler->seen, nullptr);
  EXPECT_EQ(fake::RefsOf(command_line), 1) << "the handler kept the proxy";
  handler->seen = nullptr;
  EXPECT_EQ(fake::RefsOf(command_line), 0);
  structure->base.release(&structure->base);
  EXPECT_TRUE(handler->HasOneRef());
}

}  // namespace
