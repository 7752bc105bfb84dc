#include "app/setup/forms/RetryFields.h"

#include "app/setup/ModemSetup.h"
#include "widgets/TUlvaneEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
struct Field {
  const char* name;
  const char* caption;
  const char* mask;
  const char* unit;
};
constexpr Field kFields[] = {
    {"edtInitRetry", "Initial Retries", "00", ""},
    {"edtDefRetry", "Deferred Retries", "00", ""},
    {"edtTime", "Time between Attempts", "000", "sec"},
};

qint32 Value(TUlvaneEdit* edit) { return edit->text().trimmed().isEmpty() ? 0 : edit->GetIntValue(); }
} // namespace

RetryFields::RetryFields(QWidget* parent) : QGroupBox(QStringLiteral("Communications Setup"), parent) {
  setObjectName(QStringLiteral("grpCommSetup"));
  auto* grid = new QGridLayout(this);
  TUlvaneEdit* edits[3];
  for (int row = 0; row < 3; ++row) {
    const Field& field = kFields[row];
    auto* edit = new TUlvaneEdit(this);
    edit->setObjectName(QString::fromLatin1(field.name));
    edit->SetDataType(DTInteger);
    edit->SetEditMask(QString::fromLatin1(field.mask));
    edit->setMaximumWidth(60);
    grid->addWidget(new QLabel(QString::fromLatin1(field.caption), this), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(new QLabel(QString::fromLatin1(field.unit), this), row, 2);
    edits[row] = edit;
  }
  initRetry_ = edits[0];
  defRetry_ = edits[1];
  time_ = edits[2];
  auto* modem = new QPushButton(QStringLiteral("Properties"), this);
  modem->setObjectName(QStringLiteral("btnModemSetup"));
  grid->addWidget(new QLabel(QStringLiteral("Modem Setup"), this), 3, 0);
  grid->addWidget(modem, 3, 1, 1, 2);
  connect(modem, &QPushButton::clicked, this, [] { RunModemSetup(); });
}

void RetryFields::SetValues(qint32 initRetry, qint32 defRetry, qint32 waitTime) {
  initRetry_->SetIntValue(initRetry);
  defRetry_->SetIntValue(defRetry);
  time_->SetIntValue(waitTime);
}

qint32 RetryFields::InitRetry() const { return Value(initRetry_); }
qint32 RetryFields::DefRetry() const { return Value(defRetry_); }
qint32 RetryFields::WaitTime() const { return Value(time_); }
QString RetryFields::InitText() const { return initRetry_->text(); }
QString RetryFields::DefText() const { return defRetry_->text(); }
QString RetryFields::TimeText() const { return time_->text(); }
