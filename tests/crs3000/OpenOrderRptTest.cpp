// The open-order reports: tracks 1 and 2 in one table (29-byte records, 30 from ROM
// version 4), track 3 in its own, over whole polls.
#include "model/ModelFixture.h"

#include "TestSupport.h"
#include "crs3000/tEcrRptCrs3000Lane12.h"
#include "crs3000/tEcrRptCrs3000OpnOrdTrk3.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"

#include <QFile>

namespace {
using TestSupport::Hex;
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);

QByteArray Header() { return Framed(Hex("00 58 01 03 04 26 00 0C 12 34 07 42") + QByteArray(24, '\0'), 1); }

QByteArray Text(const QByteArray& text, int width) { return text + QByteArray(width - text.size(), '\0'); }

// A track 1/2 record: tracking number (7 characters, 8 from ROM version 4), order, cashier,
// time, balance.
QByteArray TrackRecord(const QByteArray& tracking, int width, const char* order, const char* time, const char* balance) {
  return Text(tracking, width) + Hex(order) + Text("PAT", 12) + Hex(time) + Hex(balance);
}

class OpenOrderRpt : public CrsFixture {
protected:
  qint32 Save(tEcrRpt& report, const QList<QByteArray>& data) {
    QList<QByteArray> blocks{Header()};
    for (int i = 0; i < data.size(); ++i) blocks << Framed(data[i], i + 2);
    QFile file(WorkFile(QStringLiteral("poll%1.blk").arg(++polls_), blocks));
    report.ReadBlockFile(file);
    return report.PollId;
  }
  static QList<QVariantList> Rows(const QString& sql, qint32 pollId, int columns) {
    TQuery query(kData);
    query.Exec(sql, {pollId});
    QList<QVariantList> rows;
    while (query.Next()) {
      QVariantList row;
      for (int i = 0; i < columns; ++i) row << query.Value(i);
      rows << row;
    }
    return rows;
  }
  static QList<QVariantList> TrackRows(qint32 pollId) {
    return Rows(QStringLiteral("SELECT \"Track\", \"Memory Number\", \"Tracking Number\", \"Order\", \"Cashier\", "
                               "\"Time\", \"Balance\" FROM \"tEcrRptCrs3000Lane12\" WHERE \"Poll Id\" = ? "
                               "ORDER BY \"Track\", \"Memory Number\""),
                pollId, 7);
  }

  tTestDriver driver;
  int polls_ = 0;
};

// 13:45 as the table keeps a time: the day's fraction.
const double k1345 = (13 * 60 + 45) / 1440.0;

TEST_F(OpenOrderRpt, TheTrackTableKeepsItsColumnOrderAndIsKeyedByTrackAndPlace) {
  auto report = tEcrFnct::New<tEcrRptCrs3000OpnOrdTrk1>(&driver);
  const std::optional<TTableDef> def = report->DescribeTable();
  QStringList names;
  for (const TFieldDef& f : def->fields) names << f.name;
  EXPECT_EQ(names, (QStringList{"Poll Id", "Tracking Number", "Track", "Memory Number", "Order", "Cashier", "Time",
                                "Balance"}));
  EXPECT_EQ(def->fields[1].size, 8);
  EXPECT_EQ(def->indexes.first().fields, (QStringList{"Poll Id", "Track", "Memory Number"}));
  EXPECT_EQ(report->GetPrgRecSize(), 29);
  EXPECT_EQ(tEcrFnct::New<tEcrRptCrs3000OpnOrdTrk2V4>(&driver)->GetPrgRecSize(), 30);
}

// Orders that share a tracking number, or have none, are all stored; a poll of each
// track goes into the one table.
TEST_F(OpenOrderRpt, OrdersWithOneTrackingNumberOrNoneAreEachStored) {
  auto track2 = tEcrFnct::New<tEcrRptCrs3000OpnOrdTrk2>(&driver);
  const QByteArray same = TrackRecord("A\x0E" "12", 7, "00 01", "13 45", "00 00 00 00 25 0D");
  const qint32 poll =
      Save(*track2, {same + TrackRecord("A\x0E" "12", 7, "00 02", "13 45", "00 00 00 00 25 0C") +
                         TrackRecord("", 7, "00 03", "00 00", "00 00 00 00 00 0C") +
                         TrackRecord("", 7, "99 99", "23 59", "00 00 00 00 00 0C")});
  const QList<QVariantList> rows = TrackRows(poll);
  ASSERT_EQ(rows.size(), 4);
  EXPECT_EQ(rows[0], (QVariantList{2, 1, "A<12", 1, "PAT", k1345, -2.5}));
  EXPECT_EQ(rows[1], (QVariantList{2, 2, "A<12", 2, "PAT", k1345, 2.5}));
  EXPECT_EQ(rows[2].mid(0, 4), (QVariantList{2, 3, "", 3}));
  EXPECT_EQ(rows[3].mid(0, 4), (QVariantList{2, 4, "", 9999}));

  auto track1 = tEcrFnct::New<tEcrRptCrs3000OpnOrdTrk1>(&driver);
  const qint32 next = Save(*track1, {same});
  EXPECT_EQ(TrackRows(next), (QList<QVariantList>{{1, 1, "A<12", 1, "PAT", k1345, -2.5}}));
}

// From ROM version 4 the tracking number has 8 characters and the order follows at 8.
TEST_F(OpenOrderRpt, AVersion4RecordHasAnEightCharacterTrackingNumber) {
  auto report = tEcrFnct::New<tEcrRptCrs3000OpnOrdTrk1V4>(&driver);
  QByteArray full;
  for (int i = 0; i < 60; ++i) full += TrackRecord("12345678", 8, "00 07", "13 45", "00 00 00 00 25 0D");
  const qint32 poll = Save(*report, {full, TrackRecord("ABCDEFGH", 8, "12 34", "00 01", "00 00 00 00 00 1C")});
  const QList<QVariantList> rows = TrackRows(poll);
  ASSERT_EQ(rows.size(), 61);
  EXPECT_EQ(rows[0], (QVariantList{1, 1, "12345678", 7, "PAT", k1345, -2.5}));
  EXPECT_EQ(rows[60], (QVariantList{1, 61, "ABCDEFGH", 1234, "PAT", 1 / 1440.0, 0.01}));
}

TEST_F(OpenOrderRpt, AVersion4RecordUnderThe29ByteClassDoesNotFitItsBlock) {
  auto report = tEcrFnct::New<tEcrRptCrs3000OpnOrdTrk1>(&driver);
  EXPECT_ANY_THROW(Save(*report, {TrackRecord("12345678", 8, "00 07", "13 45", "00 00 00 00 25 0D")}));
  EXPECT_TRUE(PollIds().isEmpty());
}

QByteArray Track3Record(const QByteArray& check, const QByteArray& table) {
  return Text(check, 7) + Text(table, 4) + Text("LEE", 12) + Hex("13 45") + Hex("00 00 00 01 00 0D");
}

QList<QVariantList> Track3Rows(qint32 pollId) {
  TQuery query(kData);
  query.Exec(QStringLiteral("SELECT \"Memory Number\", \"Check\", \"Table\", \"Cashier\", \"Time\", \"Balance\" FROM "
                            "\"tEcrRptCrs3000OpnOrd3\" WHERE \"Poll Id\" = ? ORDER BY \"Memory Number\""),
             {pollId});
  QList<QVariantList> rows;
  while (query.Next())
    rows << QVariantList{query.Value(0), query.Value(1).isNull() ? QVariant() : query.Value(1), query.Value(2),
                         query.Value(3), query.Value(4), query.Value(5)};
  return rows;
}

// Check and table numbers are digit texts: a text of digits stores its number, a blank
// one none.
TEST_F(OpenOrderRpt, Track3StoresCheckAndTableTextsAsNumbers) {
  auto report = tEcrFnct::New<tEcrRptCrs3000OpnOrdTrk3>(&driver);
  const qint32 poll = Save(*report, {Track3Record("0001234", "0012") + Track3Record("  77", "9") +
                                     Track3Record("       ", "0001")});
  EXPECT_EQ(Track3Rows(poll), (QList<QVariantList>{{1, 1234, 12, "LEE", k1345, -10.0},
                                                   {2, 77, 9, "LEE", k1345, -10.0},
                                                   {3, QVariant(), 1, "LEE", k1345, -10.0}}));
}

TEST_F(OpenOrderRpt, ACheckTextWithLettersFailsThePoll) {
  auto report = tEcrFnct::New<tEcrRptCrs3000OpnOrdTrk3>(&driver);
  EXPECT_ANY_THROW(Save(*report, {Track3Record("0001234", "0012") + Track3Record("12A", "0012")}));
  EXPECT_TRUE(PollIds().isEmpty());
}
} // namespace
