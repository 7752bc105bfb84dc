#include "reports/forms/TfrmOpenTable.h"

#include <QLabel>
#include <QVBoxLayout>

TfrmOpenTable::TfrmOpenTable(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("frmOpenTable"));
  setWindowTitle(QStringLiteral("Opening Tables"));
  auto* layout = new QVBoxLayout(this);
  for (const char* text : {"Opening Tables.", "Please Wait..."}) {
    auto* label = new QLabel(QString::fromLatin1(text), this);
    QFont large = label->font();
    large.setPixelSize(24);
    large.setBold(true);
    label->setFont(large);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  setFixedSize(sizeHint().expandedTo(QSize(300, 110)));
}
