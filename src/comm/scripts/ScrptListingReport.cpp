#include "comm/scripts/ScrptListingReport.h"

namespace {
using namespace ScrptListing;
constexpr double kReportWidth = 816;
constexpr double kIdColumn = 48;
constexpr double kActionsColumn = 260;
constexpr double kHeadingsTop = 30;

RptFont Font(double px, bool bold = false) {
  RptFont font;
  font.pointSize = px * 72.0 / kRptPxPerInch;
  font.bold = bold;
  return font;
}
} // namespace

TScrptListingReport::TScrptListingReport(QList<Record> records, const QString& printedAt)
    : RptReport(QStringLiteral("ScrptListing")), records_(std::move(records)), rows_({QStringLiteral("Record")}) {
  SetTitle(QStringLiteral("Script Listing"));
  PageSetup() = RptPageSetup::LetterPortrait().WithMargins(0, 0, 0, 0);
  for (int i = 0; i < records_.size(); ++i) rows_.Append({RptValue::Integer(i)});
  SetMaster(&rows_);
  SetPrintIfEmpty(false);

  RptBand& header = AddBand(RptBandKind::PageHeader, QStringLiteral("PageHeader"), kHeaderHeight);
  header.AddSystemData(QStringLiteral("Title"), {0, 4, kReportWidth, 22}, RptSystemData::Title)
      .SetFont(Font(18, true))
      .SetAlign(RptAlign::Center);
  header.AddLabel(QStringLiteral("PrintedAt"), {kIdColumn, 4, 300, 17}, printedAt).SetFont(Font(11));
  header.AddSystemData(QStringLiteral("PageNumber"), {kReportWidth - 348, 4, 300, 17}, RptSystemData::PageNumber,
                       QStringLiteral("Page "))
      .SetFont(Font(11))
      .SetAlign(RptAlign::Right);
  header.AddLabel(QStringLiteral("ScriptIdHeading"), {kIdColumn, kHeadingsTop, 200, kLineHeight},
                  QStringLiteral("Script Id"))
      .SetFont(Font(11, true));
  header.AddLabel(QStringLiteral("ActionsHeading"), {kActionsColumn, kHeadingsTop, 500, kLineHeight},
                  QStringLiteral("Actions"))
      .SetFont(Font(11, true));
  header.AddShape(QStringLiteral("Rule"), {kIdColumn, kHeaderHeight - 5, kReportWidth - 2 * kIdColumn, 0},
                  RptFrameTop);

  RptBand& record = AddBand(RptBandKind::Detail, QStringLiteral("Record"), kRecordHeight);
  record.OnBeforePrint([this](RptBand& band, bool&) { band.SetHeightPx(Current().height); });
  record.AddComputed(QStringLiteral("ScriptId"), {kIdColumn, 4, 200, kLineHeight},
                     [this] { return RptValue::Text(Current().scriptId); })
      .SetFont(Font(11));
  for (int line = 0; line <= kMaxActionLines; ++line)
    record.AddComputed(QStringLiteral("Line%1").arg(line + 1), {kActionsColumn, 4.0 + line * kLineHeight, 500, kLineHeight},
                       [this, line] { return RptValue::Text(Current().lines.value(line)); })
        .SetFont(Font(11));
}

const Record& TScrptListingReport::Current() const {
  return records_.at(int(rows_.Field(QStringLiteral("Record")).ToInteger()));
}
