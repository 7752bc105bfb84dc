#include "reports/TQrEcrRptCrs3000Invt.h"

#include "model/ZeroSkip.h"
#include "reports/engine/RptLocale.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000Invt"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000Invt>(); });

constexpr double kHeight = 16;
constexpr double kLinePitch = 16;
constexpr double kFirstLine = 2;
double LineTop(int line) { return kFirstLine + line * kLinePitch; }

// The stock figures, left to right, with the labels of their cases and singles.
struct Figure {
  const char* caption;
  const char* field;
  const char* cases;
  const char* singles;
};
const Figure kFigures[] = {{"Actual", "Actual", "lblActualCase", "lblActualSngl"},
                           {"Begin", "Begin", "lblBeginCase", "lblBeginSngl"},
                           {"Receipt", "Receipt", "lblRecCase", "lblRecSngl"},
                           {"Total", "Total", "lblTotCase", "lblTotSngl"},
                           {"Trans In", "Trans In", "lblInCase", "lblInSngl"},
                           {"Trans Out", "Trans Out", "lblOutCase", "lblOutSngl"},
                           {"Waste", "Waste", "lblWasteCase", "lblWasteSngl"}};
constexpr double kFigureLeft = 224;
constexpr double kFigurePitch = 73;
constexpr double kFigureWidth = 72;

// The item's own lines on the left: a bold caption and the field beside it.
struct ItemLine {
  const char* caption;
  const char* field;
  int line;
};
const ItemLine kItemLines[] = {{"Number", "Memory Number", 0},
                               {"Descriptor", "Descriptor", 1},
                               {"FCTR", "FCTR", 2},
                               {"Recipe Unit", "Recipe Unit", 3},
                               {"Inv Unit", "Unit Desc", 4}};

QString TwoDecimals(int64_t value) {
  return QString::number(double(value), 'f', 2).replace(u'.', RptLocale::Report().decimalSeparator);
}
} // namespace

TQrEcrRptCrs3000Invt::TQrEcrRptCrs3000Invt() : TQrEcrRpt3000(QStringLiteral("TQrEcrRptCrs3000Invt")) {
  SetTitle(QStringLiteral("Inventory"));
  ColumnHeaderBand1().SetHeightPx(8);
  RptFont bold;
  bold.bold = true;
  RptBand& block = DetailBand1();
  block.SetHeightPx(LineTop(5) + 4);
  for (const ItemLine& item : kItemLines) {
    const QString caption = QString::fromLatin1(item.caption);
    block.AddLabel(QStringLiteral("lbl") + QString(caption).remove(u' '), {16, LineTop(item.line), 90, kHeight}, caption)
        .SetFont(bold);
    block.AddDataText(QString::fromLatin1(item.field).remove(u' '), {110, LineTop(item.line), 110, kHeight}, QString(),
                      QString::fromLatin1(item.field));
  }
  // Seven captions across the page: a point smaller, so that "Trans Out" fits its column.
  RptFont figureCaption = bold;
  figureCaption.pointSize = 9;
  for (int i = 0; i < 7; ++i) {
    const double left = kFigureLeft + i * kFigurePitch;
    block.AddLabel(QString::fromLatin1(kFigures[i].caption).remove(u' '), {left, LineTop(0), kFigureWidth, kHeight},
                   QString::fromLatin1(kFigures[i].caption))
        .SetFont(figureCaption)
        .SetAlign(RptAlign::Right);
    block.AddLabel(QString::fromLatin1(kFigures[i].cases), {left, LineTop(1), kFigureWidth, kHeight}, QString())
        .SetAlign(RptAlign::Right);
    block.AddLabel(QString::fromLatin1(kFigures[i].singles), {left, LineTop(2), kFigureWidth, kHeight}, QString())
        .SetAlign(RptAlign::Right);
  }
  block.OnBeforePrint([this](RptBand& band, bool& printBand) { DetailBand1BeforePrint(band, printBand); });
}

void TQrEcrRptCrs3000Invt::DetailBand1BeforePrint(RptBand& band, bool& printBand) {
  const RptRowSource& row = *Master();
  if (ZeroSkip) {
    printBand = false;
    for (const Figure& figure : kFigures) {
      const RptValue value = row.Field(QString::fromLatin1(figure.field));
      if (!value.IsNull() && value.ToInteger() != 0) printBand = true;
    }
  }
  const int64_t factor = row.Field(QStringLiteral("FCTR")).ToInteger();
  for (const Figure& figure : kFigures) {
    const int64_t value = row.Field(QString::fromLatin1(figure.field)).ToInteger();
    // Division cuts toward zero; the single units left keep the figure's sign.
    band.FindElement(QString::fromLatin1(figure.cases))->SetCaption(TwoDecimals(factor != 0 ? value / factor : 0));
    band.FindElement(QString::fromLatin1(figure.singles))->SetCaption(TwoDecimals(factor != 0 ? value % factor : 0));
  }
}
