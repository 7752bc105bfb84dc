#pragma once
// The base of the library's components that have no window, such as the form's controller.
#include <QObject>
#include <QString>

class TWdgComponent : public QObject {
  Q_OBJECT

public:
  explicit TWdgComponent(QObject* owner = nullptr) : QObject(owner) {}
  // The library's version text; it cannot be set.
  QString About() const { return QStringLiteral("v1.0"); }
};
