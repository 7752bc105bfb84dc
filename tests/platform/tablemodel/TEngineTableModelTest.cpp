#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineErrors.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/sys/TDateTime.h"
#include "platform/tablemodel/TEngineTableModel.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// "Items": one field of each kind a grid shows, a primary index on the record id and a
// unique one on the name.
TTableDef ItemsDef() {
  TTableDef def;
  def.name = QStringLiteral("Items");
  def.fields = {{QStringLiteral("Id"), TFieldType::AutoInc},      {QStringLiteral("Name"), TFieldType::Alpha, 20},
                {QStringLiteral("Qty"), TFieldType::Short},       {QStringLiteral("Price"), TFieldType::Money},
                {QStringLiteral("Sold"), TFieldType::Date},       {QStringLiteral("At"), TFieldType::Time},
                {QStringLiteral("Active"), TFieldType::Logical}, {QStringLiteral("Photo"), TFieldType::Blob}};
  def.indexes = {{QString(), {QStringLiteral("Id")}, true, true},
                 {QStringLiteral("Name"), {QStringLiteral("Name")}, false, true}};
  return def;
}

enum Column { cId, cName, cQty, cPrice, cSold, cAt, cActive, cPhoto };

class TableModel : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    db = std::make_unique<TDatabase>(QStringLiteral("ModelDb"), dir.path());
    db->Open();
  }
  void TearDown() override {
    tables.clear();
    db.reset();
    TSession::Default().CloseAll();
  }

  TTable& Open(const QString& name) {
    auto table = std::make_unique<TTable>();
    table->SetDatabase(db.get());
    table->SetTableName(name);
    table->Open();
    tables.push_back(std::move(table));
    return *tables.back();
  }

  // Items with the given names, quantities and prices.
  TTable& Items(const QList<std::tuple<QString, int, double>>& rows) {
    db->CreateTable(ItemsDef());
    TTable& table = Open(QStringLiteral("Items"));
    for (const auto& [name, qty, price] : rows) {
      table.Append();
      table.FieldByName(QStringLiteral("Name")).SetAsString(name);
      table.FieldByName(QStringLiteral("Qty")).SetAsInteger(qty);
      table.FieldByName(QStringLiteral("Price")).SetAsFloat(price);
      table.Post();
    }
    table.First();
    return table;
  }

  QVariant At(const TEngineTableModel& model, int row, int column, int role = Qt::DisplayRole) {
    return model.data(model.index(row, column), role);
  }

  QTemporaryDir dir;
  std::unique_ptr<TDatabase> db;
  std::vector<std::unique_ptr<TTable>> tables;
};

int EngineCodeOf(std::exception_ptr error) {
  try {
    if (error) std::rethrow_exception(error);
  } catch (const EDBEngineError& e) {
    return e.ErrorCode();
  }
  return 0;
}
} // namespace

TEST_F(TableModel, ColumnsAreTheFieldsAndValuesShowByFieldType) {
  TTable& table = Items({{QStringLiteral("Tea"), 3, 12.5}});
  table.Edit();
  table.FieldByName(QStringLiteral("Sold")).SetAsDateTime(TDateTime::FromDate(QDate(2026, 3, 4)));
  table.FieldByName(QStringLiteral("At")).SetAsDateTime(TDateTime::FromTime(QTime(13, 45)));
  table.FieldByName(QStringLiteral("Active")).SetAsBoolean(true);
  table.FieldByName(QStringLiteral("Photo")).SetAsBytes(QByteArray("\x00\x01", 2));
  table.Post();
  TEngineTableModel model(table);
  ASSERT_EQ(model.columnCount(), 8);
  ASSERT_EQ(model.rowCount(), 1);
  EXPECT_EQ(model.headerData(cPrice, Qt::Horizontal).toString(), "Price");
  struct Case {
    Column column;
    QVariant display, edit;
  };
  const Case cases[] = {
      {cId, qlonglong(1), qlonglong(1)},
      {cName, QStringLiteral("Tea"), QStringLiteral("Tea")},
      {cQty, qlonglong(3), qlonglong(3)},
      {cPrice, QStringLiteral("12.50"), 12.5},
      {cSold, QDate(2026, 3, 4), QDate(2026, 3, 4)},
      {cAt, QTime(13, 45), QTime(13, 45)},
      {cActive, true, true},
      {cPhoto, QStringLiteral("(Blob)"), QByteArray("\x00\x01", 2)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(At(model, 0, c.column), c.display) << c.column;
    EXPECT_EQ(At(model, 0, c.column, Qt::EditRole), c.edit) << c.column;
  }
  EXPECT_EQ(At(model, 0, cActive, Qt::CheckStateRole), QVariant(Qt::Checked));
  EXPECT_FALSE(At(model, 0, cName, Qt::CheckStateRole).isValid());
  EXPECT_FALSE(model.flags(model.index(0, cId)) & Qt::ItemIsEditable);
  EXPECT_FALSE(model.flags(model.index(0, cPhoto)) & Qt::ItemIsEditable);
  EXPECT_TRUE(model.flags(model.index(0, cPrice)) & Qt::ItemIsEditable);
  EXPECT_TRUE(model.flags(model.index(0, cActive)) & Qt::ItemIsUserCheckable);
  EXPECT_FALSE(At(model, 1, cName).isValid());
}

TEST_F(TableModel, AnEditIsPostedThroughTheCursorAndSeenByOtherCursors) {
  TTable& table = Items({{QStringLiteral("Tea"), 3, 1.0}, {QStringLiteral("Jam"), 4, 2.0}});
  TEngineTableModel model(table);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  ASSERT_TRUE(model.setData(model.index(1, cPrice), 7.25));
  ASSERT_TRUE(model.setData(model.index(1, cSold), QDate(2026, 1, 31)));
  ASSERT_TRUE(model.setData(model.index(0, cActive), Qt::Checked, Qt::CheckStateRole));
  EXPECT_EQ(changed.size(), 3);
  EXPECT_EQ(At(model, 1, cPrice), "7.25");
  TTable& other = Open(QStringLiteral("Items"));
  ASSERT_TRUE(other.FindKey({2}));
  EXPECT_EQ(other.FieldByName(QStringLiteral("Price")).AsMoney(), 725);
  EXPECT_EQ(other.FieldByName(QStringLiteral("Sold")).AsDateTime().Date(), QDate(2026, 1, 31));
  ASSERT_TRUE(other.FindKey({1}));
  EXPECT_TRUE(other.FieldByName(QStringLiteral("Active")).AsBoolean());
  EXPECT_EQ(table.State(), TDataSetState::Browse);
}

TEST_F(TableModel, WhatTheEngineRefusesLeavesTheRecordAndGivesTheEnginesError) {
  TTable& table = Items({{QStringLiteral("Tea"), 3, 1.0}, {QStringLiteral("Jam"), 4, 2.0}});
  TEngineTableModel model(table);
  QSignalSpy failed(&model, &TEngineTableModel::EditFailed);
  TTable& other = Open(QStringLiteral("Items"));
  other.Edit(); // holds the lock of "Tea"
  EXPECT_FALSE(model.setData(model.index(0, cQty), 9));
  EXPECT_EQ(EngineCodeOf(model.LastError()), EngineError::RecordLocked);
  EXPECT_FALSE(model.removeRows(0, 1));
  EXPECT_EQ(EngineCodeOf(model.LastError()), EngineError::RecordLocked);
  other.Cancel();
  EXPECT_FALSE(model.setData(model.index(1, cName), QStringLiteral("Tea"))); // the name index is unique
  EXPECT_EQ(EngineCodeOf(model.LastError()), EngineError::KeyViolation);
  EXPECT_EQ(failed.size(), 3);
  EXPECT_EQ(table.State(), TDataSetState::Browse);
  EXPECT_EQ(model.rowCount(), 2);
  EXPECT_EQ(At(model, 0, cQty), qlonglong(3));
  EXPECT_EQ(At(model, 1, cName), "Jam");
  EXPECT_TRUE(model.setData(model.index(0, cQty), 9)); // free again
}

TEST_F(TableModel, RowsAreInsertedWithTheirDefaultsAndRemoved) {
  TTable& table = Items({{QStringLiteral("Tea"), 3, 1.0}, {QStringLiteral("Jam"), 4, 2.0}});
  int next = 0;
  table.SetOnNewRecord([&next](TTable& t) {
    t.FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("New %1").arg(++next));
  });
  TEngineTableModel model(table);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
  ASSERT_TRUE(model.insertRows(0, 2));
  ASSERT_EQ(model.rowCount(), 4);
  EXPECT_EQ(inserted.size(), 2);
  EXPECT_EQ(inserted[0].at(1).toInt(), 2) << "a new record goes where its key puts it";
  EXPECT_EQ(At(model, 3, cName), "New 2");
  ASSERT_TRUE(model.removeRows(0, 2));
  EXPECT_EQ(removed.size(), 2);
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(At(model, 0, cName), "New 1");
  EXPECT_EQ(table.RecordCount(), 2);
  EXPECT_FALSE(model.removeRows(1, 2)) << "rows the model does not have";
}

TEST_F(TableModel, ChangesOfOtherCursorsShowAtTheNextCheckAndOwnChangesNeedNone) {
  TTable& table = Items({{QStringLiteral("Tea"), 3, 1.0}});
  TEngineTableModel model(table);
  EXPECT_FALSE(model.RefreshIfChanged());
  ASSERT_TRUE(model.setData(model.index(0, cQty), 5));
  EXPECT_FALSE(model.RefreshIfChanged()) << "the model's own edit";
  TTable& other = Open(QStringLiteral("Items"));
  other.Append();
  other.FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("Jam"));
  other.Post();
  other.First();
  other.Edit();
  other.FieldByName(QStringLiteral("Qty")).SetAsInteger(8);
  other.Post();
  QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
  EXPECT_TRUE(model.RefreshIfChanged());
  EXPECT_EQ(reset.size(), 1);
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(At(model, 0, cQty), qlonglong(8));
  EXPECT_EQ(At(model, 1, cName), "Jam");
  EXPECT_FALSE(model.RefreshIfChanged());
}

TEST_F(TableModel, ALargeTableIsReadAPageAtATime) {
  constexpr int kRows = 100000;
  db->CreateTable(ItemsDef());
  db->StartTransaction();
  db->Exec(QStringLiteral("INSERT INTO \"Items\" (\"Name\", \"Qty\", \"Price\") "
                          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                          "SELECT 'Item ' || i, i % 30000, i / 100.0 FROM n")
               .arg(kRows),
           {}, QStringLiteral("filling Items"));
  db->Commit();
  TTable& table = Open(QStringLiteral("Items"));
  TEngineTableModel model(table);
  model.SetPageSize(500);
  EXPECT_EQ(model.rowCount(), 500);
  EXPECT_EQ(model.RowsRead(), 0) << "nothing is read before a view asks";
  EXPECT_EQ(At(model, 0, cName), "Item 1");
  EXPECT_EQ(At(model, 499, cPrice), "5.00");
  EXPECT_EQ(model.RowsRead(), 500);
  while (model.canFetchMore()) model.fetchMore();
  ASSERT_EQ(model.rowCount(), kRows);
  EXPECT_EQ(model.RowsRead(), 500) << "fetching rows reads none";
  EXPECT_EQ(At(model, kRows - 1, cName), QStringLiteral("Item %1").arg(kRows));
  EXPECT_EQ(At(model, 50000, cQty), qlonglong(50001 % 30000));
  EXPECT_EQ(model.RowsRead(), 1500);
  ASSERT_TRUE(model.setData(model.index(70000, cName), QStringLiteral("Renamed")));
  EXPECT_EQ(At(model, 70000, cName), "Renamed");
  EXPECT_LE(model.RowsRead(), 2000);
}
