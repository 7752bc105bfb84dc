#include "platform/sys/ScopeGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {
struct First : std::runtime_error {
  First() : std::runtime_error("first") {}
};
struct Restore : std::runtime_error {
  Restore() : std::runtime_error("restore") {}
};
} // namespace

TEST(ScopeGuard, ExitStepRunsOnEveryExit) {
  int runs = 0;
  {
    const auto g = OnScopeExit([&] { ++runs; });
  }
  EXPECT_EQ(runs, 1);
  EXPECT_THROW(
      {
        const auto g = OnScopeExit([&] { ++runs; });
        throw First();
      },
      First);
  EXPECT_EQ(runs, 2);
}

TEST(ScopeGuard, FailureStepRunsOnlyWhenAnExceptionLeaves) {
  int runs = 0;
  {
    const auto g = OnScopeFailure([&] { ++runs; });
  }
  EXPECT_EQ(runs, 0);
  EXPECT_THROW(
      {
        const auto g = OnScopeFailure([&] { ++runs; });
        throw First();
      },
      First);
  EXPECT_EQ(runs, 1);
}

TEST(ScopeGuard, AFailingStepDuringUnwindingKeepsTheFirstError) {
  for (bool onlyOnFailure : {false, true}) {
    try {
      ScopeGuard g([] { throw Restore(); }, onlyOnFailure);
      throw First();
    } catch (const std::exception& e) {
      EXPECT_STREQ(e.what(), "first");
    }
  }
}

TEST(ScopeGuard, AFailingExitStepOnANormalExitIsReported) {
  EXPECT_THROW({ const auto g = OnScopeExit([] { throw Restore(); }); }, Restore);
}

TEST(ScopeGuard, AGuardMadeWhileAnotherExceptionIsHandledStillSeesItsOwnScope) {
  int runs = 0;
  struct Unwinder {
    int& runs;
    ~Unwinder() {
      const auto g = OnScopeFailure([&] { ++runs; }); // made during unwinding, left normally
    }
  };
  EXPECT_THROW(
      {
        Unwinder u{runs};
        throw First();
      },
      First);
  EXPECT_EQ(runs, 0);
}

TEST(ScopeGuard, DismissedStepDoesNotRun) {
  int runs = 0;
  {
    auto g = OnScopeExit([&] { ++runs; });
    g.Dismiss();
  }
  EXPECT_EQ(runs, 0);
}
