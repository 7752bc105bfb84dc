// The CRS 3000 report base: the poll header, the record loop with its checks, the
// totalisers, the register's text codes and the chain of sections.
#include "model/ModelFixture.h"
#include "TestCrsDecoders.h"

#include "TestSupport.h"
#include "model/EConvertError.h"
#include "model/ERecMismatch.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TTable.h"
#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"
#include "crs3000/tEcrRptCrs3000Ej.h"

#include <QFile>

namespace {
using TestSupport::Hex;
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);

// A decoder whose poll header follows the rules of a report family; its name is the
// family's own, so that the base recognises it as it would the real decoder (the journal
// has its real decoder).
class tEcrRptCrs3000TimeKeeping : public tTestCpnDecoder {
  TB_OBJECT(tEcrRptCrs3000TimeKeeping)
public:
  explicit tEcrRptCrs3000TimeKeeping(TBlank blank) : tTestCpnDecoder(blank) {}
  QString GetTableName() const override { return QStringLiteral("tTestCpnDecoder"); }
};
TB_DEFINE_CLASS(tEcrRptCrs3000TimeKeeping, tTestCpnDecoder)


// A header block: the bytes from stored offset 4 on.
QByteArray Header(quint8 type, quint8 area, const char* mmddyy, const char* zCounter, const QByteArray& misc = {}) {
  QByteArray data = QByteArray(1, '\0') + char(type) + char(area) + Hex(mmddyy) + Hex(zCounter) + Hex("12 34 07 42");
  return Framed(data + misc.leftJustified(24, '\0'), 1);
}

class RptCrs3000 : public CrsFixture {
protected:
  QVariantMap SavedHeader(tEcrRpt& report, const QByteArray& header) {
    QFile file(WorkFile(QStringLiteral("header.blk"), {header}));
    report.ReadBlockFile(file);
    TQuery query(kData);
    query.Exec(QStringLiteral("SELECT * FROM \"AllPolls\" WHERE \"Poll Id\" = ?"), {report.PollId});
    QVariantMap row;
    if (query.Next())
      for (int i = 0; i < query.ColumnCount(); ++i) row.insert(query.ColumnName(i), query.Value(i));
    return row;
  }
  static QDate EcrDate(const QVariantMap& row) { return TDateTime(row.value(QStringLiteral("Ecr Date")).toDouble()).Date(); }
};

TEST_F(RptCrs3000, PollHeaderFields) {
  auto report = tEcrFnct::New<tTestCpnDecoder>(nullptr);
  const QVariantMap row = SavedHeader(*report, Header('X', 2, "03 04 26", "01 2C", "STORE 12"));
  EXPECT_EQ(row.value(QStringLiteral("Poll Type")).toString(), QStringLiteral("X"));
  EXPECT_EQ(row.value(QStringLiteral("Polled Area")).toString(), QStringLiteral("AREA 2"));
  EXPECT_EQ(EcrDate(row), QDate(2026, 3, 4));
  EXPECT_EQ(row.value(QStringLiteral("Z Counter")).toInt(), 12);
  EXPECT_EQ(row.value(QStringLiteral("Misc Info 1")).toInt(), 1234);
  EXPECT_EQ(row.value(QStringLiteral("Misc Info 2")).toInt(), 7);
  EXPECT_EQ(row.value(QStringLiteral("Misc Info 3")).toInt(), 42);
  EXPECT_EQ(row.value(QStringLiteral("Misc Data 1")).toString(), QStringLiteral("STORE 12") + QString(16, QChar(0))); // all 24 status bytes
  EXPECT_EQ(TDateTime(row.value(QStringLiteral("Poll Date")).toDouble()).ToQDateTime(), clock.Now());
  EXPECT_EQ(row.value(QStringLiteral("EcrRptClass")).toString(), QStringLiteral("tTestCpnDecoder"));
  EXPECT_EQ(row.value(QStringLiteral("Report Name")).toString(), QStringLiteral("Coupon"));
  EXPECT_TRUE(row.value(QStringLiteral("From Date")).isNull());
}

TEST_F(RptCrs3000, PollHeaderDatesAreMadeValidWherePossible) {
  const struct {
    const char* mmddyy;
    QDate date;
  } cases[] = {
      {"12 31 89", QDate(2089, 12, 31)}, {"01 02 90", QDate(1990, 1, 2)}, {"00 15 26", QDate(2026, 1, 15)},
      {"13 15 26", QDate(2026, 1, 15)},  {"05 00 26", QDate(2026, 5, 1)}, {"05 32 26", QDate(2026, 5, 1)},
  };
  for (const auto& c : cases) {
    auto report = tEcrFnct::New<tTestCpnDecoder>(nullptr);
    EXPECT_EQ(EcrDate(SavedHeader(*report, Header('X', 1, c.mmddyy, "00 0C"))), c.date) << c.mmddyy;
  }
  auto report = tEcrFnct::New<tTestCpnDecoder>(nullptr);
  EXPECT_THROW(SavedHeader(*report, Header('X', 1, "02 30 26", "00 0C")), EConvertError);
}

TEST_F(RptCrs3000, PollHeaderCountersAreasAndTypes) {
  const struct {
    quint8 type, area;
    const char* zCounter;
    const char* pollType;
    const char* polledArea;
    int z;
  } cases[] = {
      {'X', 1, "FF FF", "X", "AREA 1", 65535}, {'Z', 3, "12 3D", "Z", "AREA 3", -123},
      {0x0E, 4, "00 0C", "<", "UNDEF", 0},     {'X', 0, "00 0C", "X", "UNDEF", 0},
  };
  for (const auto& c : cases) {
    auto report = tEcrFnct::New<tTestCpnDecoder>(nullptr);
    const QVariantMap row = SavedHeader(*report, Header(c.type, c.area, "03 04 26", c.zCounter));
    EXPECT_EQ(row.value(QStringLiteral("Poll Type")).toString(), QLatin1String(c.pollType));
    EXPECT_EQ(row.value(QStringLiteral("Polled Area")).toString(), QLatin1String(c.polledArea));
    EXPECT_EQ(row.value(QStringLiteral("Z Counter")).toInt(), c.z);
  }
}

TEST_F(RptCrs3000, TimeKeepingPollTypeFollowsTheResetMode) {
  auto report = tEcrFnct::New<tEcrRptCrs3000TimeKeeping>(nullptr);
  report->SetIntParam(5, 1);
  EXPECT_EQ(SavedHeader(*report, Header('X', 1, "03 04 26", "00 0C")).value(QStringLiteral("Poll Type")).toString(),
            QStringLiteral("Z"));
  report->SetIntParam(5, 0);
  EXPECT_EQ(SavedHeader(*report, Header('Z', 1, "03 04 26", "00 0C")).value(QStringLiteral("Poll Type")).toString(),
            QStringLiteral("X"));
}

TEST_F(RptCrs3000, JournalHeaderValuesAreReplaced) {
  auto report = tEcrFnct::New<tEcrRptCrs3000Ej>(nullptr); // the real journal decoder
  const QVariantMap row = SavedHeader(*report, Header('X', 2, "03 04 26", "01 2C", "STORE"));
  EXPECT_EQ(TDateTime(row.value(QStringLiteral("Ecr Date")).toDouble()).ToQDateTime(), clock.Now());
  EXPECT_EQ(row.value(QStringLiteral("Poll Type")).toString(), QStringLiteral("E.J."));
  EXPECT_EQ(row.value(QStringLiteral("Polled Area")).toString(), QStringLiteral("E.J."));
  for (const char* zero : {"Z Counter", "Misc Info 1", "Misc Info 2", "Misc Info 3"})
    EXPECT_EQ(row.value(QLatin1String(zero)).toInt(), 0) << zero;
  EXPECT_EQ(row.value(QStringLiteral("Misc Data 1")).toString(), QStringLiteral("0"));
}

TEST_F(RptCrs3000, RecordBlocksOfTheWrongLengthFailTheSave) {
  const QByteArray record = Hex("00 00 00 01 50 0C 00 00 00 00 3C");
  const struct {
    QByteArray data;
    int shortBy;
    const char* message;
  } cases[] = {
      {record + QByteArray(1, '\0'), 0, "Block Size Mismatch, got: 12  expecting: 33"},
      {record + record + record + record, 0, "Block Size Mismatch, got: 44  expecting: 33"},
      {record + record + record, 1, "Decoded Record Size Mismatch, decoded: 32  expecting: 33"},
  };
  for (const auto& c : cases) {
    auto report = tEcrFnct::New<tTestCpnDecoder>(nullptr);
    report->shortBy = c.shortBy;
    QFile file(WorkFile(QStringLiteral("bad.blk"), {Header('X', 1, "03 04 26", "00 0C"), Framed(c.data, 2)}));
    try {
      report->ReadBlockFile(file);
      ADD_FAILURE() << c.message;
    } catch (const ERecMismatch& e) {
      EXPECT_EQ(e.Message(), QString::fromLatin1(c.message));
    }
    EXPECT_TRUE(PollIds().isEmpty()) << c.message;
  }
}

TEST_F(RptCrs3000, AnEmptyDataPartGivesNoRows) {
  auto report = tEcrFnct::New<tTestCpnDecoder>(nullptr);
  QFile file(WorkFile(QStringLiteral("empty.blk"), {Header('X', 1, "03 04 26", "00 0C"), Framed({}, 2)}));
  report->ReadBlockFile(file);
  EXPECT_EQ(PollIds().size(), 1);
  EXPECT_EQ(Rows(kData, QStringLiteral("tTestCpnDecoder")), 0);
}

TEST_F(RptCrs3000, Totalizers) {
  TDatabase db(QString(), dir.path());
  db.Open();
  TTableDef def{QStringLiteral("T"), {}, {}};
  tEcrRptCrs3000::AddTotalizerDefs(def.fields, QStringLiteral("A"), 0);
  tEcrRptCrs3000::AddTotalizerDefs(def.fields, QStringLiteral("B"), tTotalizerFlags::tfNoTotal);
  tEcrRptCrs3000::AddTotalizerDefs(def.fields, QStringLiteral("C"), tTotalizerFlags::tfNoCount | tTotalizerFlags::tfNoSuffix);
  tEcrRptCrs3000::AddTotalizerDefs(def.fields, QStringLiteral("D"), tTotalizerFlags::tfSkipCount);
  tEcrRptCrs3000::AddTotalizerDefs(def.fields, QStringLiteral("E"), tTotalizerFlags::tfSkipTotal | tTotalizerFlags::tfNoCount);
  QStringList names;
  for (const TFieldDef& field : def.fields) names << field.name;
  EXPECT_EQ(names, (QStringList{"A Count", "A Total", "B Count", "C", "D Total"})); // counts come first
  EXPECT_EQ(def.fields[1].type, TFieldType::Money);
  db.CreateTable(def);
  TTable table;
  table.SetDatabase(&db);
  table.SetTableName(QStringLiteral("T"));
  table.Open();

  auto report = tEcrFnct::New<tTestCpnDecoder>(nullptr);
  TEcrBlock block{};
  const QByteArray bytes = Hex("00 00 00 01 23 4D  00 00 3C  00 00 00 00 07 7C  00 00 00 00 99 9C  00 00 00 00 10 0C 00 00 2C");
  std::copy(bytes.begin(), bytes.end(), block.begin() + 100);
  table.Append();
  int position = 100;
  report->DecodeTotalizer(table, block, position, QStringLiteral("A"), 0, 3, 6, 1, 100);
  EXPECT_EQ(position, 109);
  report->DecodeTotalizer(table, block, position, QStringLiteral("B"), tTotalizerFlags::tfNoTotal, 6, 6, 1, 100);
  EXPECT_EQ(position, 115); // the count is read where the total would have been
  report->DecodeTotalizer(table, block, position, QStringLiteral("C"), tTotalizerFlags::tfNoCount | tTotalizerFlags::tfNoSuffix,
                          3, 6, 1, 100);
  EXPECT_EQ(position, 121);
  report->DecodeTotalizer(table, block, position, QStringLiteral("D"), tTotalizerFlags::tfSkipCount, 3, 6, 1, 0);
  EXPECT_EQ(position, 130);
  table.Post();
  EXPECT_EQ(table.FieldByName(QStringLiteral("A Total")).AsMoney(), -1234);
  EXPECT_EQ(table.FieldByName(QStringLiteral("A Count")).AsInteger(), 3);
  EXPECT_EQ(table.FieldByName(QStringLiteral("B Count")).AsInteger(), 77);
  EXPECT_EQ(table.FieldByName(QStringLiteral("C")).AsMoney(), 999);
  EXPECT_EQ(table.FieldByName(QStringLiteral("D Total")).AsMoney(), 99999999900); // a scale of 0 cannot divide

  table.Append();
  position = 4092; // a total that would end past the block
  report->DecodeTotalizer(table, block, position, QStringLiteral("A"), 0, 3, 6, 1, 100);
  EXPECT_EQ(table.FieldByName(QStringLiteral("A Total")).AsMoney(), 99999999900);
  EXPECT_EQ(table.FieldByName(QStringLiteral("A Count")).AsInteger(), 999999);
  position = 0;
  EXPECT_THROW(report->DecodeTotalizer(table, block, position, QStringLiteral("Missing"), 0, 3, 6, 1, 100), EDBEngineError);
  table.Cancel();
}

TEST_F(RptCrs3000, TextCodesAndDefaults) {
  auto report = tEcrFnct::New<tTestCpnDecoder>(nullptr);
  TEcrBlock block{};
  const QByteArray bytes = Hex("0E 41 0F 00 42");
  std::copy(bytes.begin(), bytes.end(), block.begin());
  EXPECT_EQ(report->DecodeText(block, 0, 3), QStringLiteral("<A>"));
  EXPECT_EQ(report->DecodeText(block, 0, 5).size(), 5); // zero bytes are characters too
  EXPECT_EQ(tEcrRptCrs3000::UpToZero(report->DecodeText(block, 0, 5)), QStringLiteral("<A>"));
  EXPECT_EQ(report->GetIntParam(3), 1);
  EXPECT_EQ(report->GetIntParam(4), 24);
  EXPECT_EQ(report->GetIntParam(5), 0);
  EXPECT_EQ(report->GetOptsFormClass(), QStringLiteral("TfmEcrRptOptCrs3000"));
  EXPECT_EQ(report->CountRecords(41, 11, 3), 3);
}

TEST_F(RptCrs3000, AHeadAndFiveSectionsMakeSixConsecutivePolls) {
  tTestChainBase::seen.clear();
  QList<qint64> prints;
  ScopedForm<RptPresentRequest> form(
      [&](RptPresentRequest& request) {
        prints.append(request.pollId);
        return 1;
      },
      QStringLiteral("TQrTestChain"));
  auto head = tEcrFnct::New<tTestChain0>(nullptr);
  head->AutoReport = true;
  head->AutoExport = true;
  head->ExportFile = dir.filePath(QStringLiteral("export.txt"));
  QByteArray values;
  for (int v : {10, 11, 12, 13, 14, 15}) values += Bcd(v, 4);
  QFile file(WorkFile(QStringLiteral("chain.blk"), {Header('X', 1, "03 04 26", "00 0C"), Framed(values, 2)}));
  head->ReadBlockFile(file);
  const qint64 p = head->PollId;
  EXPECT_EQ(PollIds(), (QList<qint64>{p, p + 1, p + 2, p + 3, p + 4, p + 5}));
  for (int part = 0; part < 6; ++part) {
    TQuery query(kData);
    query.Exec(QStringLiteral("SELECT \"Value\" FROM \"tTestChain%1\" WHERE \"Poll Id\" = ?").arg(part), {p + part});
    ASSERT_TRUE(query.Next()) << part;
    EXPECT_EQ(query.Value(0).toInt(), 10 + part);
  }
  ASSERT_EQ(tTestChainBase::seen.size(), 6);
  for (int part = 1; part < 6; ++part) {
    const auto& section = tTestChainBase::seen[part];
    EXPECT_FALSE(section.autoReport) << part;
    EXPECT_TRUE(section.autoExport && section.appendExport) << part;
    EXPECT_EQ(section.exportFile, head->ExportFile);
  }
  // Every class of the chain read the same header.
  TQuery types(kData);
  types.Exec(QStringLiteral("SELECT COUNT(DISTINCT \"Ecr Date\") FROM \"AllPolls\""), {});
  ASSERT_TRUE(types.Next());
  EXPECT_EQ(types.Value(0).toInt(), 1);
  EXPECT_EQ(prints, QList<qint64>{p}); // the head prints once; no section prints by itself
  // Each poll of the chain is exported once it is stored, in chain order (by its name,
  // this head is not one that leaves its export to its sections).
  QStringList exported;
  for (const QByteArray& line : TestSupport::ReadFile(head->ExportFile).split('\n'))
    if (!line.trimmed().isEmpty()) exported << QString::fromLatin1(line.trimmed());
  EXPECT_EQ(exported, (QStringList{QStringLiteral("%1,10").arg(p), QStringLiteral("%1,11").arg(p + 1), QStringLiteral("%1,12").arg(p + 2),
                                   QStringLiteral("%1,13").arg(p + 3), QStringLiteral("%1,14").arg(p + 4),
                                   QStringLiteral("%1,15").arg(p + 5)}));
}
} // namespace
