#pragma once
// Works a modal window from inside its own event loop: the step runs once the window is
// the active modal one, with the window found by its object name.
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <functional>

namespace ModalDriver {
inline void WhenShown(std::function<void(QWidget*)> step) {
  QTimer::singleShot(0, [step] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return; // the window did not open: the test's own checks say so
    (void)QTest::qWaitForWindowExposed(modal);
    step(modal);
  });
}

inline void ClickEntry(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
  if (items.isEmpty()) return;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

inline QStringList Entries(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}
} // namespace ModalDriver
