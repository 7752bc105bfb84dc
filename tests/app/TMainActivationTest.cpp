#include "JobsFixture.h"

#include "app/AppForms.h"
#include "app/TMainActivation.h"
#include "app/TWaitMessage.h"
#include "comm/jobs/HisStatus.h"
#include "model/MachineList.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/Termination.h"

#include <gtest/gtest.h>

namespace {
class MainActivationTest : public JobsFixture {
protected:
  MainActivationTest() {
    activation.SetSessionStarter(&starter);
    activation.SetNoticeSink([this](const QString& notice) { events << notice; });
  }
  ~MainActivationTest() override { ResetTermination(); }

  // The wait window's showing and closing, in order with the notices.
  QStringList events;
  ScopedForm<WaitMessageRequest> wait{[this](WaitMessageRequest& request) {
    events << QStringLiteral("wait: ") + request.text;
    request.close = [this] { events << QStringLiteral("wait closed"); };
    return 0;
  }};
  TMainActivation activation;
};

TEST_F(MainActivationTest, TheFirstActivationFailsJobsLeftRunningAndEveryActivationSendsTheNotice) {
  AddMachine(QStringLiteral("Shop"), QStringLiteral("Direct to COM1"));
  const QString left = Queue(QStringLiteral("Shop"), QStringLiteral("Direct to COM1"), -1, HisStatus::Active);
  const QString waiting = Queue(QStringLiteral("Shop"), QStringLiteral("Direct to COM1"));
  FreeTheHistory(); // as at the start of a new run
  CloseMachineFile();

  activation.Activate();
  EXPECT_EQ(events, (QStringList{"wait: Initializing Variables... Please Wait", "wait closed", "VoderodAzuOpen"}));
  EXPECT_TRUE(HistoryExists());
  EXPECT_EQ(TheHistory().GetPendingList(), QStringList{waiting});
  const auto ended = HistoryJobs();
  ASSERT_EQ(ended.size(), 1u);
  EXPECT_EQ(ended[0]->Status, HisStatus::Failed);

  // The queue hands its jobs to the starter it was given.
  TheHistory().StartNext(QStringLiteral("Direct to COM1"));
  EXPECT_EQ(starter.Ids(), QStringList{waiting});

  events.clear();
  activation.Activate();
  EXPECT_EQ(events, QStringList{"VoderodAzuOpen"});
}

TEST_F(MainActivationTest, TheWaitWindowClosesAlsoWhenTheWorkFails) {
  EXPECT_THROW(
      {
        const TWaitMessage shown{QStringLiteral("Loading Schedules...")};
        throw Exception(QStringLiteral("Sched file damaged"));
      },
      Exception);
  EXPECT_EQ(events, (QStringList{"wait: Loading Schedules...", "wait closed"}));
}

TEST_F(MainActivationTest, NothingHappensOnceTheProgramIsEnding) {
  SetTerminationHook([] {});
  RequestTermination();
  activation.Activate();
  EXPECT_TRUE(events.isEmpty());
  EXPECT_FALSE(activation.FirstActivationDone());
  SetTerminationHook({});
}
} // namespace
