#include "EngineFixture.h"

#include <QBuffer>

namespace {
class FieldValues : public EngineFixture {
protected:
  void SetUp() override {
    EngineFixture::SetUp();
    TTableDef def{QStringLiteral("Values"), {}, {}};
    def.fields = {{QStringLiteral("Alpha"), TFieldType::Alpha, 5},   {QStringLiteral("Short"), TFieldType::Short},
                  {QStringLiteral("Long"), TFieldType::Long},        {QStringLiteral("Money"), TFieldType::Money},
                  {QStringLiteral("Number"), TFieldType::Number},    {QStringLiteral("Date"), TFieldType::Date},
                  {QStringLiteral("Time"), TFieldType::Time},        {QStringLiteral("Stamp"), TFieldType::DateTime},
                  {QStringLiteral("Logical"), TFieldType::Logical},  {QStringLiteral("Memo"), TFieldType::Memo},
                  {QStringLiteral("Blob"), TFieldType::Blob},        {QStringLiteral("Bytes"), TFieldType::Bytes, 4}};
    Db().CreateTable(def);
    table = OpenTable(def.name);
    table->Append();
  }

  TField& F(const char* name) { return table->FieldByName(QLatin1String(name)); }

  // Posts, reopens and lands on the record again, so values come from the file.
  void Reread() {
    table->Post();
    table->Close();
    table->Open();
    table->Last();
  }

  std::unique_ptr<TTable> table;
};
} // namespace

TEST_F(FieldValues, MoneyReadsBackAsTheSameCents) {
  const QList<qint64> cents = {0, 1, 10, 1234, -1999, 33, 99999999999, 7, 1001};
  for (qint64 c : cents) {
    table->Append();
    F("Money").SetAsMoney(c);
    Reread();
    EXPECT_EQ(F("Money").AsMoney(), c);
  }
  table->Edit();
  F("Money").SetAsString(QStringLiteral("12.34"));
  Reread();
  EXPECT_EQ(F("Money").AsMoney(), 1234);
  EXPECT_EQ(F("Money").AsString(), QStringLiteral("12.34"));
  EXPECT_DOUBLE_EQ(F("Money").AsFloat(), 12.34);
}

TEST_F(FieldValues, TextsAreStoredAndReadAsEachTypeHasThem) {
  struct Case {
    const char* field;
    QString in;
    QString out;
  };
  const QList<Case> cases = {
      {"Alpha", QStringLiteral("Longer than five"), QStringLiteral("Longe")},
      {"Short", QStringLiteral("-32768"), QStringLiteral("-32768")},
      {"Long", QStringLiteral("9876543210"), QStringLiteral("9876543210")},
      {"Number", QStringLiteral("0.1"), QStringLiteral("0.1")},
      {"Date", QStringLiteral("12/8/2026"), QStringLiteral("12/8/2026")},
      {"Time", QStringLiteral("11:05:12 PM"), QStringLiteral("11:05:12 PM")},
      {"Stamp", QStringLiteral("1/2/2000 6:00:00 AM"), QStringLiteral("1/2/2000 6:00:00 AM")},
      {"Logical", QStringLiteral("yes"), QStringLiteral("True")},
      {"Memo", QStringLiteral("line 1\r\nline \"2\""), QStringLiteral("line 1\r\nline \"2\"")},
      {"Short", QString(), QString()},
  };
  for (const Case& c : cases) {
    table->Append();
    table->FieldByName(QLatin1String(c.field)).SetAsString(c.in);
    Reread();
    EXPECT_EQ(table->FieldByName(QLatin1String(c.field)).AsString(), c.out) << c.field;
  }
}

TEST_F(FieldValues, ValuesOutsideTheTypeAreRefusedNamingTheField) {
  struct Case {
    const char* field;
    QVariant value;
    int code;
  };
  const QList<Case> cases = {
      {"Short", 32768, EngineError::ValueOutOfRange},
      {"Short", -40000, EngineError::ValueOutOfRange},
      {"Long", QStringLiteral("12x"), EngineError::InvalidValue},
      {"Date", QStringLiteral("31/31/2026"), EngineError::InvalidValue},
      {"Logical", QStringLiteral("maybe"), EngineError::InvalidValue},
      {"Number", std::numeric_limits<double>::infinity(), EngineError::ValueOutOfRange},
  };
  for (const Case& c : cases) {
    try {
      table->FieldByName(QLatin1String(c.field)).SetValue(c.value);
      ADD_FAILURE() << c.field << " took " << c.value.toString().toStdString();
    } catch (const EDBEngineError& e) {
      EXPECT_EQ(e.ErrorCode(), c.code) << c.field;
      EXPECT_TRUE(e.Message().contains(QLatin1String(c.field))) << e.Message().toStdString();
    }
  }
}

TEST_F(FieldValues, DatesKeepTheirDayNumbersAndParts) {
  const TDateTime stamp = TDateTime::FromQDateTime(QDateTime(QDate(2026, 12, 8), QTime(23, 5, 12)));
  F("Date").SetAsDateTime(stamp);
  F("Time").SetAsDateTime(stamp);
  F("Stamp").SetAsDateTime(stamp);
  F("Logical").SetAsBoolean(true);
  Reread();
  EXPECT_EQ(F("Date").AsDateTime().Date(), QDate(2026, 12, 8));
  EXPECT_EQ(F("Date").AsFloat(), stamp.DatePart().Days());
  EXPECT_EQ(F("Time").AsDateTime().Time(), QTime(23, 5, 12));
  EXPECT_EQ(F("Stamp").AsDateTime(), stamp);
  EXPECT_EQ(F("Logical").Value(), QVariant(true));
}

TEST_F(FieldValues, BlobsGoToAndComeFromStreamsByteForByte) {
  QByteArray bytes;
  for (int i = 0; i < 256; ++i) bytes.append(static_cast<char>(i));
  QBuffer in(&bytes);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  F("Blob").LoadFromStream(in);
  F("Bytes").SetAsBytes(QByteArrayLiteral("\x01\x02\x03\x04\x05"));
  F("Memo").SetAsBytes(QByteArray("caf\xe9"));
  Reread();
  QByteArray outBytes;
  QBuffer out(&outBytes);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  F("Blob").SaveToStream(out);
  EXPECT_EQ(outBytes, bytes);
  EXPECT_EQ(F("Bytes").AsBytes(), QByteArrayLiteral("\x01\x02\x03\x04"));
  EXPECT_EQ(F("Memo").AsString(), QStringLiteral("caf\u00e9"));
  EXPECT_EQ(F("Memo").AsBytes(), QByteArray("caf\xe9"));
}

TEST_F(FieldValues, AnAlphaTextEndsAtItsFirstZeroCharacter) {
  for (const QString& in : {QStringLiteral("AB"), QString(QStringLiteral("AB")) + QChar(0) + QStringLiteral("CD"),
                            QString(QChar(0)) + QStringLiteral("XY")}) {
    table->Append();
    F("Alpha").SetAsString(in);
    Reread();
    EXPECT_EQ(F("Alpha").AsString(), in.left(in.indexOf(QChar(0)) < 0 ? in.size() : in.indexOf(QChar(0))));
    EXPECT_FALSE(F("Alpha").AsString().contains(QChar(0)));
  }
}
