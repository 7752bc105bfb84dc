#include "reports/forms/TfrmStatus.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

TfrmStatus::TfrmStatus(QWidget* parent) : QDialog(parent), status_(new QLabel(this)) {
  setObjectName(QStringLiteral("frmStatus"));
  setWindowTitle(QStringLiteral("Consolidation Status"));
  status_->setObjectName(QStringLiteral("lblStatus"));
  QFont large = status_->font();
  large.setPointSize(large.pointSize() * 3 / 2);
  status_->setFont(large);
  status_->setMinimumWidth(360);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
}

void TfrmStatus::ShowStep(const QString& text) {
  status_->setText(text);
  QCoreApplication::processEvents();
}
