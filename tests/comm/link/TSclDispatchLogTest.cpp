#include "LinkTestSupport.h"
#include "TestSupport.h"
#include "comm/link/TSclDispatchLog.h"
#include "platform/sys/Clock.h"

#include <gtest/gtest.h>

namespace {
using L = TSclDispatchLog;

QByteArray Fixture(const char* name) {
  QByteArray bytes = TestSupport::ReadFile(TestSupport::DataPath(QStringLiteral("link/") + name));
  bytes.replace("@COMPILER@", L::CompilerText().toLatin1());
  bytes.replace("@PLATFORM@", L::PlatformText().toLatin1());
  return bytes;
}
} // namespace

TEST(TSclDispatchLog, EntriesDumpAsTheFixture) {
  FakeClock clock;
  ScopedClock scoped(clock);
  ScopedSclFolder folder;
  L log;
  log.StartClock();
  log.Start(65500);
  log.AddEntry(L::lkTrDatChg, L::lsAvailTrigger, 1);
  log.AddEntry(L::lkTrgHdAlc, L::lsWindow, 7);
  clock.Advance(1234);
  log.AddMark(QStringLiteral("Logon start"));
  log.AddEntry(L::lkTrigAllc, L::lsStatusTrigger, 0x22, QByteArray(1, 2));
  clock.Advance(12345 - 1234);
  log.AddEntry(L::lkDispatch, L::lsWriteCom, 3, "AT\r");
  log.AddEntry(L::lkTrigDisp, L::lsStatusTrigger, 0x24, QByteArray(1, 4));
  log.AddEntry(L::lkDispatch, L::lsReadCom, 40, QByteArray(40, 'A'));
  clock.Advance(10000000 - 12345);
  log.AddEntry(L::lkTrigger, L::lsTimer, 8);
  ASSERT_EQ(log.Dump(QStringLiteral("SCOMM.LOG"), false, true), 0);
  EXPECT_EQ(folder.Text("SCOMM.LOG"), Fixture("log_entries_hex.txt").toStdString());
  EXPECT_FALSE(log.Exists());
  EXPECT_FALSE(log.Logging());
}

TEST(TSclDispatchLog, RingDropsTheOldestEntriesWhole) {
  ScopedSclFolder folder;
  L log;
  log.StartClock();
  log.Start(3 * (L::kHeaderSize + 4)); // room for three marks of four bytes
  for (const char* mark : {"mk01", "mk02", "mk03", "mk04"}) log.AddMark(QString::fromLatin1(mark));
  ASSERT_EQ(log.Dump(QStringLiteral("l.log"), false, true), 0);
  const QByteArray text = folder.Read("l.log");
  EXPECT_FALSE(text.contains("mk01"));
  EXPECT_TRUE(text.contains("mk02") && text.contains("mk03") && text.contains("mk04"));
  EXPECT_LT(text.indexOf("mk02"), text.indexOf("mk04"));
}

TEST(TSclDispatchLog, AnEntryTooLargeForTheRingIsLostAndOlderOnesStay) {
  ScopedSclFolder folder;
  L log;
  log.Start(64);
  log.AddMark(QStringLiteral("kept"));
  log.AddEntry(L::lkDispatch, L::lsReadCom, 48, QByteArray(48, 'x')); // 16 + 48 = the ring
  log.Dump(QStringLiteral("l.log"), false, true);
  const QByteArray text = folder.Read("l.log");
  EXPECT_TRUE(text.contains("kept"));
  EXPECT_FALSE(text.contains("xxxx"));
}

TEST(TSclDispatchLog, MarksOnlyWhileLoggingAndNoEntriesNoFile) {
  ScopedSclFolder folder;
  L log;
  log.AddMark(QStringLiteral("nothing"));
  EXPECT_EQ(log.Dump(QStringLiteral("l.log"), false, true), 0);
  EXPECT_FALSE(folder.Exists("l.log"));
  log.Start(1000);
  log.Pause();
  log.AddMark(QStringLiteral("paused"));
  EXPECT_EQ(log.Dump(QStringLiteral("l.log"), false, true), 0);
  EXPECT_FALSE(folder.Exists("l.log"));
}

TEST(TSclDispatchLog, DecimalModeShowsBytesInDecimal) {
  ScopedSclFolder folder;
  L log;
  log.Start(1000);
  log.AddEntry(L::lkDispatch, L::lsWriteCom, 3, QByteArray("A \x10", 3));
  log.Dump(QStringLiteral("l.log"), false, false);
  EXPECT_TRUE(folder.Read("l.log").endsWith("00000003  A [16]\r\n"));
}

TEST(TSclDispatchLog, AFailedDumpKeepsTheRing) {
  L log;
  log.Start(1000);
  log.AddMark(QStringLiteral("x"));
  EXPECT_EQ(log.Dump(QStringLiteral("/nonexistent-folder/l.log"), false, true), -3);
  EXPECT_TRUE(log.Exists());
}
