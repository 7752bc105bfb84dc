#pragma once
// The product projection report: for one weekday and each product mix item (5 records a
// block, numbered from 1), four week values in each of the 48 time periods of the day.
// The register answers each weekday under its own code, so each weekday is a class of its
// own (tEcrRptCrs3000PrdPrjSun .. Sat) that states its code, name and weekday; all store
// into one table keyed by poll, weekday ("Day", 1 Sunday to 7 Saturday) and item.
#include "crs3000/Crs3000FormTables.h"
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000ProductProjection : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000ProductProjection)

public:
  explicit tEcrRptCrs3000ProductProjection(TBlank blank) : tEcrRptCrs3000(blank) {}
  QString GetRptName() const override { return QStringLiteral("Product Projection"); }
  QString GetTableName() const override { return QStringLiteral("tEcrRptCrs3000ProdPrj"); }
  QString GetOptsFormClass() const override { return QStringLiteral("TfmEcrRptOptCrs3000NonCnsRpts"); }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000PProj"); }
  int GetRecsInBlk() const override { return 5; }
  // The weekday stored as "Day": 1 Sunday to 7 Saturday; 0 here.
  virtual int GetWeekDay() const { return 0; }

  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Short; }
  QList<TFieldDef> LookUpFields() const override; // "Day", "Name"
  void FillLookUps(TTable& table, int recordNumber) override;
  QStringList KeyFields() const override; // Poll Id, Day, Memory Number
  // The base's table with "Day" moved up before "Memory Number".
  std::optional<TTableDef> DescribeTable() const override;
  QList<Crs3000FormTable> FormTables() const { return Crs3000FormTables::TimeRange(); }

private:
  TEcrNameLookup names_;
};

#define TB_CRS3000_PRD_PRJ_DAY(Name, Code, Title, Day)                                              \
  class Name : public tEcrRptCrs3000ProductProjection {                                             \
    TB_OBJECT(Name)                                                                                 \
  public:                                                                                           \
    explicit Name(TBlank blank) : tEcrRptCrs3000ProductProjection(blank) {}                         \
    int GetRptCode() const override { return Code; }                                                \
    QString GetRptName() const override { return QStringLiteral(Title); }                           \
    int GetWeekDay() const override { return Day; }                                                 \
  };

TB_CRS3000_PRD_PRJ_DAY(tEcrRptCrs3000PrdPrjSun, 49, "Prod. Prjctn Sun", 1)
TB_CRS3000_PRD_PRJ_DAY(tEcrRptCrs3000PrdPrjMon, 50, "Prod. Prjctn Mon", 2)
TB_CRS3000_PRD_PRJ_DAY(tEcrRptCrs3000PrdPrjTue, 51, "Prod. Prjctn Tue", 3)
TB_CRS3000_PRD_PRJ_DAY(tEcrRptCrs3000PrdPrjWed, 52, "Prod. Prjctn Wed", 4)
TB_CRS3000_PRD_PRJ_DAY(tEcrRptCrs3000PrdPrjThu, 53, "Prod. Prjctn Thu", 5)
TB_CRS3000_PRD_PRJ_DAY(tEcrRptCrs3000PrdPrjFri, 54, "Prod. Prjctn Fri", 6)
TB_CRS3000_PRD_PRJ_DAY(tEcrRptCrs3000PrdPrjSat, 55, "Prod. Prjctn Sat", 7)
