#include "app/machines/forms/TfmMachSelct.h"

#include "app/machines/MachineEdits.h"
#include "app/machines/MachineListing.h"
#include "model/EcrForms.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "model/tMachineSelection.h"
#include "platform/sys/EUserAbort.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"
#include "reports/engine/RptPreviewRequest.h"
#include "store/streaming/TObjectStream.h"
#include "widgets/WdgButtonColumn.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
std::unique_ptr<tMachine> Copy(const tMachine& machine) {
  std::unique_ptr<TObject> copy = CopyObject(&machine);
  return std::unique_ptr<tMachine>(static_cast<tMachine*>(copy.release()));
}

void TellNotStored() {
  Prompter::Current().Ask(Prompter::Kind::Warning, QString(),
                          QStringLiteral("This machine is no longer stored; the list has been brought up to date"),
                          Prompter::Ok, Prompter::Ok);
}
} // namespace

TfmMachSelct::TfmMachSelct(MachineListRequest& request, QWidget* parent)
    : QDialog(parent), request_(request), list_(new QListWidget(this)) {
  request_.selection.Chosen.reset();
  setObjectName(QStringLiteral("fmMachSelct"));
  setWindowTitle(QStringLiteral("Machine List"));
  list_->setObjectName(QStringLiteral("MachineList"));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_, 1);
  auto* buttons = new QVBoxLayout;
  layout->addLayout(buttons);
  AddButtonColumn(*this, *buttons,
                  {{"btnSelect", "Select", "Select the Highlighted Machine", [this] { Select(); }},
                   {"btnEdit", "Edit", "Edit The highlighted Machine", [this] { Edit(); }},
                   {"btnAddMachine", "Add Machine", "Add a new Machine ", [this] { AddMachine(); }},
                   {"btnDup", "Duplicate", "Create a copy of the selected machine", [this] { Duplicate(); }},
                   {"btnDeleteMachine", "Delete Machine", "Delete the highlighted Machine", [this] { DeleteMachine(); }},
                   {"btnListing", "Print Listing", "", [this] { Listing(); }},
                   {"btnHelp", "Help", "", [this] { Help(); }},
                   {"btnCancel", "Cancel", "", [this] { Cancel(); }, true}});
  auto* select = findChild<QPushButton*>(QStringLiteral("btnSelect"));
  select->setEnabled(!request_.maintenance);
  select->setDefault(!request_.maintenance);
  connect(list_, &QListWidget::itemDoubleClicked, this, &TfmMachSelct::DoubleClicked);

  QStringList ids;
  ListMachines(ids);
  list_->addItems(ids);
  if (list_->count() > 0) list_->setCurrentRow(0);
  resize(420, 300);
}

QStringList TfmMachSelct::Entries() const {
  QStringList ids;
  for (int i = 0; i < list_->count(); ++i) ids << list_->item(i)->text();
  return ids;
}

QString TfmMachSelct::SelectedId() const {
  const QListWidgetItem* item = list_->currentItem();
  return item && item->isSelected() ? item->text() : QString();
}

void TfmMachSelct::SelectEntry(const QString& id) {
  const QList<QListWidgetItem*> items = list_->findItems(id, Qt::MatchExactly);
  if (!items.isEmpty()) list_->setCurrentItem(items.first());
}

void TfmMachSelct::DoubleClicked() {
  if (request_.maintenance)
    Edit();
  else
    Select();
}

void TfmMachSelct::Select() {
  if (request_.maintenance) return;
  const QString id = SelectedId();
  if (id.isEmpty()) return;
  std::unique_ptr<tMachine> chosen = FindMachine(id);
  if (!chosen) {
    TellNotStored();
    delete list_->takeItem(list_->currentRow());
    return;
  }
  request_.selection.Chosen = std::move(chosen);
  accept();
}

void TfmMachSelct::AddNew(tMachine& machine) {
  try {
    if (!machine.DoMaint(true, Entries())) return;
  } catch (const EUserAbort&) {
    return; // the register model was not chosen: nothing to add
  }
  ::AddMachine(machine);
  list_->addItem(machine.MachineId);
  list_->sortItems();
  SelectEntry(machine.MachineId);
}

void TfmMachSelct::AddMachine() {
  tMachine machine;
  AddNew(machine);
}

void TfmMachSelct::Duplicate() {
  const QString id = SelectedId();
  if (id.isEmpty()) return;
  const std::unique_ptr<tMachine> original = FindMachine(id);
  if (!original) return TellNotStored();
  const std::unique_ptr<tMachine> copy = Copy(*original);
  copy->MachineId.clear();
  AddNew(*copy);
}

void TfmMachSelct::Edit() {
  QListWidgetItem* item = list_->currentItem();
  const QString oldId = SelectedId();
  if (oldId.isEmpty()) return;
  const std::unique_ptr<tMachine> machine = FindMachine(oldId);
  if (!machine) {
    TellNotStored();
    delete list_->takeItem(list_->row(item));
    return;
  }
  try {
    if (!machine->DoMaint(false, Entries())) return;
  } catch (const EUserAbort&) {
    return; // a stored machine without a register model, and none was chosen
  }
  if (!MachineEdits::ReplaceMachine(oldId, *machine)) {
    TellNotStored();
    delete list_->takeItem(list_->row(item));
    return;
  }
  item->setText(machine->MachineId);
}

void TfmMachSelct::DeleteMachine() {
  const QString id = SelectedId();
  if (id.isEmpty()) return;
  const Prompter::Answer answer = Prompter::Current().Ask(
      Prompter::Kind::Warning, QString(), QStringLiteral("Deleting this machine will also delete schedules associated with it"),
      Prompter::Ok | Prompter::Cancel, Prompter::Cancel);
  if (answer != Prompter::Ok) return;
  ::DeleteMachine(id); // only the record found under the id goes
  delete list_->takeItem(list_->currentRow());
}

void TfmMachSelct::Listing() {
  const QStringList ids = Entries();
  if (ids.isEmpty()) return; // an empty list prints nothing
  const std::unique_ptr<MachineListing> listing = MakeMachineListing(ids);
  RptPreviewRequest preview{*listing->report, std::nullopt};
  FormRegistry::Show(preview);
}

void TfmMachSelct::Help() {
  Prompter::ShowMessage(QStringLiteral(
      "Select takes the highlighted machine; Add Machine, Duplicate and Edit open it in Machine Maintenance; "
      "Delete Machine removes it; Print Listing shows every listed machine with its register and line."));
}

void TfmMachSelct::Cancel() {
  request_.selection.Chosen.reset();
  reject();
}
