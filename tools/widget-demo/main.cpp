// Shows the controls of the widget library, one tab per control. With --screenshot FILE it
// writes the window to an image and ends, which also works without a display
// (QT_QPA_PLATFORM=offscreen); --page picks the tab shown.
#include "DemoPages.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSize>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser options;
  options.setApplicationDescription(QStringLiteral("The widget library's controls."));
  options.addHelpOption();
  options.addOption({QStringLiteral("screenshot"), QStringLiteral("Write the window to this image and end."),
                     QStringLiteral("file")});
  options.addOption({QStringLiteral("page"), QStringLiteral("Show the page of this title first."),
                     QStringLiteral("title")});
  options.process(app);

  QTabWidget window;
  window.setWindowTitle(QStringLiteral("Widget library"));
  for (const DemoPage& page : DemoPages()) window.addTab(page.make(), page.title);
  if (options.isSet(QStringLiteral("page"))) {
    const QString title = options.value(QStringLiteral("page"));
    int index = 0;
    while (index < window.count() && window.tabText(index).compare(title, Qt::CaseInsensitive) != 0)
      ++index;
    if (index == window.count()) {
      QTextStream(stderr) << "widget-demo: no page \"" << title << "\"\n";
      return 2;
    }
    window.setCurrentIndex(index);
  }
  // Wide enough for the table grid's four columns without a scroll bar.
  window.resize(window.sizeHint().expandedTo(QSize(800, 400)));
  window.show();

  const QString shot = options.value(QStringLiteral("screenshot"));
  if (shot.isEmpty()) return app.exec();
  QTimer::singleShot(100, &window, [&] {
    const bool saved = window.grab().save(shot);
    app.exit(saved ? 0 : 1);
  });
  return app.exec();
}
