#include "reports/TQrEcrRptCrs3000TimePrdGrp.h"

#include "crs3000/tEcrRptCrs3000TpGrp.h"
#include "model/ZeroSkip.h"
#include "reports/RptLineTests.h"
#include "reports/RptPeriodRange.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000TimePrdGrp"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000TimePrdGrp>(); });

const QString kMoney = QStringLiteral("$###,###,###.00");
const QString kAllCount = QStringLiteral("All Groups Count");
const QString kAllTotal = QStringLiteral("All Groups Total");
constexpr double kHeight = 16;
const QRectF kName(40, 0, 300, kHeight), kCount(350, 0, 120, kHeight), kAmount(480, 0, 180, kHeight);

QString GroupField(int group, const char* figure) {
  return QStringLiteral("Group %1 %2").arg(RptTwoDigits(group), QLatin1String(figure));
}
QString DesignCaption(int group) { return QStringLiteral("Group %1").arg(group); }
} // namespace

TQrEcrRptCrs3000TimePrdGrp::TQrEcrRptCrs3000TimePrdGrp() : TQrEcrRpt3000(QStringLiteral("TQrEcrRptCrs3000TimePrdGrp")) {
  SetTitle(QStringLiteral("Time Period Group"));
  ColumnHeaderBand1().SetHeightPx(0);
  RptFont bold;
  bold.bold = true;
  RptBand& heading = DetailBand1();
  heading.SetHeightPx(24).SetFrame(RptFrameBottom);
  heading.AddDataText(QStringLiteral("MemoryNumber"), {16, 4, 20, kHeight}, QString(), QStringLiteral("Memory Number"))
      .SetFont(bold)
      .SetAlign(RptAlign::Right);
  heading.AddLabel(QStringLiteral("lblName"), kName.translated(0, 4), QString()).SetFont(bold);
  heading.AddLabel(QStringLiteral("CaptionCount"), kCount.translated(0, 4), QStringLiteral("Count")).SetFont(bold).SetAlign(RptAlign::Right);
  heading.AddLabel(QStringLiteral("CaptionAmount"), kAmount.translated(0, 4), QStringLiteral("Amount")).SetFont(bold).SetAlign(RptAlign::Right);
  heading.OnBeforePrint([this](RptBand& band, bool&) {
    const int period = int(Master()->Field(QStringLiteral("Memory Number")).ToInteger());
    band.FindElement(QStringLiteral("lblName"))->SetCaption(RptPeriodRange(Source(QStringLiteral("tblDesc")), period));
    SetGroupLines();
  });

  RptBand* previous = &heading;
  for (int group = 1; group <= kGroups; ++group) previous = &AddGroupLine(*previous, group);
  RptBand& all = AddChild(*previous, QStringLiteral("ChildBand21"), 18);
  all.AddLabel(QStringLiteral("AllGroups"), kName, QStringLiteral("All Groups"));
  all.AddDataText(QStringLiteral("AllGroupsCount"), kCount, QString(), kAllCount).SetAlign(RptAlign::Right);
  all.AddDataText(QStringLiteral("AllGroupsTotal"), kAmount, QString(), kAllTotal, kMoney).SetAlign(RptAlign::Right);
  all.OnBeforePrint([this](RptBand&, bool& print) {
    if (ZeroSkip) print = RptAnyPresentNotZero(*Master(), {kAllCount, kAllTotal});
  });

  AddFieldSum(QStringLiteral("CountSum"), kAllCount);
  AddFieldSum(QStringLiteral("TotalSum"), kAllTotal);
  RptBand& totals = AddBand(RptBandKind::Summary, QStringLiteral("SummaryBand1"), 24);
  totals.SetFrame(RptFrameTop);
  totals.AddLabel(QStringLiteral("TotalLine"), {16, 4, 100, kHeight}, QStringLiteral("Total Line")).SetFont(bold);
  totals.AddLabel(QStringLiteral("TotalCountCaption"), {130, 4, 90, kHeight}, QStringLiteral("TotalCount:")).SetFont(bold);
  totals.AddComputed(QStringLiteral("TotalCount"), {224, 4, 110, kHeight}, [this] { return Sum(QStringLiteral("CountSum")); });
  totals.AddLabel(QStringLiteral("TotalAmountCaption"), {350, 4, 120, kHeight}, QStringLiteral("Total Amount:")).SetFont(bold);
  // The amount's sum is money; it prints as a plain number, as the count does.
  totals.AddComputed(QStringLiteral("TotalAmount"), {474, 4, 160, kHeight},
                     [this] { return RptValue::Float(Sum(QStringLiteral("TotalSum")).ToDouble()); });
}

void TQrEcrRptCrs3000TimePrdGrp::BindPrograms(const tEcrRpt& report) {
  const auto* byGroup = dynamic_cast<const tEcrRptCrs3000TpGrp*>(&report);
  tables_.Bind(*this, report,
               byGroup ? byGroup->FormTables()
                       : Crs3000FormTables::TimeRange() << Crs3000FormTable{QStringLiteral("tblGroup"), QStringLiteral("tEcrPrgCrs3000MajGrp")});
}

RptBand& TQrEcrRptCrs3000TimePrdGrp::AddGroupLine(RptBand& parent, int group) {
  RptBand& line = AddChild(parent, QStringLiteral("ChildBand%1").arg(group), 18);
  line.SetTag(group);
  line.AddLabel(QStringLiteral("Group%1").arg(group), kName, DesignCaption(group));
  line.AddDataText(QStringLiteral("Count%1").arg(group), kCount, QString(), GroupField(group, "Count")).SetAlign(RptAlign::Right);
  line.AddDataText(QStringLiteral("Total%1").arg(group), kAmount, QString(), GroupField(group, "Total"), kMoney)
      .SetAlign(RptAlign::Right);
  line.OnBeforePrint([this](RptBand& band, bool& print) {
    if (ZeroSkip) print = RptAnyPresentNotZero(*Master(), {GroupField(band.Tag(), "Count"), GroupField(band.Tag(), "Total")});
  });
  return line;
}

// Every period reads the same program, so every period shows the same groups.
void TQrEcrRptCrs3000TimePrdGrp::SetGroupLines() {
  RptKeyedSource& groups = tables_.Table(QStringLiteral("tblGroup"));
  for (int group = 1; group <= kGroups; ++group) {
    RptElement& caption = Element(QStringLiteral("Group%1").arg(group));
    RptBand& line = Band(QStringLiteral("ChildBand%1").arg(group));
    if (!groups.Locate(QStringLiteral("Number"), RptValue::Integer(group))) {
      caption.SetCaption(DesignCaption(group));
      line.SetEnabled(true);
      continue;
    }
    const QString name = groups.Field(QStringLiteral("Descriptor")).ToText();
    caption.SetCaption(name.isEmpty() ? DesignCaption(group) : name);
    line.SetEnabled(groups.Field(QStringLiteral("Time Period Print")).ToBool());
  }
}
