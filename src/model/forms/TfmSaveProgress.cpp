#include "model/forms/TfmSaveProgress.h"

#include "widgets/TWdgController.h"
#include "widgets/TWdgMeter.h"

#include <QGuiApplication>
#include <QScreen>

TfmSaveProgress::TfmSaveProgress(QWidget* parent)
    : QDialog(parent), meter_(new TWdgMeter(this)), controller_(new TWdgController(this)) {
  setObjectName(QStringLiteral("fmSaveProgress"));
  setWindowTitle(QStringLiteral("Save Progress"));
  setFixedSize(223, 78);
  controller_->setObjectName(QStringLiteral("WdgController1"));
  meter_->setObjectName(QStringLiteral("WdgMeter1"));
  meter_->setGeometry(8, 8, 200, 24);
  meter_->SetUsedColor(QColor(0, 255, 0));
  meter_->SetShowPercent(true);
  meter_->SetPercent(0);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
}

void TfmSaveProgress::SetPercent(int percent) { meter_->SetPercent(percent); }
