#include "model/forms/TfmEcrPrgSlct.h"

#include "model/tEcrSelection.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfmEcrPrgSlct::TfmEcrPrgSlct(tEcrSelection& selection, QWidget* parent)
    : QDialog(parent),
      selection_(selection),
      list_(new QListWidget(this)),
      label_(new QLabel(QStringLiteral("Select a program or cancel"), this)),
      accept_(new QPushButton(QStringLiteral("Accept"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setObjectName(QStringLiteral("fmEcrPrgSlct"));
  setWindowTitle(selection.Caption());
  selection_.Chosen.clear();
  list_->setObjectName(QStringLiteral("lbPrgSlct"));
  list_->setSortingEnabled(true);
  list_->setSelectionMode(selection.Multi() ? QAbstractItemView::ExtendedSelection
                                            : QAbstractItemView::SingleSelection);
  list_->addItems(selection.Offered());
  label_->setObjectName(QStringLiteral("lblPrgSlct"));
  accept_->setObjectName(QStringLiteral("Accept"));
  cancel_->setObjectName(QStringLiteral("btnCancel"));
  accept_->setVisible(selection.Multi());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(list_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(accept_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  resize(260, 300);
  if (!selection.Multi()) connect(list_, &QListWidget::itemClicked, this, &TfmEcrPrgSlct::Clicked);
  connect(accept_, &QPushButton::clicked, this, &TfmEcrPrgSlct::AcceptClick);
  connect(cancel_, &QPushButton::clicked, this, &TfmEcrPrgSlct::Cancel);
}

void TfmEcrPrgSlct::Clicked(QListWidgetItem* item) {
  if (!item) return;
  selection_.Chosen = QStringList{item->text()};
  accept();
}

void TfmEcrPrgSlct::AcceptClick() {
  if (list_->count() == 0) return;
  QStringList chosen;
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->isSelected()) chosen << list_->item(i)->text();
  selection_.Chosen = chosen;
  accept();
}

void TfmEcrPrgSlct::Cancel() {
  selection_.Chosen.clear();
  reject();
}
