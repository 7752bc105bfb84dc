// crs-decode run as a process: a coupon work file saved into a data folder, a dry run
// that prints the rows, a damaged work file that stores nothing, and the command line's
// errors.
#include "CouponWork.h"

#include "TestSupport.h"
#include "model/ModelFixture.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct Result {
  int exitCode = -1; // -1: the program did not end in time
  QStringList out;
  QString err;
};

Result RunCrsDecode(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(CRS_DECODE_PROGRAM), arguments);
  Result result;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
  } else if (process.exitStatus() == QProcess::NormalExit) {
    result.exitCode = process.exitCode();
  }
  result.out = QString::fromLocal8Bit(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  result.err = QString::fromLocal8Bit(process.readAllStandardError());
  return result;
}

class CrsDecode : public ::testing::Test {
protected:
  QString Work(const QList<QByteArray>& blocks, qint32 count = -1) {
    const QString path = dir.filePath(QStringLiteral("coupon.blk"));
    TestSupport::WriteFile(path, CouponWork::File(blocks, count));
    return path;
  }
  Result Decode(const QString& work, const QString& report = QStringLiteral("Coupon")) {
    return RunCrsDecode({"--rom", "3.02", "--report", report, "--work", work, "--data", data});
  }
  QList<QVariantList> Coupons(const QString& where = QString()) {
    return StoredRows(data, QStringLiteral("tEcrRptCrs3000Coupon"), QStringLiteral("\"Poll Id\", \"Memory Number\", \"Count\""),
                      where);
  }
  QList<QVariantList> Polls() {
    return StoredRows(data, QStringLiteral("AllPolls"), QStringLiteral("\"Poll Id\", \"EcrRptClass\", \"Machine Id\""));
  }

  QTemporaryDir dir;
  QString data = dir.filePath(QStringLiteral("data"));
};

TEST_F(CrsDecode, APollOfSeveralBlocksLandsInTheDataFolderUnderANewPollIdEachRun) {
  const QString work = Work(CouponWork::Poll(200));
  const Result first = Decode(work);
  ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
  EXPECT_EQ(first.out, QStringList({"Poll Id 1: Coupon (tEcrRptCrs3000Coupon), 200 rows in tEcrRptCrs3000Coupon"}));
  // By class name, ignoring case, as well as by report name.
  const Result second = Decode(work, QStringLiteral("TECRRPTCRS3000COUPON"));
  ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
  EXPECT_EQ(second.out, QStringList({"Poll Id 2: Coupon (tEcrRptCrs3000Coupon), 200 rows in tEcrRptCrs3000Coupon"}));

  EXPECT_EQ(Polls(), (QList<QVariantList>{{1, "tEcrRptCrs3000Coupon", "crs-decode"}, {2, "tEcrRptCrs3000Coupon", "crs-decode"}}));
  const QList<QVariantList> rows = Coupons(QStringLiteral("\"Poll Id\" = 2 ORDER BY \"Memory Number\""));
  ASSERT_EQ(rows.size(), 200);
  EXPECT_EQ(rows[180], (QVariantList{2, 181, 181.0})) << "numbered across blocks";
  EXPECT_TRUE(QFile::exists(work)) << "the work file is the caller's";
}

TEST_F(CrsDecode, ADryRunPrintsTheRowsAndLeavesNoDataFolder) {
  const QString engineIni = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/tillbridge/engine.ini");
  const QByteArray engineBefore = QFile::exists(engineIni) ? TestSupport::ReadFile(engineIni) : QByteArray("none");
  const Result r = RunCrsDecode({"--rom", "tEcrCrs3000V0302", "--report", "44", "--work",
                                 Work({CouponWork::Header(), Framed(CouponWork::Record(-1234, -7) + CouponWork::Record(99, 2), 2)}),
                                 "--dry-run"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QStringList({"Poll Id 1: Coupon (tEcrRptCrs3000Coupon), 2 rows in tEcrRptCrs3000Coupon",
                                "Poll Id\tMemory Number\tName\tTotal\tCount", "1\t1\tUndefined\t-12.34\t-7",
                                "1\t2\tUndefined\t0.99\t2"}));
  EXPECT_FALSE(QDir(data).exists());
  const QString own = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QStringLiteral("/tillbridge/data");
  EXPECT_FALSE(QFile::exists(own + QStringLiteral("/tillbridge.db"))) << "nothing goes to the user's own data folder";
  EXPECT_FALSE(QFile::exists(own + QStringLiteral("/Program Data/tillbridge.db")));
  EXPECT_EQ(QFile::exists(engineIni) ? TestSupport::ReadFile(engineIni) : QByteArray("none"), engineBefore)
      << "the engine's configuration is left as it was";
}

// Each damaged file fails with the system's message, and the folder keeps no part of it.
TEST_F(CrsDecode, ADamagedWorkFileStoresNothingAndSaysWhy) {
  const QByteArray halfRecord = CouponWork::Record(1, 1) + TestSupport::Hex("00 00");
  const struct {
    const char* what;
    QByteArray bytes;
    const char* message; // %1: the file
  } cases[] = {
      {"a file shorter than its count", QByteArray("\x02\x00", 2), "Read beyond end of file"},
      {"a block that is no whole number of records", CouponWork::File({CouponWork::Header(), Framed(halfRecord, 2)}),
       "Block Size Mismatch, got: 13  expecting: 1980"},
      {"a block cut short", CouponWork::File({CouponWork::Header(), Framed(CouponWork::Records(1, 3), 2)}).chopped(5), "Read beyond end of file"},
      {"a length past any block", CouponWork::File({CouponWork::Header()}).replace(4, 4, TestSupport::Hex("FF FF FF 7F")),
       "Invalid block length 2147483647 in block 1 of %1"},
  };
  ASSERT_EQ(Decode(Work(CouponWork::Poll(3))).exitCode, 0);
  for (const auto& c : cases) {
    const QString path = dir.filePath(QStringLiteral("bad.blk"));
    TestSupport::WriteFile(path, c.bytes);
    const Result r = Decode(path);
    EXPECT_EQ(r.exitCode, 1) << c.what;
    EXPECT_TRUE(r.out.isEmpty()) << c.what;
    EXPECT_EQ(r.err, QStringLiteral("crs-decode: Coupon not saved: %1\n").arg(QString::fromLatin1(c.message).replace(QLatin1String("%1"), path))) << c.what;
    EXPECT_EQ(Polls().size(), 1) << c.what;
    EXPECT_EQ(Coupons().size(), 3) << c.what;
  }
}

TEST_F(CrsDecode, ACommandLineItCannotRunIsRefusedWithTheReason) {
  const QString work = Work(CouponWork::Poll(1));
  const struct {
    QStringList arguments;
    int exitCode;
    const char* error;
  } cases[] = {
      {{"--report", "Coupon", "--work", work, "--dry-run"}, 2, "crs-decode: --rom is required\n"},
      {{"--rom", "3.02", "--work", work, "--dry-run"}, 2, "crs-decode: --report is required\n"},
      {{"--rom", "3.02", "--report", "Coupon", "--dry-run"}, 2, "crs-decode: --work is required\n"},
      {{"--rom", "3.02", "--report", "Coupon", "--work", work}, 2, "crs-decode: Give either --data FOLDER or --dry-run\n"},
      {{"--rom", "3.02", "--report", "Coupon", "--work", work, "--dry-run", "--data", "x"}, 2,
       "crs-decode: Give either --data FOLDER or --dry-run\n"},
      {{"--rom", "9.99", "--report", "Coupon", "--work", work, "--dry-run"}, 2, "crs-decode: --rom takes one of "},
      {{"--rom", "3.02", "--report", "Nothing", "--work", work, "--dry-run"}, 2,
       "crs-decode: The tEcrCrs3000V0302 (ROM 3.02) driver has no report \"Nothing\"; it has: "},
      {{"--rom", "3.02", "--report", "99", "--work", work, "--dry-run"}, 2,
       "crs-decode: The tEcrCrs3000V0302 (ROM 3.02) driver has no report of code 99; it has: "},
      {{"--rom", "3.02", "--report", "Coupon", "--work", dir.filePath("none.blk"), "--dry-run"}, 1,
       "crs-decode: No work file "},
      {{"--rom", "3.02", "--report", "Coupon", "--work", work, "--dry-run", "extra"}, 2, "crs-decode: Unexpected argument \"extra\"\n"},
  };
  for (const auto& c : cases) {
    const Result r = RunCrsDecode(c.arguments);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(r.err.startsWith(QLatin1String(c.error))) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << c.arguments.join(' ').toStdString();
  }
  const Result unknown = RunCrsDecode({"--rom", "3.02", "--report", "Nothing", "--work", work, "--dry-run"});
  EXPECT_TRUE(unknown.err.contains(QStringLiteral("Coupon (tEcrRptCrs3000Coupon)"))) << "what the driver has";
  EXPECT_EQ(RunCrsDecode({"--help"}).exitCode, 0);
}
} // namespace
