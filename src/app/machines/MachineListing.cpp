#include "app/machines/MachineListing.h"

#include "model/MachineList.h"
#include "model/tEcr.h"
#include "model/tMachine.h"

namespace {
struct ColumnDef {
  const char* heading;
  double width; // form pixels
};

// Widths in form pixels across the printable width of a landscape letter page.
const ColumnDef kColumns[] = {{"Id", 160},      {"Store", 45}, {"Machine", 65}, {"ROM ", 100},
                              {"Prog Id", 100}, {"Mfg.", 70},  {"Model", 60},   {"Port", 150},
                              {"Baud", 55},     {"Switch", 55}, {"Switch Type", 100}};

RptFont Bold(double size = 10) {
  RptFont font;
  font.bold = true;
  font.pointSize = size;
  return font;
}

double Width(const RptPageSetup& setup) { return setup.PrintableMm().width() * kRptPxPerInch / kRptMmPerInch; }

void AddHeader(RptReport& report) {
  const double w = Width(report.PageSetup());
  RptBand& top = report.AddBand(RptBandKind::PageHeader, QStringLiteral("TitleBand"), 44);
  top.AddSystemData(QStringLiteral("Printed"), QRectF(0, 0, 240, 16), RptSystemData::DateTimePrinted);
  top.AddSystemData(QStringLiteral("TitleText"), QRectF(240, 0, w - 480, 26), RptSystemData::Title)
      .SetAlign(RptAlign::Center)
      .SetFont(Bold(16));
  top.AddSystemData(QStringLiteral("PageNumber"), QRectF(w - 240, 0, 240, 16), RptSystemData::PageNumber,
                    QStringLiteral("Page "))
      .SetAlign(RptAlign::Right);

  RptBand& heads = report.AddBand(RptBandKind::ColumnHeader, QStringLiteral("ColumnHeader"), 20);
  heads.SetFrame(RptFrameBottom);
  RptBand& detail = report.AddBand(RptBandKind::Detail, QStringLiteral("Detail"), 16);
  double x = 0;
  int i = 0;
  for (const ColumnDef& column : kColumns) {
    const QString heading = QString::fromLatin1(column.heading);
    heads.AddLabel(QStringLiteral("Head%1").arg(i), QRectF(x, 2, column.width - 4, 16), heading).SetFont(Bold());
    detail.AddDataText(QStringLiteral("Field%1").arg(i), QRectF(x, 0, column.width - 4, 16), QString(), heading);
    x += column.width;
    ++i;
  }
}
} // namespace

const QStringList& MachineListingDef::Headings() {
  static const QStringList headings = [] {
    QStringList list;
    for (const ColumnDef& column : kColumns) list << QString::fromLatin1(column.heading);
    return list;
  }();
  return headings;
}

QList<RptValue> MachineListingDef::Line(const tMachine& m) {
  const tEcr* ecr = m.Ecr();
  auto text = [](const QString& value) { return RptValue::Text(value); };
  auto number = [](qint32 value) { return RptValue::Text(QString::number(value)); };
  return {text(m.MachineId),
          number(m.StoreNumber),
          number(m.MachineNumber),
          text(ecr ? ecr->RomName() : QString()),
          text(m.ProgramID),
          text(ecr ? ecr->MfgName() : QString()),
          text(ecr ? ecr->ModelName() : QString()),
          text(m.CommPort),
          number(m.BaudRate),
          number(m.SwitchNumber),
          text(m.SwitchType)};
}

std::unique_ptr<MachineListing> MakeMachineListing(const QStringList& ids) {
  auto listing = std::make_unique<MachineListing>();
  listing->rows = RptMemoryRows(MachineListingDef::Headings());
  for (const QString& id : ids)
    if (const std::unique_ptr<tMachine> machine = FindMachine(id)) listing->rows.Append(MachineListingDef::Line(*machine));
  listing->report = std::make_unique<RptReport>(QStringLiteral("TQrMachine"));
  RptReport& report = *listing->report;
  report.SetTitle(QStringLiteral("Machine Listing"));
  report.PageSetup() = RptPageSetup::LetterLandscape().WithMargins(9.906, 9.906, 9.906, 9.906);
  report.SetMaster(&listing->rows);
  report.SetPrintIfEmpty(false);
  AddHeader(report);
  return listing;
}
