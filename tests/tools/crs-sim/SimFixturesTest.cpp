// Block files and fixture folders, and the memory allocation the register logs on with.
#include "crs-sim/CrsSim.h"
#include "crs-sim/SimBlockFile.h"
#include "crs-sim/SimErrors.h"
#include "crs-sim/SimFixtures.h"
#include "crs-sim/SimFraming.h"

#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using TestSupport::Hex;

namespace {
int Bcd(const QByteArray& record, int at, int width) {
  int n = 0;
  for (int i = 0; i < width; ++i) n = n * 100 + (quint8(record[at + i]) >> 4) * 10 + (quint8(record[at + i]) & 0x0F);
  return n;
}
} // namespace

TEST(SimBlockFile, CountThenLengthAndBytesLittleEndian) {
  const QByteArray file = SimBlockFile::Encode({Hex("01 02 AA"), Hex("02 01")});
  EXPECT_EQ(file, Hex("02000000 03000000 0102AA 02000000 0201"));
  EXPECT_EQ(SimBlockFile::Decode(file, QStringLiteral("x")), QList<QByteArray>({Hex("01 02 AA"), Hex("02 01")}));
  // The count may be stale: readers go to the end of the file.
  EXPECT_EQ(SimBlockFile::Decode(Hex("01000000 01000000 AA 01000000 BB"), QStringLiteral("x")).size(), 2);
}

TEST(SimBlockFile, DamagedFilesAreRefusedByName) {
  for (const char* bytes : {"0100", "01000000 0100", "01000000 05000000 0102", "01000000 FFFFFFFF",
                            "01000000 00000000", "01000000 01100000 00"}) {
    try {
      SimBlockFile::Decode(Hex(bytes), QStringLiteral("damaged.ecr"));
      ADD_FAILURE() << bytes;
    } catch (const SimFixtureError& e) {
      EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Block file damaged.ecr: "))) << bytes;
    }
  }
}

TEST(SimBlockFile, StoredFramesLoseTheirFramingOnlyWhenTheCrcChecks) {
  const QByteArray body = Hex("00 01 10 03 41");
  const QByteArray frame = SimFraming::DataFrame(body); // its doubling removed = a stored frame
  const QByteArray stored = Hex("10 02") + body + Hex("10 03") + frame.right(2);
  EXPECT_EQ(SimBlockFile::Body(stored), body);
  QByteArray wrong = stored;
  wrong[wrong.size() - 1] = char(wrong[wrong.size() - 1] ^ 1);
  EXPECT_EQ(SimBlockFile::Body(wrong), wrong);
  EXPECT_EQ(SimBlockFile::Body(body), body);
}

TEST(SimFixtures, LoadsBothBlockFormsByCode) {
  const SimFixtures fixtures = SimFixtures::Load(TestSupport::DataPath(QStringLiteral("crs-sim")));
  EXPECT_EQ(fixtures.programs.keys(), QList<int>({1}));
  EXPECT_EQ(fixtures.reports.keys(), QList<int>({33, 96}));
  EXPECT_EQ(fixtures.reports[33].size(), 3);
  EXPECT_EQ(fixtures.reports[33][0].mid(2, 2), Hex("00 5A")); // poll header: "Z"
  ASSERT_EQ(fixtures.reports[96].size(), 2);
  EXPECT_EQ(fixtures.reports[96][1], Hex("00 01") + QByteArray("EJ LINE 0001\x10\x03"));
}

TEST(SimFixtures, RefusesWhatTheRegisterCouldNotSend) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("reports")));
  const QString file = dir.filePath(QStringLiteral("reports/payroll.ecr"));
  SimBlockFile::Write(file, {Hex("01 01 00")});
  EXPECT_THROW(SimFixtures::Load(dir.path()), SimFixtureError);
  QFile::remove(file);
  SimBlockFile::Write(dir.filePath(QStringLiteral("reports/33.ecr")), QList<QByteArray>(257, Hex("01 01")));
  EXPECT_THROW(SimFixtures::Load(dir.path()), SimFixtureError);
  EXPECT_THROW(SimFixtures::Load(dir.filePath(QStringLiteral("missing"))), SimFixtureError);
  EXPECT_TRUE(SimFixtures::Load(QString()).programs.isEmpty());
  EXPECT_THROW(SimFixtures::Check(QStringLiteral("x"), {QByteArray(4097, 'x')}), SimFixtureError);
}

TEST(SimFixtures, DefaultMemoryAllocationIsAValid302Record) {
  const SimFixtures fixtures = SimFixtures::Load(CrsSimConfig::DefaultFixtureDir());
  ASSERT_EQ(fixtures.programs.value(14).size(), 1);
  const QByteArray body = fixtures.programs[14][0];
  ASSERT_EQ(body.size(), 2 + 40); // one 40-byte record: the 3.02 layout, known by its length
  EXPECT_EQ(body.left(2), Hex("01 02"));
  const QByteArray r = body.mid(2);
  EXPECT_EQ(r.left(5), Hex("00 03 2E 00 02")); // "03.02" in the register's digit codes
  struct Field {
    const char* name;
    int at, width, value;
  } fields[] = {{"PLU", 5, 2, 2000},          {"Price Schedule", 7, 2, 4},       {"Condiment Table", 9, 2, 30},
                {"Condiment Chain", 11, 2, 20}, {"Coupon", 13, 2, 50},           {"Employee", 15, 2, 50},
                {"Cashier", 17, 2, 20},        {"Shift in Day", 19, 1, 3},       {"Time Period", 20, 1, 24},
                {"Prod Mix Group", 21, 1, 10}, {"Item Trans", 23, 1, 50},        {"Order Track", 24, 2, 100},
                {"Electronic Journal", 26, 2, 1000}, {"Inventory Recipe", 28, 2, 200},
                {"Inventory Items", 30, 2, 500}, {"Credit Tracking", 32, 2, 100}, {"Discount Catagory", 34, 2, 10},
                {"Spec Itm Stock", 38, 2, 50}};
  for (const Field& f : fields) EXPECT_EQ(Bcd(r, f.at, f.width), f.value) << f.name;
  EXPECT_EQ(quint8(r[22]) & 1, 1); // Product Projections
  EXPECT_EQ(quint8(r[36]) & 1, 0); // Protected Pre-Poll
  EXPECT_EQ(quint8(r[37]) & 1, 1); // Logo
}
