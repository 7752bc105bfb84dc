#include "EngineFixture.h"

namespace {
class RecordLocks : public EngineFixture {
protected:
  void SetUp() override {
    EngineFixture::SetUp();
    CreateFilled(PeopleDef(), {{QVariant(), QStringLiteral("Ann"), QStringLiteral("Oslo"), 30},
                               {QVariant(), QStringLiteral("Bob"), QStringLiteral("Rome"), 40}});
    first = OpenTable(QStringLiteral("People"));
    // The second cursor goes through another database object: locks are the process's.
    otherDb = std::make_unique<TDatabase>(QString(), Folder());
    otherDb->Open();
    second = std::make_unique<TTable>();
    second->SetDatabase(otherDb.get());
    second->SetTableName(QStringLiteral("People"));
    second->Open();
  }

  void TearDown() override {
    second.reset();
    otherDb.reset();
    first.reset();
    EngineFixture::TearDown();
  }

  std::unique_ptr<TTable> first;
  std::unique_ptr<TDatabase> otherDb;
  std::unique_ptr<TTable> second;
};
} // namespace

TEST_F(RecordLocks, ARecordBeingEditedIsRefusedToAnotherCursor) {
  first->Edit();
  EXPECT_EQ(EngineErrorOf([&] { second->Edit(); }), 10241);
  EXPECT_EQ(EngineErrorOf([&] { second->Delete(); }), EngineError::RecordLocked);
  EXPECT_EQ(EngineErrorOf([&] { second->LockRecord(); }), EngineError::RecordLocked);
  EXPECT_EQ(second->State(), TDataSetState::Browse);
  second->Next();
  second->Edit(); // another record is free
  second->Cancel();
  try {
    second->First();
    second->Edit();
  } catch (const EDBEngineError& e) {
    EXPECT_EQ(e.Errors(e.ErrorCount() - 1).message, QStringLiteral("Record locked by another user."));
  }
}

TEST_F(RecordLocks, PostCancelUnlockAndCloseReleaseTheLock) {
  const QList<std::pair<const char*, std::function<void()>>> releases = {
      {"post", [&] { first->Post(); }},
      {"cancel", [&] { first->Cancel(); }},
      {"close", [&] { first->Close(); first->Open(); }},
  };
  for (const auto& [what, release] : releases) {
    first->Edit();
    release();
    second->Edit();
    second->Cancel();
    SUCCEED() << what;
  }
  first->LockRecord();
  EXPECT_EQ(EngineErrorOf([&] { second->Edit(); }), EngineError::RecordLocked);
  first->UnlockRecord();
  second->Edit();
  second->Post();
}

TEST_F(RecordLocks, TheHolderMayLockEditAndDeleteItsOwnRecord) {
  first->LockRecord();
  first->LockRecord();
  first->Edit();
  first->FieldByName(QStringLiteral("Age")).SetAsInteger(31);
  first->Post();
  first->LockRecord();
  first->Delete();
  EXPECT_EQ(first->RecordCount(), 1);
  second->Edit(); // the deleted record's lock went with it
  second->Cancel();
}

TEST_F(RecordLocks, ALockedRecordKeepsTheTableFromBeingEmptied) {
  first->LockRecord();
  EXPECT_EQ(EngineErrorOf([&] { Db().EmptyTable(QStringLiteral("People")); }), EngineError::RecordLocked);
  first->UnlockRecord();
  Db().EmptyTable(QStringLiteral("People"));
  EXPECT_TRUE(second->IsEmpty());
}
