#include "StartOptions.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

StartOptions ParseStartOptions() {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Back office for CRS 3000 cash registers."));
  parser.addHelpOption();
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                      QStringLiteral("Writes a picture of the screen to <file> once started."),
                                      QStringLiteral("file"));
  const QCommandLineOption quit(QStringLiteral("quit-after-start"),
                                QStringLiteral("Ends once the main window is up."));
  parser.addOption(screenshot);
  parser.addOption(quit);
  parser.process(*QCoreApplication::instance());
  return {parser.value(screenshot), parser.isSet(quit)};
}

void ApplyStartOptions(const StartOptions& options, QMainWindow& window) {
  const bool quit = options.quitAfterStart;
  if (!options.screenshot.isEmpty()) {
    // Late enough for the window manager (if any) to have placed and painted the window;
    // with --quit-after-start the program ends once the picture is written.
    QTimer::singleShot(1500, &window, [file = options.screenshot, &window, quit] {
      QScreen* screen = window.screen();
      if (!screen || !screen->grabWindow(0).save(file)) qWarning("Could not write the screenshot");
      if (quit) QApplication::quit();
    });
    return;
  }
  // Queued behind the first activation, which the window's first showing queues.
  if (quit) QTimer::singleShot(0, &window, [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
}
