#pragma once
// Stand-ins for program and report classes that the ROM lists name: registered under the
// listed name when the program has no class of that name yet, and counting their live
// instances, so that tests can see which objects a driver built and that the model
// choice frees every candidate it does not hand out.
#include "model/EcrStreamForm.h"
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "platform/engine/TTable.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"

namespace StandIns {
inline int& LiveCount() {
  static int count = 0;
  return count;
}

template <const char* ClassText> class Prg final : public tEcrPrg {
public:
  explicit Prg(TBlank blank) : tEcrPrg(blank) { ++LiveCount(); }
  ~Prg() override { --LiveCount(); }
  static const TClass& StaticClass() {
    static const TClass cls(ClassText, &tEcrPrg::StaticClass(), []() -> TObject* { return new Prg(TBlank{}); });
    return cls;
  }
  const TClass& ClassType() const override { return StaticClass(); }
  QString GetPrgName() const override { return QString::fromLatin1(ClassText).mid(14); }
  void EncodeRecord(TTable&, TEcrBlock&, int, int&) override {}
  // The fields the PLU map of the CRS 3000 driver names, keyed by memory as the PLU
  // report looks its names up.
  void DefineTable(TTable& table) override {
    table.FieldDefs() = Fields();
    table.IndexDefs() = Key();
  }
  std::optional<TTableDef> DescribeTable() const override { return TTableDef{LocalTableName(), Fields(), Key()}; }
  static QList<TIndexDef> Key() { return {{QString(), {QStringLiteral("Memory Number")}, true, true}}; }
  static QList<TFieldDef> Fields() {
    return {{QStringLiteral("Memory Number"), TFieldType::Long, 0},
            {QStringLiteral("PluCode"), TFieldType::Long, 0},
            {QStringLiteral("Descriptor"), TFieldType::Alpha, 20},
            {QStringLiteral("PriceHalo"), TFieldType::Money, 0}};
  }
};

template <const char* ClassText> class Rpt final : public tEcrRpt {
public:
  explicit Rpt(TBlank blank) : tEcrRpt(blank) { ++LiveCount(); }
  ~Rpt() override { --LiveCount(); }
  static const TClass& StaticClass() {
    static const TClass cls(ClassText, &tEcrRpt::StaticClass(), []() -> TObject* { return new Rpt(TBlank{}); });
    return cls;
  }
  const TClass& ClassType() const override { return StaticClass(); }
  QString GetRptName() const override { return QString::fromLatin1(ClassText).mid(14); }
};

// The names that a stand-in was registered under: classes the program itself lacks.
inline QStringList& StandInNames() {
  static QStringList names;
  return names;
}

// Registers the class under its name unless the program already has a class of that name.
inline void RegisterIfAbsent(const TClass& cls) {
  try {
    (void)FindStreamable(cls.ClassName());
  } catch (const EClassNotRegistered&) {
    StandInNames().append(cls.ClassName());
    if (cls.InheritsFrom(tEcrPrg::StaticClass()))
      EcrStreamForm::RegisterPrg(cls);
    else
      EcrStreamForm::RegisterRpt(cls);
  }
}

inline bool IsRegistered(const QString& name) {
  try {
    (void)FindStreamable(name);
    return true;
  } catch (const EClassNotRegistered&) {
    return false;
  }
}

// The class names of the driver's programs (prgs) or reports, in list order.
inline QStringList ClassNames(const tEcr& ecr, bool prgs) {
  QStringList names;
  const int count = prgs ? ecr.PrgCount() : ecr.RptCount();
  for (int i = 1; i <= count; ++i)
    names.append(prgs ? static_cast<TObject*>(ecr.Prg(i))->ClassName()
                      : static_cast<TObject*>(ecr.Rpt(i))->ClassName());
  return names;
}

inline constexpr char DateTime[] = "tEcrPrgCrs3000DateTime";
inline constexpr char Coupon224[] = "tEcrPrgCrs3000Coupon224";
inline constexpr char PLU[] = "tEcrPrgCrs3000PLU";
inline constexpr char Cashier[] = "tEcrRptCrs3000Cashier";
inline constexpr char Cshr303[] = "tEcrRptCrs3000Cshr303";
inline constexpr char Ej[] = "tEcrRptCrs3000Ej";
// The sections of the financial report of ROMs 2.26 and 3.02.
inline constexpr char Sales[] = "tEcrRptCrs3000Sales";
inline constexpr char Receipts[] = "tEcrRptCrs3000Receipts";
inline constexpr char Memo[] = "tEcrRptCrs3000Memo";
inline constexpr char SysBal[] = "tEcrRptCrs3000SysBal";
inline constexpr char TblSrvc[] = "tEcrRptCrs3000TblSrvc";

// Every stand-in above, registered once per test program.
inline void RegisterAll() {
  static const bool done = [] {
    RegisterIfAbsent(Prg<DateTime>::StaticClass());
    RegisterIfAbsent(Prg<Coupon224>::StaticClass());
    RegisterIfAbsent(Prg<PLU>::StaticClass());
    RegisterIfAbsent(Rpt<Cashier>::StaticClass());
    RegisterIfAbsent(Rpt<Cshr303>::StaticClass());
    RegisterIfAbsent(Rpt<Ej>::StaticClass());
    RegisterIfAbsent(Rpt<Sales>::StaticClass());
    RegisterIfAbsent(Rpt<Receipts>::StaticClass());
    RegisterIfAbsent(Rpt<Memo>::StaticClass());
    RegisterIfAbsent(Rpt<SysBal>::StaticClass());
    RegisterIfAbsent(Rpt<TblSrvc>::StaticClass());
    return true;
  }();
  (void)done;
}
} // namespace StandIns
