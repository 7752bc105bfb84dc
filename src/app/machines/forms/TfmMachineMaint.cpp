#include "app/machines/forms/TfmMachineMaint.h"

#include "app/machines/forms/TfmGetCommPort.h"
#include "model/EcrForms.h"
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tMachine.h"
#include "platform/sys/EUserAbort.h"
#include "platform/sys/Prompter.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
const QStringList kBaudRates{"1200", "2400", "4800", "9600", "19200", "38400", "57600"};
const QStringList kSwitchTypes{"None", "4 Port", "8 Port", "Distributed", "CAS-81"};
constexpr int kMaxIdLength = 24;

// A number field's value; nullopt when its text is no whole number within the range.
std::optional<qint32> WholeNumber(const QLineEdit* edit, qint64 low, qint64 high) {
  bool ok = false;
  const qint64 value = edit->text().trimmed().toLongLong(&ok);
  if (!ok || value < low || value > high) return std::nullopt;
  return qint32(value);
}

// A telephone field gives nothing when no digit was typed, else its text with the literals.
QString PhoneText(const QLineEdit* edit) {
  for (QChar ch : edit->text())
    if (ch.isDigit()) return edit->text();
  return QString();
}
} // namespace

TfmMachineMaint::TfmMachineMaint(MachineMaintRequest& request, QWidget* parent)
    : QDialog(parent), machine_(request.machine), isNew_(request.isNew), usedIds_(request.usedIds) {
  setObjectName(QStringLiteral("fmMachineMaint"));
  setWindowTitle(QStringLiteral("Machine Maintenance"));
  if (!machine_.Ecr()) { // normally chosen before the window is asked for
    std::unique_ptr<tEcr> chosen = tEcr::CreateChosen(&machine_);
    if (!chosen) throw EUserAbort();
    machine_.SetEcr(std::move(chosen));
  }

  auto* general = new QGroupBox(QStringLiteral("General Info"), this);
  auto* generalForm = new QFormLayout(general);
  id_ = AddEdit(generalForm, "Machine ID", "edMachineId");
  id_->setMaxLength(kMaxIdLength);
  address_ = AddEdit(generalForm, "Address", "edAddress");
  city_ = AddEdit(generalForm, "City", "edCity");
  state_ = AddEdit(generalForm, "State", "edState");
  zip_ = AddEdit(generalForm, "Zip", "edZip");
  zip_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), zip_));
  phone_ = AddEdit(generalForm, "Phone", "edPhone");
  fax_ = AddEdit(generalForm, "Fax", "edFax");
  for (QLineEdit* edit : {phone_, fax_}) edit->setInputMask(QStringLiteral("(999) 999-9999;_"));
  contact1_ = AddEdit(generalForm, "Contact 1", "edContact1");
  contact2_ = AddEdit(generalForm, "Contact 2", "edContact2");

  auto* ecr = new QGroupBox(QStringLiteral("ECR Information"), this);
  auto* ecrForm = new QFormLayout(ecr);
  mfg_ = AddEdit(ecrForm, "Manufacturer", "edMfg");
  model_ = AddEdit(ecrForm, "Model", "edModel");
  rom_ = AddEdit(ecrForm, "ROM Version", "edRom");
  for (QLineEdit* edit : {mfg_, model_, rom_}) edit->setReadOnly(true);
  programId_ = AddEdit(ecrForm, "Program ID", "edProgramId");
  machineNumber_ = AddEdit(ecrForm, "Machine Number", "edMachineNumber");
  storeNumber_ = AddEdit(ecrForm, "Store Number", "edStoreNumber");

  auto* comms = new QGroupBox(QStringLiteral("Communications"), this);
  auto* commsForm = new QFormLayout(comms);
  commPort_ = AddEdit(commsForm, "Comm Port", "edCommPort");
  commPort_->setReadOnly(true);
  commPort_->installEventFilter(this);
  baudRate_ = new QComboBox(comms);
  baudRate_->setObjectName(QStringLiteral("cbBaudRate"));
  baudRate_->addItems(kBaudRates);
  commsForm->addRow(QStringLiteral("Baud Rate"), baudRate_);
  dialStr_ = AddEdit(commsForm, "Phone #", "edDialStr");
  switchType_ = new QComboBox(comms);
  switchType_->setObjectName(QStringLiteral("cbSwitchType"));
  switchType_->addItems(kSwitchTypes);
  commsForm->addRow(QStringLiteral("Switch Type"), switchType_);
  switchNumber_ = AddEdit(commsForm, "Switch Number", "edSwitchNumber");

  auto* intl = new QGroupBox(QStringLiteral("International Parameters"), this);
  auto* intlForm = new QFormLayout(intl);
  currency_ = AddEdit(intlForm, "Currency Decimal Places", "edCurrency");

  auto* buttons = new QHBoxLayout;
  struct ButtonDef {
    const char* name;
    const char* caption;
    void (TfmMachineMaint::*action)();
  };
  static const ButtonDef defs[] = {{"btnSave", "Save", &TfmMachineMaint::Save},
                                   {"btnCancel", "Cancel", &TfmMachineMaint::reject},
                                   {"btnEditEcr", "Edit ECR", &TfmMachineMaint::EditEcr},
                                   {"btnHelp", "Help", &TfmMachineMaint::Help},
                                   {"btnPrint", "Print", &TfmMachineMaint::Print}};
  buttons->addStretch();
  for (const ButtonDef& def : defs) {
    auto* button = new QPushButton(QString::fromLatin1(def.caption), this);
    button->setObjectName(QString::fromLatin1(def.name));
    button->setAutoDefault(false);
    buttons->addWidget(button);
    connect(button, &QPushButton::clicked, this, def.action);
  }

  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(general);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(ecr);
  right->addWidget(comms);
  right->addWidget(intl);
  right->addStretch();
  columns->addLayout(left);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  Load();
  connect(programId_, &QLineEdit::textEdited, this, &TfmMachineMaint::ProgramIdEdited);
}

QLineEdit* TfmMachineMaint::AddEdit(QFormLayout* form, const char* label, const char* name) {
  auto* edit = new QLineEdit(form->parentWidget());
  edit->setObjectName(QString::fromLatin1(name));
  form->addRow(QString::fromLatin1(label), edit);
  return edit;
}

void TfmMachineMaint::Load() {
  const tMachine& m = machine_;
  id_->setText(m.MachineId);
  address_->setText(m.Address);
  city_->setText(m.City);
  state_->setText(m.State);
  zip_->setText(QString::number(m.Zip));
  phone_->setText(m.Phone);
  fax_->setText(m.Fax);
  contact1_->setText(m.Contact1);
  contact2_->setText(m.Contact2);
  programId_->setText(m.ProgramID);
  machineNumber_->setText(QString::number(m.MachineNumber));
  storeNumber_->setText(QString::number(m.StoreNumber));
  commPort_->setText(m.CommPort);
  baudRate_->setCurrentIndex(kBaudRates.indexOf(QString::number(m.BaudRate)));
  dialStr_->setText(m.DialStr);
  int switchType = 0;
  for (int i = 0; i < kSwitchTypes.size(); ++i)
    if (kSwitchTypes[i].compare(m.SwitchType, Qt::CaseInsensitive) == 0) switchType = i;
  switchType_->setCurrentIndex(switchType);
  switchNumber_->setText(QString::number(m.SwitchNumber));
  currency_->setText(QString::number(m.Currency));
  const tEcr* ecr = m.Ecr();
  mfg_->setText(ecr->MfgName());
  model_->setText(ecr->ModelName());
  rom_->setText(ecr->RomName());
  programIds_ = QStringList{m.ProgramID};
  for (int i = 1; i <= ecr->PrgCount(); ++i) programIds_ << ecr->Prg(i)->ProgramID();
}

void TfmMachineMaint::ProgramIdEdited(const QString& text) {
  tEcr* ecr = machine_.Ecr();
  for (int i = 1; i <= ecr->PrgCount(); ++i) ecr->Prg(i)->SetProgramID(text);
}

void TfmMachineMaint::RestoreProgramIds() {
  tEcr* ecr = machine_.Ecr();
  for (int i = 1; i <= ecr->PrgCount() && i < programIds_.size(); ++i) ecr->Prg(i)->SetProgramID(programIds_[i]);
}

void TfmMachineMaint::reject() {
  RestoreProgramIds();
  QDialog::reject();
}

void TfmMachineMaint::EditEcr() { machine_.Ecr()->EditProgramIDs(programId_->text()); }

bool TfmMachineMaint::eventFilter(QObject* watched, QEvent* event) {
  if (watched == commPort_ && event->type() == QEvent::MouseButtonRelease) PickPort();
  return QDialog::eventFilter(watched, event);
}

void TfmMachineMaint::PickPort() {
  QString port = commPort_->text();
  if (TfmGetCommPort::PickPort(port)) commPort_->setText(port);
}

bool TfmMachineMaint::IdInUse(const QString& id) const { return usedIds_.contains(id, Qt::CaseInsensitive); }

void TfmMachineMaint::Refuse(bool error, const QString& text, QWidget* field) {
  Prompter::Current().Ask(error ? Prompter::Kind::Error : Prompter::Kind::Warning, QString(), text, Prompter::Ok,
                          Prompter::Ok);
  field->setFocus();
}

void TfmMachineMaint::Save() {
  const QString id = id_->text();
  const bool idChanged = isNew_ || id != machine_.MachineId;
  if (idChanged && IdInUse(id)) return Refuse(true, QStringLiteral("This Machine ID is already being used"), id_);
  if (id.isEmpty()) return Refuse(false, QStringLiteral("Please enter a Machine ID"), id_);
  if (programId_->text().isEmpty()) return Refuse(false, QStringLiteral("Please enter a Program ID"), programId_);
  if (commPort_->text().isEmpty()) return Refuse(false, QStringLiteral("Please enter a Comm Port"), commPort_);
  if (baudRate_->currentIndex() < 0) return Refuse(false, QStringLiteral("Please enter a Baud Rate"), baudRate_);

  struct NumberField {
    QLineEdit* edit;
    qint64 low, high;
    qint32 value = 0;
  };
  NumberField numbers[] = {{machineNumber_, INT32_MIN, INT32_MAX}, {storeNumber_, INT32_MIN, INT32_MAX},
                           {switchNumber_, INT32_MIN, INT32_MAX}, {currency_, 0, 255}, {zip_, 0, 99999}};
  for (NumberField& field : numbers) {
    const std::optional<qint32> value = WholeNumber(field.edit, field.low, field.high);
    if (!value)
      return Refuse(true, QStringLiteral("'%1' is not a valid integer value").arg(field.edit->text()), field.edit);
    field.value = *value;
  }

  tMachine& m = machine_;
  m.MachineId = id;
  m.Address = address_->text();
  m.City = city_->text();
  m.State = state_->text();
  m.Phone = PhoneText(phone_);
  m.Fax = PhoneText(fax_);
  m.Contact1 = contact1_->text();
  m.Contact2 = contact2_->text();
  m.ProgramID = programId_->text();
  m.CommPort = commPort_->text();
  m.BaudRate = baudRate_->currentText().toInt();
  m.DialStr = dialStr_->text();
  m.SwitchType = switchType_->currentText();
  m.MachineNumber = numbers[0].value;
  m.StoreNumber = numbers[1].value;
  m.SwitchNumber = numbers[2].value;
  m.Currency = quint8(numbers[3].value);
  m.Zip = numbers[4].value;
  accept();
}

void TfmMachineMaint::Print() {
  const QPixmap image = grab();
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter(&printer);
  const QRect page = painter.viewport();
  const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.setViewport(page.x(), page.y(), size.width(), size.height());
  painter.setWindow(image.rect());
  painter.drawPixmap(0, 0, image);
}

void TfmMachineMaint::Help() {
  Prompter::ShowMessage(QStringLiteral(
      "Machine Maintenance keeps one register: where it is, its register model and Program ID, and how to reach it. "
      "Edit ECR sets the Program ID of each of its programs; Save checks the entries and stores them."));
}
