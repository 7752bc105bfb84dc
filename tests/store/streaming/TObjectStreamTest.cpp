#include "store/streaming/TObjectStream.h"

#include "FilerProbe.h"
#include "StreamTestItems.h"
#include "TestSupport.h"
#include "store/containers/CompareFuncRegistry.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"
#include "store/containers/TArray.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectWriter.h"
#include "store/containers/TStringCombo.h"
#include "store/StreamedObjects.h"

#include <gtest/gtest.h>

using TestSupport::Hex;

namespace {
using StreamedObjects::Written;
using StreamedObjects::HexOf;



std::unique_ptr<TObjectStream> Over(const QByteArray& bytes) {
  return std::make_unique<TObjectStream>(std::make_unique<TMemoryStream>(bytes));
}

// A class with two versions: version 1 held a number, version 2 adds a name.
class TStreamTestTwoVersions : public TObject {
  TB_OBJECT(TStreamTestTwoVersions)
public:
  TStreamTestTwoVersions() = default;
  explicit TStreamTestTwoVersions(TBlank blank) : TObject(blank) {}
  qint32 number = 0;
  QString name;
  int readBy = 0;
};
TB_DEFINE_CLASS(TStreamTestTwoVersions, TObject)

[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(
      TStreamTestTwoVersions::StaticClass(),
      {[](TObject& obj, TObjectReader& r) {
         auto& o = static_cast<TStreamTestTwoVersions&>(obj);
         o.number = r.ReadInteger();
         o.name = QStringLiteral("(none)");
         o.readBy = 1;
       },
       [](TObject& obj, TObjectReader& r) {
         auto& o = static_cast<TStreamTestTwoVersions&>(obj);
         o.number = r.ReadInteger();
         o.name = r.ReadString();
         o.readBy = 2;
       }},
      {[](const TObject& obj, TObjectWriter& w) {
         w.WriteInteger(static_cast<const TStreamTestTwoVersions&>(obj).number);
       },
       [](const TObject& obj, TObjectWriter& w) {
         w.WriteInteger(static_cast<const TStreamTestTwoVersions&>(obj).number);
         w.WriteString(static_cast<const TStreamTestTwoVersions&>(obj).name);
       }});
  return true;
}();

class TObjectStreamTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_EQ(TStreamTestItem::Live, liveBefore_); }
  int liveBefore_ = TStreamTestItem::Live;
};
} // namespace

TEST_F(TObjectStreamTest, NilObject) {
  const QByteArray bytes = Written(nullptr);
  EXPECT_EQ(bytes, Hex("54 50 46 30 06 0B") + QByteArray("*NilObject*"));
  auto stream = Over(bytes);
  EXPECT_EQ(stream->ReadObject(), nullptr);
  EXPECT_EQ(stream->Stream().Position(), bytes.size());
}

TEST_F(TObjectStreamTest, ObjectWhoseWriterPutsNothing) {
  TStreamTestEmpty empty;
  const QByteArray bytes = Written(&empty);
  EXPECT_EQ(bytes, QByteArray("TPF0") + Hex("06 10") + QByteArray("TStreamTestEmpty") + Hex("01 00"));
  auto read = Over(bytes)->ReadObject();
  ASSERT_TRUE(read);
  EXPECT_EQ(read->ClassName().toStdString(), "TStreamTestEmpty");
}

TEST_F(TObjectStreamTest, StringComboGoldenBytes) {
  TStringCombo combo(QStringLiteral("abc"));
  EXPECT_EQ(HexOf(Written(&combo)),
            HexOf(Hex("54 50 46 30  06 0C") + QByteArray("TStringCombo") + Hex("01 00  06 03 61 62 63  08")));
}

TEST_F(TObjectStreamTest, TwoObjectsBackToBack) {
  TObjectStream stream;
  TStreamTestItem first(1, QStringLiteral("one"), true, 1.5);
  TStreamTestItem second(2, QStringLiteral("two"), false, -2.25);
  stream.WriteObject(&first);
  const qint64 secondStart = stream.Stream().Position();
  stream.WriteObject(&second);
  stream.WriteObject(nullptr);
  EXPECT_EQ(secondStart, Written(&first).size());
  stream.Rewind();
  auto a = stream.ReadObject();
  EXPECT_EQ(stream.Stream().Position(), secondStart);
  auto b = stream.ReadObject();
  EXPECT_EQ(stream.ReadObject(), nullptr);
  EXPECT_EQ(stream.Stream().Position(), stream.Stream().Size());
  ASSERT_TRUE(a && b);
  const auto& x = static_cast<const TStreamTestItem&>(*a);
  const auto& y = static_cast<const TStreamTestItem&>(*b);
  EXPECT_EQ(x.key, 1);
  EXPECT_EQ(x.text.toStdString(), "one");
  EXPECT_TRUE(x.flag);
  EXPECT_EQ(x.amount, 1.5);
  EXPECT_EQ(y.key, 2);
  EXPECT_EQ(y.amount, -2.25);
  EXPECT_EQ(stream.Depth(), 0);
}

TEST_F(TObjectStreamTest, UnregisteredClassOnWriteLeavesTheStreamUntouched) {
  TObjectStream stream;
  TStreamTestItem item(7);
  stream.WriteObject(&item);
  const QByteArray before = stream.Stream().Bytes();
  TStreamTestUnregistered stranger;
  ExpectRaises<EClassNotRegistered>([&] { stream.WriteObject(&stranger); }, "Class not registered");
  EXPECT_EQ(stream.Stream().Bytes(), before);
  EXPECT_EQ(stream.Stream().Position(), before.size());
  EXPECT_EQ(stream.Depth(), 0);
}

TEST_F(TObjectStreamTest, FailureDeepInsideAWriteLeavesTheStreamUntouched) {
  // An array whose second item is of a class the registry does not know: the first item and
  // the array's head were already written when the failure came.
  TArray array(TObject::StaticClass(), &CompareEqual, 4, 0);
  array.Add(new TStreamTestItem(1));
  array.Add(new TStreamTestUnregistered);
  TObjectStream stream;
  stream.WriteObject(nullptr);
  const QByteArray before = stream.Stream().Bytes();
  ExpectRaises<EClassNotRegistered>([&] { stream.WriteObject(&array); }, "Class not registered");
  EXPECT_EQ(stream.Stream().Bytes(), before);
  EXPECT_EQ(stream.Depth(), 0);
}

TEST_F(TObjectStreamTest, VersionAboveTheRegisteredReadersFreesTheInstance) {
  TStreamTestItem item(3, QStringLiteral("x"));
  QByteArray bytes = Written(&item);
  const qsizetype versionAt = 4 + 2 + QByteArray("TStreamTestItem").size();
  ASSERT_EQ(HexOf(bytes.mid(versionAt, 2)), HexOf(Hex("01 00")));
  for (const char* version : {"02 00", "00 00", "FF FF"}) {
    SCOPED_TRACE(version);
    bytes.replace(versionAt, 2, Hex(version));
    const int live = TStreamTestItem::Live;
    auto stream = Over(bytes);
    ExpectRaises<EClassVersionNotRegistered>([&] { stream->ReadObject(); }, "Class version not registered");
    EXPECT_EQ(TStreamTestItem::Live, live); // the blank instance was freed
    EXPECT_EQ(stream->Stream().Position(), 0);
    EXPECT_EQ(stream->Depth(), 0);
  }
}

TEST_F(TObjectStreamTest, UnregisteredClassOnRead) {
  const QByteArray bytes = QByteArray("TPF0") + Hex("06 07") + QByteArray("TNobody") + Hex("01 00");
  auto stream = Over(bytes);
  ExpectRaises<EClassNotRegistered>([&] { stream->ReadObject(); }, "Class not registered");
  EXPECT_EQ(stream->Stream().Position(), 0);
  // The name must match exactly.
  const QByteArray wrongCase = QByteArray("TPF0") + Hex("06 0C") + QByteArray("tstringcombo") + Hex("01 00");
  ExpectRaises<EClassNotRegistered>([&] { Over(wrongCase)->ReadObject(); }, "Class not registered");
}

TEST_F(TObjectStreamTest, BadSignature) {
  for (const char* head : {"TPF1", "tpf0", "\0\0\0\0"}) {
    const QByteArray bytes = QByteArray(head, 4) + Hex("06 0B") + QByteArray("*NilObject*");
    ExpectRaises<EReadError>([&] { Over(bytes)->ReadObject(); }, "Invalid stream format");
  }
  ExpectRaises<EReadError>([&] { Over(QByteArray("TPF"))->ReadObject(); }, "Stream read error");
  ExpectRaises<EReadError>([&] { Over(QByteArray())->ReadObject(); }, "Stream read error");
}

TEST_F(TObjectStreamTest, ReadingStartsAtThePositionAndFailureLeavesItThere) {
  TStreamTestItem item(5);
  const QByteArray one = Written(&item);
  auto stream = Over(one + one.left(one.size() - 3));
  stream->Stream().SetPosition(one.size());
  ExpectRaises<EReadError>([&] { stream->ReadObject(); }, "Stream read error");
  EXPECT_EQ(stream->Stream().Position(), one.size());
  stream->Rewind();
  EXPECT_TRUE(stream->ReadObject());
  EXPECT_EQ(stream->Stream().Position(), one.size());
}

TEST_F(TObjectStreamTest, WritingAtAPositionOverwrites) {
  TObjectStream stream;
  stream.WriteObject(nullptr);
  stream.WriteObject(nullptr);
  stream.Rewind();
  TStreamTestEmpty empty;
  stream.WriteObject(&empty);
  stream.Rewind();
  auto first = stream.ReadObject();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->ClassName().toStdString(), "TStreamTestEmpty");
}

TEST_F(TObjectStreamTest, NestingIsLimited) {
  // Arrays nested one in another, deeper than any stored object goes.
  QByteArray bytes;
  const QByteArray head = QByteArray("TPF0") + Hex("06 06") + QByteArray("TArray") + Hex("01 00") +
                          Hex("06 06") + QByteArray("TArray") + Hex("06 0C") + QByteArray("CompareEqual") +
                          Hex("02 01 02 01 02 00 09");
  for (int i = 0; i < TObjectStream::MaxReadDepth + 1; ++i) bytes += head;
  auto stream = Over(bytes);
  ExpectRaises<EReadError>([&] { stream->ReadObject(); }, "Invalid stream format");
  EXPECT_EQ(stream->Depth(), 0);
}

TEST_F(TObjectStreamTest, CopyObject) {
  EXPECT_EQ(CopyObject(nullptr), nullptr);
  TStreamTestItem item(9, QStringLiteral("nine"), true, 0.1);
  auto copy = CopyObject(&item);
  ASSERT_TRUE(copy);
  EXPECT_NE(copy.get(), &item);
  const auto& c = static_cast<const TStreamTestItem&>(*copy);
  EXPECT_EQ(c.ClassName().toStdString(), "TStreamTestItem");
  EXPECT_EQ(c.key, 9);
  EXPECT_EQ(c.text.toStdString(), "nine");
  EXPECT_TRUE(c.flag);
  EXPECT_EQ(c.amount, 0.1);
  TStreamTestUnregistered stranger;
  ExpectRaises<EClassNotRegistered>([&] { CopyObject(&stranger); }, "Class not registered");
}

TEST_F(TObjectStreamTest, RegistryLookups) {
  EXPECT_EQ(&ClassByName(QStringLiteral("TStreamTestItem")), &TStreamTestItem::StaticClass());
  EXPECT_EQ(FindStreamable(QStringLiteral("TArray")).VersionCount(), 1);
  EXPECT_EQ(FindStreamable(QStringLiteral("TArray")).ClassName().toStdString(), "TArray");
  ExpectRaises<EClassNotRegistered>([] { ClassByName(QStringLiteral("tarray")); }, "Class not registered");
  ExpectRaises<EClassNotRegistered>([] { FindStreamable(QStringLiteral("TStreamTestUnregistered")); },
                                    "Class not registered");
  ExpectRaises<EDuplicateRegisteredClass>(
      [] { RegisterStreamable(TStreamTestItem::StaticClass(), {}, {}); }, "Duplicate registered class");
}

TEST_F(TObjectStreamTest, EachVersionHasItsOwnReader) {
  TStreamTestTwoVersions obj;
  obj.number = 4;
  obj.name = QStringLiteral("four");
  const QByteArray head = QByteArray("TPF0") + Hex("06 16") + QByteArray("TStreamTestTwoVersions");
  // Written in the newest version, the number of writers.
  EXPECT_EQ(HexOf(Written(&obj)), HexOf(head + Hex("02 00  02 04  06 04") + QByteArray("four")));
  auto old = Over(head + Hex("01 00  02 07"))->ReadObject();
  const auto& o = static_cast<const TStreamTestTwoVersions&>(*old);
  EXPECT_EQ(o.readBy, 1);
  EXPECT_EQ(o.number, 7);
  EXPECT_EQ(o.name.toStdString(), "(none)");
  auto copy = CopyObject(&obj);
  EXPECT_EQ(static_cast<const TStreamTestTwoVersions&>(*copy).readBy, 2);
  EXPECT_EQ(static_cast<const TStreamTestTwoVersions&>(*copy).name.toStdString(), "four");
  ExpectRaises<EClassVersionNotRegistered>([&] { Over(head + Hex("03 00  02 07"))->ReadObject(); },
                                           "Class version not registered");
}
