// The yardstick: a Qt main window with a menu bar and a row of buttons, shown and left
// the way the program leaves its own with --quit-after-start.
#include <QApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
  auto* central = new QWidget(&window);
  auto* layout = new QHBoxLayout(central);
  for (int i = 0; i < 6; ++i) layout->addWidget(new QPushButton(QStringLiteral("Button"), central));
  window.setCentralWidget(central);
  window.show();
  QTimer::singleShot(0, &window, [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
  return app.exec();
}
