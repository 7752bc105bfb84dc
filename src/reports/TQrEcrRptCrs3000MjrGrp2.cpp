#include "reports/TQrEcrRptCrs3000MjrGrp2.h"

#include "model/ZeroSkip.h"
#include "reports/RptFormErrors.h"
#include "reports/RptLineTests.h"
#include "reports/engine/RptFigureText.h"
#include "reports/engine/RptLocale.h"
#include "reports/engine/RptNumberText.h"
#include "reports/engine/RptReportRegistry.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <exception>

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000MjrGrp2"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000MjrGrp2>(); });

const QString kMoney = QStringLiteral("$###,###,###.00");
const QString kCount = QStringLiteral("Count");
const QString kTotal = QStringLiteral("Total");
constexpr double kLine = 16;
constexpr double kWidth = 360;  // 4 inches less the margins

// The header in one column: caption and value a line, from the top of the band.
const std::pair<const char*, const char*> kHeaderLines[] = {
    {"QRLabel1", "QRDBText3"},         {"QRLabel2", "QRDBText1"},       {"QRLabel5", "QRDBText2"},
    {"lblTransNum1", "dbTransNum"},    {"lblPrePoll1", "lblPrePoll2"},  {"lblPoldRegTtl", "lblPolledReg"},
    {"QRLabel7", "QRDBText9"},         {"QRLabel8", "QRDBText7"},       {"QRLabel9", "QRDBText8"},
    {"QRLabel3", "QRDBText6"},         {"QRLabel4", "QRDBText4"},       {"QRLabel6", "QRDBText5"},
    {"lblInReange", "lblInIRC2"},      {"lblPrePolledTerms", "lblInIRC3"}, {"lblPrevZ", "lblInIRC4"},
};
constexpr int kRegisterLinesFrom = 12;

// Block columns: captions over values, two rows of each.
constexpr double kColumnLeft[] = {6, 130, 246};
constexpr double kColumnWidth[] = {118, 110, 108};
QRectF Cell(int column, int row) { return {kColumnLeft[column], 4 + row * kLine, kColumnWidth[column], kLine}; }

QString Currency(double value) { return RptNumberText::Currency(value, RptLocale::Report(), 8); }

double TaxPercent() {
  try {
    return OpenSettingsFile(QStringLiteral("Drommet"))->ReadFloat(QStringLiteral("Tax"), 0);
  } catch (const std::exception&) {
    return 0;
  }
}
} // namespace

TQrEcrRptCrs3000MjrGrp2::TQrEcrRptCrs3000MjrGrp2() : TQrEcrRpt3000(QStringLiteral("TQrEcrRptCrs3000MjrGrp2")) {
  SetTitle(QStringLiteral("Major Group"));
  PageSetup() = RptPageSetup::Custom(101.6, 1549.4).WithMargins(2, 10, 2, 10);
  LayOutHeader();
  ColumnHeaderBand1().SetHeightPx(0);
  AddGroupBlock();
  AddTotalsBlock();
  OnBeforePrint([this](RptReport&, bool&) {
    countSum_ = 0, totalUnits_ = 0, commissionCents_ = 0;
    taxPercent_ = TaxPercent();
  });
}

void TQrEcrRptCrs3000MjrGrp2::LayOutHeader() {
  RptBand& title = TitleBand1();
  title.SetHeightPx(395);
  const auto place = [&title](const char* name, const QRectF& rect) -> RptElement& {
    return title.FindElement(QString::fromLatin1(name))->SetRectPx(rect);
  };
  place("QRSysData1", {0, 4, kWidth, 20}).SetAlign(RptAlign::Center);
  place("QRLabel11", {0, 28, 180, kLine}).SetEnabled(true);
  place("QRLabel10", {0, 28, 180, kLine}).SetEnabled(false);
  place("QRLabel12", {200, 28, 80, kLine});
  place("QRSysData2", {0, 44, 190, kLine});
  place("QRSysData4", {200, 44, 80, kLine});
  double top = 66;
  for (int i = 0; i < int(std::size(kHeaderLines)); ++i) {
    const auto& [caption, value] = kHeaderLines[i];
    place(caption, {0, top, 110, kLine});
    if (i < kRegisterLinesFrom) {
      place(value, {112, top, kWidth - 112, kLine}).SetAlign(RptAlign::Left);
      top += kLine;
    } else {  // a register line of 72 characters needs the whole width
      place(value, {0, top + kLine, kWidth, kLine});
      top += 2 * kLine;
    }
  }
  title.AddLabel(QStringLiteral("QRLabelRule"), {0, top + 4, kWidth, kLine}, QStringLiteral("_______________________________________"));
}

void TQrEcrRptCrs3000MjrGrp2::AddGroupBlock() {
  RptFont bold;
  bold.bold = true;
  RptBand& block = DetailBand1();
  block.SetHeightPx(4 * kLine + 14).SetFrame(RptFrameLeft | RptFrameTop | RptFrameRight | RptFrameBottom);
  const char* const captions[2][3] = {{"Group ", "Count", "Percent"}, {"Descriptor", "Amount", "Commission"}};
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 3; ++column)
      block.AddLabel(QStringLiteral("QRLabelBlock%1%2").arg(row).arg(column), Cell(column, 2 * row),
                     QString::fromLatin1(captions[row][column]))
          .SetFont(bold);
  block.AddDataText(QStringLiteral("dbNumber"), Cell(0, 1), QString(), QStringLiteral("Memory Number")).SetAlign(RptAlign::Left);
  block.AddDataText(QStringLiteral("dbCount"), Cell(1, 1), QString(), kCount).SetAlign(RptAlign::Left);
  block.AddDataText(QStringLiteral("dbPercent"), Cell(2, 1), QString(), QStringLiteral("Percent"), QStringLiteral("0.00%"));
  block.AddDataText(QStringLiteral("dbName"), Cell(0, 3), QString(), QStringLiteral("Name"));
  block.AddDataText(QStringLiteral("dbTotal"), Cell(1, 3), QString(), kTotal, kMoney);
  block.AddLabel(QStringLiteral("lblCommission"), Cell(2, 3), QString());
  block.OnBeforePrint([this](RptBand& band, bool& print) {
    const RptRowSource& row = *Master();
    if (ZeroSkip) print = RptAnyPresentNotZero(row, {kCount, kTotal});
    qint32 sum = 0;
    if (__builtin_add_overflow(qint32(countSum_), qint32(row.Field(kCount).ToInteger()), &sum))
      throw EIntOverflow(QStringLiteral("Integer overflow"));
    countSum_ = sum;
    totalUnits_ += row.Field(kTotal).ToMoney().units;
    const double percent = row.Field(QStringLiteral("Percent")).ToDouble();
    const qint64 cents = RptFigureText::CentsHalfEven(percent * 0.01 * (row.Field(kTotal).ToDouble() + 0.001));
    commissionCents_ += cents;
    band.FindElement(QStringLiteral("lblCommission"))->SetCaption(Currency(cents / 100.0));
  });
}

void TQrEcrRptCrs3000MjrGrp2::AddTotalsBlock() {
  RptFont bold;
  bold.bold = true;
  AddFieldSum(QStringLiteral("CountSum"), kCount);
  AddFieldSum(QStringLiteral("TotalSum"), kTotal);
  RptBand& totals = AddBand(RptBandKind::Summary, QStringLiteral("SummaryBand1"), 8 * kLine);
  totals.AddLabel(QStringLiteral("QRLabelTotals"), {6, 4, 120, kLine}, QStringLiteral("Totals")).SetFont(bold);
  const char* const captions[] = {"Count", "Amount", "Commission", "Tax %", "Tax Amount", "Total"};
  for (int i = 0; i < 6; ++i)
    totals.AddLabel(QStringLiteral("QRLabelTotal%1").arg(i), {6, 4 + (i + 1) * kLine, 120, kLine}, QString::fromLatin1(captions[i]));
  const auto value = [](int i) { return QRectF(130, 4 + (i + 1) * kLine, 200, kLine); };
  totals.AddComputed(QStringLiteral("CountTotal"), value(0), [this] { return Sum(QStringLiteral("CountSum")); });
  totals.AddComputed(QStringLiteral("AmountTotal"), value(1), [this] { return Sum(QStringLiteral("TotalSum")); }, kMoney);
  const char* const labels[] = {"lblTotCommission", "lblTax", "lblTaxAmount", "lblTotal"};
  for (int i = 0; i < 4; ++i) totals.AddLabel(QString::fromLatin1(labels[i]), value(i + 2), QString());
  totals.OnBeforePrint([this](RptBand& band, bool& print) {
    SetTotals(band);
    print = countSum_ != 0 && totalUnits_ != 0;
  });
}

void TQrEcrRptCrs3000MjrGrp2::SetTotals(RptBand& band) {
  const double commission = commissionCents_ / 100.0;
  const double tax = RptFigureText::CentsHalfEven((commission + 0.001) * taxPercent_ * 0.01) / 100.0;
  band.FindElement(QStringLiteral("lblTotCommission"))->SetCaption(Currency(commission));
  band.FindElement(QStringLiteral("lblTax"))->SetCaption(RptNumberText::Shortest(taxPercent_, RptLocale::Report()));
  band.FindElement(QStringLiteral("lblTaxAmount"))->SetCaption(Currency(tax));
  band.FindElement(QStringLiteral("lblTotal"))->SetCaption(Currency(commission + tax));
}
