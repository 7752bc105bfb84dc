// Damaged streams: every one raises one of the system's exceptions, frees whatever it had
// built, and leaves the memory stream where the read began.
#include "StreamTestItems.h"
#include "TestSupport.h"
#include "store/containers/CompareFuncRegistry.h"
#include "store/streaming/StreamErrors.h"
#include "store/containers/TArray.h"
#include "store/containers/TCircularList.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TSavedGraphic.h"
#include "store/containers/TStack.h"
#include "store/containers/TStringCombo.h"
#include "store/containers/TypedBuckets.h"
#include "store/StreamedObjects.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {
using StreamedObjects::Written;

// An array of named entries holding items, buckets, a list, a stack and a picture.
std::unique_ptr<TArray> NestedSample() {
  auto array = std::make_unique<TArray>(TStringCombo::StaticClass(), &CompareStringCombo, 4, 2);
  array->Add(new TStringCombo(QStringLiteral("item"), new TStreamTestItem(-129, QStringLiteral("caf\u00e9"), true, 0.1)));
  auto* list = new TOrderedList(TBucket::StaticClass(), CompareFuncByName(QStringLiteral("CompareIntegerBucket")));
  for (qint32 v : {40000, -1, 7}) list->Add(new TIntegerBucket(v));
  array->Add(new TStringCombo(QStringLiteral("list"), list));
  auto* stack = new TStack(TBucket::StaticClass(), &CompareLess);
  stack->Push(new TRealBucket(2.5));
  stack->Push(new TDateTimeBucket(TDateTime(45000.5)));
  array->Add(new TStringCombo(QStringLiteral("stack"), stack));
  array->Add(new TStringCombo(QStringLiteral("logo"), new TBitmap(QByteArray("BM\x01\x02", 4))));
  array->Add(new TStringCombo(QStringLiteral("none")));
  auto* circle = new TCircularList(TStreamTestItem::StaticClass(), &CompareStreamTestItem);
  circle->Add(new TStreamTestDerived(1, QString(300, QLatin1Char('x'))));
  array->Add(new TStringCombo(QStringLiteral("circle"), circle));
  return array;
}


// Reads the bytes from the start; answers the message of the system exception raised, or
// an empty text when the read succeeded.
std::string ReadOutcome(const QByteArray& bytes) {
  TObjectStream stream(std::make_unique<TMemoryStream>(bytes));
  try {
    std::unique_ptr<TObject> obj = stream.ReadObject();
    EXPECT_EQ(stream.Depth(), 0);
    return std::string();
  } catch (const Exception& e) {
    EXPECT_EQ(stream.Depth(), 0);
    EXPECT_EQ(stream.Stream().Position(), 0);
    EXPECT_EQ(stream.Stream().Bytes(), bytes);
    return e.Message().toStdString();
  }
}

class StreamRobustness : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_EQ(TStreamTestItem::Live, liveBefore_); }
  int liveBefore_ = TStreamTestItem::Live;
};
} // namespace

TEST_F(StreamRobustness, NestedSampleMatchesItsFixture) {
  // The checked-in bytes guard the format of nested containers against change.
  const auto sample = NestedSample();
  const QByteArray bytes = Written(sample.get());
  const QByteArray fixture = TestSupport::ReadFile(TestSupport::DataPath(QStringLiteral("store/nested-array.stream")));
  EXPECT_EQ(bytes.toHex(), fixture.toHex());
  // Read back and written again, the fixture comes out unchanged.
  TObjectStream stream(std::make_unique<TMemoryStream>(fixture));
  const std::unique_ptr<TObject> read = stream.ReadObject();
  EXPECT_EQ(stream.Stream().Position(), fixture.size());
  EXPECT_EQ(Written(read.get()).toHex(), fixture.toHex());
}

TEST_F(StreamRobustness, EveryTruncationIsAReadError) {
  const auto sample = NestedSample();
  const QByteArray bytes = Written(sample.get());
  for (qsizetype n = 0; n < bytes.size(); ++n) {
    SCOPED_TRACE(n);
    ASSERT_EQ(ReadOutcome(bytes.left(n)), "Stream read error");
  }
  EXPECT_EQ(ReadOutcome(bytes), "");
}

TEST_F(StreamRobustness, GarbledBytesRaiseSystemExceptionsOnly) {
  const auto sample = NestedSample();
  const QByteArray bytes = Written(sample.get());
  const int liveWithSample = TStreamTestItem::Live;
  std::mt19937 random(1252);
  std::map<std::string, int> outcomes;
  for (int round = 0; round < 20000; ++round) {
    QByteArray garbled = bytes;
    const int changes = 1 + int(random() % 3);
    for (int c = 0; c < changes; ++c) {
      const qsizetype at = qsizetype(random() % quint32(garbled.size()));
      switch (random() % 4) {
      case 0: garbled[at] = char(random()); break;
      case 1: garbled[at] = char(garbled[at] ^ (1 << (random() % 8))); break;
      case 2: garbled.insert(at, char(random())); break;
      default: garbled.remove(at, 1 + qsizetype(random() % 8)); break;
      }
    }
    try {
      ++outcomes[ReadOutcome(garbled)];
    } catch (const std::exception& e) {
      FAIL() << "round " << round << ": " << e.what();
    }
    ASSERT_EQ(TStreamTestItem::Live, liveWithSample) << "round " << round;
  }
  // The loop met the kinds of failure that matter, and some reads that still made sense.
  for (const char* message : {"Stream read error", "Invalid property value", "Invalid stream format",
                              "Class not registered", "Class version not registered"})
    EXPECT_GT(outcomes[message], 0) << message;
  EXPECT_GT(outcomes[""], 0);
}

TEST_F(StreamRobustness, HostileLengthsFailBeforeAllocating) {
  const QByteArray head = QByteArray("TPF0") + TestSupport::Hex("06 0C") + QByteArray("TStringCombo") +
                          TestSupport::Hex("01 00");
  // A text said to be 2 GB long, a memory stream said to be 2 GB large, a picture likewise.
  EXPECT_EQ(ReadOutcome(head + TestSupport::Hex("0C FF FF FF 7F 41 42")), "Stream read error");
  const QByteArray memHead = QByteArray("TPF0") + TestSupport::Hex("06 0D") + QByteArray("TMemoryStream") +
                             TestSupport::Hex("01 00");
  EXPECT_EQ(ReadOutcome(memHead + TestSupport::Hex("04 FF FF FF 7F 00")), "Stream read error");
  EXPECT_EQ(ReadOutcome(memHead + TestSupport::Hex("04 00 00 00 80")), "Invalid property value");
  const QByteArray iconHead = QByteArray("TPF0") + TestSupport::Hex("06 05") + QByteArray("TIcon") +
                              TestSupport::Hex("01 00");
  EXPECT_EQ(ReadOutcome(iconHead + TestSupport::Hex("04 00 00 00 40")), "Stream read error");
  // A class name that is itself too long for the stream.
  EXPECT_EQ(ReadOutcome(QByteArray("TPF0") + TestSupport::Hex("0C 00 00 00 F0")), "Stream read error");
}
