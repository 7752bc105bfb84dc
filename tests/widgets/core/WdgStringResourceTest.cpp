#include "widgets/core/WdgStringResource.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <functional>
#include <map>

namespace {
QByteArray Int32(qint32 value) {
  QByteArray bytes(4, '\0');
  qToLittleEndian(value, bytes.data());
  return bytes;
}

// A table in the STR0 form, built here from its description.
QByteArray Table(const std::map<int, QString>& texts) {
  QByteArray entries, strings;
  const qint32 textsStart = 8 + 12 * qint32(texts.size());
  for (const auto& [id, text] : texts) {
    entries += Int32(id) + Int32(textsStart + qint32(strings.size())) + Int32(qint32(text.size()));
    for (QChar c : text) {
      QByteArray unit(2, '\0');
      qToLittleEndian(c.unicode(), unit.data());
      strings += unit;
    }
  }
  return "STR0" + Int32(qint32(texts.size())) + entries + strings;
}

QString MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EResStringError& e) {
    return e.Message();
  }
  return {};
}

TEST(WdgStringResource, FindsEveryEntryByBinarySearch) {
  std::map<int, QString> texts;
  for (int id = 30168; id < 30168 + 57; ++id) texts[id] = QStringLiteral("text %1 é€").arg(id);
  const TWdgStringResource table(Table(texts));
  for (const auto& [id, text] : texts) EXPECT_EQ(table.GetString(id), text) << id;
  EXPECT_EQ(table.GetString(30167), QString());
  EXPECT_EQ(table.GetString(30168 + 57), QString());
}

TEST(WdgStringResource, OneEntryAndNoEntry) {
  const TWdgStringResource one(Table({{30278, QStringLiteral("Entry Error")}}));
  EXPECT_EQ(one.GetString(30278), QStringLiteral("Entry Error"));
  EXPECT_EQ(one.GetString(30277), QString());
  EXPECT_EQ(one.GetString(30279), QString());
  const TWdgStringResource none(Table({}));
  EXPECT_EQ(none.GetString(1), QString());
}

TEST(WdgStringResource, MissingIdRaisesWhenAsked) {
  const TWdgStringResource table(Table({{5, QStringLiteral("five")}}), true);
  EXPECT_EQ(MessageOf([&] { table.GetString(7); }), QStringLiteral("String not found: 7"));
}

TEST(WdgStringResource, RefusesDataThatIsNoTable) {
  const QByteArray good = Table({{1, QStringLiteral("one")}});
  QByteArray wrongSignature = good;
  wrongSignature[3] = '1';
  QByteArray countTooLarge = good;
  countTooLarge.replace(4, 4, Int32(2));
  QByteArray textOutside = good;
  textOutside.replace(16, 4, Int32(100));
  for (const QByteArray& data : {wrongSignature, countTooLarge, textOutside, QByteArray("STR"), good.left(good.size() - 1)})
    EXPECT_EQ(MessageOf([&] { TWdgStringResource table(data); }), QStringLiteral("Invalid string resource"));
}

TEST(WdgStringResource, ReadsFromAFile) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("strings.bin"));
  EXPECT_EQ(MessageOf([&] { TWdgStringResource::FromFile(path); }),
            QStringLiteral("String resource not found: ") + path);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(Table({{2, QStringLiteral("two")}}));
  file.close();
  EXPECT_EQ(TWdgStringResource::FromFile(path).GetString(2), QStringLiteral("two"));
}
} // namespace
