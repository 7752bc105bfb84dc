#include "LinkTestSupport.h"
#include "TestSupport.h"
#include "comm/link/TSclTrace.h"

#include <gtest/gtest.h>

namespace {
void Record(TSclTrace& trace, char kind, const QByteArray& bytes) {
  for (char c : bytes) trace.Add(kind, static_cast<uint8_t>(c));
}

std::string Fixture(const char* name) {
  return TestSupport::ReadFile(TestSupport::DataPath(QStringLiteral("link/") + name)).toStdString();
}
} // namespace

struct TraceCase {
  const char* fixture;
  bool hex;
};

class TraceDump : public testing::TestWithParam<TraceCase> {};

TEST_P(TraceDump, TransmitThenReceiveAsTheFixture) {
  ScopedSclFolder folder;
  TSclTrace trace;
  ASSERT_EQ(trace.Start(100), 0);
  Record(trace, 'T', "AT");
  Record(trace, 'R', "\rOK");
  ASSERT_EQ(trace.Dump(QStringLiteral("SCOMM.TRC"), false, GetParam().hex), 0);
  EXPECT_EQ(folder.Text("SCOMM.TRC"), Fixture(GetParam().fixture));
  EXPECT_FALSE(trace.Exists());
  EXPECT_FALSE(trace.Tracing());
}

INSTANTIATE_TEST_SUITE_P(Modes, TraceDump,
                         testing::Values(TraceCase{"trace_at_ok_decimal.txt", false},
                                         TraceCase{"trace_at_ok_hex.txt", true}));

TEST(TSclTrace, SpaceIsItselfInDecimalAndBracketedInHex) {
  for (bool hex : {false, true}) {
    ScopedSclFolder folder;
    TSclTrace trace;
    trace.Start(10);
    Record(trace, 'T', QByteArray(" \0\xFF\x7F", 4));
    ASSERT_EQ(trace.Dump(QStringLiteral("t.trc"), false, hex), 0);
    EXPECT_EQ(folder.Text("t.trc"), Fixture(hex ? "trace_space_hex.txt" : "trace_space_decimal.txt"));
  }
}

TEST(TSclTrace, RingKeepsTheNewestEntriesOldestFirst) {
  ScopedSclFolder folder;
  TSclTrace trace;
  trace.Start(3);
  Record(trace, 'T', "12345");
  ASSERT_EQ(trace.Dump(QStringLiteral("t.trc"), false, true), 0);
  EXPECT_EQ(folder.Text("t.trc"), Fixture("trace_ring3.txt"));
}

TEST(TSclTrace, LinesWrapPastColumn78AndOtherKindsAreSpecial) {
  ScopedSclFolder folder;
  TSclTrace trace;
  trace.Start(1000);
  Record(trace, 'T', QByteArray(80, 'A'));
  Record(trace, 'X', QByteArray(30, '\x01'));
  ASSERT_EQ(trace.Dump(QStringLiteral("t.trc"), false, false), 0);
  EXPECT_EQ(folder.Text("t.trc"), Fixture("trace_wrap.txt"));
}

TEST(TSclTrace, NothingRecordedWritesNoFile) {
  ScopedSclFolder folder;
  TSclTrace trace;
  trace.Start(10);
  EXPECT_EQ(trace.Dump(QStringLiteral("t.trc"), false, true), 0);
  EXPECT_FALSE(folder.Exists("t.trc"));
}

TEST(TSclTrace, AppendAddsToAnExistingFile) {
  ScopedSclFolder folder;
  TSclTrace trace;
  trace.Start(10);
  Record(trace, 'T', "AT");
  trace.Dump(QStringLiteral("t.trc"), false, true);
  trace.Start(10);
  Record(trace, 'R', "OK");
  trace.Dump(QStringLiteral("t.trc"), true, true);
  EXPECT_EQ(folder.Text("t.trc"), "Transmit: \r\nATReceive: \r\nOK");
}

TEST(TSclTrace, TooLargeARingIsRefusedAndStartEmptiesAnExistingOne) {
  TSclTrace trace;
  EXPECT_EQ(trace.Start(TSclTrace::kMaxEntries + 1), -1002);
  EXPECT_FALSE(trace.Exists());
  ScopedSclFolder folder;
  trace.Start(5);
  Record(trace, 'T', "old");
  EXPECT_EQ(trace.Start(TSclTrace::kMaxEntries + 1), 0); // the ring exists: emptied, size kept
  Record(trace, 'T', "new");
  trace.Dump(QStringLiteral("t.trc"), false, true);
  EXPECT_EQ(folder.Text("t.trc"), "Transmit: \r\nnew");
}

TEST(TSclTrace, AnUnwritableFileGivesTheNegatedIoError) {
  TSclTrace trace;
  trace.Start(10);
  Record(trace, 'T', "AT");
  EXPECT_EQ(trace.Dump(QStringLiteral("/nonexistent-folder/t.trc"), false, true), -3);
  EXPECT_FALSE(trace.Exists());
}
