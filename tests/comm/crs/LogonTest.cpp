// The logon: the memory allocation received, its sizes handed to the driver.
#include "ProtoFixture.h"

#include "crs-sim/SimFault.h"
#include "crs-sim/SimFraming.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QFile>

namespace {
class Logon : public ProtoFixture {};
} // namespace

TEST_F(Logon, ReceivesTheMemoryAllocationAndHandsItsSizesToTheDriver) {
  EXPECT_EQ(Run([&] { module->Logon(); }), MpmSuccessfull);
  EXPECT_EQ(Wire(), QStringList({"> CMD E0 0E 0001 0124", "< BLK 0", "> ACK", "< EOT"}));
  EXPECT_EQ(Lines(), QStringList({T + "Saving Program Memory Allocation", "P[1] E",
                                  T + "Saving Program to Database Completed."}));
  EXPECT_TRUE(Driver().EcrSizes.IsEmpty()) << "the sizes change only once the session says the logon is done";
  module->LogonDone();
  EXPECT_EQ(Driver().EcrSizes.RomVersion(), "03.02");
  EXPECT_EQ(Driver().EcrSizes.Count(QStringLiteral("PLU")), 2000);
  EXPECT_EQ(Driver().EcrSizes.Count(QStringLiteral("Price Schedule")), 4);
  EXPECT_EQ(Driver().EcrSizes.Count(QStringLiteral("Time Period")), 24);
  EXPECT_EQ(Driver().EcrSizes.Count(QStringLiteral("Prod Mix Group")), 10);
  EXPECT_TRUE(Driver().EcrSizes.Flag(QStringLiteral("Logo")));
  EXPECT_EQ(Driver().EcrSizes.Count(QStringLiteral("Spec Itm Stock")), 50);
}

TEST_F(Logon, NothingAllocatedIsASuccessThatLeavesTheSizesAlone) {
  sim.AddFault(SimFault::Parse(QStringLiteral("eot:cmd=E0")));
  EXPECT_EQ(Run([&] { module->Logon(); }), MpmSuccessfull);
  EXPECT_EQ(Wire(), QStringList({"> CMD E0 0E 0001 0124", "< EOT"}));
  EXPECT_EQ(Lines(), QStringList({T + "Saving Program Memory Allocation", " Nothing allocated"}));
  module->LogonDone();
  EXPECT_TRUE(Driver().EcrSizes.IsEmpty());
}

// The machine's sizes from its last logon stay when the next logon gets nothing, and the
// progress says so.
TEST_F(Logon, NothingAllocatedKeepsTheMachinesSizesAndSaysSo) {
  ASSERT_EQ(Run([&] { module->Logon(); }), MpmSuccessfull);
  module->LogonDone();
  ASSERT_FALSE(Driver().EcrSizes.IsEmpty());
  const int plus = Driver().EcrSizes.Count(QStringLiteral("PLU"));
  progress.Clear();
  sim.ClearTranscript();
  sim.AddFault(SimFault::Parse(QStringLiteral("eot:cmd=E0")));
  ASSERT_EQ(Run([&] { module->Logon(); }), MpmSuccessfull);
  module->LogonDone();
  EXPECT_EQ(Driver().EcrSizes.Count(QStringLiteral("PLU")), plus);
  EXPECT_EQ(Lines().last(), T + "Nothing allocated: the table sizes are kept");
}

TEST_F(Logon, TheWorkFileHoldsTheFramesAsReceivedWithoutTheirDoubling) {
  ASSERT_EQ(Run([&] { module->Logon(); }), MpmSuccessfull);
  QByteArray body = sim.Program(14).first();
  body[0] = 0; // the number the block had on the line
  const QByteArray wire = SimFraming::DataFrame(body);
  const QByteArray stored = QByteArray("\x10\x02", 2) + body + wire.right(4);
  ASSERT_TRUE(body.contains('\x10')) << "the fixture's record holds a doubled byte on the line";
  QByteArray expected = TestSupport::Hex("01 00 00 00");
  expected += char(stored.size()) + QByteArray(3, '\0') + stored;
  const QString path = work.filePath(QCoreApplication::applicationName() + "WORKFILE3.ECR");
  EXPECT_EQ(TestSupport::ReadFile(path).toHex(' '), expected.toHex(' '));
}

// The dispatch log shows each step's state and event, the step's own marks and its end.
TEST_F(Logon, TheDispatchLogCarriesTheStepsMarks) {
  port.SetLogging(tlOn);
  ASSERT_EQ(Run([&] { module->Logon(); }), MpmSuccessfull);
  port.SetLogging(tlDump);
  const QString log = QString::fromLatin1(TestSupport::ReadFile(work.filePath(port.LogName())));
  const QStringList marks{"GetPrg-PollInit-Msg_InitMsg", "Saving_Program_Memory",
                          "GetPrg-PollSntCmnd-Msg_GotBlock", "GetPrg-PollNextBlk-Msg_GotEot",
                          "GetPrg-PollGood-Msg_GotEot", "GetPrgCmplt-PollDone"};
  qsizetype at = 0;
  for (const QString& mark : marks) {
    const qsizetype found = log.indexOf(mark, at);
    ASSERT_GE(found, 0) << mark.toStdString() << " after position " << at << "\n" << log.toStdString();
    at = found + mark.size();
  }
}
