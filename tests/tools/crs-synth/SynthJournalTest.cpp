// The electronic journal: items as the register writes them, the rows a decoder stores for
// them, and the same rows wherever the register cuts its blocks.
#include "SynthTestSupport.h"

#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthFrame.h"
#include "crs-synth/SynthJournal.h"
#include "crs-synth/SynthReader.h"

#include "TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace SynthTestSupport;
using TestSupport::Hex;

namespace {
const QString kEj = QStringLiteral("ej");
const QString kTable = QStringLiteral("tEcrRptCrs3000Ej");

QList<QByteArray> DataBlocks(const SynthAnswer& answer) {
  QList<QByteArray> data;
  for (int k = 1; k < answer.blocks.size(); ++k) data << Data(answer, k);
  return data;
}

SynthRequest Journal(const QStringList& entries, const SynthJournal::Cutting& cutting = {}) {
  QStringList sets;
  for (int i = 0; i < entries.size(); ++i) sets << QStringLiteral("%1:Entry=%2").arg(i + 1).arg(entries[i]);
  SynthRequest request = Request(kEj, int(entries.size()), sets);
  request.cutting = cutting;
  return request;
}

// Entries that try the carry: the longest item, one past the column, the skipped one, an
// empty one and control characters.
const QStringList kMixed{QStringLiteral("FIRST LINE"),
                         QString(252, QLatin1Char('L')),
                         QStringLiteral("\\r\\r\\r"),
                         QString(),
                         QStringLiteral("TAB\\tBEL\\x07US\\x1f"),
                         QString(45, QLatin1Char('W')),
                         QStringLiteral("AB"),
                         QString(100, QLatin1Char('M')),
                         QStringLiteral("LAST")};

int StreamLength(const SynthAnswer& answer) {
  int length = 0;
  for (const QByteArray& data : DataBlocks(answer)) length += int(data.size());
  return length - 4; // the end marker of the last block and its two filler bytes
}

TEST(SynthJournal, TheHelloItemAndItsEndMarker) {
  const SynthAnswer answer = Make(Journal({QStringLiteral("HELLO")}));
  EXPECT_EQ(answer.code, 96);
  ASSERT_EQ(answer.blocks.size(), 2);
  const QByteArray data = Data(answer, 1);
  ASSERT_EQ(data.size(), 13);
  EXPECT_EQ(data.left(7), Hex("07 00 48 45 4C 4C 4F"));
  EXPECT_EQ(data.mid(9, 2), Hex("FF 00"));
  EXPECT_EQ(Rows(answer, kTable), QStringList({"Memory Number=1\tEntry=HELLO"}));
  EXPECT_TRUE(TableLine(answer, kTable).contains(QLatin1String("\tclass=tEcrRptCrs3000Ej\treport=Electronic Journal\t")));
  // The bytes of the example, with its own x, y and filler, read as the same entry.
  const QList<QByteArray> example{SynthFrame::Stored(0, 1, Hex("07 00 48 45 4C 4C 4F 78 79 FF 00 00 00"))};
  EXPECT_EQ(SynthReader::Expectations(kEj, QList<QByteArray>{answer.blocks[0]} + example), answer.expectations);
}

TEST(SynthJournal, HeaderRowHoldsTheJournalsOwnValues) {
  SynthRequest request = Journal({QStringLiteral("X")});
  request.header.append({QStringLiteral("Z Counter"), QStringLiteral("-123")});
  EXPECT_EQ(Make(request).expectations.first(),
            QStringLiteral("header\tPoll Type=E.J.\tPolled Area=E.J.\tZ Counter=0\tMisc Info 1=0\tMisc Info 2=0\t"
                           "Misc Info 3=0\tMisc Data 1=0"));
}

TEST(SynthJournal, TheEntriesADecoderStores) {
  const struct {
    QString chosen;
    QString entry; // empty: no row
  } cases[] = {
      {QStringLiteral("AB\\tC"), QStringLiteral("ABC")},
      {QStringLiteral("\\x1fUS"), QString(QChar(31)) + QStringLiteral("US")},
      {QStringLiteral("\\x00\\x01\\x1e\\rX\\n"), QStringLiteral("X")},
      {QString(45, QLatin1Char('A')), QString(40, QLatin1Char('A'))},
      {QStringLiteral("\\t\\t") + QString(40, QLatin1Char('B')), QString(40, QLatin1Char('B'))},
      {QStringLiteral("\\r\\r"), QString()},
      {QStringLiteral("\\r\\r\\r\\r"), QString()},
      {QStringLiteral("caf\u00e9 \\\\ 5=5"), QStringLiteral("caf\u00e9 \\ 5=5")},
  };
  for (const auto& c : cases) {
    const QStringList rows = Rows(Make(Journal({c.chosen, QStringLiteral("NEXT")})), kTable);
    ASSERT_EQ(rows.size(), 2) << c.chosen.toStdString();
    EXPECT_EQ(rows[0], QStringLiteral("Memory Number=1\tEntry=") + c.entry) << c.chosen.toStdString();
    EXPECT_EQ(rows[1], QStringLiteral("Memory Number=2\tEntry=NEXT"));
  }
}

TEST(SynthJournal, ThreeCarriageReturnsStoreNoRowAndTakeNoNumber) {
  const SynthAnswer answer = Make(Journal({QStringLiteral("A"), QStringLiteral("\\r\\r\\r"), QStringLiteral("B")}));
  EXPECT_EQ(Data(answer, 1).mid(5, 5), Hex("05 00 0D 0D 0D"));
  EXPECT_EQ(Rows(answer, kTable), QStringList({"Memory Number=1\tEntry=A", "Memory Number=2\tEntry=B"}));
}

TEST(SynthJournal, TheLongestItemIsTheRecordSize) {
  const SynthAnswer answer = Make(Journal({QString(252, QLatin1Char('Z'))}));
  EXPECT_EQ(Data(answer, 1).left(2), Hex("FE 00"));
  EXPECT_EQ(Data(answer, 1).size(), 256 + 4);
  EXPECT_THROW(Make(Journal({QString(253, QLatin1Char('Z'))})), SynthValueError);
}

TEST(SynthJournal, EveryCutIntoTwoAndThreeBlocksGivesTheSameRows) {
  const SynthAnswer whole = Make(Journal(kMixed));
  const QStringList rows = Rows(whole, kTable);
  ASSERT_EQ(rows.size(), 8);
  const int length = StreamLength(whole);
  ASSERT_EQ(length, 10 + 252 + 3 + 0 + 11 + 45 + 2 + 100 + 4 + 4 * 9);
  for (int p = 1; p < length; ++p) {
    for (int q : {0, p + 1, p + 2, p + 3, p + 4, p + 255, p + 258}) {
      if (q >= length) continue;
      SynthJournal::Cutting cutting;
      cutting.at = q ? QList<int>{p, q} : QList<int>{p};
      const SynthAnswer answer = Make(Journal(kMixed, cutting));
      ASSERT_EQ(answer.blocks.size(), q ? 4 : 3);
      ASSERT_EQ(Rows(answer, kTable), rows) << p << " " << q;
      ASSERT_EQ(SynthReader::Expectations(kEj, answer.blocks), answer.expectations) << p << " " << q;
    }
  }
}

TEST(SynthJournal, EndMarkersCloseBlocksThatEndBetweenItems) {
  // "FIRST LINE" is an item of 14 bytes: a cut at 14 ends block 2 between items.
  for (int pad : {0, 1, 2}) {
    SynthJournal::Cutting cutting;
    cutting.at = {14, 20};
    cutting.markers = SynthJournal::Markers::Boundaries;
    cutting.markerPad = pad;
    const SynthAnswer answer = Make(Journal(kMixed, cutting));
    const QByteArray block2 = Data(answer, 1);
    ASSERT_EQ(block2.size(), 14 + 2 + pad);
    EXPECT_EQ(block2.mid(14, 2), Hex("FF 00")) << pad; // two or three bytes left: ends this block only
    EXPECT_EQ(Data(answer, 2).size(), 6) << pad; // cut inside the longest item: no marker
    EXPECT_EQ(Rows(answer, kTable), Rows(Make(Journal(kMixed)), kTable)) << pad;
    EXPECT_EQ(SynthReader::Expectations(kEj, answer.blocks), answer.expectations) << pad;
  }
  SynthJournal::Cutting none;
  none.markers = SynthJournal::Markers::None;
  const SynthAnswer bare = Make(Journal({QStringLiteral("HELLO")}, none));
  EXPECT_EQ(Data(bare, 1).size(), 9);
  EXPECT_EQ(Rows(bare, kTable), QStringList({"Memory Number=1\tEntry=HELLO"}));
}

TEST(SynthJournal, AMarkerAfterEveryBoundaryCutEndsThatBlockOnly) {
  const SynthAnswer whole = Make(Journal(kMixed));
  const QStringList rows = Rows(whole, kTable);
  const int length = StreamLength(whole);
  int marked = 0;
  for (int pad : {0, 1}) {
    for (int p = 1; p < length; ++p) {
      SynthJournal::Cutting cutting;
      cutting.at = {p};
      cutting.markers = SynthJournal::Markers::Boundaries;
      cutting.markerPad = pad;
      const SynthAnswer answer = Make(Journal(kMixed, cutting));
      marked += Data(answer, 1).size() == p + 2 + pad;
      ASSERT_EQ(Rows(answer, kTable), rows) << p << " " << pad;
      ASSERT_EQ(SynthReader::Expectations(kEj, answer.blocks), answer.expectations) << p << " " << pad;
    }
  }
  EXPECT_EQ(marked, 2 * 8); // the eight boundaries inside the stream, each with either pad
}

TEST(SynthJournal, ReaderStopsABlockAtItsMarkerAndCarriesACutItem) {
  const QByteArray hello = Hex("07 00 48 45 4C 4C 4F 78 79");
  // What follows a marker is no entry; the next block starts afresh.
  EXPECT_EQ(SynthJournal::Read({hello + Hex("FF 00 05 00 41"), Hex("05 00 42 43 44 78 79")}),
            QList<QByteArray>({"HELLO", "BCD"}));
  // A marker in the last two bytes is not carried into the next block.
  EXPECT_EQ(SynthJournal::Read({hello + Hex("FF 00"), hello}), QList<QByteArray>({"HELLO", "HELLO"}));
  // One, two or three bytes of an item are carried, as is an item cut after its length.
  for (int cut = 1; cut < hello.size(); ++cut)
    EXPECT_EQ(SynthJournal::Read({hello.left(cut), hello.mid(cut) + Hex("FF 00")}), QList<QByteArray>({"HELLO"})) << cut;
  EXPECT_EQ(SynthJournal::Read({hello.left(4)}), QList<QByteArray>());
  EXPECT_THROW(SynthJournal::Read({Hex("01 00 41 42 43")}), SynthFileError);
  EXPECT_THROW(SynthJournal::Read({Hex("02 01 41 42 43")}), SynthFileError);
}

TEST(SynthJournal, NumberingRunsPast32767Entries) {
  QStringList entries;
  for (int i = 0; i < 33000; ++i) entries << QStringLiteral("E%1").arg(i % 10);
  const SynthAnswer answer = Make(Journal(entries));
  EXPECT_GT(answer.blocks.size(), 2);
  const QStringList rows = Rows(answer, kTable);
  ASSERT_EQ(rows.size(), 33000);
  EXPECT_EQ(rows[32767], QStringLiteral("Memory Number=32768\tEntry=E7"));
  EXPECT_EQ(Field(rows.last(), QStringLiteral("Memory Number")), QStringLiteral("33000"));
  EXPECT_EQ(SynthReader::Expectations(kEj, answer.blocks), answer.expectations);
}

TEST(SynthJournal, SeededEntriesTryEveryKindTheDecoderMeets) {
  bool empty = false, skipped = false, longest = false, beyondColumn = false, control = false, unit = false;
  for (quint64 seed = 1; seed <= 3; ++seed) {
    const SynthAnswer answer = Make(kEj, -1, {}, seed);
    for (const QByteArray& text : SynthJournal::Read(DataBlocks(answer))) {
      empty |= text.isEmpty();
      skipped |= text == "\r\r\r";
      longest |= text.size() == SynthJournal::kLongestText;
      beyondColumn |= text.size() > 40 && text.size() < SynthJournal::kLongestText;
      for (const char c : text) {
        control |= quint8(c) < 31 && text != "\r\r\r";
        unit |= quint8(c) == 31;
      }
    }
    EXPECT_GT(answer.blocks.size(), 2) << "the default answer crosses a block";
    EXPECT_EQ(SynthReader::Expectations(kEj, answer.blocks), answer.expectations) << seed;
  }
  EXPECT_TRUE(empty && skipped && longest && beyondColumn && control && unit);
}

TEST(SynthJournal, RefusesWhatNoAnswerHolds) {
  SynthJournal::Cutting backwards;
  backwards.at = {20, 10};
  EXPECT_THROW(Make(Journal(kMixed, backwards)), SynthValueError);
  SynthJournal::Cutting past;
  past.at = {5000};
  EXPECT_THROW(Make(Journal(kMixed, past)), SynthValueError);
  SynthJournal::Cutting large;
  large.size = 5000;
  EXPECT_THROW(Make(Journal(QStringList(30, QString(200, QLatin1Char('A'))), large)), SynthValueError);
  SynthJournal::Cutting pad;
  pad.markerPad = 17;
  EXPECT_THROW(Make(Journal(kMixed, pad)), SynthValueError);
  EXPECT_THROW(Make(Journal({QStringLiteral("\\x4")})), SynthValueError);
  EXPECT_THROW(Make(Journal({QStringLiteral("\\q")})), SynthValueError);
  EXPECT_THROW(Make(Journal({QStringLiteral("\u20ac")})), SynthValueError);
  EXPECT_THROW(Make(kEj, 2, {QStringLiteral("Text=A")}), SynthValueError);
  EXPECT_THROW(Make(kEj, 2, {QStringLiteral("3:Entry=A")}), SynthValueError);
  SynthRequest perBlock = Request(kEj, 2);
  perBlock.perBlock = 1;
  EXPECT_THROW(Make(perBlock), SynthValueError);
}

#ifdef CRS_SYNTH_PROGRAM
TEST(SynthJournal, ProgramCutsAsAskedAndReadsItsWorkFileBack) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString work = dir.filePath(QStringLiteral("ej.ecr"));
  QProcess write;
  write.start(QStringLiteral(CRS_SYNTH_PROGRAM),
              {"--report", "ej", "--records", "30", "--seed", "5", "--set", "2:Entry=AB\\tC", "--cut-at", "7,300,301",
               "--markers", "boundaries", "--marker-pad", "1", "--work", work});
  ASSERT_TRUE(write.waitForFinished(20000));
  ASSERT_EQ(write.exitCode(), 0) << write.readAllStandardError().toStdString();
  const QString written = QString::fromUtf8(write.readAllStandardOutput());
  EXPECT_TRUE(written.contains(QLatin1String("\tEntry=ABC\n")));

  SynthRequest request = Request(kEj, 30, {QStringLiteral("2:Entry=AB\\tC")}, 5);
  request.cutting.at = {7, 300, 301};
  request.cutting.markers = SynthJournal::Markers::Boundaries;
  request.cutting.markerPad = 1;
  const SynthAnswer answer = Make(request);
  EXPECT_EQ(written, answer.ExpectationText());
  EXPECT_EQ(answer.blocks.size(), 5);

  QProcess read;
  read.start(QStringLiteral(CRS_SYNTH_PROGRAM), {"--report", "ej", "--read", work});
  ASSERT_TRUE(read.waitForFinished(20000));
  ASSERT_EQ(read.exitCode(), 0) << read.readAllStandardError().toStdString();
  EXPECT_EQ(QString::fromUtf8(read.readAllStandardOutput()), written);

  QProcess bad;
  bad.start(QStringLiteral(CRS_SYNTH_PROGRAM), {"--report", "ej", "--cut", "100", "--cut-at", "5"});
  ASSERT_TRUE(bad.waitForFinished(20000));
  EXPECT_EQ(bad.exitCode(), 1);
  EXPECT_TRUE(QString::fromUtf8(bad.readAllStandardError()).contains(QLatin1String("--cut or --cut-at")));
}
#endif
} // namespace
