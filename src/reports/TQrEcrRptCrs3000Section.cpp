#include "reports/TQrEcrRptCrs3000Section.h"

#include "reports/RptFnclMemoLines.h"
#include "reports/RptFnclSectionLines.h"
#include "reports/RptLineColumns.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const QString kMoney = QStringLiteral("$###,###,###.00");

struct Form {
  const char* formClass;
  const char* title;
  int section;
};
const Form kForms[] = {{"TQrEcrRptCrs3000Sales", "Sales", RptFnclSectionLines::kSales},
                       {"TQrEcrRptCrs3000Receipts", "Receipts", RptFnclSectionLines::kReceipts},
                       {"TQrEcrRptCrs3000Memo", "Memo", RptFnclSectionLines::kMemo},
                       {"TQrEcrRptCrs3000SysBal", "System Balancing", RptFnclSectionLines::kSysBal},
                       {"TQrEcrRptCrs3000TblSrvc", "Table Service", RptFnclSectionLines::kTblSrvc}};

const bool kRegistered = [] {
  for (const Form& form : kForms)
    RptReportRegistry::Register(QString::fromLatin1(form.formClass), [form] {
      return std::make_unique<TQrEcrRptCrs3000Section>(QString::fromLatin1(form.formClass), QString::fromLatin1(form.title),
                                                       form.section);
    });
  return true;
}();
} // namespace

TQrEcrRptCrs3000Section::TQrEcrRptCrs3000Section(const QString& formClass, const QString& title, int section)
    : TQrEcrRpt3000(formClass) {
  SetTitle(title);
  RptLineLayout layout;
  // The memo's totals print in the money's own display, its averages masked.
  layout.totalMask = section == RptFnclSectionLines::kMemo ? QString() : kMoney;
  layout.averageMask = kMoney;
  ColumnHeaderBand1().SetHeightPx(24);
  RptLineColumns::Add(ColumnHeaderBand1(), layout, {"Description", "Count", "Amount", "Average"}, 4);
  chain_ = std::make_unique<RptLineChain>(*this, DetailBand1(), RptFnclSectionLines::SectionForm(section), layout);
  if (section == RptFnclSectionLines::kMemo) {
    RptMemoStyle style;
    style.perCustomerMask = kMoney;
    RptFnclMemoLines::Fill(*this, *chain_, QString(), style);
  }
  OnBeforePrint([this](RptReport&, bool&) { chain_->SetCaptions(programs_.Programs()); });
}

void TQrEcrRptCrs3000Section::BindPrograms(const tEcrRpt& report) { programs_.Bind(report, false); }
