#pragma once
// Pictures of windows for a person to look at: written only when TB_SHOT_DIR names a folder.
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <QtGlobal>

inline void SaveShot(QWidget& widget, const QString& name) {
  const QString folder = qEnvironmentVariable("TB_SHOT_DIR");
  if (!folder.isEmpty()) widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}
