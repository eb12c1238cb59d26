#include <gtest/gtest.h>

#include <thread>

#include "include/cef_base.h"

namespace {

class Counted : public virtual CefBase {
 public:
  explicit Counted(int* destroyed) : destroyed_(destroyed) {}
  ~Counted() override { ++*destroyed_; }

 private:
  int* destroyed_;
  IMPLEMENT_REFCOUNTING(Counted);
};

TEST(RefCounting, OnePointerOwnsTheObject) {
  int destroyed = 0;
  {
    CefRefPtr<Counted> p(new Counted(&destroyed));
    EXPECT_TRUE(p->HasOneRef());
    {
      CefRefPtr<Counted> second = p;
      EXPECT_FALSE(p->HasOneRef());
    }
    EXPECT_TRUE(p->HasOneRef());
  }
  EXPECT_EQ(destroyed, 1);
}

TEST(RefCounting, ReleaseReportsOnlyTheLastReference) {
  int destroyed = 0;
  Counted* object = new Counted(&destroyed);
  object->AddRef();
  object->AddRef();
  object->AddRef();
  EXPECT_FALSE(object->Release());
  EXPECT_FALSE(object->Release());
  EXPECT_EQ(destroyed, 0);
  EXPECT_TRUE(object->Release());
  EXPECT_EQ(destroyed, 1);
}

TEST(RefCounting, SelfAssignmentKeepsTheObject) {
  int destroyed = 0;
  CefRefPtr<Counted> p(new Counted(&destroyed));
  CefRefPtr<Counted>& alias = p;
  p = alias;
  p = p.get();
  EXPECT_EQ(destroyed, 0);
  EXPECT_TRUE(p->HasOneRef());
}

TEST(RefCounting, AssignmentMovesTheReference) {
  int first_destroyed = 0;
  int second_destroyed = 0;
  CefRefPtr<Counted> p(new Counted(&first_destroyed));
  p = new Counted(&second_destroyed);
  EXPECT_EQ(first_destroyed, 1);
  EXPECT_EQ(second_destroyed, 0);
  p = nullptr;
  EXPECT_EQ(second_destroyed, 1);
  EXPECT_EQ(p.get(), nullptr);
}

TEST(RefCounting, TwoThreadsTakingAndDroppingAMillionEach) {
  int destroyed = 0;
  CefRefPtr<Counted> p(new Counted(&destroyed));
  auto churn = [&p] {
    for (int i = 0; i < 1000000; ++i) {
      p->AddRef();
      p->Release();
    }
  };
  std::thread first(churn);
  std::thread second(churn);
  first.join();
  second.join();
  EXPECT_TRUE(p->HasOneRef());
  EXPECT_EQ(destroyed, 0);
}

}  // namespace
