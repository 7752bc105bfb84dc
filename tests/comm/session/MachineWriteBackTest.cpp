// What a session writes back into the stored machine.
#include "JobsFixture.h"

#include "ActnDoubles.h"
#include "comm/session/MachineWriteBack.h"
#include "model/MachineList.h"
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tMachine.h"
#include "store/streaming/TObjectStream.h"

#include <gtest/gtest.h>

namespace {
class MachineWriteBackTest : public JobsFixture {
protected:
  void SetUp() override { ActnDoubles::StoreMachine(QStringLiteral("Till")); }
  static std::unique_ptr<tMachine> Copy(const tMachine& machine) {
    return std::unique_ptr<tMachine>(static_cast<tMachine*>(CopyObject(&machine).release()));
  }
  static tEcrPrg* Alpha(const tMachine& machine) {
    return machine.Ecr()->FindPrgByClass(QStringLiteral("tActnTestPrgAlpha"));
  }
};

// The session's copy was taken at its start; "Machine Maintenance" changed the record
// meanwhile, and the session received a program.
TEST_F(MachineWriteBackTest, OnlyTheStampsTheSessionChangedGoIntoTheCurrentRecord) {
  std::unique_ptr<tMachine> session = Copy(*FindMachine(QStringLiteral("Till")));
  MachineWriteBack writeBack(*session);
  {
    std::unique_ptr<tMachine> edited = FindMachine(QStringLiteral("Till"));
    edited->Address = QStringLiteral("12 New Street");
    edited->StoreNumber = 42;
    Alpha(*edited)->SetLastSnt(TDateTime(46000.5));
    edited->Update();
  }
  Alpha(*session)->SetLastSvd(TDateTime(46001.25));

  EXPECT_TRUE(writeBack.Merge(*session));
  std::unique_ptr<tMachine> stored = FindMachine(QStringLiteral("Till"));
  EXPECT_EQ(stored->Address, QStringLiteral("12 New Street"));
  EXPECT_EQ(stored->StoreNumber, 42);
  EXPECT_EQ(Alpha(*stored)->LastSnt().Days(), 46000.5) << "a stamp the session did not change stays";
  EXPECT_EQ(Alpha(*stored)->LastSvd().Days(), 46001.25);
}

TEST_F(MachineWriteBackTest, NothingIsWrittenWhenNothingChangedOrTheMachineIsGone) {
  std::unique_ptr<tMachine> session = Copy(*FindMachine(QStringLiteral("Till")));
  MachineWriteBack writeBack(*session);
  EXPECT_FALSE(writeBack.Merge(*session));
  DeleteMachine(QStringLiteral("Till"));
  Alpha(*session)->SetLastSvd(TDateTime(46001.25));
  EXPECT_FALSE(writeBack.Merge(*session));
  EXPECT_FALSE(FindMachine(QStringLiteral("Till")));
}
} // namespace
