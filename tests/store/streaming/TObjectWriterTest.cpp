#include "store/streaming/TObjectWriter.h"

#include "FilerProbe.h"
#include "TestSupport.h"
#include "store/StreamedObjects.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
using StreamedObjects::HexOf;

QByteArray Expected(const char* hex) { return HexOf(TestSupport::Hex(hex)); }
} // namespace

TEST(TObjectWriter, IntegerTakesTheShortestForm) {
  const struct {
    qint32 value;
    const char* bytes;
  } cases[] = {
      {0, "02 00"},
      {-128, "02 80"},
      {127, "02 7F"},
      {-129, "03 7F FF"},
      {128, "03 80 00"},
      {32767, "03 FF 7F"},
      {-32768, "03 00 80"},
      {32768, "04 00 80 00 00"},
      {-32769, "04 FF 7F FF FF"},
      {std::numeric_limits<qint32>::max(), "04 FF FF FF 7F"},
      {std::numeric_limits<qint32>::min(), "04 00 00 00 80"},
  };
  for (const auto& c : cases) {
    const QByteArray body = FilerProbe::Payload([&](TObjectWriter& w) { w.WriteInteger(c.value); });
    EXPECT_EQ(HexOf(body), Expected(c.bytes)) << c.value;
  }
}

TEST(TObjectWriter, StringFormsAtTheBoundary) {
  const QString s255(255, QLatin1Char('a')), s256(256, QLatin1Char('b'));
  const QByteArray short_ = FilerProbe::Payload([&](TObjectWriter& w) { w.WriteString(s255); });
  EXPECT_EQ(short_.size(), 2 + 255);
  EXPECT_EQ(HexOf(short_.left(2)), Expected("06 FF"));
  const QByteArray long_ = FilerProbe::Payload([&](TObjectWriter& w) { w.WriteString(s256); });
  EXPECT_EQ(long_.size(), 5 + 256);
  EXPECT_EQ(HexOf(long_.left(5)), Expected("0C 00 01 00 00"));
  EXPECT_EQ(long_.mid(5), QByteArray(256, 'b'));
  EXPECT_EQ(HexOf(FilerProbe::Payload([](TObjectWriter& w) { w.WriteString(QString()); })), Expected("06 00"));
}

TEST(TObjectWriter, StringsAreWindows1252) {
  const QString text = QString::fromUtf8("\xE2\x82\xAC" "5 caf\xC3\xA9"); // euro sign, e acute
  EXPECT_EQ(HexOf(FilerProbe::Payload([&](TObjectWriter& w) { w.WriteString(text); })),
            Expected("06 07 80 35 20 63 61 66 E9"));
  EXPECT_EQ(HexOf(FilerProbe::Payload([](TObjectWriter& w) { w.WriteChar(QChar(0xE9)); })), Expected("06 01 E9"));
}

TEST(TObjectWriter, BooleansFloatsRawAndLists) {
  const QByteArray body = FilerProbe::Payload([](TObjectWriter& w) {
    w.WriteBoolean(true);
    w.WriteBoolean(false);
    w.WriteFloat(1.0);
    w.Write("\x01\x02", 2);
    w.WriteListBegin();
    w.WriteListEnd();
  });
  EXPECT_EQ(HexOf(body), Expected("09 08 05 00 00 00 00 00 00 00 80 FF 3F 01 02 01 00"));
}
