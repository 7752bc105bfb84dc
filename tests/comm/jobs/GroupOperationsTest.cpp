// What a machine's failure or cancel does to its other pending jobs.
#include "JobsFixture.h"

#include "comm/jobs/HisStatus.h"
#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

namespace {
const QString Com1 = QStringLiteral("Direct to COM1");

struct Outcome {
  qint32 status;
  qint32 initRetryCount;
  qint32 defRetryCount;
  bool lastTrySet;
  QList<int> callbacks;
};

struct GroupCase {
  const char* name;
  std::function<void(tHistory&)> operation;
  qint32 initRetry;
  qint32 defRetry;
  Outcome fresh;    // machine A's fresh pending job
  Outcome deferred; // machine A's job waiting as Retry (InitRetryCount 0, DefRetryCount 0)
};

class GroupOperationsTest : public JobsFixture {
protected:
  void SetUp() override {
    AddMachine(QStringLiteral("A"), Com1);
    AddMachine(QStringLiteral("B"), Com1);
  }

  void Check(const QString& id, const Outcome& expected) {
    SCOPED_TRACE(id.toStdString());
    std::unique_ptr<tHistoryEvent> job = Pending(id);
    if (HisStatus::IsPendingStatus(expected.status)) {
      ASSERT_TRUE(job);
      EXPECT_EQ(job->Status, expected.status);
      EXPECT_EQ(job->InitRetryCount, expected.initRetryCount);
      EXPECT_EQ(job->DefRetryCount, expected.defRetryCount);
      EXPECT_EQ(!job->LastTry.IsZero(), expected.lastTrySet);
      if (expected.lastTrySet) {
        EXPECT_EQ(job->LastTry.ToQDateTime(), clock.Now());
      }
    } else {
      EXPECT_FALSE(job);
      bool found = false;
      for (const auto& done : HistoryJobs())
        if (done->MachineId == QLatin1String("A") && done->Status == expected.status) found = true;
      EXPECT_TRUE(found);
    }
    EXPECT_EQ(callbacks.value(id), expected.callbacks);
  }
};

TEST_F(GroupOperationsTest, EachJobsNewStatusAndCallback) {
  const Outcome failed{HisStatus::Failed, 0, 0, false, {4}};
  const Outcome cancelled{HisStatus::UserCancel, 0, 0, false, {4}};
  const QList<GroupCase> cases = {
      {"FailList", [](tHistory& h) { h.FailList(QStringLiteral("A")); }, 1, 1, failed, failed},
      {"CancelMachine", [](tHistory& h) { h.CancelMachine(QStringLiteral("A")); }, 1, 1, cancelled, cancelled},
      {"DeferMachine, no retries at all", [](tHistory& h) { h.DeferMachine(QStringLiteral("A")); }, 0, 0, failed,
       failed},
      {"DeferMachine, settings of 1 allow no retry", [](tHistory& h) { h.DeferMachine(QStringLiteral("A")); }, 1,
       1, failed, failed},
      {"DeferMachine, immediate retries left", [](tHistory& h) { h.DeferMachine(QStringLiteral("A")); }, 3, 1,
       {HisStatus::Retry, 0, -1, false, {}}, {HisStatus::Retry, 1, 0, false, {}}},
      {"DeferMachine, deferred retries left", [](tHistory& h) { h.DeferMachine(QStringLiteral("A")); }, 0, 3,
       {HisStatus::Retry, -1, 0, true, {}}, {HisStatus::Retry, -1, 1, true, {}}},
      {"DeferMachine, the deferred job's last cycle", [](tHistory& h) { h.DeferMachine(QStringLiteral("A")); }, 0,
       2, {HisStatus::Retry, -1, 0, true, {}}, failed},
  };
  for (const GroupCase& c : cases) {
    SCOPED_TRACE(c.name);
    FreeTheHistory();
    callbacks.clear();
    history().SetInitRetry(c.initRetry);
    history().SetDefRetry(c.defRetry);
    const QString active = Queue(QStringLiteral("A"), Com1, -1, HisStatus::Active);
    const QString fresh = Queue(QStringLiteral("A"), Com1);
    const QString other = Queue(QStringLiteral("B"), Com1);
    const QString deferred = Queue(QStringLiteral("A"), Com1, 0, HisStatus::Retry);
    {
      std::unique_ptr<tHistoryEvent> job = Pending(deferred);
      job->InitRetryCount = 0;
      history().StoreEvent(*job);
    }
    clock.Advance(60000);

    c.operation(history());

    Check(active, {HisStatus::Active, -1, -1, false, {}});
    Check(other, {HisStatus::Pending, -1, -1, false, {}});
    Check(fresh, c.fresh);
    Check(deferred, c.deferred);
    for (const QString& id : history().GetPendingList()) history().RemovePending(*Pending(id));
  }
}

TEST_F(GroupOperationsTest, WalksShowTheirProgressWithACaption) {
  QStringList captions;
  QList<int> percents;
  ScopedForm<SaveProgressRequest> progress([&](SaveProgressRequest& r) {
    if (!r.close) {
      captions << r.caption;
      percents << r.percent;
    }
    return 1;
  });
  for (int i = 0; i < 4; ++i) Queue(QStringLiteral("B"), Com1);
  history().FailList(QStringLiteral("A"));
  EXPECT_EQ(captions.first(), QStringLiteral("Failing History List"));
  EXPECT_EQ(percents, (QList<int>{0, 0, 25, 50, 75}));
  captions.clear();
  percents.clear();
  history().CancelMachine(QStringLiteral("A"));
  EXPECT_EQ(captions.first(), QStringLiteral("Cancelling History List"));
  EXPECT_EQ(percents, (QList<int>{0, 0, 25, 50, 75})); // walked from the last job
  captions.clear();
  history().DeferMachine(QStringLiteral("A"));
  EXPECT_EQ(captions.first(), QStringLiteral("History List to Retry Later"));
}
} // namespace

namespace {
// Between jobs a walk lets events run: a session may store, queue or end jobs meanwhile.
TEST_F(GroupOperationsTest, AWalkCopesWithJobsChangedWhileItLetsEventsRun) {
  const QString first = Queue(QStringLiteral("A"), Com1);
  const QString second = Queue(QStringLiteral("A"), Com1);
  const QString third = Queue(QStringLiteral("A"), Com1);
  QString added;
  QTimer::singleShot(0, [&] {
    history().RemovePending(*Pending(second)); // ended by its session meanwhile
    added = Queue(QStringLiteral("A"), Com1);  // queued meanwhile
  });
  history().FailList(QStringLiteral("A"));
  EXPECT_FALSE(added.isEmpty());
  EXPECT_EQ(history().GetPendingList(), QStringList{added});
  EXPECT_EQ(callbacks[first], QList<int>{4});
  EXPECT_EQ(callbacks[second], QList<int>{});
  EXPECT_EQ(callbacks[third], QList<int>{4});
}
} // namespace
