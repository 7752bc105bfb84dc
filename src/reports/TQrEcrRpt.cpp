#include "reports/TQrEcrRpt.h"

#include "reports/RptKeyedSource.h"
#include "reports/engine/RptLocaleFormatter.h"

namespace {
struct HeaderText {
  const char* name;
  double left, top, width;
  const char* text;  // a label's caption, or a data text's field of the poll's row
  bool data;
};

// The header of every register report; the data texts read the poll's row of AllPolls.
const HeaderText kHeader[] = {
    {"QRLabel10", 16, 6, 80, "Date Printed:", false},
    {"QRLabel12", 637, 6, 40, "Page:", false},
    {"QRLabel1", 16, 38, 110, "Machine ID:", false},
    {"QRDBText3", 128, 38, 150, "Machine Id", true},
    {"QRLabel2", 16, 58, 110, "Store Number:", false},
    {"QRDBText1", 128, 58, 150, "Store Number", true},
    {"QRLabel5", 16, 78, 110, "Machine Number:", false},
    {"QRDBText2", 128, 78, 150, "Machine Number", true},
    {"QRLabel3", 280, 38, 80, "Polled Date:", false},
    {"QRDBText6", 362, 38, 170, "Poll Date", true},
    {"QRLabel4", 280, 58, 80, "ECR Date:", false},
    {"QRDBText4", 362, 58, 170, "Ecr Date", true},
    {"QRLabel6", 280, 78, 80, "Z Counter:", false},
    {"QRDBText5", 362, 78, 170, "Z Counter", true},
    {"QRLabel7", 536, 38, 62, "Totalizer:", false},
    {"QRDBText9", 600, 38, 140, "Data Type", true},
    {"QRLabel8", 536, 58, 62, "Type:", false},
    {"QRDBText7", 600, 58, 140, "Poll Type", true},
    {"QRLabel9", 536, 78, 62, "Area:", false},
    {"QRDBText8", 600, 78, 140, "Polled Area", true},
};
constexpr double kTextHeight = 16;
// The header's texts are small, so that each caption fits before its value.
const RptFont kHeaderFont{QStringLiteral("Sans Serif"), 8, false, false};

// A consolidated poll's header fields hold the ranges of the consolidation.
const std::pair<const char*, const char*> kConsolidatedCaptions[] = {
    {"QRLabel1", "First Store:"},   {"QRLabel2", "Last Store:"}, {"QRLabel5", "First Machine:"},
    {"QRLabel6", "Last Machine:"},  {"QRLabel3", "First Date:"}, {"QRLabel4", "Last Date:"},
};
} // namespace

TQrEcrRpt::TQrEcrRpt(const QString& name) : TQrEcrRpt(name, RptBandKind::PageHeader, 99) {}

TQrEcrRpt::TQrEcrRpt(const QString& name, RptBandKind headerKind, double headerHeightPx) : RptReport(name) {
  SetTitle(QStringLiteral("ReportTitle"));
  PageSetup() = RptPageSetup::LetterPortrait().WithMargins(10, 10, 10, 10);
  SetPrintIfEmpty(false);
  SetFormatter(RptLocaleFormatter());
  titleBand_ = &AddBand(headerKind, QStringLiteral("TitleBand1"), headerHeightPx);
  RptBand& title = *titleBand_;
  title.AddSystemData(QStringLiteral("QRSysData1"), {244, 4, 300, 20}, RptSystemData::Title)
      .SetFont({QStringLiteral("Sans Serif"), 12, true, false});
  // The design has the label twice, one on the other; the copy prints nothing of its own.
  title.AddLabel(QStringLiteral("QRLabel11"), {16, 6, 80, kTextHeight}, QStringLiteral("Date Printed:")).SetEnabled(false);
  title.AddSystemData(QStringLiteral("QRSysData2"), {96, 6, 180, kTextHeight}, RptSystemData::DateTimePrinted);
  title.AddSystemData(QStringLiteral("QRSysData4"), {678, 6, 40, kTextHeight}, RptSystemData::PageNumber);
  for (const HeaderText& text : kHeader) {
    const QRectF rect(text.left, text.top, text.width, kTextHeight);
    if (text.data)
      title.AddDataText(QString::fromLatin1(text.name), rect, QString::fromLatin1(kPollSource), QString::fromLatin1(text.text));
    else
      title.AddLabel(QString::fromLatin1(text.name), rect, QString::fromLatin1(text.text));
  }
  for (const auto& element : title.Elements())
    if (element->Name() != QLatin1String("QRSysData1")) element->SetFont(kHeaderFont);
  title.OnBeforePrint([this](RptBand& band, bool& printBand) { TitleBand1BeforePrint(band, printBand); });
  columnHeader_ = &AddBand(RptBandKind::ColumnHeader, QStringLiteral("ColumnHeaderBand1"), 43);
  detail_ = &AddBand(RptBandKind::Detail, QStringLiteral("DetailBand1"), 50);
}

void TQrEcrRpt::SetPoll(RptKeyedSource* header, RptRowSource* rows) {
  Bind(QString::fromLatin1(kPollSource), header);
  SetMaster(rows);
}

void TQrEcrRpt::BindPrograms(const tEcrRpt&) {}

RptValue TQrEcrRpt::PollField(const QString& field) const { return Source(QString::fromLatin1(kPollSource)).Field(field); }

void TQrEcrRpt::TitleBand1BeforePrint(RptBand& band, bool&) {
  if (PollField(QStringLiteral("Misc Info 3")).ToInteger() != -1 || PollField(QStringLiteral("Misc Info 3")).IsNull()) return;
  for (const auto& [label, caption] : kConsolidatedCaptions)
    band.FindElement(QString::fromLatin1(label))->SetCaption(QString::fromLatin1(caption));
  for (const char* value : {"QRDBText6", "QRDBText4", "QRDBText5"}) {
    RptElement& element = *band.FindElement(QString::fromLatin1(value));
    element.MoveTo(370, element.RectPx().top());
  }
}
