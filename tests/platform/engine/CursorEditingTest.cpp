#include "EngineFixture.h"

#include <random>

namespace {
class CursorEditing : public EngineFixture {
protected:
  void SetUp() override {
    EngineFixture::SetUp();
    CreateFilled(PeopleDef(), {{QVariant(), QStringLiteral("Bea"), QStringLiteral("Rome"), 40},
                               {QVariant(), QStringLiteral("Dan"), QStringLiteral("Oslo"), 30},
                               {QVariant(), QStringLiteral("Fay"), QStringLiteral("Lima"), 25}});
    people = OpenTable(QStringLiteral("People"));
  }

  TField& F(const char* name) { return people->FieldByName(QLatin1String(name)); }
  QString Name() { return F("Name").AsString(); }

  void AppendPerson(const char* name, int age) {
    people->Append();
    F("Name").SetAsString(QLatin1String(name));
    F("Age").SetAsInteger(age);
    people->Post();
  }

  std::unique_ptr<TTable> people;
};
} // namespace

TEST_F(CursorEditing, APostedRecordIsCurrentAtItsPlaceInTheIndex) {
  people->SetIndexName(QStringLiteral("Name"));
  AppendPerson("Cal", 50);
  EXPECT_EQ(Name(), QStringLiteral("Cal"));
  EXPECT_EQ(F("Id").AsInteger(), 4);
  EXPECT_EQ(people->RecNo(), 2); // Bea, Cal, Dan, Fay
  people->Next();
  EXPECT_EQ(Name(), QStringLiteral("Dan"));
}

TEST_F(CursorEditing, EditReadsTheRecordAfreshAndAChangedKeyMovesIt) {
  people->SetIndexName(QStringLiteral("Name"));
  auto other = OpenTable(QStringLiteral("People"));
  other->Edit();
  other->FieldByName(QStringLiteral("City")).SetAsString(QStringLiteral("Bern"));
  other->Post();
  people->Edit(); // on Bea, changed by the other cursor
  EXPECT_EQ(F("City").AsString(), QStringLiteral("Bern"));
  F("Name").SetAsString(QStringLiteral("Zoe"));
  people->Post();
  EXPECT_EQ(people->RecNo(), 3);
  people->First();
  EXPECT_EQ(Name(), QStringLiteral("Dan"));
}

TEST_F(CursorEditing, CancelRestoresTheRecordAndThePlace) {
  people->Last();
  people->Insert();
  F("Name").SetAsString(QStringLiteral("Tmp"));
  people->Cancel();
  EXPECT_EQ(Name(), QStringLiteral("Fay"));
  EXPECT_EQ(people->RecordCount(), 3);
  people->Edit();
  F("Age").SetAsInteger(99);
  people->Cancel();
  EXPECT_EQ(F("Age").AsInteger(), 25);
  people->Refresh();
  EXPECT_EQ(F("Age").AsInteger(), 25);
}

TEST_F(CursorEditing, AfterADeleteTheCursorStandsOnTheFollowingRecord) {
  people->First();
  people->Next();
  people->Delete(); // Dan: Fay follows
  EXPECT_EQ(Name(), QStringLiteral("Fay"));
  people->Delete(); // the last: the new last
  EXPECT_EQ(Name(), QStringLiteral("Bea"));
  people->Delete(); // the only one: nothing
  EXPECT_TRUE(people->Bof() && people->Eof());
  EXPECT_TRUE(F("Name").IsNull());
  EXPECT_EQ(EngineErrorOf([&] { people->Delete(); }), EngineError::NoCurrentRecord);
}

TEST_F(CursorEditing, EditOnAnEmptyTableStartsANewRecord) {
  people->EmptyTable();
  people->Edit();
  EXPECT_EQ(people->State(), TDataSetState::Insert);
  F("Name").SetAsString(QStringLiteral("New"));
  people->Post();
  EXPECT_EQ(people->RecordCount(), 1);
}

TEST_F(CursorEditing, ChangesOutsideEditOrInsertAreRefused) {
  EXPECT_EQ(EngineErrorOf([&] { F("Name").SetAsString(QStringLiteral("x")); }), EngineError::NotEditing);
  EXPECT_EQ(EngineErrorOf([&] { people->Post(); }), EngineError::NotEditing);
  EXPECT_EQ(Name(), QStringLiteral("Bea"));
}

TEST_F(CursorEditing, AMovePostsAndACloseDropsTheUnpostedRecord) {
  people->Edit();
  F("City").SetAsString(QStringLiteral("Kyiv"));
  people->Next();
  people->First();
  EXPECT_EQ(F("City").AsString(), QStringLiteral("Kyiv"));
  people->Append();
  F("Name").SetAsString(QStringLiteral("Lost"));
  people->Close();
  people->Open();
  EXPECT_EQ(people->RecordCount(), 3);
}

TEST_F(CursorEditing, EventsFollowPostsDeletesAndNewRecords) {
  QStringList seen;
  people->SetOnNewRecord([&](TTable& t) {
    seen << QStringLiteral("new");
    t.FieldByName(QStringLiteral("City")).SetAsString(QStringLiteral("Default"));
  });
  people->SetAfterPost([&](TTable& t) { seen << QStringLiteral("posted %1").arg(t.RecordCount()); });
  people->SetAfterDelete([&](TTable& t) { seen << QStringLiteral("deleted %1").arg(t.RecordCount()); });
  AppendPerson("Gil", 20);
  EXPECT_EQ(F("City").AsString(), QStringLiteral("Default"));
  people->Delete();
  people->SetAfterPost(nullptr);
  AppendPerson("Hal", 21);
  EXPECT_EQ(seen, (QStringList{"new", "posted 4", "deleted 3", "new"}));
}

// A new poll must never take the id of a removed one: its orphan rows would attach to it.
TEST_F(CursorEditing, AnAutoincrementValueIsNeverGivenTwice) {
  people->Last();
  people->Delete(); // the top id, 3
  AppendPerson("Ivy", 33);
  EXPECT_EQ(F("Id").AsInteger(), 4);
  people->EmptyTable();
  people->Close();
  db_.reset();
  db_ = std::make_unique<TDatabase>(QString(), Folder());
  db_->Open();
  people = OpenTable(QStringLiteral("People"));
  AppendPerson("Jo", 34);
  EXPECT_EQ(F("Id").AsInteger(), 5);
  people->Edit();
  F("Id").SetAsInteger(1); // the engine's value: a change does not stick
  people->Post();
  people->Refresh();
  EXPECT_EQ(F("Id").AsInteger(), 5);
}

TEST_F(CursorEditing, AnotherCursorsChangesAreSeenAtTheNextMove) {
  auto other = OpenTable(QStringLiteral("People"));
  other->Next(); // Dan
  people->Next(); // Dan too
  people->Delete();
  other->Append();
  other->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("Kim"));
  other->Post();
  people->Refresh();
  EXPECT_EQ(people->RecordCount(), 3);
  other->First();
  QStringList names;
  for (; !other->Eof(); other->Next()) names << other->FieldByName(QStringLiteral("Name")).AsString();
  EXPECT_EQ(names, (QStringList{"Bea", "Fay", "Kim"}));
}

TEST_F(CursorEditing, ManyAppendsThenAWalkSeeEveryRecordOnce) {
  for (int i = 0; i < 500; ++i) AppendPerson("Row", i % 100);
  EXPECT_EQ(people->RecordCount(), 503);
  EXPECT_EQ(people->RecNo(), 503);
  people->SetIndexName(QStringLiteral("AgeDesc"));
  int count = 0;
  int previous = 1000;
  for (people->First(); !people->Eof(); people->Next(), ++count) {
    EXPECT_LE(F("Age").AsInteger(), previous);
    previous = static_cast<int>(F("Age").AsInteger());
  }
  EXPECT_EQ(count, 503);
}

// The writing cursor keeps its ids in order without reading them again; a fresh cursor
// reads them from the file. After every change both must put the record at the same place.
TEST_F(CursorEditing, PostsKeepTheOrderExactlyAsTheIndexHasIt) {
  std::mt19937 random(7);
  const QStringList names = {"ann", "Ann", "ANN", "bo", "Bo", "zed", "Zed", "m\u00fcller", "Muller", "", "a'b", "a\"b"};
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (const char* index : {"Name", "AgeDesc", ""}) {
    people->SetIndexName(QLatin1String(index));
    auto fresh = OpenTable(QStringLiteral("People"));
    fresh->SetIndexName(QLatin1String(index));
    for (int i = 0; i < 120; ++i) {
      const int action = pick(10);
      if (action < 6 || people->IsEmpty()) {
        people->Append();
      } else if (action < 9) {
        people->SetRecNo(pick(people->RecordCount()) + 1);
        people->Edit();
      } else {
        people->SetRecNo(pick(people->RecordCount()) + 1);
        people->Delete();
      }
      if (people->State() != TDataSetState::Browse) {
        F("Name").SetAsString(names[pick(static_cast<int>(names.size()))]);
        F("Age").SetAsInteger(pick(5));
        people->Post();
      }
      if (people->IsEmpty()) continue;
      int expected = 0;
      for (fresh->First(); !fresh->Eof(); fresh->Next()) {
        ++expected;
        if (fresh->FieldByName(QStringLiteral("Id")).AsInteger() == F("Id").AsInteger()) break;
      }
      ASSERT_EQ(people->RecNo(), expected) << index << " step " << i;
    }
  }
}
