#include "widgets/WdgShowWindow.h"

#include <QApplication>
#include <QWidget>

void WdgShowWindow(QWidget& window) {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != &window && !window.isVisible()) window.setWindowModality(Qt::ApplicationModal);
  window.show();
}
