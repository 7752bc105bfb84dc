#include "reports/TQrEcrRptCrs3000Financial2.h"

#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000Financial2"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000Financial2>(); });

constexpr double kRow = 18, kWidth = 318, kValueLeft = 159;
const QString kRule = QString(37, u'_');
const RptFont kRuleFont{QStringLiteral("Sans Serif"), 8, false, false};
// The register lines are 72 characters of a fixed pitch: each takes a row of its own.
const RptFont kRegisterFont{QStringLiteral("Monospace"), 5, false, false};

// The header's caption and value pairs, a row each, top to bottom; an empty value: the
// caption alone. wide: the value takes the whole next row.
struct Pair {
  const char* caption;
  const char* value;
  bool wide;
};
const Pair kPairs[] = {
    {"QRLabel1", "QRDBText3", false},    {"QRLabel2", "QRDBText1", false},       {"QRLabel5", "QRDBText2", false},
    {"lblTransNum1", "dbTransNum", false}, {"lblPrePoll1", "lblPrePoll2", false}, {"lblPoldRegTtl", "lblPolledReg", false},
    {"QRLabel3", "QRDBText6", false},    {"QRLabel4", "QRDBText4", false},       {"QRLabel6", "QRDBText5", false},
    {"lblInReange", "lblInIRC2", true},  {"lblPrePolledTerms", "lblInIRC3", true}, {"lblPrevZ", "lblInIRC4", true},
    {"QRLabel7", "QRDBText9", false},    {"QRLabel8", "QRDBText7", false},       {"QRLabel9", "QRDBText8", false},
};
} // namespace

TQrEcrRptCrs3000Financial2::TQrEcrRptCrs3000Financial2()
    : TQrEcrRptCrs3000Financial(QStringLiteral("TQrEcrRptCrs3000Financial2"), true) {
  PageSetup() = RptPageSetup::Custom(97.9, 6350).WithMargins(3.81, 10, 10, 10);
  StackTitle();
}

void TQrEcrRptCrs3000Financial2::StackTitle() {
  RptBand& title = TitleBand1();
  auto place = [&title](const char* name, double left, double top, double width) -> RptElement& {
    return title.FindElement(QString::fromLatin1(name))->SetRectPx({left, top, width, 16});
  };
  title.AddLabel(QStringLiteral("lblRuleTop"), {0, 0, kWidth, 16}, kRule).SetFont(kRuleFont);
  place("QRSysData1", 0, 18, kWidth).SetRectPx({0, 18, kWidth, 24});
  place("QRLabel10", 0, 44, 200);
  place("QRLabel11", 0, 44, 200);
  place("QRLabel12", 250, 44, 68);
  place("QRSysData2", 0, 62, 240);
  place("QRSysData4", 250, 62, 68);
  double top = 84;
  for (const Pair& pair : kPairs) {
    place(pair.caption, 0, top, kValueLeft - 4);
    if (pair.wide) {
      top += kRow;
      place(pair.value, 0, top, kWidth).SetFont(kRegisterFont);
    } else {
      place(pair.value, kValueLeft, top, kWidth - kValueLeft);
    }
    top += kRow;
  }
  title.AddLabel(QStringLiteral("lblRuleBottom"), {0, top, kWidth, 16}, kRule).SetFont(kRuleFont);
  title.SetHeightPx(top + kRow);
}
