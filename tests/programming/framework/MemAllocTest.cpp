// The memory allocation program: its four record layouts, the choice of layout for a
// received block, the blocks it sends, and the sizes a receive hands to its driver.
#include "TestSupport.h"
#include "crs3000/tEcrCrs3000.h"
#include "model/EcrErrors.h"
#include "model/tEcr.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Folders.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/TimingProfile.h"
#include "programming/framework/MemAllocLanguage.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV221.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV225.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV302.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV402.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {
QByteArray Bcd(int value, int width) {
  const QByteArray digits = QByteArray::number(value).rightJustified(2 * width, '0');
  QByteArray bytes;
  for (int i = 0; i < width; ++i) bytes += char(((digits[2 * i] - '0') << 4) | (digits[2 * i + 1] - '0'));
  return bytes;
}

// The register's text: digits as the bytes 0 to 9.
QByteArray RomText(const char* text) {
  QByteArray bytes;
  for (const char* c = text; *c; ++c) bytes += *c >= '0' && *c <= '9' ? char(*c - '0') : *c;
  return bytes;
}

// The head both 36-byte layouts share: ROM text and four two-byte counts.
QByteArray Head(const char* rom) { return RomText(rom) + Bcd(2000, 2) + Bcd(4, 2) + Bcd(30, 2) + Bcd(20, 2); }

// A 36-byte record with a one-byte Coupon (50) and Time Period 24, byte 35 spare.
QByteArray OneByteCoupon() {
  QByteArray r = Head("02.26") + Bcd(50, 1) + Bcd(60, 2) + Bcd(20, 2) + Bcd(3, 1) + Bcd(24, 1) + Bcd(10, 1) + char(1) +
                 Bcd(50, 1) + Bcd(100, 2) + Bcd(1000, 2) + Bcd(200, 2) + Bcd(500, 2) + Bcd(100, 2) + Bcd(10, 2);
  return r + QByteArray(36 - r.size(), '\0');
}

QByteArray V302Record() {
  return Head("03.02") + Bcd(50, 2) + Bcd(60, 2) + Bcd(20, 2) + Bcd(3, 1) + Bcd(24, 1) + Bcd(10, 1) + char(1) + Bcd(50, 1) +
         Bcd(100, 2) + Bcd(1000, 2) + Bcd(200, 2) + Bcd(500, 2) + Bcd(100, 2) + Bcd(10, 2) + char(1) + char(1) +
         Bcd(77, 2);
}

QByteArray V402Record() {
  return Head("04.02") + Bcd(50, 1) + Bcd(60, 2) + Bcd(20, 2) + Bcd(3, 1) + Bcd(24, 1) + Bcd(10, 1) + char(0) +
         Bcd(50, 1) + Bcd(100, 2) + Bcd(1000, 2) + Bcd(200, 2) + Bcd(500, 2) + char(1) + Bcd(12, 1) + Bcd(345, 2) +
         char(2) + char(1);
}

// A stored frame: DLE STX, block number, the byte 2, the record, DLE ETX and two CRC bytes.
QByteArray Framed(const QByteArray& record) { return QByteArray("\x10\x02\x00\x02", 4) + record + QByteArray("\x10\x03\xAB\xCD", 4); }

class MemAlloc : public ::testing::Test {
protected:
  MemAlloc() {
    QDir().mkpath(Folders::CommonFolder());
  }

  std::unique_ptr<tEcr> Driver(const char* romClass) { return tEcr::New(ClassByName(QString::fromLatin1(romClass))); }

  // Receives the blocks into the program; the values of its table's first row.
  QVariantMap Receive(tEcrPrgCrs3000MemAlloc& prg, const QList<QByteArray>& blocks) {
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(qint32(blocks.size()), bytes.data());
    for (const QByteArray& block : blocks) {
      QByteArray length(4, '\0');
      qToLittleEndian<qint32>(qint32(block.size()), length.data());
      bytes += length + block;
    }
    const QString path = dir.filePath(QStringLiteral("work.ecr"));
    TestSupport::WriteFile(path, bytes);
    QFile file(path);
    prg.ReadBlockFile(file);
    return Row(prg);
  }

  static QVariantMap Row(tEcrPrg& prg) {
    QVariantMap row;
    TTable& table = prg.OpenTable();
    for (int i = 0; i < table.FieldCount(); ++i) row.insert(table.Fields(i).FieldName(), table.Fields(i).Value());
    prg.CloseTable();
    return row;
  }

  // The block the program writes for sending.
  QByteArray SendBlock(tEcrPrg& prg) {
    QFile file(dir.filePath(QStringLiteral("send.ecr")));
    prg.WriteBlockFile(file, true);
    file.close();
    const QByteArray bytes = TestSupport::ReadFile(file.fileName());
    const qint32 length = qFromLittleEndian<qint32>(bytes.constData() + 4);
    return bytes.mid(8, length);
  }

  QTemporaryDir dir;
  TimingProfile profile;
  ScopedTimingProfile scopedProfile{profile};
  ScriptedPrompter prompter;
  ScopedPrompter scopedPrompter{prompter};
};
} // namespace

TEST_F(MemAlloc, A402RecordFillsItsOwnFieldsAndZeroesTheOthers) {
  auto driver = Driver("tEcrCrs3000V0302");
  auto prg = tEcrFnct::New<tEcrPrgCrs3000MemAlloc>(driver.get());
  const QVariantMap row = Receive(*prg, {Framed(V402Record())});
  EXPECT_EQ(prg->LayoutClass, &tEcrPrgCrs3000MemAllocV402::StaticClass());
  EXPECT_EQ(row["Rom Version"].toString(), "04.02");
  EXPECT_EQ(row["Coupon"].toInt(), 50);
  EXPECT_EQ(row["Inventory Items"].toInt(), 500);
  EXPECT_TRUE(row["Logo"].toBool());
  EXPECT_EQ(row["KPG Desc"].toInt(), 12);
  EXPECT_EQ(row["Two Byte Codes"].toInt(), 345);
  EXPECT_EQ(row["KP Language"].toInt(), 2);
  EXPECT_EQ(row["RCPT Language"].toInt(), 1);
  EXPECT_EQ(row["Credit Tracking"].toInt(), 0);
  EXPECT_EQ(row["Discount Catagory"].toInt(), 0);
  EXPECT_FALSE(row["Protected Pre-Poll"].toBool());
  EXPECT_EQ(row["Spec Itm Stock"].toInt(), 0);
}

TEST_F(MemAlloc, A302RecordIsReadInItsLayoutEvenByTheLogonsObject) {
  auto prg = tEcrFnct::New<tEcrPrgCrs3000MemAlloc>(nullptr);
  const QVariantMap row = Receive(*prg, {Framed(V302Record())});
  EXPECT_EQ(prg->LayoutClass, &tEcrPrgCrs3000MemAllocV302::StaticClass());
  EXPECT_EQ(row["Coupon"].toInt(), 50);
  EXPECT_EQ(row["Employee"].toInt(), 60);
  EXPECT_EQ(row["Time Period"].toInt(), 24);
  EXPECT_TRUE(row["Product Projections"].toBool());
  EXPECT_EQ(row["Discount Catagory"].toInt(), 10);
  EXPECT_TRUE(row["Protected Pre-Poll"].toBool());
  EXPECT_TRUE(row["Logo"].toBool());
  EXPECT_EQ(row["Spec Itm Stock"].toInt(), 77);
  EXPECT_EQ(row["KPG Desc"].toInt(), 0);
}

// Both 36-byte layouts have the same length: the driver's own class tells them apart.
TEST_F(MemAlloc, The36ByteLayoutComesFromTheDriversRom) {
  struct Case {
    const char* rom;
    const TClass* layout;
    int timePeriod;
  };
  const QByteArray record = OneByteCoupon();
  const Case cases[] = {{"tEcrCrs3000V0226", &tEcrPrgCrs3000MemAllocV221::StaticClass(), 24},
                        {"tEcrCrs3000V0220", &tEcrPrgCrs3000MemAllocV225::StaticClass(), 10}};
  for (const Case& c : cases) {
    auto driver = Driver(c.rom);
    auto prg = tEcrFnct::New<tEcrPrgCrs3000MemAlloc>(driver.get());
    const QVariantMap row = Receive(*prg, {Framed(record)});
    EXPECT_EQ(prg->LayoutClass, c.layout) << c.rom;
    EXPECT_EQ(row["Time Period"].toInt(), c.timePeriod) << c.rom;
    EXPECT_EQ(row["Price Schedule"].toInt(), 4) << "the same place in both";
  }
  auto alone = tEcrFnct::New<tEcrPrgCrs3000MemAlloc>(nullptr);
  EXPECT_EQ(Receive(*alone, {Framed(record)})["Time Period"].toInt(), 24) << "without a driver: one-byte Coupon";
  auto v225 = tEcrFnct::New<tEcrPrgCrs3000MemAllocV225>(nullptr);
  EXPECT_EQ(Receive(*v225, {Framed(record)})["Time Period"].toInt(), 10) << "a version object keeps its own";
}

TEST_F(MemAlloc, AnyOtherLengthUsesTheObjectsOwnLayoutAndMissingBytesReadAsZero) {
  auto prg = tEcrFnct::New<tEcrPrgCrs3000MemAllocV402>(nullptr);
  const QVariantMap row = Receive(*prg, {Framed(V402Record().left(20))});
  EXPECT_EQ(prg->LayoutClass, &tEcrPrgCrs3000MemAllocV402::StaticClass());
  EXPECT_EQ(row["Shift in Day"].toInt(), 3);
  EXPECT_EQ(row["Time Period"].toInt(), 24);
  EXPECT_EQ(row["Prod Mix Group"].toInt(), 0) << "not the DLE ETX after the data";
  EXPECT_EQ(row["Inventory Items"].toInt(), 0);
}

TEST_F(MemAlloc, EveryBlockAddsARow) {
  auto prg = tEcrFnct::New<tEcrPrgCrs3000MemAllocV302>(nullptr);
  Receive(*prg, {Framed(V302Record()), Framed(V302Record())});
  TTable& table = prg->OpenTable();
  EXPECT_EQ(table.RecordCount(), 2);
  prg->CloseTable();
}

// The ROM text goes back as the characters it reads as: digits as they are, not as the
// digit codes the register sent.
namespace {
QByteArray AsSent(QByteArray record, const char* rom) { return record.replace(0, 5, rom); }
} // namespace

TEST_F(MemAlloc, SendingWritesBlockOneTheByteTwoAndTheRecord) {
  auto v302 = tEcrFnct::New<tEcrPrgCrs3000MemAllocV302>(nullptr);
  Receive(*v302, {Framed(V302Record())});
  const QByteArray block302 = SendBlock(*v302);
  EXPECT_EQ(block302.size(), 42);
  EXPECT_EQ(block302.toHex(' '), (QByteArray("\x01\x02", 2) + AsSent(V302Record(), "03.02")).toHex(' '));
  auto v221 = tEcrFnct::New<tEcrPrgCrs3000MemAllocV221>(nullptr);
  Receive(*v221, {Framed(OneByteCoupon())});
  const QByteArray block = SendBlock(*v221);
  EXPECT_EQ(block.size(), 38);
  EXPECT_EQ(block.toHex(' '), (QByteArray("\x01\x02", 2) + AsSent(OneByteCoupon(), "02.26")).toHex(' '));
  EXPECT_EQ(block.back(), '\0') << "byte 35 is spare";
  auto v402 = tEcrFnct::New<tEcrPrgCrs3000MemAllocV402>(nullptr);
  Receive(*v402, {Framed(V402Record())});
  const QByteArray block402 = SendBlock(*v402);
  EXPECT_EQ(block402.size(), 39);
  EXPECT_EQ(block402.mid(2).toHex(' '), AsSent(V402Record(), "04.02").toHex(' '));
}

TEST_F(MemAlloc, AValueTheRecordCannotHoldAbortsTheSend) {
  auto prg = tEcrFnct::New<tEcrPrgCrs3000MemAllocV221>(nullptr);
  Receive(*prg, {Framed(OneByteCoupon())});
  TTable& table = prg->OpenTable();
  table.Edit();
  table.FieldByName(QStringLiteral("Coupon")).SetAsInteger(150); // one BCD byte holds 99
  table.Post();
  prg->CloseTable();
  try {
    SendBlock(*prg);
    FAIL() << "no exception";
  } catch (const EEncodeAborted& e) {
    EXPECT_EQ(e.Message(), "Got Exception Converting Data, Aborting");
  }
}

// Sessions that log on together share the table; each takes its sizes from its own record.
TEST_F(MemAlloc, TheSizesComeFromTheObjectsOwnReceiveNotTheSharedTable) {
  auto first = Driver("tEcrCrs3000V0302");
  auto second = Driver("tEcrCrs3000V0402");
  auto logon1 = tEcrFnct::New<tEcrPrgCrs3000MemAlloc>(first.get());
  auto logon2 = tEcrFnct::New<tEcrPrgCrs3000MemAlloc>(second.get());
  Receive(*logon1, {Framed(V302Record())});
  Receive(*logon2, {Framed(V402Record())});
  logon1->SetEcrSizes();
  logon2->SetEcrSizes();
  const TEcrSizes& sizes1 = dynamic_cast<tEcrCrs3000&>(*first).EcrSizes;
  const TEcrSizes& sizes2 = dynamic_cast<tEcrCrs3000&>(*second).EcrSizes;
  EXPECT_EQ(sizes1.RomVersion(), "03.02");
  EXPECT_EQ(sizes1.Count(QStringLiteral("Spec Itm Stock")), 77);
  EXPECT_EQ(sizes2.RomVersion(), "04.02");
  EXPECT_TRUE(sizes2.Flag(QStringLiteral("Logo")));
  EXPECT_EQ(sizes2.Count(QStringLiteral("Credit Tracking")), 0);
}

TEST_F(MemAlloc, NothingReceivedLeavesTheSizes) {
  auto driver = Driver("tEcrCrs3000V0302");
  auto prg = tEcrFnct::New<tEcrPrgCrs3000MemAlloc>(driver.get());
  prg->SetEcrSizes();
  EXPECT_TRUE(dynamic_cast<tEcrCrs3000&>(*driver).EcrSizes.IsEmpty());
  auto orphan = tEcrFnct::New<tEcrPrgCrs3000MemAlloc>(nullptr);
  EXPECT_THROW(orphan->SetEcrSizes(), EAssertionFailed);
}

TEST_F(MemAlloc, ConstantsTableAndRegistration) {
  auto prg = tEcrFnct::New<tEcrPrgCrs3000MemAllocV302>(nullptr);
  EXPECT_EQ(prg->GetPrgCode(), 14);
  EXPECT_EQ(prg->GetPrgName(), "Memory Allocation");
  EXPECT_EQ(prg->LocalTableName(), "Default.tEcrPrgCrs3000MemAlloc");
  EXPECT_EQ(prg->GetPrgRecSize(), 40);
  EXPECT_EQ(tEcrFnct::New<tEcrPrgCrs3000MemAllocV402>(nullptr)->GetMaintFormClass(), "TFmEcrPrgCrs3000MemAllocV402");
  EXPECT_EQ(prg->GetMaintFormClass(), "TFmEcrPrgCrs3000MemAlloc");
  const auto def = prg->DescribeTable();
  ASSERT_TRUE(def);
  ASSERT_EQ(def->fields.size(), 26);
  EXPECT_EQ(def->fields[0].name, "Rom Version");
  EXPECT_EQ(def->fields[21].name, "Spec Itm Stock");
  EXPECT_EQ(def->fields[25].name, "RCPT Language");
  for (const char* name : {"tEcrPrgCrs3000MemAllocV221", "tEcrPrgCrs3000MemAllocV225", "tEcrPrgCrs3000MemAllocV302",
                           "tEcrPrgCrs3000MemAllocV402"})
    EXPECT_NO_THROW((void)FindStreamable(QString::fromLatin1(name))) << name;
  EXPECT_THROW((void)FindStreamable(QStringLiteral("tEcrPrgCrs3000MemAlloc")), EClassNotRegistered);
  EXPECT_NE(Driver("tEcrCrs3000V0402")->FindPrgByClass(QStringLiteral("tEcrPrgCrs3000MemAllocV402")), nullptr);
}

TEST(MemAllocLanguage, TextsAndTypedNames) {
  EXPECT_EQ(MemAllocLanguage::Text(0), "English");
  EXPECT_EQ(MemAllocLanguage::Text(1), "Chinese");
  EXPECT_EQ(MemAllocLanguage::Text(2), "Korean");
  EXPECT_EQ(MemAllocLanguage::Text(7), "English");
  EXPECT_EQ(MemAllocLanguage::Text(QVariant()), "English");
  EXPECT_EQ(MemAllocLanguage::Value(QStringLiteral(" korean ")), 2);
  EXPECT_EQ(MemAllocLanguage::Value(QStringLiteral("Chinese (simplified)")), 1);
  EXPECT_EQ(MemAllocLanguage::Value(QStringLiteral("French")), 0);
}
