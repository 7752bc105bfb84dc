#pragma once
// A register program under one of the register's own class names, with the columns a report
// form reads from it, owned by the test driver and filled with the test's rows: the time
// range, employee, pay rate and time-and-attendance programs the forms bind.
#include "model/ModelFixture.h"
#include "model/tEcrPrg.h"
#include "platform/engine/TTable.h"

#include <QVariantMap>

template <const char* ClassText> class tFormPrg final : public tEcrPrg {
public:
  explicit tFormPrg(TBlank blank) : tEcrPrg(blank) {}
  static const TClass& StaticClass() {
    static const TClass cls(ClassText, &tEcrPrg::StaticClass(), []() -> TObject* { return new tFormPrg(TBlank{}); });
    return cls;
  }
  const TClass& ClassType() const override { return StaticClass(); }
  std::optional<TTableDef> DescribeTable() const override {
    return TTableDef{LocalTableName(), columns, {{QString(), {columns.first().name}, true, true}}};
  }

  // The program on the driver, its table holding the rows (a time column takes a QTime).
  static void AddTo(tTestDriver& driver, const QList<TFieldDef>& columnsOfTable, const QList<QVariantMap>& rows) {
    auto program = tEcrFnct::New<tFormPrg>(&driver);
    program->columns = columnsOfTable;
    TTable& table = program->OpenTable();
    for (const QVariantMap& row : rows) {
      table.Append();
      for (auto it = row.cbegin(); it != row.cend(); ++it) {
        TField& field = table.FieldByName(it.key());
        if (it.value().typeId() == QMetaType::QTime)
          field.SetAsDateTime(TDateTime::FromTime(it.value().toTime()));
        else
          field.SetValue(it.value());
      }
      table.Post();
    }
    program->CloseTable();
    driver.Add(std::move(program));
  }

private:
  QList<TFieldDef> columns;
};
