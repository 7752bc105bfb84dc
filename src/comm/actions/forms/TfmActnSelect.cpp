#include "comm/actions/forms/TfmActnSelect.h"

#include "comm/actions/tActnChoice.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfmActnSelect::TfmActnSelect(tActnChoice& choice, QWidget* parent) : QDialog(parent), choice_(choice) {
  setWindowTitle(tActnChoice::Caption());
  auto* layout = new QVBoxLayout(this);
  lbActn_ = new QListWidget(this);
  lbActn_->setObjectName(QStringLiteral("lbActn"));
  for (int i = 0; i < choice_.Count(); ++i) lbActn_->addItem(choice_.Title(i));
  lbActn_->setMinimumWidth(lbActn_->sizeHintForColumn(0) + 80);
  lbActn_->setFixedHeight(lbActn_->sizeHintForRow(0) * (choice_.Count() + 1));
  layout->addWidget(lbActn_);
  auto* buttons = new QHBoxLayout;
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addStretch();
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(lbActn_, &QListWidget::itemClicked, this, &TfmActnSelect::EntryClicked);
  adjustSize();
}

void TfmActnSelect::EntryClicked(QListWidgetItem* item) {
  if (choice_.Choose(lbActn_->row(item))) accept();
  else reject();
}
