// Moving staged rows into a real database: a scratch database that could not be detached
// after a move (a result was still reading it) blocks neither later moves nor the rows
// they carry; a move looks for such leftovers only when a detach has failed.
#include "model/ModelFixture.h"

#include "model/TStagingArea.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"

#include <optional>

namespace {
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);
const QString kRows = QStringLiteral("tStagedValues");

TTableDef RowsDef() {
  TTableDef def;
  def.name = kRows;
  def.fields = {{QStringLiteral("Value"), TFieldType::Long}};
  return def;
}

class StagingArea : public ModelFixture {
protected:
  StagingArea() { Target().CreateTable(RowsDef()); }
  static TDatabase& Target() { return TSession::Default().Database(kData); }

  static void Stage(TStagingArea& area, const QList<int>& values) {
    TTable& twin = area.Twin(RowsDef());
    for (int value : values) {
      twin.Append();
      twin.FieldByName(QStringLiteral("Value")).SetAsInteger(value);
      twin.Post();
    }
  }
  // The names the target has databases attached under, besides its own.
  static QStringList Attached() {
    TQuery query(Target());
    query.Exec(QStringLiteral("SELECT name FROM pragma_database_list WHERE seq > 1"), {});
    QStringList names;
    while (query.Next()) names << query.Value(0).toString();
    return names;
  }
  // Moves values, leaving a result open on the scratch database past the move's end so
  // that its detach fails.
  static void MoveLeavingAReaderOpen(const QList<int>& values, std::optional<TQuery>& reader) {
    TStagingArea area;
    Stage(area, values);
    area.MoveInto(Target(), [&reader](TStagingArea::Mover& mover) {
      mover.Append(kRows);
      const QString schema = Attached().value(0);
      reader.emplace(Target());
      reader->Exec(QStringLiteral("SELECT * FROM %1.\"%2\"").arg(schema, kRows), {});
      ASSERT_TRUE(reader->Next());
    });
  }
};

TEST_F(StagingArea, AMoveAfterAFailedDetachStillLandsItsRows) {
  std::optional<TQuery> reader;
  MoveLeavingAReaderOpen({1, 2}, reader);
  ASSERT_EQ(Attached().size(), 1) << "the reader should have kept the scratch database attached";
  reader.reset();

  TStagingArea later;
  Stage(later, {3});
  later.MoveInto(Target(), [](TStagingArea::Mover& mover) { mover.Append(kRows); });
  EXPECT_EQ(Rows(kData, kRows), 3);
  EXPECT_EQ(Rows(kData, kRows, QStringLiteral("\"Value\" = 3")), 1);
  EXPECT_TRUE(Attached().isEmpty()) << "the leftover and the later move's database are both detached";
}

TEST_F(StagingArea, AMoveWhileAnEarlierScratchDatabaseIsStillReadSucceeds) {
  std::optional<TQuery> reader;
  MoveLeavingAReaderOpen({1}, reader);

  TStagingArea later;
  Stage(later, {2, 3});
  later.MoveInto(Target(), [](TStagingArea::Mover& mover) { mover.Append(kRows); });
  EXPECT_EQ(Rows(kData, kRows), 3);
  reader.reset();
}
TEST_F(StagingArea, AFailedMoveWhoseDetachFailedIsDetachedByTheNextMove) {
  std::optional<TQuery> reader;
  {
    TStagingArea failed;
    Stage(failed, {1});
    EXPECT_THROW(failed.MoveInto(Target(),
                                 [&reader](TStagingArea::Mover& mover) {
                                   mover.Append(kRows);
                                   reader.emplace(Target());
                                   reader->Exec(QStringLiteral("SELECT * FROM %1.\"%2\"").arg(Attached().value(0), kRows), {});
                                   reader->Next();
                                   throw EDBEngineError(EngineError::OsError, QStringLiteral("the save broke off"));
                                 }),
                 EDBEngineError);
  }
  ASSERT_EQ(Attached().size(), 1) << "the reader should have kept the scratch database attached";
  reader.reset();
  EXPECT_EQ(Rows(kData, kRows), 0);

  TStagingArea later;
  Stage(later, {2});
  later.MoveInto(Target(), [](TStagingArea::Mover& mover) { mover.Append(kRows); });
  EXPECT_EQ(Rows(kData, kRows), 1);
  EXPECT_TRUE(Attached().isEmpty());
}

TEST_F(StagingArea, ALeftoverOfAConnectionClosedSinceIsLetGo) {
  std::optional<TQuery> reader;
  MoveLeavingAReaderOpen({1}, reader);
  reader.reset();
  TSession::Default().CloseAll(); // drops the leftover with the connection

  for (int value : {2, 3}) {
    TStagingArea later;
    Stage(later, {value});
    later.MoveInto(Target(), [](TStagingArea::Mover& mover) { mover.Append(kRows); });
  }
  EXPECT_EQ(Rows(kData, kRows), 3);
  EXPECT_TRUE(Attached().isEmpty());
}

// Later areas of the thread may work in the scratch database of an earlier one: none of
// its twins or rows may reach them, whether it moved, failed or never moved.
TEST_F(StagingArea, ALaterAreaStartsWithNoneOfAnEarlierOnesTwins) {
  {
    TStagingArea moved;
    Stage(moved, {1, 2});
    moved.MoveInto(Target(), [](TStagingArea::Mover& mover) { mover.Append(kRows); });
  }
  {
    TStagingArea unmoved;
    Stage(unmoved, {7, 8, 9});
  }
  {
    TStagingArea failed;
    Stage(failed, {5});
    EXPECT_THROW(failed.MoveInto(Target(),
                                 [](TStagingArea::Mover& mover) {
                                   mover.Append(kRows);
                                   throw EDBEngineError(EngineError::OsError, QStringLiteral("the save broke off"));
                                 }),
                 EDBEngineError);
  }
  TStagingArea later;
  EXPECT_FALSE(later.HasTwin(kRows));
  Stage(later, {3});
  later.MoveInto(Target(), [](TStagingArea::Mover& mover) { EXPECT_EQ(mover.Append(kRows), 1); });
  EXPECT_EQ(Rows(kData, kRows), 3);
  EXPECT_TRUE(Attached().isEmpty());
}

TEST_F(StagingArea, AreasAliveTogetherKeepTheirOwnTwins) {
  TStagingArea first;
  Stage(first, {1});
  {
    TStagingArea second;
    Stage(second, {2, 3});
    second.MoveInto(Target(), [](TStagingArea::Mover& mover) { EXPECT_EQ(mover.Append(kRows), 2); });
  }
  TStagingArea third;
  Stage(third, {4, 5, 6});
  first.MoveInto(Target(), [](TStagingArea::Mover& mover) { EXPECT_EQ(mover.Append(kRows), 1); });
  third.MoveInto(Target(), [](TStagingArea::Mover& mover) { EXPECT_EQ(mover.Append(kRows), 3); });
  EXPECT_EQ(Rows(kData, kRows), 6);
}

TEST_F(StagingArea, AnAreaAfterTheSessionClosedEveryDatabaseStillStages) {
  {
    TStagingArea earlier;
    Stage(earlier, {1});
  }
  TSession::Default().CloseAll();
  TStagingArea later;
  Stage(later, {2});
  later.MoveInto(Target(), [](TStagingArea::Mover& mover) { mover.Append(kRows); });
  EXPECT_EQ(Rows(kData, kRows), 1);
}
} // namespace

// Scratch databases are kept for the areas that follow; what an earlier area staged must
// never reach a later one.
namespace {
TTableDef CountedDef(int width = 10) {
  TTableDef def;
  def.name = QStringLiteral("tStagedCounted");
  def.fields = {{QStringLiteral("Id"), TFieldType::AutoInc}, {QStringLiteral("Text"), TFieldType::Alpha, width}};
  return def;
}

TTable& StageCounted(TStagingArea& area, const QStringList& texts, int width = 10) {
  TTable& twin = area.Twin(CountedDef(width));
  for (const QString& text : texts) {
    twin.Append();
    twin.FieldByName(QStringLiteral("Text")).SetAsString(text);
    twin.Post();
  }
  return twin;
}

class KeptScratch : public StagingArea {};
} // namespace

TEST_F(KeptScratch, AnAreaAfterAMovedOneStartsEmptyAndCountsFromOne) {
  {
    TStagingArea first;
    StageCounted(first, {QStringLiteral("a"), QStringLiteral("b")});
    first.MoveInto(Target(), [](TStagingArea::Mover&) {});
  }
  TStagingArea next;
  EXPECT_FALSE(next.HasTwin(CountedDef().name)); // kept twins are not this area's until asked for
  TTable& twin = StageCounted(next, {QStringLiteral("c")});
  EXPECT_EQ(twin.RecordCount(), 1);
  twin.First();
  EXPECT_EQ(twin.FieldByName(QStringLiteral("Id")).AsInteger(), 1);
  EXPECT_EQ(twin.FieldByName(QStringLiteral("Text")).AsString(), QStringLiteral("c"));
}

TEST_F(KeptScratch, RowsOfAnAreaGivenUpBeforeItsMoveReachNoLaterArea) {
  {
    TStagingArea abandoned;
    StageCounted(abandoned, {QStringLiteral("lost")});
  }
  TStagingArea next;
  EXPECT_EQ(next.Twin(CountedDef()).RecordCount(), 0);
}

TEST_F(KeptScratch, ATwinAskedForWithAnotherStructureHasThatStructure) {
  {
    TStagingArea first;
    StageCounted(first, {QStringLiteral("a")});
    first.MoveInto(Target(), [](TStagingArea::Mover&) {});
  }
  TStagingArea next;
  TTable& twin = StageCounted(next, {QStringLiteral("a longer text")}, 20);
  EXPECT_EQ(twin.Structure().fields.value(1).size, 20);
  twin.First();
  EXPECT_EQ(twin.FieldByName(QStringLiteral("Text")).AsString(), QStringLiteral("a longer text"));
}

TEST_F(KeptScratch, AnAreaAfterTheSessionClosedEverythingStillStagesAndMoves) {
  {
    TStagingArea first;
    Stage(first, {1});
    first.MoveInto(Target(), [](TStagingArea::Mover& mover) { mover.Append(kRows); });
  }
  TSession::Default().CloseAll();
  TStagingArea next;
  Stage(next, {2});
  next.MoveInto(Target(), [](TStagingArea::Mover& mover) { mover.Append(kRows); });
  EXPECT_EQ(Rows(kData, kRows), 2);
}
