#pragma once
// The base of the serial library's components (com port, data packets, lamp controller):
// a QObject owned by its form or module, with the library's version text and the "being
// loaded" state during which components only store what they are given.
#include <QObject>
#include <QString>

class TSclBaseComponent : public QObject {
  Q_OBJECT
public:
  explicit TSclBaseComponent(QObject* owner = nullptr);

  // Always "v1.0"; assigning it does nothing.
  QString ScommVersion() const { return QStringLiteral("v1.0"); }
  void SetScommVersion(const QString&) {}

  bool IsLoading() const { return loading_; }
  // Marks the component as being set up from its form; Loaded() ends that and lets the
  // component act on what it was given.
  void BeginLoading() { loading_ = true; }
  virtual void Loaded();

private:
  bool loading_ = false;
};
