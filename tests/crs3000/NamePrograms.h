#pragma once
// A program under one of the register's own program class names whose table gives names:
// "Number" as key and the named column, as the decoders' name look-ups read it.
#include "TestCrsPrograms.h"
#include "model/ModelFixture.h"
#include "platform/engine/TTable.h"

#include <QMap>

// The register's name programs and columns the decoders look names up in; one definition
// each, so that every test names the same class.
inline constexpr char kEmployeeClass[] = "tEcrPrgCrs3000Employee";
inline constexpr char kJobCodesClass[] = "tEcrPrgCrs3000JobCodes";
inline constexpr char kJobCodes304Class[] = "tEcrPrgCrs3000JobCodes304";
inline constexpr char kCouponClass[] = "tEcrPrgCrs3000Coupon";
inline constexpr char kName[] = "Name";
inline constexpr char kDescriptor[] = "Descriptor";

template <const char* ClassText, const char* Column> class tNamesPrg final : public tTestCrsPrg {
public:
  static constexpr const char* kColumn = Column;
  explicit tNamesPrg(TBlank blank) : tTestCrsPrg(blank) {}
  static const TClass& StaticClass() {
    static const TClass cls(ClassText, &tTestCrsPrg::StaticClass(),
                            []() -> TObject* { return new tNamesPrg(TBlank{}); });
    return cls;
  }
  const TClass& ClassType() const override { return StaticClass(); }
  std::optional<TTableDef> DescribeTable() const override {
    return TTableDef{LocalTableName(),
                     {{QStringLiteral("Number"), TFieldType::Short}, {QLatin1String(Column), TFieldType::Alpha, 12}},
                     {{QString(), {QStringLiteral("Number")}, true, true}}};
  }

  // A program of this class owned by the driver, holding these names (replacing those an
  // earlier driver of the same data folder stored under the same numbers).
  static void AddTo(tTestDriver& driver, const QMap<int, QString>& names) {
    auto program = tEcrFnct::New<tNamesPrg>(&driver);
    TTable& table = program->OpenTable();
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
      const int number = it.key();
      if (table.FindKey({number})) {
        table.Edit();
      } else {
        table.Append();
        table.FieldByName(QStringLiteral("Number")).SetAsInteger(number);
      }
      table.FieldByName(QLatin1String(Column)).SetAsString(it.value());
      table.Post();
    }
    program->CloseTable();
    driver.Add(std::move(program));
  }
};
