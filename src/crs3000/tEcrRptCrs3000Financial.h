#pragma once
// The financial report (code 33), the head of its sections: it keeps no figures of its
// own. It decodes the poll header into the poll's first AllPolls row and accepts a data
// block only when it holds exactly one combined record of its layout; then the sections
// of that layout, one after the other, decode the same work file (tEcrRptCrs3000FnclSection).
// Its own table holds a row of a poll only once the poll has been shown.
#include "crs3000/Crs3000FnclLayouts.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000Financial : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000Financial)

public:
  explicit tEcrRptCrs3000Financial(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 33; }
  QString GetRptName() const override { return QStringLiteral("Financial"); }
  QString GetTableName() const override { return QStringLiteral("tEcrRptCrs3000Financial"); }
  // "TQrEcrRptCrs3000Financial", or the roll's "TQrEcrRptCrs3000Financial2" with "Drommet" on.
  QString ReportFormClass() const override;
  // Gives the poll its row of the head table (the form prints from it), then presents it.
  void Present(bool print, qint32 pollId) override;
  void AddHeadRow(qint32 pollId);
  // The layout of the combined record that the register of this class sends (1296 bytes).
  int LayoutVariant() const override { return Crs3000FnclLayouts::kFinancial; }
  // The whole combined record: the head decodes none of it.
  int GetSkipBytes() const override;
  // The sales section of the same layout.
  const TClass* NextRptClass() const override;
  // "Poll Id" and "Dummy Field", both long integers, keyed by "Poll Id".
  std::optional<TTableDef> DescribeTable() const override;
  // "Poll Id" only; the head has no record, so a poll never calls it.
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;
};

// The 1290-byte record of the ROM versions up to 2.25 and of 4.02 and 4.03.
class tEcrRptCrs3000Fncl224 : public tEcrRptCrs3000Financial {
  TB_OBJECT(tEcrRptCrs3000Fncl224)

public:
  explicit tEcrRptCrs3000Fncl224(TBlank blank) : tEcrRptCrs3000Financial(blank) {}
  int LayoutVariant() const override { return Crs3000FnclLayouts::kFncl224; }
};

// The 1305-byte record of the ROM versions 3.03 to 3.05.
class tEcrRptCrs3000Fncl303 : public tEcrRptCrs3000Financial {
  TB_OBJECT(tEcrRptCrs3000Fncl303)

public:
  explicit tEcrRptCrs3000Fncl303(TBlank blank) : tEcrRptCrs3000Financial(blank) {}
  int LayoutVariant() const override { return Crs3000FnclLayouts::kFncl303; }
};
