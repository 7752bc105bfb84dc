#include "app/forms/TfrmWaitMessage.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TfrmWaitMessage::TfrmWaitMessage(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("TfrmWaitMessage"));
  setWindowTitle(QStringLiteral("Database Message"));
  setFixedSize(266, 81);
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);
  openMessage_ = new QLabel(QStringLiteral("Opening Database... Please Wait"), this);
  openMessage_->setObjectName(QStringLiteral("OpenMessage"));
  openMessage_->setGeometry(16, 8, 233, 65);
  openMessage_->setAlignment(Qt::AlignCenter);
  openMessage_->setWordWrap(true);
  QFont large = openMessage_->font();
  large.setPixelSize(20);
  openMessage_->setFont(large);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TfrmWaitMessage::SetText(const QString& text) { openMessage_->setText(text); }
