#include "EngineFixture.h"

namespace {
class CursorNavigation : public EngineFixture {
protected:
  void SetUp() override {
    EngineFixture::SetUp();
    CreateFilled(PeopleDef(), {{QVariant(), QStringLiteral("bob"), QStringLiteral("Rome"), 40},
                               {QVariant(), QStringLiteral("Ann"), QStringLiteral("Oslo"), 30},
                               {QVariant(), QStringLiteral("dave"), QStringLiteral("O'Hare \"North\""), 40},
                               {QVariant(), QStringLiteral("Cid"), QStringLiteral("Lima"), 25},
                               {QVariant(), QStringLiteral("Eve"), QStringLiteral("100%_sure"), 35}});
    people = OpenTable(QStringLiteral("People"));
  }

  QString Name() { return people->FieldByName(QStringLiteral("Name")).AsString(); }

  QStringList Walk() {
    QStringList names;
    for (people->First(); !people->Eof(); people->Next()) names << Name();
    return names;
  }

  QStringList WalkBack() {
    QStringList names;
    for (people->Last(); !people->Bof(); people->Prior()) names << Name();
    return names;
  }

  std::unique_ptr<TTable> people;
};
} // namespace

TEST_F(CursorNavigation, OpensOnTheFirstRecordInPrimaryOrder) {
  EXPECT_EQ(Name(), QStringLiteral("bob"));
  EXPECT_TRUE(people->Bof());
  EXPECT_FALSE(people->Eof());
  EXPECT_EQ(people->RecordCount(), 5);
  EXPECT_EQ(people->RecNo(), 1);
}

TEST_F(CursorNavigation, EachIndexGivesItsOrderBothWays) {
  struct Case {
    const char* index;
    QStringList order;
  };
  const QList<Case> cases = {
      {"", {"bob", "Ann", "dave", "Cid", "Eve"}},
      {"Name", {"Ann", "bob", "Cid", "dave", "Eve"}},    // case-insensitive
      {"AgeDesc", {"bob", "dave", "Eve", "Ann", "Cid"}}, // descending, equal keys in entry order
  };
  for (const Case& c : cases) {
    people->SetIndexName(QLatin1String(c.index));
    EXPECT_EQ(Walk(), c.order) << c.index;
    QStringList reversed = c.order;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(WalkBack(), reversed) << c.index;
  }
}

TEST_F(CursorNavigation, NextAtTheEndAndPriorAtTheStartStayAndFlag) {
  people->Last();
  const QString last = Name();
  people->Next();
  EXPECT_TRUE(people->Eof());
  EXPECT_EQ(Name(), last);
  people->First();
  people->Prior();
  EXPECT_TRUE(people->Bof());
  EXPECT_EQ(Name(), QStringLiteral("bob"));
  EXPECT_EQ(people->MoveBy(10), 4);
  EXPECT_TRUE(people->Eof());
  EXPECT_EQ(people->MoveBy(-2), -2);
  EXPECT_EQ(people->RecNo(), 3);
}

TEST_F(CursorNavigation, AGridCanMoveToTheNthRecord) {
  people->SetIndexName(QStringLiteral("Name"));
  people->SetRecNo(4);
  EXPECT_EQ(Name(), QStringLiteral("dave"));
  EXPECT_EQ(people->RecNo(), 4);
  EXPECT_EQ(people->Fields(3).AsInteger(), 40); // by position
  people->SetRecNo(99); // out of reach: stays
  EXPECT_EQ(people->RecNo(), 4);
}

TEST_F(CursorNavigation, FindKeyOnTheCurrentIndex) {
  people->SetIndexName(QStringLiteral("Name"));
  EXPECT_TRUE(people->FindKey({QStringLiteral("CID")})); // the index ignores case
  EXPECT_EQ(Name(), QStringLiteral("Cid"));
  EXPECT_FALSE(people->FindKey({QStringLiteral("Zed")}));
  EXPECT_EQ(Name(), QStringLiteral("Cid")); // a miss leaves the cursor
  people->SetIndexName(QString());
  EXPECT_TRUE(people->FindKey({4}));
  EXPECT_EQ(Name(), QStringLiteral("Cid"));
  EXPECT_TRUE(people->FindKey({QStringLiteral("2")})); // converted to the field's type
  EXPECT_EQ(Name(), QStringLiteral("Ann"));
}

TEST_F(CursorNavigation, FindNearestLandsOnTheNextKeyOrTheLast) {
  people->SetIndexName(QStringLiteral("Name"));
  people->FindNearest({QStringLiteral("c")});
  EXPECT_EQ(Name(), QStringLiteral("Cid"));
  people->FindNearest({QStringLiteral("zzz")});
  EXPECT_EQ(Name(), QStringLiteral("Eve"));
  EXPECT_TRUE(people->Eof());
  people->SetIndexName(QStringLiteral("AgeDesc"));
  people->FindNearest({36}); // descending: the first key at or after 36 in index order
  EXPECT_EQ(Name(), QStringLiteral("Eve"));
}

TEST_F(CursorNavigation, QuotesAndWildcardsInASearchedValueAreJustCharacters) {
  struct Case {
    QString value;
    TLocateOptions options;
    const char* found; // nullptr: no record
  };
  const QList<Case> cases = {
      {QStringLiteral("O'Hare \"North\""), {}, "dave"},
      {QStringLiteral("o'hare \"n"), {true, true}, "dave"},
      {QStringLiteral("o'hare \"n"), {false, true}, nullptr},  // case counts
      {QStringLiteral("O'Hare"), {false, false}, nullptr},     // whole value only
      {QStringLiteral("100%"), {true, true}, "Eve"},
      {QStringLiteral("_"), {true, true}, nullptr},             // no wildcard
      {QStringLiteral("%"), {true, true}, nullptr},
      {QStringLiteral("\" OR 1=1 --"), {true, true}, nullptr},
  };
  for (const Case& c : cases) {
    people->First();
    const bool found = people->Locate({QStringLiteral("City")}, {c.value}, c.options);
    EXPECT_EQ(found, c.found != nullptr) << c.value.toStdString();
    if (c.found) EXPECT_EQ(Name(), QLatin1String(c.found)) << c.value.toStdString();
    else EXPECT_EQ(Name(), QStringLiteral("bob"));
  }
}

TEST_F(CursorNavigation, LocateTakesTheFirstMatchInTheCurrentOrder) {
  people->SetIndexName(QStringLiteral("Name"));
  EXPECT_TRUE(people->Locate({QStringLiteral("Age")}, {40}));
  EXPECT_EQ(Name(), QStringLiteral("bob"));
  people->SetIndexName(QStringLiteral("AgeDesc"));
  EXPECT_TRUE(people->Locate({QStringLiteral("Age"), QStringLiteral("Name")}, {40, QStringLiteral("DAVE")}, {true, false}));
  EXPECT_EQ(Name(), QStringLiteral("dave"));
}

TEST_F(CursorNavigation, ARangeLimitsEveryOperationToIt) {
  people->SetIndexName(QStringLiteral("AgeDesc"));
  people->SetRange({40}, {30}); // in index order: 40 down to 30
  EXPECT_EQ(Walk(), (QStringList{"bob", "dave", "Eve", "Ann"}));
  EXPECT_EQ(people->RecordCount(), 4);
  EXPECT_FALSE(people->FindKey({25}));
  EXPECT_FALSE(people->Locate({QStringLiteral("Name")}, {QStringLiteral("Cid")}));
  people->SetRange({35}, {35});
  EXPECT_EQ(Walk(), (QStringList{"Eve"}));
  people->CancelRange();
  EXPECT_EQ(people->RecordCount(), 5);
}

TEST_F(CursorNavigation, ARangeOnACompositeKeyActsLikeAMasterDetailLink) {
  Db().CreateTable(AllPollsDef());
  auto polls = OpenTable(QStringLiteral("AllPolls"));
  for (const char* machine : {"A", "B", "A", "C", "A"}) {
    polls->Append();
    polls->FieldByName(QStringLiteral("Machine Id")).SetAsString(QLatin1String(machine));
    polls->FieldByName(QStringLiteral("Poll Date")).SetAsDateTime(TDateTime(46000.0 + polls->RecordCount()));
    polls->Post();
  }
  polls->SetIndexName(QStringLiteral("Machine Id"));
  polls->SetRange({QStringLiteral("a")}, {QStringLiteral("a")});
  QList<qint64> ids;
  for (polls->First(); !polls->Eof(); polls->Next()) ids << polls->FieldByName(QStringLiteral("Poll Id")).AsInteger();
  EXPECT_EQ(ids, (QList<qint64>{1, 3, 5}));
  polls->SetRange({QStringLiteral("A"), 46002.0}, {QStringLiteral("A"), 46004.0});
  EXPECT_EQ(polls->RecordCount(), 2);
  polls->SetRange({QStringLiteral("A"), 46001.0}, {QStringLiteral("A"), 46003.0});
  EXPECT_EQ(polls->RecordCount(), 1);
  EXPECT_EQ(polls->FieldByName(QStringLiteral("Poll Id")).AsInteger(), 3);
}

TEST_F(CursorNavigation, ABookmarkBringsTheCursorBack) {
  people->SetIndexName(QStringLiteral("Name"));
  people->SetRecNo(3);
  const TBookmark mark = people->GetBookmark();
  people->Last();
  people->GotoBookmark(mark);
  EXPECT_EQ(Name(), QStringLiteral("Cid"));
  people->Delete();
  EXPECT_FALSE(people->BookmarkValid(mark));
  EXPECT_EQ(EngineErrorOf([&] { people->GotoBookmark(mark); }), EngineError::RecordDeleted);
}

TEST_F(CursorNavigation, AnUnknownIndexOrFieldIsAnEngineError) {
  EXPECT_EQ(EngineErrorOf([&] { people->SetIndexName(QStringLiteral("Nope")); }), EngineError::IndexMissing);
  EXPECT_EQ(EngineErrorOf([&] { people->FieldByName(QStringLiteral("Nope")); }), EngineError::FieldMissing);
  EXPECT_EQ(&people->FieldByName(QStringLiteral("cItY")), &people->Fields(2));
  people->Close();
  EXPECT_EQ(EngineErrorOf([&] { people->RecordCount(); }), EngineError::TableClosed);
}
