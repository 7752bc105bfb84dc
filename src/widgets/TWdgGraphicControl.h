#pragma once
// The base of the library's controls that only paint and never take the focus.
#include <QString>
#include <QWidget>

class TWdgGraphicControl : public QWidget {
  Q_OBJECT

public:
  explicit TWdgGraphicControl(QWidget* parent = nullptr);
  // The library's version text; it cannot be set.
  QString About() const { return QStringLiteral("v1.0"); }
};
