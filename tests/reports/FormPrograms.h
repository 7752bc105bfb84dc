#pragma once
// A register program under one of the register's own class names, with the columns a report
// form reads from it, owned by the test driver and filled with the test's rows: the time
// range, employee, pay rate and time-and-attendance programs the forms bind.
#include "model/ModelFixture.h"
#include "model/tEcrPrg.h"
#include "platform/engine/TTable.h"

#include <QMap>
#include <QTime>
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

inline constexpr char kFormTimeRangeClass[] = "tEcrPrgCrs3000TimeRange";

// The register's time range program on the driver: period p from its start to its end, the
// periods not given unused (midnight to midnight).
inline void AddTimeRanges(tTestDriver& driver, const QMap<int, std::pair<QTime, QTime>>& ranges) {
  const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
  QList<TFieldDef> columns{{QStringLiteral("Number"), TFieldType::Short}};
  QVariantMap row{{QStringLiteral("Number"), 1}};
  for (int p = 1; p <= 48; ++p) {
    columns << TFieldDef{QStringLiteral("Start Time ") + two(p), TFieldType::Time}
            << TFieldDef{QStringLiteral("End Time ") + two(p), TFieldType::Time};
    const std::pair<QTime, QTime> range = ranges.value(p, {QTime(0, 0), QTime(0, 0)});
    row.insert(QStringLiteral("Start Time ") + two(p), range.first);
    row.insert(QStringLiteral("End Time ") + two(p), range.second);
  }
  tFormPrg<kFormTimeRangeClass>::AddTo(driver, columns, {row});
}
