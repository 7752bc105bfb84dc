#pragma once
// A temporary folder with an open database, and the table structures the tests share.
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TTable.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>

class EngineFixture : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  QString Folder() const { return dir_.path(); }
  TDatabase& Db() { return *db_; }
  // A cursor over a table of the fixture's database, opened.
  std::unique_ptr<TTable> OpenTable(const QString& name);
  // Creates the table and fills it with rows (a row's values in field order).
  void CreateFilled(const TTableDef& def, const QList<QVariantList>& rows);

  QTemporaryDir dir_;
  std::unique_ptr<TDatabase> db_;
};

// The table of stored polls: 24 fields, a composite primary index over the autoincrement
// field and 4 secondary indexes.
TTableDef AllPollsDef();
// "People": "Id" autoincrement, "Name" alpha 20, "City" alpha 20, "Age" short, with a
// case-insensitive index "Name" and a descending index "AgeDesc".
TTableDef PeopleDef();

// The engine error's code of whatever the call raises; 0 when it raises nothing.
int EngineErrorOf(const std::function<void()>& call);
