// Storing an edited machine over the record it was read from.
#include "MachinesFixture.h"

#include "app/machines/MachineEdits.h"
#include "model/MachineList.h"

#include <gtest/gtest.h>

namespace {
class MachineEditsTest : public MachinesFixture {
protected:
  MachineEditsTest() {
    Store(*Machine(QStringLiteral("Alpha"), 1, 1));
    Store(*Machine(QStringLiteral("Bravo"), 2, 2));
  }
};
} // namespace

TEST_F(MachineEditsTest, ARenamedMachineReplacesItsOldRecord) {
  std::unique_ptr<tMachine> edited = FindMachine(QStringLiteral("Alpha"));
  edited->MachineId = QStringLiteral("Alpha2");
  edited->StoreNumber = 44;
  ASSERT_TRUE(MachineEdits::ReplaceMachine(QStringLiteral("Alpha"), *edited));
  EXPECT_EQ(Stored(QStringLiteral("Alpha")), nullptr);
  ASSERT_TRUE(Stored(QStringLiteral("Alpha2")));
  EXPECT_EQ(Stored(QStringLiteral("Alpha2"))->StoreNumber, 44);
  EXPECT_EQ(Stored(QStringLiteral("Bravo"))->StoreNumber, 2);
  QStringList ids;
  ListMachines(ids);
  EXPECT_EQ(ids.size(), 2);
}

TEST_F(MachineEditsTest, AMachineNoLongerStoredRewritesNoOtherRecord) {
  std::unique_ptr<tMachine> edited = FindMachine(QStringLiteral("Alpha"));
  ASSERT_TRUE(DeleteMachine(QStringLiteral("Alpha"))); // someone else deleted it meanwhile
  Stored(QStringLiteral("Bravo"));                     // the file's cursor rests on another record
  edited->StoreNumber = 44;
  EXPECT_FALSE(MachineEdits::ReplaceMachine(QStringLiteral("Alpha"), *edited));
  ASSERT_TRUE(Stored(QStringLiteral("Bravo")));
  EXPECT_EQ(Stored(QStringLiteral("Bravo"))->StoreNumber, 2);
  EXPECT_EQ(Stored(QStringLiteral("Alpha")), nullptr);
  QStringList ids;
  ListMachines(ids);
  EXPECT_EQ(ids, QStringList{QStringLiteral("Bravo")});
}

TEST_F(MachineEditsTest, AnEmptyFileTakesNoReplacement) {
  ASSERT_TRUE(DeleteMachine(QStringLiteral("Alpha")));
  ASSERT_TRUE(DeleteMachine(QStringLiteral("Bravo")));
  EXPECT_FALSE(MachineEdits::ReplaceMachine(QStringLiteral("Alpha"), *Machine(QStringLiteral("Alpha"))));
  QStringList ids;
  ListMachines(ids);
  EXPECT_TRUE(ids.isEmpty());
}
