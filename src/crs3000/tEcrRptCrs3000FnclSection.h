#pragma once
// The sections of the financial report (code 33). The register answers it with one data
// block holding a single combined record of five sections: sales, receipts, memo, system
// balancing and table service. The head (tEcrRptCrs3000Financial) decodes only the poll
// header; each section class then reads the same work file, adds its own AllPolls row and
// decodes its slice of the combined record into one row of its table. The record has three
// layouts (Crs3000FnclLayouts::Variant), and each has its own chain of section classes:
//   1296 bytes: Sales, Receipts, Memo, SysBal, TblSrvc
//   1290 bytes: Sales224, Rcpts224, Memo224, SysBal224, TblSrvc224
//   1305 bytes: Sales303, Rcpts303, Memo303, SysBal303, TblSrvc303
// Every class of a section writes one table, but the table service of the 1305-byte record
// has a table of its own. A section's offset and the combined record's size follow from the
// section layouts, so the head, the sections and the layouts cannot disagree.
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000FnclSection : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000FnclSection)

public:
  enum Section : int { kSales, kReceipts, kMemo, kSysBal, kTblSrvc, kSectionCount };

  explicit tEcrRptCrs3000FnclSection(TBlank blank) : tEcrRptCrs3000(blank) {}

  QString GetRptName() const override;
  QString GetTableName() const override;
  QString ReportFormClass() const override;
  // Its offset in the combined record.
  int GetRecStart() const override;
  // The combined record less the section: exactly one record a block.
  int GetSkipBytes() const override;
  // The next section of the same layout; none after the table service.
  const TClass* NextRptClass() const override;
  const EcrLayout* RecordLayout() const override;
  int LayoutVariant() const override;
  QStringList KeyFields() const override; // "Poll Id"
  // The layout's row; the table service of the 1290-byte record, which has no guest-check
  // change, stores 0 there (the other columns its record lacks stay empty).
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;

  // The class of the section in the chain of that layout of the record.
  static const TClass& SectionClass(int section, int variant);
  static int SectionOffset(int section, int variant);
  static int CombinedSize(int variant);

  // One class of the table of section classes.
  struct ClassRow;

private:
  const ClassRow& Row() const;
};

#define TB_FNCL_SECTION_CLASS_(Name, Parent)                                      \
  class Name : public Parent {                                                    \
    TB_OBJECT(Name)                                                               \
  public:                                                                         \
    explicit Name(TBlank blank) : Parent(blank) {}                                \
  };

TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000Sales, tEcrRptCrs3000FnclSection)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000Sales224, tEcrRptCrs3000Sales)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000Sales303, tEcrRptCrs3000Sales)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000Receipts, tEcrRptCrs3000FnclSection)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000Rcpts224, tEcrRptCrs3000Receipts)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000Rcpts303, tEcrRptCrs3000Receipts)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000Memo, tEcrRptCrs3000FnclSection)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000Memo224, tEcrRptCrs3000Memo)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000Memo303, tEcrRptCrs3000Memo)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000SysBal, tEcrRptCrs3000FnclSection)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000SysBal224, tEcrRptCrs3000SysBal)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000SysBal303, tEcrRptCrs3000SysBal)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000TblSrvc, tEcrRptCrs3000FnclSection)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000TblSrvc224, tEcrRptCrs3000TblSrvc)
TB_FNCL_SECTION_CLASS_(tEcrRptCrs3000TblSrvc303, tEcrRptCrs3000TblSrvc)
