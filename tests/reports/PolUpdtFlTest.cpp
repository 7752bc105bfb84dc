// The inventory poll-update file: records byte for byte, the chain of poll headers across
// appends, the refusal of files that do not end in an end record, values that do not fit,
// and a poll that fails at any byte leaving the file as it was.
#include "FailingFile.h"

#include "reports/EInvtFileValue.h"
#include "reports/EPolUpdtFl.h"
#include "reports/PolUpdtFl.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {
QByteArray Hex(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

// A header of record 0 (store 12, machine 3, "REG1", 3 and 4 March 2026 at 10:30, Z 41)
// whose next header is record 4; an item of record 1 (PLU 1234, item 1, 2.5 sold for
// 12.34); the end record after a file's only poll.
const QByteArray kHeader0 = Hex("01 00000000 00000000 01 0C00 0300 04 5245473100000000 0303EA07 0403EA07 0A 1E 01 2900 0100"
                                " 00000000 04000000 0000000000000000000000000000");
const QByteArray kItem1 = Hex("01 01000000 00000000 00 04 31323334 0000000000000000000000 0100 C409000000000000"
                              " 3430000000000000 E803000000000000 E803000000000000");
const QByteArray kEnd0 = Hex("01 00000000 00000000 01 00000000000000000000000000000000000000000000000000000000"
                             " 00000000 000000000000000000000000000000000000");

InvtPollHeader Header(const QString& machineId = QStringLiteral("REG1")) {
  InvtPollHeader header;
  header.storeNumber = 12;
  header.machineNumber = 3;
  header.machineId = machineId;
  header.ecrDate = QDate(2026, 3, 3);
  header.pollDate = QDate(2026, 3, 4);
  header.pollTime = QTime(10, 30, 59);
  header.zCounter = 41;
  return header;
}

qint64 Le(const QByteArray& record, int offset, int width) {
  quint64 value = 0;
  for (int i = width - 1; i >= 0; --i) value = value * 256 + static_cast<quint8>(record[offset + i]);
  return static_cast<qint64>(value);
}

class InvtFile : public ::testing::Test {
protected:
  QString Path() const { return dir.filePath(QStringLiteral("POLLS.DTA")); }
  QByteArray Bytes() const {
    QFile file(Path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QByteArray Record(int n) const { return Bytes().mid(n * 60, 60); }
  void Write(const QByteArray& bytes) const {
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }
  // One poll with items of the given PLU numbers (2.5 of each for 12.34).
  void WritePoll(PolUpdtFl& writer, const QList<qint64>& plus, const InvtPollHeader& header = Header()) {
    ASSERT_TRUE(writer.OpenPolUpdtFl());
    writer.PutPollHeader(header);
    for (qint64 plu : plus) writer.PutPollItem({plu, 2500, 1234});
    writer.ClosePolUpdtFl();
  }
  void WritePoll(const QList<qint64>& plus) {
    PolUpdtFl writer(Path());
    WritePoll(writer, plus);
  }

  QTemporaryDir dir;
};
} // namespace

TEST_F(InvtFile, OnePollOfThreeItemsIsAHeaderThreeItemsAndTheEndRecord) {
  WritePoll({1234, 5, 6});
  ASSERT_EQ(Bytes().size(), 5 * 60);
  EXPECT_EQ(Record(0).toHex(' '), kHeader0.toHex(' '));
  EXPECT_EQ(Record(1).toHex(' '), kItem1.toHex(' '));
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(Le(Record(n), 1, 4), n) << "own number";
    EXPECT_EQ(Le(Record(n), 26, 2), n) << "item number";
  }
  EXPECT_EQ(Record(4).toHex(' '), kEnd0.toHex(' '));
}

TEST_F(InvtFile, ASecondPollGoesWhereTheEndRecordWasAndIsChainedBothWays) {
  WritePoll({1234, 5, 6});
  const QByteArray first = Bytes();
  InvtPollHeader second = Header(QStringLiteral("REG2"));
  second.storeNumber = 65535;
  PolUpdtFl writer(Path());
  WritePoll(writer, {77}, second);

  ASSERT_EQ(Bytes().size(), 7 * 60);
  EXPECT_EQ(Bytes().left(4 * 60), first.left(4 * 60)) << "the first poll is not touched";
  const QByteArray header = Record(4);
  EXPECT_EQ(Le(header, 1, 4), 4);
  EXPECT_EQ(Le(header, 10, 2), 65535);
  EXPECT_EQ(Le(header, 38, 4), 0) << "previous";
  EXPECT_EQ(Le(header, 42, 4), 6) << "next: the end record";
  EXPECT_EQ(Le(Record(0), 42, 4), 4);
  EXPECT_EQ(Le(Record(5), 1, 4), 5);
  EXPECT_EQ(Le(Record(5), 26, 2), 1) << "items are numbered per poll";
  QByteArray end = kEnd0;
  end[38] = 4;
  EXPECT_EQ(Record(6).toHex(' '), end.toHex(' '));
  EXPECT_EQ(writer.LastHeader(), 4);
}

TEST_F(InvtFile, AThirdPollLinksBackToTheSecond) {
  WritePoll({1});
  WritePoll({2, 3});
  WritePoll({});
  // 0 header, 1 item, 2 header, 3-4 items, 5 header (no items), 6 end.
  ASSERT_EQ(Bytes().size(), 7 * 60);
  EXPECT_EQ(Le(Record(0), 42, 4), 2);
  EXPECT_EQ(Le(Record(2), 38, 4), 0);
  EXPECT_EQ(Le(Record(2), 42, 4), 5);
  EXPECT_EQ(Le(Record(5), 38, 4), 2);
  EXPECT_EQ(Le(Record(5), 42, 4), 6);
  EXPECT_EQ(Le(Record(6), 38, 4), 5);
}

TEST_F(InvtFile, TextsAndSignedNumbersArePackedLittleEndian) {
  PolUpdtFl writer(Path());
  ASSERT_TRUE(writer.OpenPolUpdtFl());
  writer.PutPollHeader(Header(QStringLiteral("STORE-FRONT1")));
  writer.PutPollItem({-7, -1500, -250});
  writer.PutPollItem({999999999999999, 0, 0});
  writer.ClosePolUpdtFl();
  EXPECT_EQ(Record(0).mid(14, 9), QByteArray("\x08STORE-FR", 9)) << "the first 8 characters of a longer id";
  EXPECT_EQ(Record(1).mid(10, 16).toHex(' '), Hex("02 2D37 000000000000000000000000 00").toHex(' '));
  EXPECT_EQ(Record(1).mid(28, 16).toHex(' '), Hex("24FAFFFFFFFFFFFF 3CF6FFFFFFFFFFFF").toHex(' '));
  EXPECT_EQ(Record(2).mid(10, 16), QByteArray("\x0f" "999999999999999"));
}

TEST(InvtFileScale, DecimalsAreAddedOrRoundedAway) {
  const struct {
    int to, from;
    qint64 value, scaled;
  } cases[] = {{3, 2, 1234, 12340}, {3, 3, 2500, 2500}, {2, 3, 12345, 1235}, {2, 3, 12344, 1234}, {2, 3, -12345, -1235}, {5, 2, -3, -3000}};
  for (const auto& c : cases) EXPECT_EQ(ScaleDecimals(c.to, c.from, c.value), c.scaled) << c.value;
}

TEST_F(InvtFile, AnEmptyFileGetsAnEndRecordAndANameThatCannotBeOpenedFails) {
  Write({});
  PolUpdtFl writer(Path());
  ASSERT_TRUE(writer.OpenPolUpdtFl());
  writer.ClosePolUpdtFl();
  EXPECT_EQ(Bytes().toHex(' '), kEnd0.toHex(' '));

  for (const QString& name : {QString(), dir.filePath(QStringLiteral("missing/POLLS.DTA")), dir.path()}) {
    PolUpdtFl bad(name);
    EXPECT_FALSE(bad.OpenPolUpdtFl()) << name.toStdString();
    EXPECT_FALSE(bad.FileOpen());
  }
}

// Files the writer must not append to; each is refused at step 2001 and left as it was.
TEST_F(InvtFile, AFileThatDoesNotEndInAnEndRecordIsRefusedAndLeftAlone) {
  WritePoll({1234, 5});
  const QByteArray good = Bytes();
  QByteArray notInUse = good;
  notInUse[3 * 60] = 0;
  QByteArray headerLast = good.left(60);  // record 0 is a header, kind 1 and own number 0 too
  QByteArray itemLast = good.left(2 * 60);
  QByteArray pastTheEnd = good;
  pastTheEnd[3 * 60 + 38] = 3;  // names itself as the last header
  const struct {
    const char* name;
    QByteArray bytes;
    int result;
  } cases[] = {{"last record not in use", notInUse, EPolUpdtFl::kNotInUse},
               {"a poll header last", headerLast, EPolUpdtFl::kNotEndRecord},
               {"an item last", itemLast, EPolUpdtFl::kNotEndRecord},
               {"end record naming itself", pastTheEnd, EPolUpdtFl::kNotPollHeader},
               {"a part of a record", good + "xx", EPolUpdtFl::kPartialRecord}};
  for (const auto& c : cases) {
    Write(c.bytes);
    PolUpdtFl writer(Path());
    try {
      writer.OpenPolUpdtFl();
      ADD_FAILURE() << c.name << ": opened";
    } catch (const EPolUpdtFl& e) {
      EXPECT_EQ(e.Operation(), "GetPolUpdtFl") << c.name;
      EXPECT_EQ(e.Step(), 2001) << c.name;
      EXPECT_EQ(e.IoResult(), c.result) << c.name;
      EXPECT_TRUE(e.Message().contains(QStringLiteral("step 2001"))) << e.Message().toStdString();
    }
    EXPECT_FALSE(writer.FileOpen());
    EXPECT_EQ(Bytes(), c.bytes) << c.name;
  }
}

TEST_F(InvtFile, AnEndRecordThatDoesNotLeadToAPollHeaderStopsThePoll) {
  WritePoll({1234, 5});
  QByteArray bytes = Bytes();
  bytes[3 * 60 + 38] = 1;  // an item
  Write(bytes);
  PolUpdtFl writer(Path());
  ASSERT_TRUE(writer.OpenPolUpdtFl());
  try {
    writer.PutPollHeader(Header());
    ADD_FAILURE() << "appended after an item";
  } catch (const EPolUpdtFl& e) {
    EXPECT_EQ(e.Step(), 20001);
    EXPECT_EQ(e.IoResult(), EPolUpdtFl::kNotPollHeader);
  }
  EXPECT_EQ(Bytes(), bytes);
}

// Store and machine numbers are 16-bit in the file: a larger number is refused, never wrapped.
TEST_F(InvtFile, ValuesThatDoNotFitAreRefusedAndThePollIsTakenBack) {
  WritePoll({1});
  const QByteArray before = Bytes();
  const struct {
    const char* name;
    qint64 store, machine, zCounter, plu;
    const char* message;
  } cases[] = {{"store", 65536, 3, 41, 1, "Store Number 65536 cannot be written"},
               {"negative store", -1, 3, 41, 1, "Store Number -1 cannot be written"},
               {"machine", 12, 70000, 41, 1, "Machine Number 70000 cannot be written"},
               {"Z counter", 12, 3, 65536, 1, "Z Counter 65536"},
               {"PLU of 16 characters", 12, 3, 41, -100000000000000, "PLU number -100000000000000"}};
  for (const auto& c : cases) {
    PolUpdtFl writer(Path());
    ASSERT_TRUE(writer.OpenPolUpdtFl());
    InvtPollHeader header = Header();
    header.storeNumber = c.store;
    header.machineNumber = c.machine;
    header.zCounter = c.zCounter;
    try {
      writer.PutPollHeader(header);
      writer.PutPollItem({2, 1000, 100});
      writer.PutPollItem({c.plu, 1000, 100});
      writer.ClosePolUpdtFl();
      ADD_FAILURE() << c.name << " was written";
    } catch (const EInvtFileValue& e) {
      EXPECT_TRUE(e.Message().contains(QString::fromLatin1(c.message))) << e.Message().toStdString();
    }
    EXPECT_FALSE(writer.FileOpen());
    EXPECT_EQ(Bytes(), before) << c.name;
  }
}

// Whatever byte the device fails at, the file is byte for byte what it was before the poll.
TEST_F(InvtFile, AWriteFailureAtAnyByteLeavesTheFileAsItWas) {
  WritePoll({1, 2});
  WritePoll({3});
  const QByteArray before = Bytes();
  const qint64 pollBytes = 5 * 60;  // three items, the end record, the header
  for (qint64 budget = 0; budget < pollBytes; budget += 20) {
    FailingFile* device = nullptr;
    PolUpdtFl writer(Path(), [&](const QString& name) {
      auto file = std::make_unique<FailingFile>(name, budget);
      device = file.get();
      return file;
    });
    try {
      WritePoll(writer, {4, 5, 6});
      ADD_FAILURE() << "written with a budget of " << budget;
    } catch (const EPolUpdtFl& e) {
      EXPECT_EQ(e.Operation(), "PutPolUpdtFl");
      EXPECT_TRUE(e.Step() == 2005 || e.Step() == 2007 || e.Step() == 20003) << e.Step();
      EXPECT_FALSE(e.Message().contains(QStringLiteral("could not be put back"))) << e.Message().toStdString();
    }
    EXPECT_EQ(Bytes(), before) << "budget " << budget;
  }
  WritePoll({4});  // the file still takes polls
  EXPECT_EQ(Le(Record(5), 42, 4), 7);
}

TEST_F(InvtFile, AFailedPollInANewFileRemovesTheFile) {
  PolUpdtFl writer(Path(), [](const QString& name) { return std::make_unique<FailingFile>(name, 120); });
  EXPECT_THROW(WritePoll(writer, {1, 2, 3}), EPolUpdtFl);
  EXPECT_FALSE(QFile::exists(Path()));
}

TEST_F(InvtFile, AnAbandonedOrUnfinishedPollIsTakenBack) {
  WritePoll({1});
  const QByteArray before = Bytes();
  {
    PolUpdtFl writer(Path());
    ASSERT_TRUE(writer.OpenPolUpdtFl());
    EXPECT_TRUE(writer.FileOpen());
    EXPECT_FALSE(writer.HeaderWritten());
    writer.PutPollHeader(Header());
    EXPECT_TRUE(writer.HeaderWritten());
    writer.PutPollItem({2, 1000, 100});
    writer.Abandon();
    EXPECT_FALSE(writer.FileOpen());
    EXPECT_FALSE(writer.HeaderWritten());
  }
  EXPECT_EQ(Bytes(), before);
  {
    PolUpdtFl writer(Path());
    ASSERT_TRUE(writer.OpenPolUpdtFl());
    writer.PutPollHeader(Header());
    writer.PutPollItem({2, 1000, 100});
  }
  EXPECT_EQ(Bytes(), before);
}

// tests/data/invfile/TwoPolls.DTA is a two-poll file for readers written apart from this
// writer: records 0 header (store 12, machine 3, "REG1", 3/3/2026, 4/3/2026 10:30, Z 41,
// previous 0, next 4), 1-3 items (PLU 1234: 2500, 12340; PLU 5: 1000, 1990; PLU -7: -1500,
// -2500), 4 header (store 65535, machine 0, "FRONT CO", 31/12/2026, 1/1/2027 23:59, Z 0,
// previous 0, next 6), 5 item (PLU 999999999999999: 1, 10), 6 end record (previous 4).
// TB_UPDATE_FIXTURES=1 writes it afresh.
TEST_F(InvtFile, TheTwoPollFixtureForOtherReadersIsWhatTheWriterWrites) {
  PolUpdtFl writer(Path());
  ASSERT_TRUE(writer.OpenPolUpdtFl());
  writer.PutPollHeader(Header());
  writer.PutPollItem({1234, 2500, 1234});
  writer.PutPollItem({5, 1000, 199});
  writer.PutPollItem({-7, -1500, -250});
  writer.ClosePolUpdtFl();
  InvtPollHeader second;
  second.storeNumber = 65535;
  second.machineId = QStringLiteral("FRONT COUNTER");
  second.ecrDate = QDate(2026, 12, 31);
  second.pollDate = QDate(2027, 1, 1);
  second.pollTime = QTime(23, 59);
  ASSERT_TRUE(writer.OpenPolUpdtFl());
  writer.PutPollHeader(second);
  writer.PutPollItem({999999999999999, 1, 1});
  writer.ClosePolUpdtFl();

  const QString fixture = TestSupport::DataPath(QStringLiteral("invfile/TwoPolls.DTA"));
  if (qEnvironmentVariableIntValue("TB_UPDATE_FIXTURES") == 1) TestSupport::WriteFile(fixture, Bytes());
  EXPECT_EQ(Bytes().toHex(' '), TestSupport::ReadFile(fixture).toHex(' '));
  EXPECT_EQ(Bytes().size(), 7 * 60);
  EXPECT_EQ(Le(Record(6), 38, 4), 4);
}
