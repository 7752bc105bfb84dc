#include "reports/TQrEcrRptCrs3000TimeKpng.h"

#include "crs3000/tEcrRptCrs3000TimeKeeping.h"
#include "model/ZeroSkip.h"
#include "reports/RptLineTests.h"
#include "reports/engine/RptLocale.h"
#include "reports/engine/RptNumberText.h"
#include "reports/RptColumns.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000TimeKpng"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000TimeKpng>(); });

const QString kEmployeeNo = QStringLiteral("Employee No");
const QString kTips = QStringLiteral("Tips");
const QString kRegular = QStringLiteral("Regular Hrs");
const QString kOverTime = QStringLiteral("Over Time Hrs");
const QStringList kFigures{kTips, kRegular, kOverTime};
const QString kNumber = QStringLiteral("Number");  // the key of the employee and pay rate programs
constexpr int kJobSlots = 4;
constexpr double kHeight = 16;

const RptColumn kColumns[] = {{"Employee", 16, 180, RptAlign::Left},   {"Job Code", 200, 160, RptAlign::Left},
                           {"Tips", 370, 120, RptAlign::Center},    {"Regular", 500, 100, RptAlign::Right},
                           {"Over Time", 610, 110, RptAlign::Right}};
QRectF At(int column, double top = 0) { return kColumns[column].At(top, kHeight); }

QString Fixed(double value) { return RptNumberText::Fixed(value, 2, RptLocale::Report()); }
} // namespace

TQrEcrRptCrs3000TimeKpng::TQrEcrRptCrs3000TimeKpng() : TQrEcrRpt3000(QStringLiteral("TQrEcrRptCrs3000TimeKpng")) {
  SetTitle(QStringLiteral("Time Keeping"));
  // The transaction number reads no data set here: a source no one binds is empty.
  TitleBand1().FindElement(QStringLiteral("dbTransNum"))->SetField(QStringLiteral("(none)"), QString());
  AddColumnCaptions(ColumnHeaderBand1(), kColumns, 20);
  AddEmployeeBands();
  OnBeforePrint([this](RptReport&, bool&) {
    employeeHasFigures_.clear();
    if (ZeroSkip) FindEmployeesWithFigures();
  });
  OnAfterPrint([this](RptReport&) { employeeHasFigures_.clear(); });
}

void TQrEcrRptCrs3000TimeKpng::AddEmployeeBands() {
  RptFont underlined;
  underlined.underline = true;
  RptBand& header = AddGroup(QStringLiteral("QRGroup1"), 20, MasterField(kEmployeeNo));
  header.AddDataText(QStringLiteral("EmployeeNo"), {16, 2, 40, kHeight}, QString(), kEmployeeNo).SetFont(underlined);
  header.AddDataText(QStringLiteral("EmployeeName"), {60, 2, 136, kHeight}, QString(), QStringLiteral("Name")).SetFont(underlined);
  header.OnBeforePrint([this](RptBand&, bool& print) {
    sums_ = Sums();
    if (ZeroSkip) print = EmployeePrints();
  });
  RptBand& line = DetailBand1();
  line.SetHeightPx(18);
  line.AddDataText(QStringLiteral("JobCode"), {200, 0, 24, kHeight}, QString(), QStringLiteral("Job Code"), QStringLiteral("##"))
      .SetAlign(RptAlign::Right);
  line.AddDataText(QStringLiteral("JobName"), {230, 0, 130, kHeight}, QString(), QStringLiteral("Job Name"));
  line.AddDataText(QStringLiteral("Tips"), At(2), QString(), kTips, QStringLiteral("$###,###,###.00")).SetAlign(RptAlign::Right);
  line.AddDataText(QStringLiteral("Regular"), At(3), QString(), kRegular, QStringLiteral("###.00")).SetAlign(RptAlign::Right);
  line.AddDataText(QStringLiteral("OverTime"), At(4), QString(), kOverTime, QStringLiteral("###.00")).SetAlign(RptAlign::Right);
  line.OnBeforePrint([this](RptBand&, bool& print) { LineBeforePrint(print); });
  RptBand& footer = AddGroupFooter(header, QStringLiteral("QRBand1"), 40);
  footer.AddLabel(QStringLiteral("lblTips"), At(2), QString()).SetAlign(RptAlign::Right);
  footer.AddLabel(QStringLiteral("lblReg"), At(3), QString()).SetAlign(RptAlign::Right).SetFont(underlined);
  footer.AddLabel(QStringLiteral("lblOT"), At(4), QString()).SetAlign(RptAlign::Right).SetFont(underlined);
  RptFont bold;
  bold.bold = true;
  footer.AddLabel(QStringLiteral("CostCaption"), At(1, 18), QStringLiteral("Cost")).SetFont(bold);
  footer.AddLabel(QStringLiteral("lblRegCost"), At(3, 18), QString()).SetAlign(RptAlign::Right);
  footer.AddLabel(QStringLiteral("lblOTCost"), At(4, 18), QString()).SetAlign(RptAlign::Right);
  footer.OnBeforePrint([this](RptBand& band, bool& print) { FooterBeforePrint(band, print); });
}

void TQrEcrRptCrs3000TimeKpng::BindPrograms(const tEcrRpt& report) {
  const auto* keeping = dynamic_cast<const tEcrRptCrs3000TimeKeeping*>(&report);
  tables_.Bind(*this, report, keeping ? keeping->FormTables() : tEcrRptCrs3000TimeKeeping::FormTables(QString()));
}

void TQrEcrRptCrs3000TimeKpng::FindEmployeesWithFigures() {
  RptRowSource& rows = *Master();
  for (rows.Rewind(); !rows.AtEnd(); rows.Next()) {
    bool& any = employeeHasFigures_[rows.Field(kEmployeeNo).ToInteger()];
    any = any || RptAnyPresentNotZero(rows, kFigures);
  }
}

bool TQrEcrRptCrs3000TimeKpng::EmployeePrints() const {
  // An employee the pass did not see (the rows changed meanwhile) is not held back.
  return employeeHasFigures_.value(Master()->Field(kEmployeeNo).ToInteger(), true);
}

void TQrEcrRptCrs3000TimeKpng::LineBeforePrint(bool& print) {
  const RptRowSource& row = *Master();
  if (ZeroSkip) print = EmployeePrints() && RptAnyPresentNotZero(row, kFigures);
  const double regular = row.Field(kRegular).ToDouble();
  const double overTime = row.Field(kOverTime).ToDouble();
  sums_.tips += row.Field(kTips).ToDouble();
  sums_.regular += regular;
  sums_.overTime += overTime;
  if (const std::optional<double> rate = RateOfLine()) {
    sums_.regularCost += regular * *rate;
    sums_.overTimeCost += overTime * *rate * tables_.Table(QStringLiteral("tblAtt")).Field(QStringLiteral("Over Time Factor")).ToDouble();
  }
}

std::optional<double> TQrEcrRptCrs3000TimeKpng::RateOfLine() {
  RptKeyedSource& employees = tables_.Table(QStringLiteral("tblEmp"));
  if (!employees.Locate(kNumber, Master()->Field(kEmployeeNo))) return std::nullopt;
  const qint64 job = Master()->Field(QStringLiteral("Job Code")).ToInteger();
  for (int slot = 1; slot <= kJobSlots; ++slot) {
    const RptValue slotJob = employees.Field(QStringLiteral("Job Code%1").arg(slot));
    if (slotJob.IsNull() || slotJob.ToInteger() != job) continue;
    RptKeyedSource& rates = tables_.Table(QStringLiteral("tblDesc"));
    if (!rates.Locate(kNumber, employees.Field(QStringLiteral("Pay Rate%1").arg(slot)))) return std::nullopt;
    return rates.Field(QStringLiteral("Rate")).ToDouble();
  }
  return std::nullopt;
}

void TQrEcrRptCrs3000TimeKpng::FooterBeforePrint(RptBand& band, bool& print) {
  const std::pair<const char*, double> texts[] = {{"lblTips", sums_.tips},
                                                  {"lblReg", sums_.regular},
                                                  {"lblOT", sums_.overTime},
                                                  {"lblRegCost", sums_.regularCost},
                                                  {"lblOTCost", sums_.overTimeCost}};
  for (const auto& [label, value] : texts) band.FindElement(QString::fromLatin1(label))->SetCaption(Fixed(value));
  if (ZeroSkip) print = EmployeePrints();
}
