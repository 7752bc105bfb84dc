#include "store/text/TableTextCodec.h"

#include <gtest/gtest.h>

TEST(TableTextCodecTest, QuotesOnlyFieldsThatNeedIt) {
  const struct {
    const char* text;
    const char* written;
  } cases[] = {
      {"plain", "plain"},
      {"with space", "with space"},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {"lf\nonly", "\"lf\nonly\""},
      {"\"", "\"\"\"\""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TableTextCodec::QuotedField(QString::fromUtf8(c.text)), QString::fromUtf8(c.written)) << c.text;
}

TEST(TableTextCodecTest, WrittenFieldsReadBackAsTheyWere) {
  const QStringList fields{"1", "a,b", "say \"hi\"", "two\r\nlines", "", "\"", "\"x\" y", "caf\u00e9 \u20ac", ",", "end"};
  QStringList written;
  for (const QString& field : fields) written << TableTextCodec::QuotedField(field);
  const QString text = written.join(QLatin1Char(',')) + QStringLiteral("\r\nnext,row\r\n");
  const QList<QStringList> records = TableTextCodec::ParseRecords(text);
  ASSERT_EQ(records.size(), 2);
  EXPECT_EQ(records[0], fields);
  EXPECT_EQ(records[1], (QStringList{"next", "row"}));
}

TEST(TableTextCodecTest, ReadsOldUnquotedLines) {
  const struct {
    const char* text;
    QList<QStringList> records;
  } cases[] = {
      {"1,Cola,2.5\r\n", {{"1", "Cola", "2.5"}}},
      {"1,Cola, large,2.5", {{"1", "Cola", " large", "2.5"}}},  // the old comma shift
      {"2,\"Big\" Mac,3\r\n", {{"2", "\"Big\" Mac", "3"}}},     // a quote not closing a field
      {"3,\"open,4\n", {{"3", "\"open", "4"}}},                 // a quote never closed
      {"4,x\"y,5", {{"4", "x\"y", "5"}}},
      {"a\nb\rc\r\n", {{"a"}, {"b"}, {"c"}}},
      {"a\r\n\r\nb", {{"a"}, {""}, {"b"}}},
      {"a,,\r\n", {{"a", "", ""}}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(TableTextCodec::ParseRecords(QString::fromUtf8(c.text)), c.records) << c.text;
}

TEST(TableTextCodecTest, AnEmptyTextIsQuotedSoThatItIsNotReadAsNoValue) {
  EXPECT_EQ(TableTextCodec::QuotedField(QString()), QString());
  EXPECT_EQ(TableTextCodec::QuotedField(QStringLiteral("")), QStringLiteral("\"\""));
  const QList<QStringList> records = TableTextCodec::ParseRecords(QStringLiteral("1,,\"\",x"));
  ASSERT_EQ(records.size(), 1);
  ASSERT_EQ(records[0].size(), 4);
  EXPECT_TRUE(records[0][1].isNull());
  EXPECT_FALSE(records[0][2].isNull());
  EXPECT_TRUE(records[0][2].isEmpty());
}
