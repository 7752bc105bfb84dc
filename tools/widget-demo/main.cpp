// Shows the controls of the widget library in one window. With --screenshot FILE it writes
// the window to an image and ends, which also works without a display
// (QT_QPA_PLATFORM=offscreen).
#include "widgets/TWdgMeter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {
// A meter as the "Save Progress" window shows it, and its variations.
TWdgMeter* Meter(QWidget* parent, int percent, bool show, TMeterOrientation orientation = TMeterOrientation::moHorizontal) {
  auto* meter = new TWdgMeter(parent);
  meter->SetShowPercent(show);
  meter->SetOrientation(orientation);
  meter->SetPercent(percent);
  return meter;
}

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
} // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser options;
  options.setApplicationDescription(QStringLiteral("The widget library's controls."));
  options.addHelpOption();
  options.addOption({QStringLiteral("screenshot"), QStringLiteral("Write the window to this image and end."),
                     QStringLiteral("file")});
  options.process(app);

  QWidget window;
  window.setWindowTitle(QStringLiteral("Widget library"));
  auto* layout = new QGridLayout(&window);
  layout->addWidget(new QLabel(QStringLiteral("<b>Progress meter</b>"), &window), 0, 0);
  layout->addWidget(MeterPage(), 1, 0);
  window.show();

  const QString shot = options.value(QStringLiteral("screenshot"));
  if (shot.isEmpty()) return app.exec();
  QTimer::singleShot(100, &window, [&] {
    const bool saved = window.grab().save(shot);
    app.exit(saved ? 0 : 1);
  });
  return app.exec();
}
