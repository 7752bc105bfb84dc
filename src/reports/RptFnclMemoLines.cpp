#include "reports/RptFnclMemoLines.h"

#include "model/ZeroSkip.h"
#include "reports/RptLineChain.h"
#include "reports/RptLineTests.h"
#include "reports/RptTrackTime.h"
#include "reports/engine/RptReport.h"

namespace {
const RptFont kLineFont{QStringLiteral("Sans Serif"), 10, false, false};

struct Track {
  const char* caption;
  const char* seconds;
  const char* orders;
  const char* label;
};
const Track kTracks[] = {{"Track 01 Total Time Count", "Tr1 AvgTime Count", "Track 1 RE Count", "lblTime1"},
                         {"Track 02 Total Time Count", "Tr2 AvgTime Count", "Track 2 RE Count", "lblTime2"}};
const QString kCustomers = QStringLiteral("Customers Count");
const QString kNonTaxSales = QStringLiteral("NonTax Sls Total");

RptBand* BandCaptioned(const RptLineChain& chain, const char* caption) {
  for (int i = 0; i < chain.Lines().size(); ++i)
    if (chain.Lines()[i].caption == QLatin1String(caption)) return &chain.BandOf(i);
  return nullptr;
}

double PerCustomer(const RptRowSource& row) {
  const qint64 customers = row.Field(kCustomers).ToInteger();
  const RptValue sales = row.Field(kNonTaxSales);
  return customers != 0 && !sales.IsNull() ? sales.ToDouble() / double(customers) : 0.0;
}

void FillTrack(RptReport& report, RptBand& band, const Track& track, const QString& source, const RptMemoStyle& style) {
  const bool padded = style.paddedTime;
  const QString seconds = QString::fromLatin1(track.seconds), orders = QString::fromLatin1(track.orders);
  band.AddComputed(QString::fromLatin1(track.label), style.timeRect, [&report, source, seconds, orders, padded] {
        const RptRowSource& row = report.Source(source);
        return RptValue::Text(RptTrackTime::Text(row.Field(seconds), row.Field(orders), padded));
      }).SetFont(kLineFont);
  band.OnBeforePrint([&report, source, seconds](RptBand&, bool& print) {
    print = !ZeroSkip || RptLineTests::PresentNotZero(report.Source(source), seconds);
  });
}
} // namespace

void RptFnclMemoLines::Fill(RptReport& report, const RptLineChain& memo, const QString& source, const RptMemoStyle& style) {
  for (const Track& track : kTracks)
    if (RptBand* band = BandCaptioned(memo, track.caption)) FillTrack(report, *band, track, source, style);
  RptBand* perCustomer = BandCaptioned(memo, "Avg $/Cust");
  if (!perCustomer) return;
  if (style.showPerCustomer)
    perCustomer->AddComputed(QStringLiteral("lblMemoTotals"), {562, 2, 150, 16},
                             [&report, source] { return RptValue::Money(PerCustomer(report.Source(source))); },
                             style.perCustomerMask)
        .SetAlign(RptAlign::Right)
        .SetFont(kLineFont);
  const bool notZero = style.perCustomerNotZero;
  perCustomer->OnBeforePrint([&report, source, notZero](RptBand&, bool& print) {
    const RptRowSource& row = report.Source(source);
    if (!ZeroSkip) return;
    print = RptLineTests::PresentNotZero(row, kCustomers) || RptLineTests::PresentNotZero(row, kNonTaxSales);
    if (print && notZero) print = PerCustomer(row) != 0;
  });
}
