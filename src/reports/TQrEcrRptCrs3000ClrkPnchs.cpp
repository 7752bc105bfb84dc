#include "reports/TQrEcrRptCrs3000ClrkPnchs.h"

#include "model/ZeroSkip.h"
#include "reports/engine/RptLocale.h"
#include "reports/engine/RptNumberText.h"
#include "reports/RptColumns.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000ClrkPnchs"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000ClrkPnchs>(); });

const QString kEmployeeNo = QStringLiteral("Employee No");
const QString kStart = QStringLiteral("Start Time");
const QString kStop = QStringLiteral("Stop Time");
constexpr double kHeight = 16;
constexpr int kDay = 24 * 3600;

const RptColumn kColumns[] = {{"Employee", 16, 180, RptAlign::Left},  {"Job Code", 200, 166, RptAlign::Left},
                           {"Break", 370, 70, RptAlign::Center},   {"Start", 450, 90, RptAlign::Right},
                           {"Stop", 550, 90, RptAlign::Right},     {"Total Time", 650, 86, RptAlign::Right}};
QRectF At(int column, double top = 0) { return kColumns[column].At(top, kHeight); }

QTime TimeOf(const RptValue& value) { return value.IsNull() ? QTime(0, 0) : value.ToTime(); }
bool NotMidnight(const RptValue& value) { return !value.IsNull() && value.ToTime() != QTime(0, 0); }
} // namespace

int TQrEcrRptCrs3000ClrkPnchs::WorkedSeconds(const QTime& start, const QTime& stop) {
  const int from = start.msecsSinceStartOfDay() / 1000;
  const int to = stop.msecsSinceStartOfDay() / 1000;
  return from <= to ? to - from : kDay - from + to;
}

QString TQrEcrRptCrs3000ClrkPnchs::Hours(qint64 seconds) {
  const qint64 minutes = seconds / 60;
  return RptNumberText::Fixed(double(minutes / 60) + double(minutes % 60) / 60, 2, RptLocale::Report());
}

TQrEcrRptCrs3000ClrkPnchs::TQrEcrRptCrs3000ClrkPnchs() : TQrEcrRpt3000(QStringLiteral("TQrEcrRptCrs3000ClrkPnchs")) {
  SetTitle(QStringLiteral("Clock Punches"));
  AddColumnCaptions(ColumnHeaderBand1(), kColumns, 20);
  RptFont underlined;
  underlined.underline = true;
  RptBand& header = AddGroup(QStringLiteral("QRGroup1"), 20, MasterField(kEmployeeNo));
  header.AddDataText(QStringLiteral("EmployeeNo"), {16, 2, 40, kHeight}, QString(), kEmployeeNo).SetFont(underlined);
  header.AddDataText(QStringLiteral("EmployeeName"), {60, 2, 136, kHeight}, QString(), QStringLiteral("Name")).SetFont(underlined);
  header.OnBeforePrint([this](RptBand&, bool&) { workedSeconds_ = 0; });

  RptBand& line = DetailBand1();
  line.SetHeightPx(18);
  line.AddDataText(QStringLiteral("JobCode"), {200, 0, 24, kHeight}, QString(), QStringLiteral("Job Code"), QStringLiteral("##"))
      .SetAlign(RptAlign::Right);
  line.AddDataText(QStringLiteral("JobName"), {230, 0, 136, kHeight}, QString(), QStringLiteral("Job Name"));
  line.AddDataText(QStringLiteral("Break"), At(2), QString(), QStringLiteral("Break")).SetAlign(RptAlign::Center);
  line.AddDataText(QStringLiteral("StartTime"), At(3), QString(), kStart).SetAlign(RptAlign::Right);
  line.AddDataText(QStringLiteral("StopTime"), At(4), QString(), kStop).SetAlign(RptAlign::Right);
  line.AddLabel(QStringLiteral("lblTime"), At(5), QString()).SetAlign(RptAlign::Right).SetFont(underlined);
  line.OnBeforePrint([this](RptBand& band, bool& print) { LineBeforePrint(band, print); });

  RptBand& footer = AddGroupFooter(header, QStringLiteral("QRBand1"), 22);
  footer.AddLabel(QStringLiteral("lblTotalTime"), At(5, 2), QString()).SetAlign(RptAlign::Right);
  footer.OnBeforePrint([this](RptBand& band, bool&) {
    band.FindElement(QStringLiteral("lblTotalTime"))->SetCaption(Hours(workedSeconds_));
  });
}

void TQrEcrRptCrs3000ClrkPnchs::LineBeforePrint(RptBand& band, bool& print) {
  const RptRowSource& row = *Master();
  if (ZeroSkip && !NotMidnight(row.Field(kStop)) && !NotMidnight(row.Field(kStart))) {
    print = false;
    return;
  }
  const int worked = WorkedSeconds(TimeOf(row.Field(kStart)), TimeOf(row.Field(kStop)));
  band.FindElement(QStringLiteral("lblTime"))->SetCaption(Hours(worked));
  workedSeconds_ += worked;
}
