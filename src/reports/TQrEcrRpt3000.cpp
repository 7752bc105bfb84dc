#include "reports/TQrEcrRpt3000.h"

#include "reports/RptRegisterLines.h"

namespace {
constexpr double kTextHeight = 16;
// 72 characters in the width left of the page (372 px, 279 pt): a fixed-pitch font small
// enough that a line of all 24 registers, 279.9 pt at 6.5 pt, fits.
const RptFont kRegisterFont{QStringLiteral("Monospace"), 6.4, false, false};

struct AddedLabel {
  const char* name;
  double left, top, width;
  const char* caption;
};
const AddedLabel kAdded[] = {
    {"lblTransNum1", 16, 96, 110, "Transaction Num:"}, {"lblPrePoll1", 16, 116, 110, "Pre-Polled:"},
    {"lblPrePoll2", 128, 116, 160, ""},                 {"lblPoldRegTtl", 16, 136, 110, "Polled Reg."},
    {"lblPolledReg", 128, 136, 160, ""},                {"lblInReange", 296, 104, 70, "In Range"},
    {"lblPrePolledTerms", 296, 120, 70, "Pre-Polled"},  {"lblPrevZ", 296, 136, 70, "Prev Z"},
};
const char* const kRegisterLines[] = {"lblInIRC2", "lblInIRC3", "lblInIRC4"};
const double kRegisterTops[] = {104, 120, 136};
} // namespace

TQrEcrRpt3000::TQrEcrRpt3000(const QString& name) : TQrEcrRpt(name, RptBandKind::Title, 171) {
  RptBand& title = TitleBand1();
  for (const char* value : {"QRDBText6", "QRDBText4", "QRDBText5"}) {
    RptElement& element = *title.FindElement(QString::fromLatin1(value));
    element.MoveTo(360, element.RectPx().top());
  }
  const RptFont font = title.FindElement(QStringLiteral("QRLabel1"))->Font();
  for (const AddedLabel& label : kAdded)
    title.AddLabel(QString::fromLatin1(label.name), {label.left, label.top, label.width, kTextHeight},
                   QString::fromLatin1(label.caption))
        .SetFont(font);
  title.AddDataText(QStringLiteral("dbTransNum"), {128, 96, 150, kTextHeight}, QString::fromLatin1(kPollSource),
                    QStringLiteral("Misc Info 1"))
      .SetFont(font);
  for (int i = 0; i < 3; ++i)
    title.AddLabel(QString::fromLatin1(kRegisterLines[i]), {368, kRegisterTops[i], 372, kTextHeight}, QString())
        .SetFont(kRegisterFont);
}

void TQrEcrRpt3000::TitleBand1BeforePrint(RptBand& band, bool& printBand) {
  TQrEcrRpt::TitleBand1BeforePrint(band, printBand);
  auto label = [&band](const char* name) -> RptElement& { return *band.FindElement(QString::fromLatin1(name)); };
  const bool prePolled = PollField(QStringLiteral("Misc Info 2")).ToInteger() != 0;
  label("lblPrePoll2").SetCaption(prePolled ? QStringLiteral("Pre-Polled Report") : QStringLiteral("Only PC/Modem Reg."));
  const RptValue polled = PollField(QStringLiteral("Misc Info 3"));
  label("lblPolledReg")
      .SetCaption(!polled.IsNull() && polled.ToInteger() == -1 ? QStringLiteral("CONSOLIDATION") : polled.IsNull() ? QString()
                                                                                                            : QString::number(polled.ToInteger()));
  const RptRegisterLines lines = RegisterLinesOf(StatusBytesOf(PollField(QStringLiteral("Misc Data 1")).ToText()));
  label("lblInIRC2").SetCaption(lines.inRange);
  label("lblInIRC3").SetCaption(lines.prePolled);
  label("lblInIRC4").SetCaption(lines.prevZ);
}
