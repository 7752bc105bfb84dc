#include "reports/TQrEcrRptCrs3000Financial.h"

#include "model/tEcrRpt.h"
#include "reports/RptFnclMemoLines.h"
#include "reports/RptFnclSectionLines.h"
#include "reports/RptFnclSectionRows.h"
#include "reports/RptLineColumns.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000Financial"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000Financial>(); });

const QString kMoney = QStringLiteral("$###,###,###.00");
// The heading band before each section's lines.
const char* const kHeadingBands[] = {"DetailBand1", "ChildBand161", "ChildBand160", "ChildBand159", "ChildBand158"};
const char* const kHeadings[] = {"Sales", "Receipts", "Memo", "Sys Bal", "Table Service"};

void AddHeading(RptBand& band, const char* text) {
  band.AddLabel(QStringLiteral("lbl") + band.Name(), {16, 4, 300, 20}, QString::fromLatin1(text))
      .SetFont({QStringLiteral("Sans Serif"), 12, true, true});
}
} // namespace

TQrEcrRptCrs3000Financial::TQrEcrRptCrs3000Financial()
    : TQrEcrRptCrs3000Financial(QStringLiteral("TQrEcrRptCrs3000Financial"), false) {}

RptLineLayout TQrEcrRptCrs3000Financial::LayoutOf(int section, bool roll) {
  RptLineLayout layout;
  // The memo's totals print in the money's own display; averages are currency text.
  layout.totalMask = section == RptFnclSectionLines::kMemo ? QString() : kMoney;
  if (!roll) return layout;
  layout.blocks = true;
  layout.captionLeft = 0;
  layout.captionWidth = 200;
  layout.countLeft = layout.amountLeft = 168;
  layout.countHeadingAlso = {"Cash Declare", "Cash Over or Short", "Track 01 Total Time Count", "Track 02 Total Time Count"};
  layout.amountHeadingAlso = {"Track 02 Total Time Count", "Price Change", "Average Time Total", "Period Edit Count"};
  return layout;
}

TQrEcrRptCrs3000Financial::TQrEcrRptCrs3000Financial(const QString& name, bool roll) : TQrEcrRpt3000(name) {
  SetTitle(QStringLiteral("Financial"));
  PageSetup().WithMargins(9.906, 9.906, 9.906, 9.906);
  ColumnHeaderBand1().SetHeightPx(roll ? 4 : 24);
  ColumnHeaderBand1().SetFrame(RptFrameLeft | RptFrameRight | RptFrameBottom);
  RptBand& detail = DetailBand1();
  for (int section = 0; section < RptFnclSectionLines::kSectionCount; ++section) {
    const RptLineLayout layout = LayoutOf(section, roll);
    if (section == 0) {
      if (!roll) RptLineColumns::Add(ColumnHeaderBand1(), layout, {"Description", "Count", "Amount", "Average"}, 4);
      detail.SetHeightPx(28);
      AddHeading(detail, kHeadings[0]);
    } else {
      AddHeading(AddChild(detail, QString::fromLatin1(kHeadingBands[section]), 28), kHeadings[section]);
    }
    chains_[section] = std::make_unique<RptLineChain>(*this, detail, RptFnclSectionLines::FinancialForm(section), layout,
                                                      QString::fromLatin1(kSources[section]));
  }
  RptMemoStyle memo;
  memo.perCustomerNotZero = !roll;
  memo.showPerCustomer = !roll;
  memo.paddedTime = !roll;
  if (roll) memo.timeRect = {168, 19, 150, 16};
  RptFnclMemoLines::Fill(*this, *chains_[RptFnclSectionLines::kMemo], QString::fromLatin1(kSources[2]), memo);
  OnBeforePrint([this](RptReport&, bool&) {
    OpenSections();
    for (const auto& chain : chains_) chain->SetCaptions(programs_.Programs());
  });
}

void TQrEcrRptCrs3000Financial::BindPrograms(const tEcrRpt& report) {
  programs_.Bind(report, false);
  database_ = report.GetDataBaseName();
}

void TQrEcrRptCrs3000Financial::OpenSections() {
  const qint64 head = PollField(QStringLiteral("Poll Id")).ToInteger();
  for (int section = 0; section < RptFnclSectionLines::kSectionCount; ++section) {
    sections_[section] = RptFnclSectionRows::Open(database_, head, section);
    Bind(QString::fromLatin1(kSources[section]), sections_[section].get());
  }
}
