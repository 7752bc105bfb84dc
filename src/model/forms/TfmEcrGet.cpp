#include "model/forms/TfmEcrGet.h"

#include "model/tEcrModelChoice.h"

#include <QListWidget>
#include <QVBoxLayout>

TfmEcrGet::TfmEcrGet(tEcrModelChoice& choice, const QString& caption, QWidget* parent)
    : QDialog(parent), choice_(choice), list_(new QListWidget(this)) {
  setObjectName(QStringLiteral("fmEcrGet"));
  setWindowTitle(caption);
  list_->setObjectName(QStringLiteral("lbMfgGet"));
  list_->setSortingEnabled(true);
  for (int i = 0; i < choice.Count(); ++i) {
    auto* item = new QListWidgetItem(choice.Text(i));
    item->setData(Qt::UserRole, i);
    list_->addItem(item);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list_, 0, Qt::AlignTop);
  resize(191, 156);
  connect(list_, &QListWidget::itemClicked, this, &TfmEcrGet::Clicked);
  connect(list_, &QListWidget::itemActivated, this, &TfmEcrGet::Clicked);
}

void TfmEcrGet::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A short list takes only the room its entries need, with one entry's height to spare.
  const int count = list_->count();
  const int entry = count > 0 ? list_->sizeHintForRow(0) : list_->fontMetrics().height();
  const int needed = (count + 1) * entry;
  if (needed < height()) list_->setFixedHeight(needed);
  if (count > 0) list_->setCurrentRow(count - 1);
}

void TfmEcrGet::Clicked(QListWidgetItem* item) {
  if (!item || chosen_) return;
  chosen_ = true;
  choice_.Choose(item->data(Qt::UserRole).toInt());
  accept();
}
