#pragma once
// The demo's pages, one per control; each is built in its own file.
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

struct DemoPage {
  QString title;
  std::function<QWidget*()> make;
};

QWidget* MeterPage();
QWidget* NumberEditPage();
QWidget* NumericFieldPage();
QWidget* ControllerPage();
QWidget* TableGridPage();

// Every page in the order the demo shows them as tabs.
inline std::vector<DemoPage> DemoPages() {
  return {
      {QStringLiteral("Progress meter"), MeterPage},
      {QStringLiteral("Numeric edit"), NumberEditPage},
      {QStringLiteral("Numeric field"), NumericFieldPage},
      {QStringLiteral("Controller"), ControllerPage},
      {QStringLiteral("Table grid"), TableGridPage},
  };
}
