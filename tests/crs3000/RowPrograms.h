#pragma once
// A program under one of the register's own program class names whose table holds the
// columns a decoder copies into its rows, keyed as the register's program is; the tests
// fill it row by row.
#include "TestCrsPrograms.h"
#include "model/ModelFixture.h"
#include "platform/engine/TTable.h"

#include <QVariantMap>

template <const char* ClassText, TTableDef (*Def)()> class tRowsPrg final : public tTestCrsPrg {
public:
  explicit tRowsPrg(TBlank blank) : tTestCrsPrg(blank) {}
  static const TClass& StaticClass() {
    static const TClass cls(ClassText, &tTestCrsPrg::StaticClass(), []() -> TObject* { return new tRowsPrg(TBlank{}); });
    return cls;
  }
  const TClass& ClassType() const override { return StaticClass(); }
  std::optional<TTableDef> DescribeTable() const override {
    TTableDef def = Def();
    def.name = LocalTableName();
    return def;
  }

  // Writes the rows (by their key, the first column of the primary index) into this
  // program's table: a row already there is changed.
  void Store(const QList<QVariantMap>& rows) {
    const QString key = Def().indexes.first().fields.first();
    TTable& table = OpenTable();
    for (const QVariantMap& row : rows) {
      if (table.FindKey({row.value(key)})) {
        table.Edit();
      } else {
        table.Append();
      }
      for (auto it = row.cbegin(); it != row.cend(); ++it) table.FieldByName(it.key()).SetValue(it.value());
      table.Post();
    }
    CloseTable();
  }

  // A program of this class owned by the driver, holding these rows.
  static tRowsPrg& AddTo(tTestDriver& driver, const QList<QVariantMap>& rows) {
    auto program = tEcrFnct::New<tRowsPrg>(&driver);
    tRowsPrg& added = *program;
    program->Store(rows);
    driver.Add(std::move(program));
    return added;
  }
};

// The register's programs the item reports read, with the columns they read.
inline constexpr char kPluClass[] = "tEcrPrgCrs3000PLU";
inline constexpr char kMajGrpClass[] = "tEcrPrgCrs3000MajGrp";
inline constexpr char kSubGrpClass[] = "tEcrPrgCrs3000SubGrp";
inline constexpr char kInvtItmClass[] = "tEcrPrgCrs3000InvtItm";
inline constexpr char kSpItmStkClass[] = "tEcrPrgCrs3000SpItmStk";

inline TTableDef PluDef() {
  return {{},
          {{"Memory Number", TFieldType::Long}, {"PluCode", TFieldType::Long}, {"Descriptor", TFieldType::Alpha, 12}},
          {{QString(), {"Memory Number"}, true, true}}};
}
inline TTableDef GroupDef() {
  return {{},
          {{"Number", TFieldType::Short}, {"Descriptor", TFieldType::Alpha, 12}, {"Percent", TFieldType::Number}},
          {{QString(), {"Number"}, true, true}}};
}
inline TTableDef InvtItmDef() {
  return {{},
          {{"Number", TFieldType::Short},
           {"Descriptor", TFieldType::Alpha, 12},
           {"FCTR", TFieldType::Long},
           {"Unit Desc", TFieldType::Alpha, 4},
           {"Cost", TFieldType::Money},
           {"Recipe Unit", TFieldType::Alpha, 4}},
          {{QString(), {"Number"}, true, true}}};
}
inline TTableDef SpItmStkDef() {
  return {{}, {{"Number", TFieldType::Short}, {"PLU Code", TFieldType::Long}}, {{QString(), {"Number"}, true, true}}};
}

using tPluPrg = tRowsPrg<kPluClass, PluDef>;
using tMajGrpPrg = tRowsPrg<kMajGrpClass, GroupDef>;
using tSubGrpPrg = tRowsPrg<kSubGrpClass, GroupDef>;
using tInvtItmPrg = tRowsPrg<kInvtItmClass, InvtItmDef>;
using tSpItmStkPrg = tRowsPrg<kSpItmStkClass, SpItmStkDef>;
