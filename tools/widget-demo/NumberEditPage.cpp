// The numeric edit control as the settings and PLU forms use it, and with a money mask.
#include "DemoPages.h"
#include "widgets/TUlvaneEdit.h"

#include <QGridLayout>
#include <QLabel>

namespace {
struct Field {
  const char* label;
  const char* mask;
  const char* low;
  const char* high;
  bool populateZeros;
  double value;
};

const Field kFields[] = {
    {"Initial retries (00, 0..99)", "00", "0", "99", true, 3},
    {"Wait time (000, 0..999)", "000", "0", "999", true, 30},
    {"PLU code (000000, no padding)", "000000", "0", "999999", false, 4711},
    {"Price ($000.00, 0..999.99)", "$000.00", "0", "999.99", true, 12.5},
};
} // namespace

QWidget* NumberEditPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  auto* status = new QLabel(QStringLiteral("Leave a box to see its value here."), page);
  int row = 0;
  for (const Field& field : kFields) {
    auto* edit = new TUlvaneEdit(page);
    edit->SetEditMask(QString::fromLatin1(field.mask));
    edit->SetRangeLow(QString::fromLatin1(field.low));
    edit->SetRangeHigh(QString::fromLatin1(field.high));
    edit->SetPopulateZeros(field.populateZeros);
    edit->SetFloatValue(field.value);
    const QString name = QString::fromLatin1(field.label).section(QLatin1Char(' '), 0, 1);
    QObject::connect(edit, &TUlvaneEdit::exited, status, [edit, status, name] {
      status->setText(QStringLiteral("%1 left as \"%2\", value %3%4")
                          .arg(name, edit->text())
                          .arg(edit->GetFloatValue())
                          .arg(edit->isModified() ? QStringLiteral(" (changed)") : QString()));
    });
    grid->addWidget(new QLabel(QString::fromLatin1(field.label), page), row, 0);
    grid->addWidget(edit, row++, 1);
  }
  grid->addWidget(status, row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
  return page;
}
