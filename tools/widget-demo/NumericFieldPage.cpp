// The numeric field as the report-option windows place it: "From Register" and "To Register",
// Byte fields with picture '999' and range 0..255, Accept and Cancel.
#include "DemoPages.h"
#include "widgets/TWdgNumericField.h"
#include "widgets/WdgEntryFieldValidation.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
TWdgNumericField* RegisterField(QWidget* parent, const QString& name, int value) {
  auto* field = new TWdgNumericField(parent);
  field->setObjectName(name);
  field->SetDataType(nftByte);
  field->SetPictureMask(QStringLiteral("999"));
  field->SetRange(0, 255);
  field->SetIntValue(value);
  field->setFixedWidth(60);
  return field;
}
} // namespace

QWidget* NumericFieldPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  auto* from = RegisterField(page, QStringLiteral("WdgNFromReg"), 1);
  auto* to = RegisterField(page, QStringLiteral("WdgNToReg"), 24);
  grid->addWidget(new QLabel(QStringLiteral("From Register"), page), 0, 0);
  grid->addWidget(from, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("To Register"), page), 1, 0);
  grid->addWidget(to, 1, 1);

  auto* disabled = RegisterField(page, QStringLiteral("Disabled"), 128);
  disabled->setEnabled(false);
  grid->addWidget(new QLabel(QStringLiteral("Disabled"), page), 2, 0);
  grid->addWidget(disabled, 2, 1);

  auto* buttons = new QHBoxLayout;
  auto* accept = new QPushButton(QStringLiteral("Accept"), page);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), page);
  buttons->addWidget(accept);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, 3, 0, 1, 2);
  auto* result = new QLabel(page);
  grid->addWidget(result, 4, 0, 1, 2);
  grid->setRowStretch(5, 1);
  grid->setColumnStretch(2, 1);

  QObject::connect(accept, &QPushButton::clicked, page, [=] {
    if (!ValidateEntryFields(page)) return;
    result->setText(QStringLiteral("Registers %1 to %2").arg(from->GetIntValue()).arg(to->GetIntValue()));
  });
  QObject::connect(cancel, &QPushButton::clicked, result, [result] { result->clear(); });
  from->setFocus(Qt::TabFocusReason);
  return page;
}
