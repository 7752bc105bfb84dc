#include "platform/sys/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteRoundTrips) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(char(b));
  EXPECT_EQ(Cp1252::Encode(Cp1252::Decode(all)), all);
}

TEST(Cp1252, MapsTheWindowsRange) {
  EXPECT_EQ(Cp1252::Decode(QByteArray("\x80\x99\xE9", 3)), QString::fromUtf8("€™é"));
  EXPECT_EQ(Cp1252::Encode(QString::fromUtf8("€ü")), QByteArray("\x80\xFC", 2));
}

TEST(Cp1252, UnmappableCharacterBecomesQuestionMark) {
  EXPECT_EQ(Cp1252::Encode(QString::fromUtf8("a\u4E2Dz")), QByteArray("a?z"));
}
