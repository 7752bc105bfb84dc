#pragma once
// The open orders of track 3 (code 66): a record an open order with its check and table
// numbers (digit texts, stored as numbers), cashier, time and balance. A check or table
// text that is blank stores no number; one that holds other characters than digits and
// blanks fails the poll.
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000OpnOrdTrk3 : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000OpnOrdTrk3)

public:
  explicit tEcrRptCrs3000OpnOrdTrk3(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 66; }
  QString GetRptName() const override { return QStringLiteral("Open Orders Track 3"); }
  int GetRecsInBlk() const override { return 60; }
  QString GetTableName() const override { return QStringLiteral("tEcrRptCrs3000OpnOrd3"); }
  QString GetOptsFormClass() const override { return QStringLiteral("TfmEcrRptOptCrs3000NonCnsRpts"); }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000OpnOrd3"); }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Short; }
};
