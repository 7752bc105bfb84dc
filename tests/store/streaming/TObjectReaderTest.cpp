#include "store/streaming/TObjectReader.h"

#include "FilerProbe.h"
#include "StreamTestItems.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/TObjectWriter.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <limits>

using TestSupport::Hex;

TEST(TObjectReader, IntegersInAnyFormSignExtended) {
  const struct {
    const char* bytes;
    qint32 value;
  } cases[] = {
      {"02 80", -128}, {"02 7F", 127}, {"03 7F FF", -129}, {"03 80 00", 128},
      {"04 00 80 00 00", 32768}, {"04 FF 7F FF FF", -32769}, {"03 05 00", 5}, {"04 05 00 00 00", 5},
  };
  for (const auto& c : cases) {
    qint32 got = 0;
    const qint64 end = FilerProbe::ReadPayload(Hex(c.bytes), [&](TObjectReader& r) { got = r.ReadInteger(); });
    EXPECT_EQ(got, c.value) << c.bytes;
    EXPECT_EQ(end, Hex(c.bytes).size()) << c.bytes;
  }
}

TEST(TObjectReader, StringsInEitherForm) {
  QString a, b, c;
  QChar ch;
  FilerProbe::ReadPayload(Hex("06 03 61 62 63  0C 02 00 00 00 80 E9  06 00  06 01 7A"), [&](TObjectReader& r) {
    a = r.ReadString();
    b = r.ReadString();
    c = r.ReadString();
    ch = r.ReadChar();
  });
  EXPECT_EQ(a.toStdString(), "abc");
  EXPECT_EQ(b, QString::fromUtf8("\xE2\x82\xAC\xC3\xA9"));
  EXPECT_TRUE(c.isEmpty());
  EXPECT_EQ(ch, QLatin1Char('z'));
}

TEST(TObjectReader, BooleansFloatsAndPeeks) {
  bool t = false, f = true, odd = true;
  double one = 0, fromInt = 0;
  bool endAfter = false;
  TValueType next{};
  QByteArray raw(3, '\0');
  FilerProbe::ReadPayload(Hex("09 08 02 05 00 00 00 00 00 00 00 80 FF 3F 03 00 01 01 AA BB CC 00"),
                          [&](TObjectReader& r) {
                            t = r.ReadBoolean();
                            f = r.ReadBoolean();
                            odd = r.ReadBoolean(); // any byte but 09 reads as false
                            next = r.NextValue();
                            one = r.ReadFloat();
                            fromInt = r.ReadFloat();
                            r.ReadListBegin();
                            r.Read(raw.data(), 3);
                            endAfter = r.EndOfList();
                            r.ReadListEnd();
                          });
  EXPECT_TRUE(t);
  EXPECT_FALSE(f);
  EXPECT_FALSE(odd);
  EXPECT_EQ(next, TValueType::Float);
  EXPECT_EQ(one, 1.0);
  EXPECT_EQ(fromInt, 256.0);
  EXPECT_EQ(raw, Hex("AA BB CC"));
  EXPECT_TRUE(endAfter);
}

TEST(TObjectReader, ValueOfTheWrongType) {
  const struct {
    const char* bytes;
    std::function<void(TObjectReader&)> read;
  } cases[] = {
      {"06 01 41", [](TObjectReader& r) { r.ReadInteger(); }},
      {"05 00 00 00 00 00 00 00 80 FF 3F", [](TObjectReader& r) { r.ReadInteger(); }},
      {"02 01", [](TObjectReader& r) { r.ReadString(); }},
      {"09", [](TObjectReader& r) { r.ReadString(); }},
      {"06 02 41 42", [](TObjectReader& r) { r.ReadChar(); }},
      {"02 41", [](TObjectReader& r) { r.ReadChar(); }},
      {"06 01 41", [](TObjectReader& r) { r.ReadFloat(); }},
      {"00", [](TObjectReader& r) { r.ReadListBegin(); }},
      {"01", [](TObjectReader& r) { r.ReadListEnd(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    ExpectRaises<EReadError>([&] { FilerProbe::ReadPayload(Hex(c.bytes), c.read); }, "Invalid property value");
  }
}

TEST(TObjectReader, StreamEndsBeforeTheValue) {
  const struct {
    const char* bytes;
    std::function<void(TObjectReader&)> read;
  } cases[] = {
      {"", [](TObjectReader& r) { r.ReadInteger(); }},
      {"03 01", [](TObjectReader& r) { r.ReadInteger(); }},
      {"04 01 02 03", [](TObjectReader& r) { r.ReadInteger(); }},
      {"06 05 41 42", [](TObjectReader& r) { r.ReadString(); }},
      {"0C 03 00 00", [](TObjectReader& r) { r.ReadString(); }},
      // A length far beyond the stream: refused before anything is allocated for it.
      {"0C FF FF FF FF 41", [](TObjectReader& r) { r.ReadString(); }},
      {"0C FF FF FF 7F 41", [](TObjectReader& r) { r.ReadString(); }},
      {"05 00 00 00", [](TObjectReader& r) { r.ReadFloat(); }},
      {"", [](TObjectReader& r) { r.ReadBoolean(); }},
      {"", [](TObjectReader& r) { r.EndOfList(); }},
      {"", [](TObjectReader& r) { r.NextValue(); }},
      {"01 02", [](TObjectReader& r) { r.ReadBytes(3); }},
      {"01 02", [](TObjectReader& r) { r.ReadBytes(-1); }},
      {"01 02", [](TObjectReader& r) { r.ReadBytes(std::numeric_limits<qint64>::max()); }},
      {"01 02", [](TObjectReader& r) {
         char buffer[4];
         r.Read(buffer, 4);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    ExpectRaises<EReadError>([&] { FilerProbe::ReadPayload(Hex(c.bytes), c.read); }, "Stream read error");
  }
}

TEST(TObjectReader, WrittenValuesReadBack) {
  const QString long_(70000, QChar(0x2022)); // a bullet, beyond the short form
  const QByteArray body = FilerProbe::Payload([&](TObjectWriter& w) {
    for (qint32 v : {0, -1, 200, -40000, std::numeric_limits<qint32>::min()}) w.WriteInteger(v);
    w.WriteString(long_);
    w.WriteFloat(-0.1);
    w.WriteFloat(std::numeric_limits<double>::denorm_min());
  });
  FilerProbe::ReadPayload(body, [&](TObjectReader& r) {
    for (qint32 v : {0, -1, 200, -40000, std::numeric_limits<qint32>::min()}) EXPECT_EQ(r.ReadInteger(), v);
    EXPECT_EQ(r.ReadString(), long_);
    EXPECT_EQ(r.ReadFloat(), -0.1);
    EXPECT_EQ(r.ReadFloat(), std::numeric_limits<double>::denorm_min());
  });
}
