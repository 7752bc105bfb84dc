#include "reports/engine/RptPageModel.h"

#include <QStringList>

RptPageSetup RptPageSetup::LetterPortrait() { return Custom(215.9, 279.4); }

RptPageSetup RptPageSetup::LetterLandscape() { return Custom(279.4, 215.9); }

RptPageSetup RptPageSetup::Custom(double widthMm, double heightMm) {
  RptPageSetup setup;
  setup.sizeMm = QSizeF(widthMm, heightMm);
  return setup;
}

RptPageSetup& RptPageSetup::WithMargins(double left, double top, double right, double bottom) {
  marginsMm = QMarginsF(left, top, right, bottom);
  return *this;
}

QRectF RptPageSetup::PrintableMm() const {
  return QRectF(QPointF(0, 0), sizeMm).marginsRemoved(marginsMm);
}

QStringList RptPageModel::PrintedBands() const {
  QStringList bands;
  for (const RptTraceEntry& entry : trace)
    if (entry.printed) bands << entry.band;
  return bands;
}
