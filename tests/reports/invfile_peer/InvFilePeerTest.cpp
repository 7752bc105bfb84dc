// The independent reader of the inventory poll-update file, over hand-built files: the
// format's examples walk with every field and link in place; every broken field, link and
// record kind is refused with a message that names the record and the offset.
#include "InvFileFixture.h"
#include "InvFilePeer.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <functional>

using namespace InvFileFixture;
using InvFilePeer::EMalformed;
using InvFilePeer::WalkBytes;

namespace {

// The message of the refusal, or "accepted".
std::string Refusal(const QByteArray& bytes) {
  try {
    WalkBytes(bytes);
    return "accepted";
  } catch (const EMalformed& e) {
    return e.what();
  }
}

} // namespace

// The builder's records byte for byte against records written out by hand from the layout
// tables, so that the builder does not carry a misreading into every other test.
TEST(InvFilePeer, BuilderMatchesRecordsWrittenOutByHand) {
  HeaderValues v;
  v.machineId = "AB";
  EXPECT_EQ(HeaderRecord(0, 0, 4, v).toHex(' '),
            TestSupport::Hex("01 00000000 00000000 01 0700 0300 02 4142 000000000000 0503E807 0603E807 "
                             "0E 07 01 2C01 0100 00000000 04000000 0000000000000000000000000000")
                .toHex(' '));
  EXPECT_EQ(ItemRecord(1, "4711", 1, 2500, 12340).toHex(' '),
            TestSupport::Hex("01 01000000 00000000 00 04 34373131 0000000000000000000000 0100 "
                             "C409000000000000 3430000000000000 E803000000000000 E803000000000000")
                .toHex(' '));
  EXPECT_EQ(EndRecord(4).toHex(' '),
            TestSupport::Hex("01 00000000 00000000 01 00000000000000000000000000000000000000000000000000000000 "
                             "04000000 000000000000000000000000000000000000")
                .toHex(' '));
}

// One poll of three items written into a new file: five records, header at 0 (previous 0,
// next 4), items 1 to 3 numbered 1 to 3, end record 4 pointing back to 0.
TEST(InvFilePeer, WalksOnePollOfThreeItems) {
  const InvFilePeer::Walk walk = WalkBytes(OnePollFile());
  EXPECT_EQ(walk.recordCount, 5);
  ASSERT_EQ(walk.polls.size(), 1);
  const InvFilePeer::Header& h = walk.polls[0];
  EXPECT_EQ(h.record, 0);
  EXPECT_EQ(h.previous, 0);
  EXPECT_EQ(h.next, 4);
  EXPECT_EQ(h.storeNumber, 7);
  EXPECT_EQ(h.machineNumber, 3);
  EXPECT_EQ(h.machineId, QByteArray("REG1"));
  EXPECT_EQ(h.ecrDate.day, 5);
  EXPECT_EQ(h.ecrDate.month, 3);
  EXPECT_EQ(h.ecrDate.year, 2024);
  EXPECT_EQ(h.pollDate.day, 6);
  EXPECT_EQ(h.hour, 14);
  EXPECT_EQ(h.minute, 7);
  EXPECT_EQ(h.zCounter, 300);
  ASSERT_EQ(h.items.size(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(h.items[i].record, i + 1);
    EXPECT_EQ(h.items[i].itemNumber, i + 1);
    EXPECT_EQ(h.items[i].quantityScale, 1000);
    EXPECT_EQ(h.items[i].amountScale, 1000);
  }
  EXPECT_EQ(h.items[0].plu, 4711);
  EXPECT_EQ(h.items[0].quantity, 2500);
  EXPECT_EQ(h.items[0].amount, 12340);
  EXPECT_EQ(h.items[2].plu, -5);
  EXPECT_EQ(h.items[2].quantity, -3000);
  EXPECT_EQ(walk.end.record, 4);
  EXPECT_EQ(walk.end.lastHeader, 0);
}

// A second poll of one item appended: its header replaces the end record at 4 (previous 0,
// next 6), header 0 now points to 4, the item is 5 with item number 1 again, end record 6.
TEST(InvFilePeer, WalksTwoPollsWithTheirChain) {
  const InvFilePeer::Walk walk = WalkBytes(TwoPollFile());
  EXPECT_EQ(walk.recordCount, 7);
  ASSERT_EQ(walk.polls.size(), 2);
  EXPECT_EQ(walk.polls[0].next, 4);
  EXPECT_EQ(walk.polls[1].record, 4);
  EXPECT_EQ(walk.polls[1].previous, 0);
  EXPECT_EQ(walk.polls[1].next, 6);
  EXPECT_EQ(walk.polls[1].machineId, QByteArray("TILL0002"));
  ASSERT_EQ(walk.polls[1].items.size(), 1);
  EXPECT_EQ(walk.polls[1].items[0].record, 5);
  EXPECT_EQ(walk.polls[1].items[0].itemNumber, 1);
  EXPECT_EQ(walk.polls[1].items[0].plu, 99999999999999LL);
  EXPECT_EQ(walk.end.record, 6);
  EXPECT_EQ(walk.end.lastHeader, 4);
}

// The third poll links back to the second, not to the first header at record 0.
TEST(InvFilePeer, WalksAThirdPollLinkedBackToTheSecond) {
  const InvFilePeer::Walk walk = WalkBytes(ThreePollFile());
  ASSERT_EQ(walk.polls.size(), 3);
  EXPECT_EQ(walk.polls[1].next, 6);
  EXPECT_EQ(walk.polls[2].record, 6);
  EXPECT_EQ(walk.polls[2].previous, 4);
  EXPECT_EQ(walk.polls[2].next, 8);
  EXPECT_EQ(walk.end.lastHeader, 6);
}

TEST(InvFilePeer, WalksFilesOfNoPollAndOfPollsWithoutItems) {
  const InvFilePeer::Walk empty = WalkBytes(EndRecord(0));
  EXPECT_EQ(empty.recordCount, 1);
  EXPECT_TRUE(empty.polls.isEmpty());
  EXPECT_EQ(empty.end.record, 0);

  // A poll whose every PLU line had quantity 0: a header and no item, first and in the middle.
  const InvFilePeer::Walk bare =
      WalkBytes(HeaderRecord(0, 0, 1) + HeaderRecord(1, 0, 3) + ItemRecord(2, "1", 1, 1000, 100) + EndRecord(1));
  ASSERT_EQ(bare.polls.size(), 2);
  EXPECT_TRUE(bare.polls[0].items.isEmpty());
  EXPECT_EQ(bare.polls[1].items.size(), 1);
}

// Values at the edges of what the fields hold are read, not refused.
TEST(InvFilePeer, ReadsFieldsAtTheirLimits) {
  HeaderValues v;
  v.store = 65535;
  v.machine = 0;
  v.machineId = "ABCDEFGH";
  v.ecrDay = v.ecrMonth = v.ecrYear = 0;  // a poll without a register date
  v.pollDay = 29, v.pollMonth = 2, v.pollYear = 2024;
  v.hour = 23, v.minute = 59;
  v.zCounter = 65535;
  const QByteArray file = HeaderRecord(0, 0, 3, v) + ItemRecord(1, "-99999999999999", 1, -1, -10) +
                          ItemRecord(2, "0", 2, 0, 0) + EndRecord(0);
  const InvFilePeer::Walk walk = WalkBytes(file);
  const InvFilePeer::Header& h = walk.polls[0];
  EXPECT_EQ(h.storeNumber, 65535);
  EXPECT_EQ(h.zCounter, 65535);
  EXPECT_EQ(h.machineId, QByteArray("ABCDEFGH"));
  EXPECT_TRUE(h.ecrDate.IsEmpty());
  EXPECT_EQ(h.items[0].plu, -99999999999999LL);
  EXPECT_EQ(h.items[0].quantity, -1);
  EXPECT_EQ(h.items[1].plu, 0);
}

struct BadFile {
  const char* name;
  std::function<QByteArray()> make;
  const char* message;
};

// Each case breaks one thing of a well-formed file; the reader must refuse it and say where.
const BadFile kBadFiles[] = {
    {"empty file", [] { return QByteArray(); }, "the file holds no record, so it has no end record"},
    {"partial record", [] { return TwoPollFile() + '\1'; }, "the file length 421 is not a whole number of 60-byte records (1 bytes over)"},
    {"record not in use", [] { auto f = TwoPollFile(); Put(f, 2, 0, 1, 0); return f; }, "record 2 (item), offset 0: record not in use: byte 0 is 0, expected 1"},
    {"bad kind", [] { auto f = TwoPollFile(); Put(f, 5, 9, 1, 2); return f; }, "record 5 (kind 2), offset 9: bad kind 2"},
    {"reserved bytes", [] { auto f = TwoPollFile(); Put(f, 1, 6, 1, 9); return f; }, "record 1 (item), offset 6: reserved bytes 5 to 8 must be 0, byte 6 is 9"},
    {"header own number", [] { auto f = TwoPollFile(); Put(f, 4, 1, 4, 5); return f; }, "record 4 (poll header), offset 1: own number 5, expected 4"},
    {"item own number", [] { auto f = TwoPollFile(); Put(f, 5, 1, 4, 0); return f; }, "record 5 (item), offset 1: own number 0, expected 5"},
    {"end record own number", [] { auto f = TwoPollFile(); Put(f, 6, 1, 4, 6); return f; }, "record 6 (last record), offset 1: the last record is no end record: byte 1 is 6, expected 0"},
    {"end record with a forward link", [] { auto f = TwoPollFile(); Put(f, 6, 42, 4, 6); return f; }, "record 6 (last record), offset 42: the last record is no end record: byte 42 is 6"},
    {"end record missing", [] { return TwoPollFile().left(6 * 60); }, "record 5 (item): the file has no end record: its last record is an item"},
    {"last record a header", [] { return TwoPollFile().left(5 * 60); }, "record 4 (last record): the file has no end record: its last record is a poll header"},
    // An append that stopped after its header and first item: header 0 already points to 4.
    {"append stopped midway", [] { return OnePollFile().left(4 * 60) + HeaderRecord(4, 0, 0) + ItemRecord(5, "1", 1, 1000, 10); },
     "record 5 (item): the file has no end record"},
    {"end record before the last record", [] { return EndRecord(0) + EndRecord(0); }, "record 0: an end record stands before the last record (1) of the file"},
    {"item before any header", [] { return ItemRecord(0, "1", 1, 1000, 10) + EndRecord(0); }, "record 0 (item): an item with no poll header before it"},
    {"next link past the file", [] { auto f = TwoPollFile(); Put(f, 0, 42, 4, 9); return f; }, "record 0 (poll header), offset 42: dangling next link 9: it points past the file (7 records); expected 4, the next poll header"},
    {"next link negative", [] { auto f = TwoPollFile(); Put(f, 0, 42, 4, -1); return f; }, "dangling next link -1: it points past the file"},
    {"next link to an item", [] { auto f = TwoPollFile(); Put(f, 0, 42, 4, 2); return f; }, "record 0 (poll header), offset 42: dangling next link 2: it points to an item; expected 4"},
    {"next link skips a poll", [] { auto f = TwoPollFile(); Put(f, 0, 42, 4, 6); return f; }, "dangling next link 6: it points to the end record; expected 4, the next poll header"},
    {"last header not linked to the end", [] { auto f = TwoPollFile(); Put(f, 4, 42, 4, 0); return f; }, "record 4 (poll header), offset 42: dangling next link 0: it points to a poll header; expected 6, the end record"},
    {"previous link wrong", [] { auto f = TwoPollFile(); Put(f, 4, 38, 4, 4); return f; }, "record 4 (poll header), offset 38: dangling previous link 4: it points to a poll header; expected 0, the previous poll header"},
    {"third header linked back to the first", [] { auto f = ThreePollFile(); Put(f, 6, 38, 4, 0); return f; }, "record 6 (poll header), offset 38: dangling previous link 0: it points to a poll header; expected 4, the previous poll header"},
    {"first header with a previous link", [] { auto f = TwoPollFile(); Put(f, 0, 38, 4, 4); return f; }, "record 0 (poll header), offset 38: dangling previous link 4: it points to a poll header; expected 0, as for the first poll"},
    {"end record's backward link wrong", [] { auto f = TwoPollFile(); Put(f, 6, 38, 4, 0); return f; }, "record 6 (end record), offset 38: dangling last-header link 0: it points to a poll header; expected 4, the last poll header"},
    {"empty file's end record linked", [] { return EndRecord(3); }, "record 0 (end record), offset 38: dangling last-header link 3: it points past the file (1 records); expected 0, as the file holds no poll"},
    {"machine id too long", [] { auto f = TwoPollFile(); Put(f, 0, 14, 1, 9); return f; }, "record 0 (poll header), offset 14: Machine Id length byte 9 is over its maximum of 8"},
    {"machine id not zero-filled", [] { auto f = TwoPollFile(); Put(f, 0, 19, 1, 'X'); return f; }, "record 0 (poll header), offset 19: Machine Id of length 4 is not zero-filled: byte 19 is 88"},
    {"plu text too long", [] { auto f = TwoPollFile(); Put(f, 1, 10, 1, 16); return f; }, "record 1 (item), offset 10: PLU number length byte 16 is over its maximum of 15"},
    {"plu text not zero-filled", [] { auto f = TwoPollFile(); Put(f, 1, 25, 1, '7'); return f; }, "record 1 (item), offset 25: PLU number of length 4 is not zero-filled: byte 25 is 55"},
    {"plu text empty", [] { auto f = TwoPollFile(); PutText(f, 3, 10, QByteArray(3, '\0')); return f; }, "record 3 (item), offset 11: PLU number text \"\" is not a whole number in decimal digits"},
    {"plu text not digits", [] { auto f = TwoPollFile(); Put(f, 1, 12, 1, 'A'); return f; }, "PLU number text \"4A11\" is not a whole number"},
    {"plu text with a leading zero", [] { auto f = TwoPollFile(); Put(f, 1, 11, 1, '0'); return f; }, "PLU number text \"0711\" is not a whole number"},
    {"plu text minus zero", [] { auto f = TwoPollFile(); Put(f, 3, 12, 1, '0'); return f; }, "PLU number text \"-0\" is not a whole number"},
    {"item number skipped", [] { auto f = TwoPollFile(); Put(f, 2, 26, 2, 3); return f; }, "record 2 (item), offset 26: item number (the items of a poll count 1, 2, 3 from its header) is 3, expected 2"},
    {"item number not restarted", [] { auto f = TwoPollFile(); Put(f, 5, 26, 2, 4); return f; }, "record 5 (item), offset 26: item number (the items of a poll count 1, 2, 3 from its header) is 4, expected 1"},
    {"quantity scale", [] { auto f = TwoPollFile(); Put(f, 3, 44, 8, 100); return f; }, "record 3 (item), offset 44: quantity scale is 100, expected 1000"},
    {"amount scale", [] { auto f = TwoPollFile(); Put(f, 3, 52, 8, 100); return f; }, "record 3 (item), offset 52: amount scale is 100, expected 1000"},
    {"amount finer than hundredths", [] { auto f = TwoPollFile(); Put(f, 1, 36, 8, 12345); return f; }, "record 1 (item), offset 36: amount 12345 thousandths is not a whole number of hundredths"},
    {"byte 33 not 1", [] { auto f = TwoPollFile(); Put(f, 0, 33, 1, 0); return f; }, "record 0 (poll header), offset 33: byte 33 is 0, expected 1"},
    {"bytes 36 to 37 not 1", [] { auto f = TwoPollFile(); Put(f, 4, 36, 2, 0x0101); return f; }, "record 4 (poll header), offset 36: bytes 36 to 37 is 257, expected 1"},
    {"header tail not 0", [] { auto f = TwoPollFile(); Put(f, 0, 59, 1, 1); return f; }, "record 0 (poll header), offset 59: bytes 46 to 59 must be 0, byte 59 is 1"},
    {"register month 13", [] { auto f = TwoPollFile(); Put(f, 0, 24, 1, 13); return f; }, "record 0 (poll header), offset 23: register date 5/13/2024 (day/month/year) is not a date"},
    {"poll date 31 February", [] { auto f = TwoPollFile(); Put(f, 4, 27, 1, 31); Put(f, 4, 28, 1, 2); return f; }, "record 4 (poll header), offset 27: poll date 31/2/2024 (day/month/year) is not a date"},
    {"two-digit year", [] { auto f = TwoPollFile(); Put(f, 0, 29, 2, 24); return f; }, "record 0 (poll header), offset 29: poll date has year 24, not a four-digit year"},
    {"hour 24", [] { auto f = TwoPollFile(); Put(f, 0, 31, 1, 24); return f; }, "record 0 (poll header), offset 31: poll hour 24 is past 23"},
    {"minute 60", [] { auto f = TwoPollFile(); Put(f, 4, 32, 1, 60); return f; }, "record 4 (poll header), offset 32: poll minute 60 is past 59"},
};

TEST(InvFilePeer, RefusesEveryBrokenFieldLinkAndRecord) {
  ASSERT_EQ(Refusal(TwoPollFile()), "accepted");
  for (const BadFile& bad : kBadFiles) {
    SCOPED_TRACE(bad.name);
    EXPECT_NE(Refusal(bad.make()).find(bad.message), std::string::npos)
        << "got: " << Refusal(bad.make()) << "\nwanted: " << bad.message;
  }
}

TEST(InvFilePeer, PrintsTheWalkOneLinePerRecord) {
  EXPECT_EQ(InvFilePeer::WalkText(WalkBytes(TwoPollFile())).toStdString(),
            "7 records, 2 polls\n"
            "record 0 poll header: store 7, machine 3, id \"REG1\", register date 2024-03-05, "
            "poll date 2024-03-06 14:07, z counter 300, previous 0, next 4\n"
            "record 1 item 1: plu \"4711\", quantity 2500/1000, amount 12340/1000\n"
            "record 2 item 2: plu \"12\", quantity 1000/1000, amount 990/1000\n"
            "record 3 item 3: plu \"-5\", quantity -3000/1000, amount -4500/1000\n"
            "record 4 poll header: store 7, machine 3, id \"TILL0002\", register date 2024-03-05, "
            "poll date 2024-03-07 09:00, z counter 301, previous 0, next 6\n"
            "record 5 item 1: plu \"99999999999999\", quantity 125/1000, amount 70/1000\n"
            "record 6 end record: last header 4\n");
  HeaderValues odd;
  odd.machineId = QByteArray("A\"\x01\xE9", 4);
  odd.ecrDay = odd.ecrMonth = odd.ecrYear = 0;
  const QString text = InvFilePeer::WalkText(WalkBytes(HeaderRecord(0, 0, 1, odd) + EndRecord(0)));
  EXPECT_TRUE(text.contains(QStringLiteral("id \"A\\x22\\x01\\xe9\", register date none,"))) << text.toStdString();
}

class InvFilePeerOnDisk : public ::testing::Test {
protected:
  QString Write(const QByteArray& bytes) {
    const QString path = dir_.filePath(QStringLiteral("POLUPDT.DTA"));
    TestSupport::WriteFile(path, bytes);
    return path;
  }
  QTemporaryDir dir_;
};

TEST_F(InvFilePeerOnDisk, CheckGivesTheWalkOrTheReason) {
  QString text = QStringLiteral("stale");
  EXPECT_EQ(InvFilePeerCheck(Write(TwoPollFile()), &text), std::nullopt);
  EXPECT_EQ(text, InvFilePeer::WalkText(WalkBytes(TwoPollFile())));

  const std::optional<QString> refused = InvFilePeerCheck(Write(OnePollFile().left(240)), &text);
  ASSERT_TRUE(refused.has_value());
  EXPECT_EQ(refused->toStdString(), "record 3 (item): the file has no end record: its last record is an item");
  EXPECT_TRUE(text.isEmpty());

  const std::optional<QString> missing = InvFilePeerCheck(dir_.filePath(QStringLiteral("NONE.DTA")));
  ASSERT_TRUE(missing.has_value());
  EXPECT_TRUE(missing->startsWith(QStringLiteral("cannot read "))) << missing->toStdString();
}

TEST_F(InvFilePeerOnDisk, ProgramPrintsTheWalkAndFailsOnABrokenFile) {
  struct Run {
    int exitCode;
    QByteArray out, err;
  };
  const auto run = [](const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(INVFILE_PEER_PROGRAM), args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return Run{p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
  };
  const Run good = run({Write(TwoPollFile())});
  EXPECT_EQ(good.exitCode, 0);
  EXPECT_EQ(QString::fromUtf8(good.out), InvFilePeer::WalkText(WalkBytes(TwoPollFile())));

  auto broken = TwoPollFile();
  Put(broken, 0, 42, 4, 2);
  const Run bad = run({Write(broken)});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_TRUE(bad.out.isEmpty());
  EXPECT_TRUE(bad.err.contains("dangling next link 2")) << bad.err.toStdString();

  EXPECT_EQ(run({}).exitCode, 2);
}
