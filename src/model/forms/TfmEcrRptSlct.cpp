#include "model/forms/TfmEcrRptSlct.h"

#include "model/tEcrSelection.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfmEcrRptSlct::TfmEcrRptSlct(tEcrSelection& selection, QWidget* parent)
    : QDialog(parent), selection_(selection), list_(new QListWidget(this)) {
  setObjectName(QStringLiteral("fmEcrRptSlct"));
  setWindowTitle(QStringLiteral("Report Selection"));
  selection_.Chosen.clear();
  auto* label = new QLabel(QStringLiteral("Select a report  or cancel"), this);
  label->setObjectName(QStringLiteral("lblRptSlct"));
  list_->setObjectName(QStringLiteral("lbRptSlct"));
  list_->setSortingEnabled(true);
  list_->addItems(selection.Offered());
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(list_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  resize(260, 300);
  connect(list_, &QListWidget::itemClicked, this, &TfmEcrRptSlct::Clicked);
  connect(cancel, &QPushButton::clicked, this, &TfmEcrRptSlct::Cancel);
}

void TfmEcrRptSlct::Clicked(QListWidgetItem* item) {
  if (!item) return;
  selection_.Chosen = QStringList{item->text()};
  accept();
}

void TfmEcrRptSlct::Cancel() {
  selection_.Chosen.clear();
  reject();
}
