#include "store/settings/TUtRegIni.h"

#include "store/settings/UtMessages.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cmath>
#include <gtest/gtest.h>

namespace {
class TUtRegIniTest : public ::testing::Test {
protected:
  QString path(const char* name = "settings.ini") const { return dir_.filePath(QString::fromLatin1(name)); }
  // A store over a file of the given bytes with section "S" current.
  std::unique_ptr<TUtRegIni> storeWith(const QByteArray& bytes) {
    TestSupport::WriteFile(path(), bytes);
    auto store = std::make_unique<TUtRegIni>(path(), true);
    store->SetSection(QStringLiteral("S"));
    return store;
  }

  QTemporaryDir dir_;
};

template <class Call> int32_t errorCodeOf(Call call, QString* message = nullptr) {
  try {
    call();
  } catch (const EUtRegIniError& e) {
    if (message) *message = e.Message();
    return e.ErrorCode();
  }
  return -1;
}

TEST_F(TUtRegIniTest, WritesTheFileByteForByte) {
  TUtRegIni store(path(), true);
  store.CreateKey(QStringLiteral("Reports"));
  store.SetSection(QStringLiteral("Reports"));
  store.WriteBoolean(QStringLiteral("Zero Skip"), false);
  store.WriteBoolean(QStringLiteral("zero skip"), true); // replaced in place
  store.CreateKey(QStringLiteral("CalendarFiles"));
  store.SetSection(QStringLiteral("CalendarFiles"));
  store.WriteBoolean(QStringLiteral("Active"), false);
  store.WriteFloat(QStringLiteral("Start Time"), 1.5);
  store.WriteFloat(QStringLiteral("Last Time Ran"), -2.25);
  store.SetSection(QStringLiteral("History"));
  store.WriteInteger(QStringLiteral("WaitTime"), 30);
  store.WriteInteger(QStringLiteral("Offset"), -17);
  store.WriteString(QStringLiteral("Store"), QStringLiteral("Main store café"));
  store.CreateKey(QStringLiteral("Empty"));
  store.CreateKey(QStringLiteral("reports")); // already there: nothing changes
  EXPECT_EQ(TestSupport::ReadFile(path()),
            TestSupport::ReadFile(TestSupport::DataPath("store/settings-golden.ini")));
}

TEST_F(TUtRegIniTest, ReadsTheGoldenFileBack) {
  TUtRegIni store(TestSupport::DataPath(QStringLiteral("store/settings-golden.ini")), true);
  store.SetSection(QStringLiteral("reports"));
  EXPECT_TRUE(store.ReadBoolean(QStringLiteral("Zero Skip"), false));
  store.SetSection(QStringLiteral("CalendarFiles"));
  EXPECT_FALSE(store.ReadBoolean(QStringLiteral("Active"), true));
  EXPECT_EQ(store.ReadFloat(QStringLiteral("Start Time"), 0), 1.5);
  EXPECT_EQ(store.ReadFloat(QStringLiteral("Last Time Ran"), 0), -2.25);
  store.SetSection(QStringLiteral("History"));
  EXPECT_EQ(store.ReadInteger(QStringLiteral("WaitTime"), 0), 30);
  EXPECT_EQ(store.ReadInteger(QStringLiteral("Offset"), 0), -17);
  EXPECT_EQ(store.ReadString(QStringLiteral("Store"), QString()), QStringLiteral("Main store café"));
  store.SetSection(QStringLiteral("Empty"));
  EXPECT_EQ(store.ReadString(QStringLiteral("Anything"), QStringLiteral("dflt")), QStringLiteral("dflt"));
}

TEST_F(TUtRegIniTest, ReadBooleanForms) {
  const struct {
    const char* stored; // nullptr: key missing
    bool whenDefaultFalse;
    bool whenDefaultTrue;
  } cases[] = {
      {"false", false, false}, {"False", false, false}, {"FALSE", false, false}, {"true", true, true},
      {"TRUE", true, true},    {"yes", false, true},    {"0", false, false},     {"2", true, true},
      {"1.5", true, true},     {"-0.0", false, false},  {"1e3", true, true},     {"$1", false, true},
      {"", false, true},       {nullptr, false, true},  {"TRUE x", false, true},
  };
  for (const auto& c : cases) {
    const QByteArray file = c.stored ? QByteArray("[S]\r\nk=") + c.stored + "\r\n" : QByteArray("[S]\r\n");
    auto store = storeWith(file);
    EXPECT_EQ(store->ReadBoolean(QStringLiteral("k"), false), c.whenDefaultFalse)
        << (c.stored ? c.stored : "missing");
    EXPECT_EQ(store->ReadBoolean(QStringLiteral("k"), true), c.whenDefaultTrue)
        << (c.stored ? c.stored : "missing");
  }
}

TEST_F(TUtRegIniTest, ReadIntegerForms) {
  const struct {
    const char* stored;
    int32_t expected; // with default 77
  } cases[] = {
      {"12abc", 77},       {"$1F", 31},         {nullptr, 77},        {"", 77},
      {"-42", -42},        {" 7 ", 7},          {"2147483647", 2147483647}, {"2147483648", 77},
      {"-2147483648", -2147483647 - 1},         {"$FFFFFFFF", -1},    {"0x1F", 77},
      {"1.5", 77},         {"1FH", 77},
  };
  for (const auto& c : cases) {
    const QByteArray file = c.stored ? QByteArray("[S]\r\nk=") + c.stored + "\r\n" : QByteArray("[S]\r\n");
    EXPECT_EQ(storeWith(file)->ReadInteger(QStringLiteral("k"), 77), c.expected)
        << (c.stored ? c.stored : "missing");
  }
}

TEST_F(TUtRegIniTest, ReadStringForms) {
  auto store = storeWith(QByteArray("[S]\r\nquoted=\"a b\"\r\nlong=") + QByteArray(1100, 'x') + "\r\n");
  store->WriteString(QStringLiteral("empty"), QString());
  EXPECT_EQ(store->ReadString(QStringLiteral("empty"), QStringLiteral("x")), QStringLiteral("x"));
  EXPECT_EQ(store->ReadString(QStringLiteral("missing"), QStringLiteral("x")), QStringLiteral("x"));
  EXPECT_EQ(store->ReadString(QStringLiteral("quoted"), QString()), QStringLiteral("a b"));
  EXPECT_EQ(store->ReadString(QStringLiteral("long"), QString()), QString(1023, QLatin1Char('x')));
  store->WriteString(QStringLiteral("text"), QStringLiteral("as given"));
  EXPECT_EQ(store->ReadString(QStringLiteral("TEXT"), QString()), QStringLiteral("as given"));
}

TEST_F(TUtRegIniTest, FloatFormAndExactRoundTrip) {
  TUtRegIni store(path(), true);
  store.SetSection(QStringLiteral("F"));
  const struct {
    double value;
    const char* stored;
  } forms[] = {
      {0.0, " 0.00000000000000E+0000"},       {-2.25, "-2.25000000000000E+0000"},
      {1.5, " 1.50000000000000E+0000"},       {45123.75, " 4.51237500000000E+0004"},
      {1e-5, " 1.00000000000000E-0005"},      {-1e-300, "-1.00000000000000E-0300"},
      {0.1, " 1.00000000000000E-0001"},       {123456789012345.0, " 1.23456789012345E+0014"},
      {1e308, " 1.00000000000000E+0308"},     {45123.123456789, " 4.51231234567890E+0004"},
  };
  for (const auto& f : forms) {
    store.WriteFloat(QStringLiteral("v"), f.value);
    const QByteArray bytes = TestSupport::ReadFile(path());
    EXPECT_TRUE(bytes.contains(QByteArray("\r\nv=") + f.stored + "\r\n")) << f.stored << "\n" << bytes.constData();
    EXPECT_EQ(store.ReadFloat(QStringLiteral("v"), 99), f.value) << f.stored;
  }
}

// The form holds 15 significant digits: a double that needs more reads back as the
// value of its first 15 digits (rounded), and the largest doubles round past the range
// and read as the default.
TEST_F(TUtRegIniTest, FloatsBeyondFifteenDigitsAreRounded) {
  TUtRegIni store(path(), true);
  store.SetSection(QStringLiteral("F"));
  store.WriteFloat(QStringLiteral("sum"), 0.1 + 0.2);
  EXPECT_EQ(store.ReadFloat(QStringLiteral("sum"), 0), 0.3);
  store.WriteFloat(QStringLiteral("third"), 1.0 / 3.0);
  EXPECT_EQ(store.ReadFloat(QStringLiteral("third"), 0), 0.333333333333333);
  store.WriteFloat(QStringLiteral("max"), 1.7976931348623157e308);
  EXPECT_EQ(store.ReadFloat(QStringLiteral("max"), -1), -1);
  store.WriteFloat(QStringLiteral("nan"), std::nan(""));
  EXPECT_EQ(store.ReadFloat(QStringLiteral("nan"), -1), -1);
}

TEST_F(TUtRegIniTest, ReadFloatForms) {
  auto store = storeWith(
      "[S]\r\nplain=1.5\r\nshort=-2.25E+0000\r\nbad=1.5x\r\nempty=\r\nhuge=1e400\r\nword=inf\r\n");
  EXPECT_EQ(store->ReadFloat(QStringLiteral("plain"), 0), 1.5);
  EXPECT_EQ(store->ReadFloat(QStringLiteral("short"), 0), -2.25);
  for (const char* key : {"bad", "empty", "huge", "word", "missing"})
    EXPECT_EQ(store->ReadFloat(QString::fromLatin1(key), 0.1 + 0.2), 0.1 + 0.2) << key;
}

TEST_F(TUtRegIniTest, CreateKeyLeavesAnEmptySection) {
  TUtRegIni store(path(), true);
  store.CreateKey(QStringLiteral("Fresh"));
  EXPECT_EQ(TestSupport::ReadFile(path()), QByteArray("[Fresh]\r\n"));
  EXPECT_EQ(store.CurrentSection(), QString()); // CreateKey does not select it
}

TEST_F(TUtRegIniTest, BadNamesRaiseTheirErrors) {
  QString message;
  EXPECT_EQ(errorCodeOf([] { TUtRegIni(QString(), true); }, &message), 2);
  EXPECT_EQ(message, QStringLiteral("No Ini File or Primary Key specified"));
  EXPECT_EQ(errorCodeOf([&] { TUtRegIni(path(), false); }, &message), 4);
  EXPECT_TRUE(message.startsWith(QStringLiteral("Registry mode is not supported"))) << message.toStdString();

  TUtRegIni store(path(), true);
  store.SetSection(QStringLiteral("S"));
  EXPECT_EQ(errorCodeOf([&] { store.CreateKey(QString()); }, &message), 9);
  EXPECT_EQ(message, QStringLiteral("No key name specified"));
  EXPECT_EQ(errorCodeOf([&] { store.WriteString(QString(), QStringLiteral("x")); }, &message), 40);
  EXPECT_EQ(message, QStringLiteral("No Value Name specified"));
  EXPECT_EQ(errorCodeOf([&] { store.WriteBoolean(QString(), true); }), 40);
  EXPECT_EQ(errorCodeOf([&] { store.WriteInteger(QString(), 1); }), 40);
  EXPECT_EQ(errorCodeOf([&] { store.WriteFloat(QString(), 1); }), 40);
  // A key the file cannot hold is a failed write.
  EXPECT_EQ(errorCodeOf([&] { store.WriteString(QStringLiteral("a=b"), QStringLiteral("x")); }), 7);
  EXPECT_EQ(errorCodeOf([&] { store.WriteString(QStringLiteral("k"), QStringLiteral("x\r\ny=1")); }), 7);
  EXPECT_FALSE(QFileInfo::exists(path()));
  store.WriteInteger(QStringLiteral("k"), 5);
  EXPECT_EQ(store.ReadInteger(QStringLiteral("k"), 0), 5);
}

TEST_F(TUtRegIniTest, UnwritableFileRaisesAndTheStoreStaysUsable) {
  TestSupport::WriteFile(path("blocker"), "a file where a folder should be");
  TUtRegIni store(path("blocker/settings.ini"), true);
  store.SetSection(QStringLiteral("S"));
  QString message;
  EXPECT_EQ(errorCodeOf([&] { store.WriteString(QStringLiteral("k"), QStringLiteral("v")); }, &message), 7);
  EXPECT_EQ(message, QStringLiteral("Failed to write value to INI file"));
  EXPECT_EQ(errorCodeOf([&] { store.CreateKey(QStringLiteral("New")); }, &message), 5);
  EXPECT_EQ(message, QStringLiteral("Failed to create key\\nError Code: %1").arg(ENOTDIR));
  EXPECT_EQ(store.ReadInteger(QStringLiteral("k"), 3), 3);

  ASSERT_TRUE(QFile::remove(path("blocker")));
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("blocker")));
  store.CreateKey(QStringLiteral("New"));
  store.WriteString(QStringLiteral("k"), QStringLiteral("v"));
  EXPECT_EQ(store.ReadString(QStringLiteral("k"), QString()), QStringLiteral("v"));
  EXPECT_EQ(TestSupport::ReadFile(path("blocker/settings.ini")), QByteArray("[New]\r\n[S]\r\nk=v\r\n"));
}
} // namespace
