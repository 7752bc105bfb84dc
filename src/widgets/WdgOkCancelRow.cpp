#include "widgets/WdgOkCancelRow.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* WdgOkCancelRow(QDialog& dialog, std::function<void()> ok) {
  auto* okButton = new QPushButton(QStringLiteral("OK"), &dialog);
  okButton->setObjectName(QStringLiteral("btnOK"));
  okButton->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  QObject::connect(okButton, &QPushButton::clicked, &dialog, std::move(ok));
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(okButton);
  row->addWidget(cancel);
  return row;
}
