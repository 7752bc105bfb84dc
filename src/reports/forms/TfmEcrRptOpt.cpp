#include "reports/forms/TfmEcrRptOpt.h"

#include "widgets/WdgEntryFieldValidation.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* AddButton(QWidget* panel, QHBoxLayout* row, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), panel);
  button->setObjectName(QString::fromLatin1(name));
  row->addWidget(button);
  return button;
}
} // namespace

TfmEcrRptOpt::TfmEcrRptOpt(tEcrRpt& report, QWidget* parent) : QDialog(parent), report_(report) {
  auto* outer = new QVBoxLayout(this);
  outer->setSizeConstraint(QLayout::SetFixedSize); // hidden options leave no gap
  auto* main = new QFrame(this);
  main->setObjectName(QStringLiteral("pnlMain"));
  outer->addWidget(main);
  auto* mainLayout = new QVBoxLayout(main);
  mainLayout->setContentsMargins(0, 0, 0, 0);
  options_ = new QVBoxLayout;
  mainLayout->addLayout(options_);

  auto* functions = new QFrame(main);
  functions->setObjectName(QStringLiteral("pnlFunctions"));
  mainLayout->addWidget(functions);
  auto* row = new QHBoxLayout(functions);
  row->setContentsMargins(0, 0, 0, 0);
  row->addStretch(1);
  accept_ = AddButton(functions, row, "btnAccept", "Accept");
  QPushButton* cancel = AddButton(functions, row, "btnCancel", "Cancel");
  AddButton(functions, row, "btnHelp", "Help"); // no help is written for these dialogs
  accept_->setDefault(true);
  connect(accept_, &QPushButton::clicked, this, &TfmEcrRptOpt::accept);
  connect(cancel, &QPushButton::clicked, this, &TfmEcrRptOpt::reject);
}

void TfmEcrRptOpt::accept() {
  // Enter on the default button reaches here without leaving the field being edited.
  if (!ValidateEntryFields(this)) return;
  StoreParams();
  QDialog::accept();
}
