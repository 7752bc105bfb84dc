// crs-poll --data: a report read over the line is decoded and saved into the data folder by
// the driver's report of that code, all or nothing, as the program saves a poll.
#include "CrsPollFixture.h"

#include "TestSupport.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"

#include <QFile>

namespace {
constexpr int kCoupon = 44;

QByteArray SignedBcd(qint64 value, int width) {
  const QString digits = QString::number(qAbs(value)).rightJustified(2 * width - 1, QLatin1Char('0'));
  return QByteArray::fromHex((digits + QLatin1Char(value < 0 ? 'D' : 'C')).toLatin1());
}

// The register's coupon answer: the poll header, then blocks of up to 180 records of a
// money total and a count; coupon i has total -i.05 and count i.
QList<QByteArray> CouponBlocks(int coupons, const QByteArray& tail = QByteArray()) {
  QList<QByteArray> blocks{Block(0, TestSupport::Hex("00 58 01 03 04 26 00 0C 12 34 07 42") + QByteArray(24, '\0'), 0)};
  for (int first = 1; first <= coupons; first += 180) {
    QByteArray records;
    const int count = qMin(180, coupons - first + 1);
    for (int i = first; i < first + count; ++i) records += SignedBcd(-(qint64(i) * 100 + 5), 6) + SignedBcd(i, 5);
    blocks << Block(0, records, count);
  }
  blocks.last() += tail;
  return blocks;
}

class CrsPollSave : public CrsPollCli {
protected:
  QList<QVariantList> Rows(const QString& sql) {
    TDatabase& db = TSession::Default().DatabaseForFolder(data);
    QList<QVariantList> rows;
    if (db.TableExists(QStringLiteral("AllPolls"))) {
      TQuery query(db);
      query.Exec(sql, {});
      while (query.Next()) {
        QVariantList row;
        for (int i = 0; i < query.ColumnCount(); ++i) row << query.Value(i);
        rows << row;
      }
    }
    TSession::Default().CloseAll();
    return rows;
  }
  QString data = dir.filePath(QStringLiteral("data"));
};

TEST_F(CrsPollSave, ACouponReadOverTheLineLandsInTheDataFolder) {
  sim.SetReport(kCoupon, CouponBlocks(200));
  const PollResult r = Run({"--report", QString::number(kCoupon), "--data", data});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out.mid(r.out.size() - 3),
            QStringList({"End: Successful", QStringLiteral("Work file: %1 (3 blocks)").arg(WorkFile()),
                         "Saved: Poll Id 1: Coupon (tEcrRptCrs3000Coupon), 200 rows in tEcrRptCrs3000Coupon"}));
  EXPECT_EQ(Rows("SELECT \"Poll Id\", \"EcrRptClass\", \"Machine Id\" FROM \"AllPolls\""),
            (QList<QVariantList>{{1, "tEcrRptCrs3000Coupon", "crs-poll"}}));
  const QList<QVariantList> coupons =
      Rows("SELECT \"Memory Number\", \"Total\", \"Count\" FROM \"tEcrRptCrs3000Coupon\" ORDER BY \"Memory Number\"");
  ASSERT_EQ(coupons.size(), 200);
  EXPECT_EQ(coupons[0], (QVariantList{1, -1.05, 1.0}));
  EXPECT_EQ(coupons[180], (QVariantList{181, -181.05, 181.0})) << "numbered across blocks";
  EXPECT_TRUE(QFile::exists(WorkFile())) << "the work file stays for a second look";
}

// A poll the decoder refuses fails the read with the decoder's message, and nothing of it
// is stored.
TEST_F(CrsPollSave, ASaveThatFailsStoresNothingAndFailsTheRead) {
  sim.SetReport(kCoupon, CouponBlocks(3, TestSupport::Hex("00 00")));
  const PollResult r = Run({"--report", QString::number(kCoupon), "--data", data});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, QStringLiteral("crs-poll: read report 44 failed: Block Size Mismatch, got: 35  expecting: 1980 F\n"));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM \"AllPolls\""), (QList<QVariantList>{{0}}));
  EXPECT_FALSE(r.out.join('\n').contains(QStringLiteral("Saved:")));
}

TEST_F(CrsPollSave, AReportTheDriverHasNoDecoderForKeepsItsWorkFileAndSaysSo) {
  sim.SetReport(200, {Block(0, "HEADER"), Block(0, "RECORD")});
  const PollResult r = Run({"--report", "200", "--data", data});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out.last(), QStringLiteral("Not saved: the tEcrCrs3000V0302 driver has no decoder for report 200 yet; the blocks "
                                         "stay in the work file"));
  EXPECT_EQ(WorkFileBlocks().size(), 2);
  EXPECT_TRUE(Rows("SELECT COUNT(*) FROM \"AllPolls\" WHERE \"Poll Id\" > 0").value(0).value(0).toInt() == 0);
}

TEST_F(CrsPollSave, DataGoesWithAReportRead) {
  const PollResult r = RunBare({"--logon", "--device", line, "--data", data});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.err.startsWith(QStringLiteral("crs-poll: --data goes with --report\n"))) << r.err.toStdString();
}
} // namespace
