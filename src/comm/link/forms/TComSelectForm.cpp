#include "comm/link/forms/TComSelectForm.h"

#include "comm/link/ComPortPaths.h"
#include "comm/link/SclPortChooser.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TComSelectForm::TComSelectForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Select Port"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("The configured serial port is not valid."), this));
  layout->addWidget(new QLabel(QStringLiteral("Please choose another port."), this));
  ports_ = new QComboBox(this);
  ports_->setObjectName(QStringLiteral("PortsComboBox"));
  ports_->setEditable(false);
  for (int n = 1; n <= kSclHighestPort; ++n)
    if (PortIsUsable(n)) ports_->addItem(ComPortName(n));
  ports_->setCurrentIndex(ports_->count() ? 0 : -1);
  layout->addWidget(ports_);
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

int TComSelectForm::SelectedPort() const {
  const QString text = ports_->currentText();
  return text.startsWith(QLatin1String("COM")) ? text.mid(3).toInt() : 0;
}
