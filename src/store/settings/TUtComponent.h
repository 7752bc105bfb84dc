#pragma once
// The base of the utility library's components. Its one published property, Version,
// names the library's version; writing it changes nothing.
#include <QObject>
#include <QString>

class TUtComponent : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
  explicit TUtComponent(QObject* owner = nullptr);
  QString Version() const;
  void SetVersion(const QString& value);
};
