#include "app/setup/forms/TfmCommSetup.h"

#include "app/setup/HistoryTxt.h"
#include "app/setup/forms/RetryFields.h"
#include "comm/jobs/tHistory.h"
#include "model/EInOutError.h"
#include "platform/sys/Prompter.h"
#include "widgets/WdgOkCancelRow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

TfmCommSetup::TfmCommSetup(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fmCommSetup"));
  setWindowTitle(QStringLiteral("Communications Setup"));
  retries_ = new RetryFields(this);
  retries_->setTitle(QString());
  QHBoxLayout* buttons = WdgOkCancelRow(*this, [this] { Ok(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(retries_);
  layout->addLayout(buttons);

  const tHistory& queue = TheHistory();
  retries_->SetValues(queue.GetInitRetry(), queue.GetDefRetry(), queue.GetWaitTime());
}

void TfmCommSetup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void TfmCommSetup::Ok() {
  try {
    ApplyCommSetup(retries_->InitText(), retries_->DefText(), retries_->TimeText(), retries_->InitRetry(),
                   retries_->DefRetry(), retries_->WaitTime());
  } catch (const EInOutError& e) {
    Prompter::ShowMessage(e.Message(), Prompter::Kind::Error);
    return;
  }
  accept();
}
