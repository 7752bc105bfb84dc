#pragma once
// The time period by group report (code 36): for each time period of the register's day
// (6 records a block, numbered from 1), a count and a total for each major group 1 to 20
// and for all groups together. No ROM list offers it: the time period poll reads it as a
// follow-up.
#include "crs3000/Crs3000FormTables.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000TpGrp : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000TpGrp)

public:
  explicit tEcrRptCrs3000TpGrp(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 36; }
  QString GetRptName() const override { return QStringLiteral("Time Period Group"); }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000TimePrdGrp"); }
  int GetRecsInBlk() const override { return 6; }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Short; }
  // The period captions and the major group captions.
  QList<Crs3000FormTable> FormTables() const;
};
