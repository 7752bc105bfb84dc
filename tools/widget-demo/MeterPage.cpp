// The progress meter as the "Save Progress" window shows it, and its variations.
#include "DemoPages.h"
#include "widgets/TWdgMeter.h"

#include <QGridLayout>
#include <QLabel>

namespace {
// A meter as the "Save Progress" window shows it, and its variations.
TWdgMeter* Meter(QWidget* parent, int percent, bool show, TMeterOrientation orientation = TMeterOrientation::moHorizontal) {
  auto* meter = new TWdgMeter(parent);
  meter->SetShowPercent(show);
  meter->SetOrientation(orientation);
  meter->SetPercent(percent);
  return meter;
}
} // namespace

QWidget* MeterPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  const int shown[] = {0, 2, 33, 50, 99, 150};
  for (int row = 0; row < 6; ++row) {
    grid->addWidget(new QLabel(QStringLiteral("Percent %1").arg(shown[row]), page), row, 0);
    grid->addWidget(Meter(page, shown[row], true), row, 1);
  }
  auto* plain = Meter(page, 60, false);
  plain->SetCtl3D(false);
  grid->addWidget(new QLabel(QStringLiteral("Flat, no text"), page), 6, 0);
  grid->addWidget(plain, 6, 1);
  grid->addWidget(Meter(page, 70, true, TMeterOrientation::moVertical), 0, 2, 7, 1);
  return page;
}
