#include "crs3000/tEcrRptCrs3000FnclSection.h"

#include "crs3000/Crs3000FnclLayouts.h"
#include "model/EcrClassDef.h"
#include "model/EcrErrors.h"
#include "platform/engine/TTable.h"

// No ROM lists a section: the sections are made only by the chain of their head.
TB_DEFINE_ABSTRACT_CLASS(tEcrRptCrs3000FnclSection, tEcrRptCrs3000)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000Sales, tEcrRptCrs3000FnclSection)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000Sales224, tEcrRptCrs3000Sales)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000Sales303, tEcrRptCrs3000Sales)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000Receipts, tEcrRptCrs3000FnclSection)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000Rcpts224, tEcrRptCrs3000Receipts)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000Rcpts303, tEcrRptCrs3000Receipts)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000Memo, tEcrRptCrs3000FnclSection)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000Memo224, tEcrRptCrs3000Memo)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000Memo303, tEcrRptCrs3000Memo)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000SysBal, tEcrRptCrs3000FnclSection)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000SysBal224, tEcrRptCrs3000SysBal)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000SysBal303, tEcrRptCrs3000SysBal)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000TblSrvc, tEcrRptCrs3000FnclSection)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000TblSrvc224, tEcrRptCrs3000TblSrvc)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000TblSrvc303, tEcrRptCrs3000TblSrvc)

namespace {
using namespace Crs3000FnclLayouts;
using S = tEcrRptCrs3000FnclSection;

struct SectionKind {
  const char* rptName;
  const char* table;
  const char* form;
  const EcrLayout& (*layout)();
};

const SectionKind kSections[S::kSectionCount] = {
    {"Sales", "tEcrRptCrs3000Sales", "TQrEcrRptCrs3000Sales", &Sales},
    {"Receipts", "tEcrRptCrs3000Receipts", "TQrEcrRptCrs3000Receipts", &Receipts},
    {"Memo", "tEcrRptCrs3000Memo", "TQrEcrRptCrs3000Memo", &Memo},
    {"System Balancing", "tEcrRptCrs3000SysBal", "TQrEcrRptCrs3000SysBal", &SystemBalancing},
    {"Table Service", "tEcrRptCrs3000TblSrvc", "TQrEcrRptCrs3000TblSrvc", &TableService},
};
} // namespace

struct tEcrRptCrs3000FnclSection::ClassRow {
  const TClass& (*cls)();
  int section;
  int variant;
  const char* ownTable = nullptr; // in place of the section's table
};

namespace {
const S::ClassRow kClasses[] = {
    {&tEcrRptCrs3000Sales::StaticClass, S::kSales, kFinancial},
    {&tEcrRptCrs3000Sales224::StaticClass, S::kSales, kFncl224},
    {&tEcrRptCrs3000Sales303::StaticClass, S::kSales, kFncl303},
    {&tEcrRptCrs3000Receipts::StaticClass, S::kReceipts, kFinancial},
    {&tEcrRptCrs3000Rcpts224::StaticClass, S::kReceipts, kFncl224},
    {&tEcrRptCrs3000Rcpts303::StaticClass, S::kReceipts, kFncl303},
    {&tEcrRptCrs3000Memo::StaticClass, S::kMemo, kFinancial},
    {&tEcrRptCrs3000Memo224::StaticClass, S::kMemo, kFncl224},
    {&tEcrRptCrs3000Memo303::StaticClass, S::kMemo, kFncl303},
    {&tEcrRptCrs3000SysBal::StaticClass, S::kSysBal, kFinancial},
    {&tEcrRptCrs3000SysBal224::StaticClass, S::kSysBal, kFncl224},
    {&tEcrRptCrs3000SysBal303::StaticClass, S::kSysBal, kFncl303},
    {&tEcrRptCrs3000TblSrvc::StaticClass, S::kTblSrvc, kFinancial},
    {&tEcrRptCrs3000TblSrvc224::StaticClass, S::kTblSrvc, kFncl224},
    {&tEcrRptCrs3000TblSrvc303::StaticClass, S::kTblSrvc, kFncl303, "tEcrRptCrs3000TblSrvc303"},
};

const SectionKind& Kind(int section) {
  if (section < 0 || section >= S::kSectionCount) throw ERangeError();
  return kSections[section];
}
} // namespace

const tEcrRptCrs3000FnclSection::ClassRow& tEcrRptCrs3000FnclSection::Row() const {
  for (const S::ClassRow& row : kClasses)
    if (&row.cls() == &ClassType()) return row;
  throw EAssertionFailed(ClassName() + QStringLiteral(" is no financial section"));
}

QString tEcrRptCrs3000FnclSection::GetRptName() const { return QString::fromLatin1(Kind(Row().section).rptName); }
QString tEcrRptCrs3000FnclSection::ReportFormClass() const { return QString::fromLatin1(Kind(Row().section).form); }

QString tEcrRptCrs3000FnclSection::GetTableName() const {
  const S::ClassRow& row = Row();
  return QString::fromLatin1(row.ownTable ? row.ownTable : Kind(row.section).table);
}

int tEcrRptCrs3000FnclSection::LayoutVariant() const { return Row().variant; }
const EcrLayout* tEcrRptCrs3000FnclSection::RecordLayout() const { return &Kind(Row().section).layout(); }
QStringList tEcrRptCrs3000FnclSection::KeyFields() const { return {QStringLiteral("Poll Id")}; }

int tEcrRptCrs3000FnclSection::GetRecStart() const { return SectionOffset(Row().section, Row().variant); }

int tEcrRptCrs3000FnclSection::GetSkipBytes() const { return CombinedSize(Row().variant) - GetPrgRecSize(); }

const TClass* tEcrRptCrs3000FnclSection::NextRptClass() const {
  const S::ClassRow& row = Row();
  return row.section + 1 < kSectionCount ? &SectionClass(row.section + 1, row.variant) : nullptr;
}

const TClass& tEcrRptCrs3000FnclSection::SectionClass(int section, int variant) {
  for (const S::ClassRow& row : kClasses)
    if (row.section == section && row.variant == variant) return row.cls();
  throw ERangeError();
}

int tEcrRptCrs3000FnclSection::SectionOffset(int section, int variant) {
  int offset = 0;
  for (int before = 0; before < section; ++before) offset += Kind(before).layout().RecordSize(variant);
  return offset;
}

int tEcrRptCrs3000FnclSection::CombinedSize(int variant) { return SectionOffset(kSectionCount, variant); }

void tEcrRptCrs3000FnclSection::DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) {
  tEcrRptCrs3000::DecodeRecord(table, buffer, recordIndex, position);
  if (Row().section == kTblSrvc && Row().variant == Crs3000FnclLayouts::kFncl224)
    table.FieldByName(QStringLiteral("GC Change Total")).SetAsFloat(0);
}
