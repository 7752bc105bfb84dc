#pragma once
// Program, report and driver classes for the tests of the register driver base: a few
// programs with known names and capabilities, tables shaped like those the data queries
// read, and a driver (tDrvTestEcr) that holds them and names them in its field maps.
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "platform/engine/TTable.h"

// Programs: name, capabilities, and the fields of the table (when the test uses it).
#define DRV_TEST_PRG(Cls)                                                        \
  class Cls final : public tEcrPrg {                                             \
    TB_OBJECT(Cls)                                                               \
  public:                                                                        \
    explicit Cls(TBlank blank) : tEcrPrg(blank) {}                               \
    QString GetPrgName() const override;                                         \
    tEcrPrgCapSet GetPrgCapSet() const override;                                 \
    void DefineTable(TTable& table) override { table.FieldDefs() = Fields(); }  \
    std::optional<TTableDef> DescribeTable() const override {                    \
      return TTableDef{LocalTableName(), Fields(), {}};                          \
    }                                                                            \
    static QList<TFieldDef> Fields();                                            \
    void EncodeRecord(TTable&, TEcrBlock&, int, int&) override {}               \
  };
DRV_TEST_PRG(tDrvPrgAlpha)   // "Alpha": send, receive, maintain
DRV_TEST_PRG(tDrvPrgBravo)   // "Bravo": send, left out of "send all"
DRV_TEST_PRG(tDrvPrgCharlie) // "Charlie": receive
DRV_TEST_PRG(tDrvPrgPlu)     // "PLU": PluCode, Descriptor, PriceHalo
DRV_TEST_PRG(tDrvPrgGroup)   // "Groups": Number, Descriptor
DRV_TEST_PRG(tDrvPrgEmpl)    // "Employees": Number, Name, Job Code1, Job Code2
#undef DRV_TEST_PRG

#define DRV_TEST_RPT(Cls)                                                        \
  class Cls final : public tEcrRpt {                                             \
    TB_OBJECT(Cls)                                                               \
  public:                                                                        \
    explicit Cls(TBlank blank) : tEcrRpt(blank) {}                               \
    QString GetRptName() const override;                                         \
  };
DRV_TEST_RPT(tDrvRptPlu)   // "PLU"
DRV_TEST_RPT(tDrvRptGroup) // "Groups"
DRV_TEST_RPT(tDrvRptTk)    // "Time Keeping"
DRV_TEST_RPT(tDrvRptFncl)  // "Financial"
DRV_TEST_RPT(tDrvRptPlu2)  // "plu": the same name as tDrvRptPlu in other letters
#undef DRV_TEST_RPT

// A driver with all of them, whose field maps the tests set.
class tDrvTestEcr final : public tEcr {
  TB_OBJECT(tDrvTestEcr)
public:
  explicit tDrvTestEcr(TBlank blank) : tEcr(blank) {}
  void Create(TObject* owner) override;

  void GetPLUPrgFields(TEcrPrgItemFields& fields) const override { fields = Plu; }
  void GetPLURptFields(TEcrPLURptFields& fields) const override { fields = PluRpt; }
  void GetFnclRptFields(TEcrFnclRptFields& fields) const override { fields = Fncl; }
  void GetGroupPrgFields(TEcrGroupPrgFields& fields) const override { fields = Group; }
  void GetGroupRptFields(TEcrGroupRptFields& fields) const override { fields = GroupRpt; }
  void GetEmplPrgFields(TEcrEmplPrgFields& fields) const override { fields = Empl; }
  void GetEmplRptFields(TEcrEmplRptFields& fields) const override { fields = EmplRpt; }

  // The maps, with values that fit the doubles above.
  TEcrPrgItemFields Plu;
  TEcrPLURptFields PluRpt;
  TEcrFnclRptFields Fncl;
  TEcrGroupPrgFields Group;
  TEcrGroupRptFields GroupRpt;
  TEcrEmplPrgFields Empl;
  TEcrEmplRptFields EmplRpt;
};

namespace DriverDoubles {
// A new test driver with its maps filled in.
std::unique_ptr<tDrvTestEcr> NewDriver();
// Creates a report table afresh in the data alias's database and fills it with rows (one
// value per field, in field order).
void MakeReportTable(const QString& table, const QList<TFieldDef>& fields, const QList<QVariantList>& rows);
// Appends rows to an open program table.
void AppendRows(TTable& table, const QList<QVariantList>& rows);
} // namespace DriverDoubles
