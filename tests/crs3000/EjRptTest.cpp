// The electronic journal over whole polls, as a register of a given ROM answers it: its
// table, the entries of a journal with their numbers, the same journal cut anywhere into
// blocks, the end mark of a block, the largest entry across blocks, and malformed polls.
#include "model/ModelFixture.h"

#include "TestSupport.h"
#include "crs3000/TEjCarry.h"
#include "crs3000/tEcrRptCrs3000Ej.h"
#include "model/ERecMismatch.h"
#include "model/TStagingArea.h"
#include "platform/engine/TTable.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "store/streaming/StreamRegistry.h"

#include <QFile>

namespace {
using TestSupport::Hex;
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);

QByteArray Header() { return Framed(Hex("00 58 01 03 04 26 00 0C 12 34 07 42") + QByteArray(24, '\0'), 1); }

// One journal item: the length (text + 2, low byte first), the text, two unused bytes.
QByteArray Item(const QByteArray& text, const QByteArray& unused = Hex("5A A5")) {
  const int length = int(text.size()) + 2;
  return QByteArray(1, char(length & 0xFF)) + char(length >> 8) + text + unused;
}

struct EjRow {
  int number;
  QString entry;
  bool operator==(const EjRow&) const = default;
};
void PrintTo(const EjRow& row, std::ostream* os) { *os << row.number << " \"" << row.entry.toStdString() << '"'; }
using EjRows = QList<EjRow>;

// Rows numbered from 1.
EjRows Numbered(const QStringList& entries) {
  EjRows rows;
  for (const QString& entry : entries) rows.append({int(rows.size()) + 1, entry});
  return rows;
}

// A journal of several entries, with what each stores: plain lines, control characters
// left out (31 kept), a line of carriage returns that is no entry, a text longer than the
// column, an empty line, a line of the register's code page and the longest entry.
struct Journal {
  QByteArray bytes;
  QStringList entries;
};

Journal SeveralEntries() {
  const QByteArray longest(255, 'L');
  Journal journal;
  const std::pair<QByteArray, QString> items[] = {
      {"HELLO", "HELLO"},
      {"AB\tC\x1F\r\n", "ABC\x1F"},
      {"\r\r\r", {}},
      {QByteArray(45, 'x'), QString(40, u'x')},
      {"", ""},
      {"CAF\xC9 \x80" "2.50", QStringLiteral("CAF\u00C9 \u20AC2.50")},
      {longest, QString(40, u'L')},
      {"TOTAL 12.00", "TOTAL 12.00"},
  };
  for (const auto& [text, entry] : items) {
    journal.bytes += Item(text);
    if (text != "\r\r\r") journal.entries.append(entry);
  }
  return journal;
}

// The journal decoder whose poll header adds no row to the table of stored polls.
class tEjWithoutPolls : public tEcrRptCrs3000Ej {
  TB_OBJECT(tEjWithoutPolls)
public:
  explicit tEjWithoutPolls(TBlank blank) : tEcrRptCrs3000Ej(blank) {}
  void WritePollHeader(TTable&, const TEcrBlock&) override { PollId = 1; }
};
} // namespace
TB_DEFINE_CLASS(tEjWithoutPolls, tEcrRptCrs3000Ej)

namespace {
class EjRpt : public CrsFixture {
protected:
  tEcrRptCrs3000Ej& Report() {
    if (!driver) driver = tEcr::New(ClassByName(QStringLiteral("tEcrCrs3000V0302")));
    auto* report = dynamic_cast<tEcrRptCrs3000Ej*>(driver->FindRptByClass(QStringLiteral("tEcrRptCrs3000Ej")));
    EXPECT_NE(report, nullptr) << "3.02 lists no journal";
    return *report;
  }
  // Saves a poll of the header and these data blocks; the poll's rows by number.
  EjRows Saved(const QList<QByteArray>& data) {
    QList<QByteArray> blocks{Header()};
    for (const QByteArray& block : data) blocks.append(Framed(block, int(blocks.size()) + 1));
    QFile file(WorkFile(QStringLiteral("ej.blk"), blocks));
    tEcrRptCrs3000Ej& report = Report();
    report.ReadBlockFile(file);
    return RowsOf(report.PollId);
  }
  static EjRows RowsOf(qint64 pollId) {
    TQuery query(kData);
    query.Exec(QStringLiteral("SELECT \"Memory Number\", \"Entry\" FROM \"tEcrRptCrs3000Ej\" WHERE \"Poll Id\" = ? "
                              "ORDER BY \"Memory Number\""),
               {pollId});
    EjRows rows;
    while (query.Next()) rows.append({query.Value(0).toInt(), query.Value(1).toString()});
    return rows;
  }
  // The rows of a poll of these data blocks as the journal decodes it block by block, with
  // no save around it: fast enough to decode thousands of polls.
  EjRows Decoded(const QList<QByteArray>& data) {
    EjRows rows;
    quick->PollId = 0;
    staged.SetAfterPost([&](TTable&) {
      rows.append({int(staged.FieldByName(QStringLiteral("Memory Number")).AsInteger()),
                   staged.FieldByName(QStringLiteral("Entry")).AsString()});
    });
    quick->BlkCount = 0;
    for (const QByteArray& block : QList<QByteArray>{Header()} + data) {
      const QByteArray framed = quick->BlkCount == 0 ? block : Framed(block, quick->BlkCount + 1);
      TEcrBlock buffer{};
      std::copy(framed.begin(), framed.end(), buffer.begin());
      ++quick->BlkCount;
      quick->BlkLen = qint32(framed.size());
      quick->DecodeBlock(staged, buffer);
    }
    staged.EmptyTable();
    return rows;
  }
  std::unique_ptr<tEcr> driver;
  std::unique_ptr<tEjWithoutPolls> quick = tEcrFnct::New<tEjWithoutPolls>(nullptr);
  TStagingArea stage;
  TTable& staged = stage.Twin(*quick->DescribeTable());
};

TEST_F(EjRpt, TheTableIsNumberedEntriesOfFortyCharacters) {
  tEcrRptCrs3000Ej& report = Report();
  EXPECT_EQ(report.GetRptCode(), 96);
  EXPECT_EQ(report.GetRptName(), QStringLiteral("Electronic Journal"));
  EXPECT_EQ(report.GetPrgRecSize(), 256);
  EXPECT_EQ(report.GetRecsInBlk(), 6);
  EXPECT_EQ(report.ReportFormClass(), QStringLiteral("TQrEcrRptCrs3000Ej"));
  EXPECT_EQ(report.GetOptsFormClass(), QStringLiteral("TfmEcrRptOptCrs3000Ej"));
  const std::optional<TTableDef> def = report.DescribeTable();
  ASSERT_TRUE(def.has_value());
  EXPECT_EQ(def->name, QStringLiteral("tEcrRptCrs3000Ej"));
  const QList<TFieldDef> expected{{QStringLiteral("Poll Id"), TFieldType::Long, 0},
                                  {QStringLiteral("Memory Number"), TFieldType::Long, 0},
                                  {QStringLiteral("Entry"), TFieldType::Alpha, 40}};
  ASSERT_EQ(def->fields.size(), expected.size());
  for (qsizetype i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(def->fields[i].name, expected[i].name);
    EXPECT_EQ(def->fields[i].type, expected[i].type) << expected[i].name.toStdString();
    EXPECT_EQ(def->fields[i].size, expected[i].size) << expected[i].name.toStdString();
  }
  ASSERT_EQ(def->indexes.size(), 1);
  EXPECT_EQ(def->indexes[0].fields, (QStringList{"Poll Id", "Memory Number"}));
}

// The register's own bytes: x and y are the unused bytes, FF 00 ends the block.
TEST_F(EjRpt, OneEntryBeforeTheEndMarkIsStored) {
  EXPECT_EQ(Saved({Hex("07 00 48 45 4C 4C 4F 78 79 FF 00 00 00")}), Numbered({"HELLO"}));
  TQuery poll(kData);
  poll.Exec(QStringLiteral("SELECT \"Poll Type\", \"Polled Area\", \"Report Name\" FROM \"AllPolls\" WHERE \"Poll Id\" = ?"),
            {Report().PollId});
  ASSERT_TRUE(poll.Next());
  EXPECT_EQ(poll.Value(0).toString(), QStringLiteral("E.J."));
  EXPECT_EQ(poll.Value(1).toString(), QStringLiteral("E.J."));
  EXPECT_EQ(poll.Value(2).toString(), QStringLiteral("Electronic Journal"));
}

TEST_F(EjRpt, AJournalOfSeveralEntriesStoresEachLineNumberedInOrder) {
  const Journal journal = SeveralEntries();
  EXPECT_EQ(Saved({journal.bytes}), Numbered(journal.entries));
  // The next poll numbers its entries from 1 again.
  EXPECT_EQ(Saved({Item("NEXT DAY")}), Numbered({"NEXT DAY"}));
}

TEST_F(EjRpt, TheJournalCutAtEveryByteIntoTwoBlocksGivesTheSameRows) {
  const Journal journal = SeveralEntries();
  const EjRows expected = Numbered(journal.entries);
  for (qsizetype cut = 0; cut <= journal.bytes.size(); ++cut)
    ASSERT_EQ(Decoded({journal.bytes.left(cut), journal.bytes.mid(cut)}), expected) << "cut at " << cut;
  // The same through whole polls, at the cuts around the longest entry.
  const qsizetype longest = journal.bytes.indexOf(QByteArray(255, 'L')) - 2;
  for (qsizetype cut : {longest - 1, longest, longest + 1, longest + 2, longest + 3, longest + 200, longest + 258})
    ASSERT_EQ(Saved({journal.bytes.left(cut), journal.bytes.mid(cut)}), expected) << "cut at " << cut;
}

TEST_F(EjRpt, TheJournalCutAtEveryPairOfBytesIntoThreeBlocksGivesTheSameRows) {
  const QByteArray bytes =
      Item("AB") + Item("\r\r\r") + Item("CD\tE") + Item("") + Item(QByteArray(50, 'F')) + Item("G") + Hex("FF 00");
  const EjRows expected = Numbered({"AB", "CDE", "", QString(40, u'F'), "G"});
  for (qsizetype first = 0; first <= bytes.size(); ++first)
    for (qsizetype second = first; second <= bytes.size(); ++second)
      ASSERT_EQ(Decoded({bytes.left(first), bytes.mid(first, second - first), bytes.mid(second)}), expected)
          << "cuts at " << first << " and " << second;
}

// Every pair of cuts of the whole journal, and four blocks, through the items alone.
TEST(EjCarry, AJournalCutAnywhereIntoThreeOrFourBlocksReadsTheSameEntries) {
  QByteArray bytes = SeveralEntries().bytes;
  bytes += Hex("FF 00"); // the journal's end
  const auto entries = [](const QList<QByteArray>& blocks) {
    TEjCarry carry;
    QList<QByteArray> texts;
    for (const QByteArray& block : blocks)
      carry.Read(std::span(reinterpret_cast<const quint8*>(block.constData()), size_t(block.size())),
                 [&](TEjCarry::Text text) {
                   texts.append(QByteArray(reinterpret_cast<const char*>(text.data()), qsizetype(text.size())));
                 });
    EXPECT_EQ(carry.Carried(), 0);
    return texts;
  };
  const QList<QByteArray> whole = entries({bytes});
  ASSERT_EQ(whole.size(), 8);
  for (qsizetype first = 0; first <= bytes.size(); ++first)
    for (qsizetype second = first; second <= bytes.size(); ++second) {
      ASSERT_EQ(entries({bytes.left(first), bytes.mid(first, second - first), bytes.mid(second)}), whole)
          << "cuts at " << first << " and " << second;
      const qsizetype third = (second + bytes.size()) / 2;
      ASSERT_EQ(entries({bytes.left(first), bytes.mid(first, second - first), bytes.mid(second, third - second),
                         bytes.mid(third)}),
                whole)
          << "cuts at " << first << ", " << second << " and " << third;
    }
}

// An end mark in the last two or three bytes of a block ends that block; the next block's
// entries are all stored.
TEST_F(EjRpt, AnEndMarkAtTheEndOfABlockEndsOnlyThatBlock) {
  for (const char* tail : {"FF 00", "FF 00 00", "FF 00 00 00", "FF 00 41 42 43 44 45"}) {
    const QByteArray second = Item("FIRST") + Hex(tail);
    EXPECT_EQ(Saved({second, Item("SECOND") + Item("THIRD")}), Numbered({"FIRST", "SECOND", "THIRD"})) << tail;
  }
}

// The largest entry, cut early so that nearly all of it crosses into the next block, or
// into a short block and on into a third.
TEST_F(EjRpt, TheLargestEntryStraddlesBlocksWhereverTheyAreCut) {
  QByteArray text;
  for (int i = 0; i < 255; ++i) text += char('A' + i % 26);
  const QByteArray item = Item(text);
  ASSERT_EQ(item.size(), TEjCarry::kLargestItem);
  const QString stored = QString::fromLatin1(text.left(40));
  const EjRows expected = Numbered({"BEFORE", stored, "AFTER"});
  const QByteArray before = Item("BEFORE"), after = Item("AFTER");
  for (int cut : {2, 3, 40, 97, 162, 200, 258}) {
    EXPECT_EQ(Saved({before + item.left(cut), item.mid(cut) + after}), expected) << "cut at " << cut;
    EXPECT_EQ(Saved({before + item.left(cut), item.mid(cut, 1), item.mid(cut + 1) + after}), expected)
        << "cut at " << cut << " with a block of one byte";
  }
}

// More entries than a 16-bit counter holds: the numbers run on.
TEST_F(EjRpt, AJournalOfMoreThan32767EntriesNumbersThemAll) {
  constexpr int kEntries = 32769;
  QList<QByteArray> blocks;
  QByteArray block;
  for (int i = 0; i < kEntries; ++i) {
    const QByteArray item = Item(QByteArray::number(i + 1));
    if (block.size() + item.size() > kEcrBlockSize - 8) blocks.append(std::exchange(block, {}));
    block += item;
  }
  blocks.append(block);
  const EjRows rows = Saved(blocks);
  ASSERT_EQ(rows.size(), kEntries);
  EXPECT_EQ(rows[32766], (EjRow{32767, QStringLiteral("32767")}));
  EXPECT_EQ(rows[32767], (EjRow{32768, QStringLiteral("32768")}));
  EXPECT_EQ(rows.last(), (EjRow{kEntries, QString::number(kEntries)}));
}

// A length no item can have, or a block shorter than its frame, fails the poll and stores
// nothing, whichever block it is in.
TEST_F(EjRpt, AMalformedJournalFailsThePollAndStoresNothing) {
  const struct {
    QList<QByteArray> blocks;
    const char* message;
  } cases[] = {
      {{Item("OK"), Item("NEXT") + Hex("01 00 41 42 43")}, "Journal Entry Size Mismatch, got: 1  expecting: 2 to 257"},
      {{Item("OK") + Hex("00 00 00 00")}, "Journal Entry Size Mismatch, got: 0  expecting: 2 to 257"},
      {{Item("OK") + Hex("02 01") + QByteArray(258, 'x')}, "Journal Entry Size Mismatch, got: 258  expecting: 2 to 257"},
      {{Item("OK") + Hex("FF FF 41 42")}, "Journal Entry Size Mismatch, got: 65535  expecting: 2 to 257"},
  };
  for (const auto& c : cases) {
    try {
      Saved(c.blocks);
      ADD_FAILURE() << c.message;
    } catch (const ERecMismatch& e) {
      EXPECT_EQ(e.Message(), QString::fromLatin1(c.message));
    }
    EXPECT_TRUE(PollIds().isEmpty()) << c.message;
    EXPECT_EQ(Rows(kData, QStringLiteral("tEcrRptCrs3000Ej")), 0) << c.message;
    EXPECT_EQ(Report().PollId, 0) << c.message;
  }
}

TEST_F(EjRpt, ABlockShorterThanItsFrameFailsThePoll) {
  QFile file(WorkFile(QStringLiteral("short.blk"), {Header(), Framed(Item("OK"), 2), QByteArray("\x10\x02\x03", 3)}));
  EXPECT_THROW(Report().ReadBlockFile(file), ERecMismatch);
  EXPECT_TRUE(PollIds().isEmpty());
  EXPECT_EQ(Rows(kData, QStringLiteral("tEcrRptCrs3000Ej")), 0);
}

// A poll that ends inside an entry keeps the rest of it to itself: the next poll starts
// with nothing carried.
TEST_F(EjRpt, AnEntryCutByTheEndOfAPollIsNotCarriedIntoTheNext) {
  const QByteArray cut = Item("LOST ENTRY");
  EXPECT_EQ(Saved({Item("KEPT") + cut.left(5)}), Numbered({"KEPT"}));
  EXPECT_EQ(Saved({Item("NEXT POLL")}), Numbered({"NEXT POLL"}));
}
} // namespace
