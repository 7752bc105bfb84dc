// Consolidating stored polls: only the polls of the report type inside every range are
// summed, grouped as the report says; the temporary poll carries the ranges and is gone
// afterwards, also when its preview fails; a thousand and more polls need no query that
// grows with their number.
#include "ReportFormFixture.h"

#include "crs3000/tEcrRptCrs3000PLU.h"
#include "model/TdmAllPolls.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "reports/ConsolidationRanges.h"
#include "reports/PollConsolidation.h"

#include <stdexcept>

namespace {
QString Alias() { return QString::fromLatin1(EngineConfig::kDataAlias); }

QVariantMap Plu(int memory, int code, const char* name, double total, int count) {
  return {{QStringLiteral("Memory Number"), memory}, {QStringLiteral("PluCode"), code},
          {QStringLiteral("Name"), QString::fromLatin1(name)}, {QStringLiteral("Total"), total},
          {QStringLiteral("Count"), count}, {QStringLiteral("Waste"), 1}};
}

ConsolidationRanges Ranges() {
  ConsolidationRanges r;
  r.startDate = QDate(2026, 3, 4);
  r.endDate = QDate(2026, 3, 4);
  r.firstStore = 10;
  r.lastStore = 20;
  r.firstMachine = 1;
  r.lastMachine = 4;
  return r;
}

QStringList Texts(const QString& sql, const QVariantList& values = {}) {
  TQuery query(Alias());
  query.Exec(sql, values);
  QStringList rows;
  while (query.Next()) {
    QStringList fields;
    for (int i = 0; i < query.ColumnCount(); ++i) fields << query.Value(i).toString();
    rows << fields.join(QLatin1Char('|'));
  }
  return rows;
}

qint64 Count(const QString& table) { return Texts(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table)).value(0).toLongLong(); }
qint64 MaxPollId() { return Texts(QStringLiteral("SELECT MAX(\"Poll Id\") FROM \"AllPolls\"")).value(0).toLongLong(); }

class Consolidation : public ReportFormFixture {
protected:
  Consolidation() : plu(AddReport<tEcrRptCrs3000PLU>()) {}

  qint32 StorePlu(qint64 store, qint64 machine, const QList<QVariantMap>& rows) {
    PollHeader header;
    header.store = store;
    header.machine = machine;
    return Store(plu, rows, header);
  }

  // The rows of the temporary poll while it exists, as "memory|code|name|total|count|waste".
  QStringList ConsolidatedRows(qint32 poll) const {
    return Texts(QStringLiteral("SELECT \"Memory Number\", \"PluCode\", \"Name\", \"Total\", \"Count\", \"Waste\" FROM \"%1\" "
                                "WHERE \"Poll Id\" = ? ORDER BY \"Memory Number\", \"Name\"").arg(plu.GetTableName()),
                 {poll});
  }

  tEcrRptCrs3000PLU& plu;
};
} // namespace

TEST_F(Consolidation, FivePollsInsideTheRangesAreSummedAndTwoOutsideAreLeftOut) {
  for (qint64 store : {10, 12, 15, 20, 20})
    StorePlu(store, 2, {Plu(1, 101, "COLA", 1.50, 1), Plu(2, 102, "FISH, FRIED", 2.25, 3)});
  StorePlu(21, 2, {Plu(1, 101, "COLA", 100, 100)});  // store outside
  StorePlu(12, 5, {Plu(1, 101, "COLA", 100, 100)});  // machine outside
  const qint64 allPolls = Count(QStringLiteral("AllPolls"));
  const qint64 rows = Count(plu.GetTableName());
  const qint64 highest = MaxPollId();

  PollConsolidation run(plu, QStringLiteral("tEcrCrs3000"), QStringLiteral("PLU"));
  EXPECT_EQ(run.QualifyingPolls(Ranges()).size(), 5);
  QStringList seen, header;
  const auto outcome = run.Run(Ranges(), [&](qint32 poll) {
    seen = ConsolidatedRows(poll);
    header = Texts(QStringLiteral("SELECT \"Machine Id\", \"Store Number\", \"Machine Number\", \"Z Counter\", "
                                  "\"Poll Type\", \"Polled Area\", \"Misc Info 3\" FROM \"AllPolls\" WHERE \"Poll Id\" = ?"),
                   {poll});
  });
  EXPECT_EQ(outcome, PollConsolidation::Outcome::Done);
  EXPECT_EQ(seen, (QStringList{QStringLiteral("1|101|COLA|7.5|5|5"), QStringLiteral("2|102|FISH, FRIED|11.25|15|5")}));
  EXPECT_EQ(header, QStringList{QStringLiteral("10|20|1|4|ALL|ALL|-1")});
  EXPECT_EQ(Count(QStringLiteral("AllPolls")), allPolls);
  EXPECT_EQ(Count(plu.GetTableName()), rows);
  EXPECT_EQ(MaxPollId(), highest);
}

TEST_F(Consolidation, DatesTypesAndAreasNarrowTheQualifyingPolls) {
  const qint32 z = StorePlu(12, 2, {Plu(1, 101, "COLA", 1, 1)});
  const qint32 x = StorePlu(12, 2, {Plu(1, 101, "COLA", 1, 1)});
  const qint32 late = StorePlu(12, 2, {Plu(1, 101, "COLA", 1, 1)});
  TQuery(Alias()).Exec(QStringLiteral("UPDATE \"AllPolls\" SET \"Poll Type\" = 'X', \"Polled Area\" = 'AREA 2' WHERE \"Poll Id\" = ?"), {x});
  // 23:59 of the end day still counts; the next day does not.
  TQuery(Alias()).Exec(QStringLiteral("UPDATE \"AllPolls\" SET \"Poll Date\" = ? WHERE \"Poll Id\" = ?"),
                       {TDateTime::FromQDateTime(QDateTime(QDate(2026, 3, 4), QTime(23, 59, 59))).Days(), z});
  TQuery(Alias()).Exec(QStringLiteral("UPDATE \"AllPolls\" SET \"Poll Date\" = ? WHERE \"Poll Id\" = ?"),
                       {TDateTime::FromDate(QDate(2026, 3, 5)).Days(), late});
  PollConsolidation run(plu, QStringLiteral("tEcrCrs3000"), QStringLiteral("PLU"));
  struct Case {
    const char* type;
    const char* area;
    QList<qint32> polls;
  } cases[] = {{"ALL", "ALL", {z, x}}, {"X", "ALL", {x}}, {"Z", "ALL", {z}}, {"ALL", "AREA 2", {x}}, {"Z", "AREA 2", {}}};
  for (const Case& c : cases) {
    ConsolidationRanges ranges = Ranges();
    ranges.pollType = QString::fromLatin1(c.type);
    ranges.area = QString::fromLatin1(c.area);
    EXPECT_EQ(run.QualifyingPolls(ranges), c.polls) << c.type << " " << c.area;
  }
  ConsolidationRanges none = Ranges();
  none.area = QStringLiteral("AREA 5");
  bool used = false;
  EXPECT_EQ(run.Run(none, [&](qint32) { used = true; }), PollConsolidation::Outcome::NoPolls);
  EXPECT_FALSE(used);
}

TEST_F(Consolidation, AValueHoldingQuotesIsBoundNotPasted) {
  PollHeader header;
  header.store = 12;
  header.reportClass = QStringLiteral("tPollTestRpt");
  StorePoll(header, {5});
  const QString quoted = QStringLiteral("it's \"quoted\"");
  TQuery(Alias()).Exec(QStringLiteral("UPDATE \"AllPolls\" SET \"Polled Area\" = ?"), {quoted});
  PollConsolidation run(*report, QStringLiteral("tEcr"), QStringLiteral("Poll Test"));
  ConsolidationRanges ranges = Ranges();
  ranges.area = quoted;
  EXPECT_EQ(run.QualifyingPolls(ranges).size(), 1);
}

TEST_F(Consolidation, WithoutColumnListsNumbersAreSummedPerKeyAndTheTemporaryPollGoesAlsoWhenThePreviewFails) {
  PollHeader header;
  header.store = 12;
  header.machine = 2;
  StorePoll(header, {100, 200});
  StorePoll(header, {300});
  const qint64 highest = MaxPollId();
  PollConsolidation run(*report, QStringLiteral("tEcr"), QStringLiteral("Poll Test"));
  QStringList seen;
  EXPECT_THROW(run.Run(Ranges(),
                       [&](qint32 poll) {
                         seen = Texts(QStringLiteral("SELECT \"Number\", \"Value\" FROM \"tPollTestRpt\" WHERE \"Poll Id\" = ?"),
                                      {poll});
                         throw std::runtime_error("the preview failed");
                       }),
               std::runtime_error);
  EXPECT_EQ(seen, (QStringList{QStringLiteral("1|4"), QStringLiteral("2|2")}));
  EXPECT_EQ(PollIds().size(), 2);
  EXPECT_EQ(MaxPollId(), highest);
  EXPECT_EQ(Count(QStringLiteral("tPollTestRpt")), 3);
}

TEST_F(Consolidation, FifteenHundredPollsConsolidate) {
  TDatabase& db = TSession::Default().Database(Alias());
  const qint32 first = StorePlu(12, 2, {Plu(1, 101, "COLA", 1, 1)});
  // The other polls are copies of the first, written in one transaction to keep the test quick.
  db.StartTransaction();
  for (int i = 1; i < 1500; ++i) {
    TQuery copy(db);
    copy.Exec(QStringLiteral("INSERT INTO \"AllPolls\" (\"EcrClass\", \"EcrRptClass\", \"Report Name\", \"Poll Date\", "
                             "\"Store Number\", \"Machine Number\", \"Poll Type\", \"Polled Area\") SELECT \"EcrClass\", "
                             "\"EcrRptClass\", \"Report Name\", \"Poll Date\", \"Store Number\", \"Machine Number\", "
                             "\"Poll Type\", \"Polled Area\" FROM \"AllPolls\" WHERE \"Poll Id\" = ?"),
              {first});
    const qint64 poll = copy.LastInsertId();
    const QString fields = QStringLiteral("\"Memory Number\", \"Total\", \"Count\", \"Promotion\", \"Waste\", \"Weight\", "
                                          "\"Promotion Weight\", \"Waste Weight\", \"PluCode\", \"Name\"");
    TQuery(db).Exec(QStringLiteral("INSERT INTO \"%1\" (\"Poll Id\", %2) SELECT ?, %2 FROM \"%1\" WHERE \"Poll Id\" = ?")
                        .arg(plu.GetTableName(), fields),
                    {poll, first});
  }
  db.Commit();
  PollConsolidation run(plu, QStringLiteral("tEcrCrs3000"), QStringLiteral("PLU"));
  QStringList seen;
  run.Run(Ranges(), [&](qint32 poll) { seen = ConsolidatedRows(poll); });
  EXPECT_EQ(seen, QStringList{QStringLiteral("1|101|COLA|1500|1500|1500")});
}

TEST(ConsolidationRangesTest, BackwardRangesAreRefusedAndOneDayIsAccepted) {
  ConsolidationRanges ok = Ranges();
  EXPECT_TRUE(ok.Accepted());
  ConsolidationRanges stores = ok, machines = ok, dates = ok;
  stores.lastStore = 9;
  machines.lastMachine = 0;
  dates.endDate = QDate(2026, 3, 3);
  for (const ConsolidationRanges& r : {stores, machines, dates}) EXPECT_FALSE(r.Accepted());
}

TEST(ConsolidationRefusalTest, ReportsThatCannotBeSummedAreRefused) {
  struct Case {
    const char* driver;
    const char* report;
    bool refused;
  } cases[] = {
      {"tEcrCrs3000", "tEcrRptCrs3000Financial", true}, {"tEcrCrs3000", "tEcrRptCrs3000Ej", true},
      {"tEcrCrs3000", "tecrrptcrs3000invt", true},       {"tEcrCrs3000", "tEcrRptCrs3000ProductMix", true},
      {"tEcrCrs3000", "tEcrRptCrs3000ClkPnchs", true},   {"tEcrCrs3000", "tEcrRptCrs3000OpnOrdTrk3", true},
      {"tEcrCrs3000", "tEcrRptCrs3000PLU", false},       {"tEcrCrs3000", "tEcrRptCrs3000EjExtra", false},
      {"tEcrOther", "tEcrRptCrs3000Ej", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ConsolidationRefusal::Refused(QLatin1String(c.driver), QLatin1String(c.report)), c.refused) << c.report;
}
