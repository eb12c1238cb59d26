#include <gtest/gtest.h>

#include <thread>

#include "include/cef_closure.h"
#include "include/cef_entry.h"
#include "tests/fake/fake_library.h"

namespace {

class Receiver : public virtual CefBase {
 public:
  void Close(bool force) {
    ++calls;
    last = force;
  }
  int calls = 0;
  bool last = false;
  IMPLEMENT_REFCOUNTING(Receiver);
};

class ClosureTest : public fake::LibraryTest {};

TEST_F(ClosureTest, CopiesShareOneCallAndFreeItOnce) {
  CefRefPtr<Receiver> receiver = new Receiver();
  {
    BoundClosure closure = BindMethod(&Receiver::Close, receiver, true);
    BoundClosure first = closure;
    BoundClosure second;
    second = first;
    BoundClosure& same = second;  // self-assignment that clang lets through
    second = same;
    EXPECT_FALSE(receiver->HasOneRef());
    second.Run();
    EXPECT_EQ(receiver->calls, 1);
    EXPECT_TRUE(receiver->last);
    second.Reset();
    second.Run();
    EXPECT_EQ(receiver->calls, 1) << "a reset closure calls nothing";
  }
  EXPECT_TRUE(receiver->HasOneRef()) << "the receiver is released once";
}

TEST_F(ClosureTest, PostedFromAnotherThreadRunsOnceWithTheBoundValue) {
  CefRefPtr<Receiver> receiver = new Receiver();
  bool posted = false;
  std::thread poster([&] {
    posted = CefPostTask(TID_UI, BindMethod(&Receiver::Close, receiver, true));
  });
  poster.join();
  EXPECT_TRUE(posted);
  EXPECT_EQ(receiver->calls, 0) << "nothing runs on the poster's thread";
  ASSERT_EQ(fake::State().tasks.size(), 1u);
  EXPECT_EQ(fake::LastCall("cef_post_delayed_task")->args[0],
            std::to_string(TID_UI));
  fake::RunPendingTasks();
  EXPECT_EQ(receiver->calls, 1);
  EXPECT_TRUE(receiver->last);
  EXPECT_TRUE(receiver->HasOneRef());
}

TEST_F(ClosureTest, ADroppedTaskReleasesTheReceiverWithoutCalling) {
  CefRefPtr<Receiver> receiver = new Receiver();
  EXPECT_TRUE(CefPostDelayedTask(
      TID_UI, BindMethod(&Receiver::Close, receiver, false), 250));
  EXPECT_EQ(fake::LastCall("cef_post_delayed_task")->args[2], "250");
  fake::DropPendingTasks();
  EXPECT_EQ(receiver->calls, 0);
  EXPECT_TRUE(receiver->HasOneRef());

  // Refused by the library: released at once, never run.
  fake::State().results["cef_post_delayed_task"] = 0;
  EXPECT_FALSE(
      CefPostTask(TID_UI, BindMethod(&Receiver::Close, receiver, true)));
  EXPECT_EQ(receiver->calls, 0);
  EXPECT_TRUE(receiver->HasOneRef());
}

TEST_F(ClosureTest, ANullTaskIsNotPosted) {
  EXPECT_FALSE(CefPostTask(TID_UI, CefRefPtr<CefTask>()));
  EXPECT_FALSE(CefPostDelayedTask(TID_IO, CefRefPtr<CefTask>(), 5));
  EXPECT_EQ(fake::CallCount("cef_post_delayed_task"), 0);
}

TEST_F(ClosureTest, BindingWithoutAReceiverRunsNothing) {
  BoundClosure closure = BindMethod(&Receiver::Close, CefRefPtr<Receiver>(),
                                    true);
  EXPECT_TRUE(closure.IsNull());
  closure.Run();  // would call through null
  EXPECT_TRUE(CefPostTask(TID_UI, closure));
  fake::RunPendingTasks();
}

}  // namespace
