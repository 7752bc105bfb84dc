#include "reports/TQrEcrRptCrs3000PProj.h"

#include "crs3000/tEcrRptCrs3000ProductProjection.h"
#include "model/ZeroSkip.h"
#include "reports/RptLineTests.h"
#include "reports/RptPeriodRange.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000PProj"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000PProj>(); });

constexpr double kHeight = 16;
constexpr double kWeekLeft = 260, kWeekWidth = 90, kWeekStep = 96;
QRectF Week(int week, double top = 0) { return {kWeekLeft + (week - 1) * kWeekStep, top, kWeekWidth, kHeight}; }
const QRectF kAverage(650, 0, 86, kHeight);

QStringList WeekFields(int period) {
  QStringList fields;
  for (int week = 1; week <= TQrEcrRptCrs3000PProj::kWeeks; ++week)
    fields << QStringLiteral("Period %1 Week %2").arg(RptTwoDigits(period)).arg(week);
  return fields;
}
} // namespace

TQrEcrRptCrs3000PProj::TQrEcrRptCrs3000PProj() : TQrEcrRpt3000(QStringLiteral("TQrEcrRptCrs3000PProj")) {
  SetTitle(QStringLiteral("Product Projection"));
  for (const char* hidden : {"QRLabel6", "QRDBText5"}) TitleBand1().FindElement(QString::fromLatin1(hidden))->SetEnabled(false);
  ColumnHeaderBand1().SetHeightPx(0);
  RptFont bold;
  bold.bold = true;
  RptBand& heading = DetailBand1();
  heading.SetHeightPx(56);
  heading.AddLabel(QStringLiteral("CaptionMemory"), {16, 4, 90, kHeight}, QStringLiteral("Memory")).SetFont(bold);
  heading.AddLabel(QStringLiteral("CaptionNumber"), {16, 20, 90, kHeight}, QStringLiteral("Number")).SetFont(bold);
  for (int week = 1; week <= kWeeks; ++week) {
    heading.AddLabel(QStringLiteral("CaptionWeek%1").arg(week), Week(week, 4), QStringLiteral("Week %1").arg(week))
        .SetFont(bold)
        .SetAlign(RptAlign::Right);
    heading.AddLabel(QStringLiteral("CaptionCount%1").arg(week), Week(week, 20), QStringLiteral("Count"))
        .SetFont(bold)
        .SetAlign(RptAlign::Right);
  }
  heading.AddLabel(QStringLiteral("lblAvg"), kAverage.translated(0, 20), QStringLiteral("Avg")).SetFont(bold).SetAlign(RptAlign::Right);
  heading.AddDataText(QStringLiteral("MemoryNumber"), {16, 38, 90, kHeight}, QString(), QStringLiteral("Memory Number"));
  for (int period = 1; period <= kPeriods; ++period) AddPeriodLine(heading, period);
  OnBeforePrint([this](RptReport&, bool&) {
    for (int period = 1; period <= kPeriods; ++period)
      Element(QStringLiteral("Prd%1").arg(period)).SetCaption(RptPeriodRange(Source(QStringLiteral("tblDesc")), period));
  });
}

void TQrEcrRptCrs3000PProj::BindPrograms(const tEcrRpt& report) { tables_.Bind(*this, report, Crs3000FormTables::TimeRange()); }

void TQrEcrRptCrs3000PProj::AddPeriodLine(RptBand& heading, int period) {
  RptBand& line = AddChild(heading, QStringLiteral("ChildBand%1").arg(period), 18);
  line.SetTag(period);
  line.AddLabel(QStringLiteral("Prd%1").arg(period), {16, 0, 236, kHeight}, QStringLiteral("Period %1").arg(RptTwoDigits(period)));
  const QStringList fields = WeekFields(period);
  for (int week = 1; week <= kWeeks; ++week)
    line.AddDataText(QStringLiteral("Week%1_%2").arg(period).arg(week), Week(week), QString(), fields[week - 1])
        .SetAlign(RptAlign::Right);
  line.AddComputed(QStringLiteral("Average%1").arg(period), kAverage,
                   [this, fields] {
                     double sum = 0;
                     for (const QString& field : fields) sum += Master()->Field(field).ToDouble();
                     return RptValue::Float(sum / kWeeks);
                   })
      .SetAlign(RptAlign::Right);
  line.OnBeforePrint([this](RptBand& band, bool& print) {
    if (ZeroSkip) print = RptAnyPresentNotZero(*Master(), WeekFields(band.Tag()));
  });
}
