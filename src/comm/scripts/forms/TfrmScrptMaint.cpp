#include "comm/scripts/forms/TfrmScrptMaint.h"

#include "comm/actions/tActn.h"
#include "comm/scripts/ScrptList.h"
#include "comm/scripts/tScrpt.h"
#include "model/tEcr.h"
#include "platform/sys/Prompter.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

QToolButton* MakeArrow(QWidget* parent, const QString& name, Qt::ArrowType arrow) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setArrowType(arrow);
  button->setToolTip(QStringLiteral("Move the selected Action Up or down"));
  return button;
}

const QString kNoActions = QStringLiteral(
    "This script contains no actions.  You can not save a script with no actions.  If you wish to delete this "
    "script, please click Cancel and delete the script from the script list window.");
} // namespace

TfrmScrptMaint::TfrmScrptMaint(tScrpt& script, const tMachine* machine, QWidget* parent)
    : QDialog(parent), script_(script), machine_(machine), driver_(tEcr::New(script.GetEcrClass())),
      edScrptId_(new QLineEdit(this)), edEcrType_(new QLineEdit(this)), lbActns_(new QListWidget(this)) {
  setWindowTitle(QStringLiteral("Script Maintenance"));
  ListScrpts(storedIds_, nullptr);
  edScrptId_->setObjectName(QStringLiteral("edScrptId"));
  edScrptId_->setToolTip(QStringLiteral("Unique Identification for this Script"));
  edScrptId_->setMaxLength(32);
  edScrptId_->setText(script_.ScrptID());
  edEcrType_->setObjectName(QStringLiteral("edEcrType"));
  edEcrType_->setReadOnly(true);
  edEcrType_->setText(QStringList{driver_->MfgName(), driver_->ModelName(), driver_->RomName()}.join(QStringLiteral(", ")));
  lbActns_->setObjectName(QStringLiteral("lbActns"));
  lbActns_->setToolTip(QStringLiteral("The list of actions to perform in order of performance."));
  for (int i = 1; i <= script_.ActnCount(); ++i) {
    actions_.push_back(CopyActn(*script_.Actn(i)));
    lbActns_->addItem(actions_.back()->DispTitle());
  }

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Script ID"), edScrptId_);
  fields->addRow(QStringLiteral("ECR Type"), edEcrType_);
  auto* actionsLabel = new QLabel(QStringLiteral("Actions"), this);
  actionsLabel->setBuddy(lbActns_);

  auto* arrows = new QVBoxLayout;
  QToolButton* up = MakeArrow(this, QStringLiteral("UpDown1Up"), Qt::UpArrow);
  QToolButton* down = MakeArrow(this, QStringLiteral("UpDown1Down"), Qt::DownArrow);
  arrows->addStretch();
  arrows->addWidget(up);
  arrows->addWidget(down);
  arrows->addStretch();
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(lbActns_, 1);
  listRow->addLayout(arrows);

  QPushButton* add = MakeButton(this, QStringLiteral("btnAdd"), QStringLiteral("Add Action"),
                                QStringLiteral("Add a new action after the selected Action"));
  QPushButton* del = MakeButton(this, QStringLiteral("btnDel"), QStringLiteral("Delete Action"),
                                QStringLiteral("Delete the currently selected Action"));
  QPushButton* edit = MakeButton(this, QStringLiteral("btnEdtActn"), QStringLiteral("Edit Action"),
                                 QStringLiteral("Edit the currently selected Action"));
  QPushButton* accept = MakeButton(this, QStringLiteral("btnAcpt"), QStringLiteral("Accept"),
                                   QStringLiteral("Accept the Script Changes and post them"));
  QPushButton* cancel = MakeButton(this, QStringLiteral("btnCncl"), QStringLiteral("Cancel"),
                                   QStringLiteral("Ignore any changes"));
  QPushButton* help = MakeButton(this, QStringLiteral("btnHelp"), QStringLiteral("Help"), QString());
  auto* buttons = new QGridLayout;
  buttons->addWidget(add, 0, 0);
  buttons->addWidget(del, 0, 1);
  buttons->addWidget(edit, 0, 2);
  buttons->addWidget(accept, 1, 0);
  buttons->addWidget(cancel, 1, 1);
  buttons->addWidget(help, 1, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(actionsLabel);
  layout->addLayout(listRow, 1);
  layout->addLayout(buttons);

  connect(add, &QPushButton::clicked, this, &TfrmScrptMaint::AddActions);
  connect(del, &QPushButton::clicked, this, &TfrmScrptMaint::DeleteAction);
  connect(edit, &QPushButton::clicked, this, &TfrmScrptMaint::EditAction);
  connect(up, &QToolButton::clicked, this, [this] { Move(-1); });
  connect(down, &QToolButton::clicked, this, [this] { Move(1); });
  connect(accept, &QPushButton::clicked, this, &TfrmScrptMaint::Accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, &TfrmScrptMaint::Help);
  resize(480, 360);
}

TfrmScrptMaint::~TfrmScrptMaint() = default;

void TfrmScrptMaint::InsertAction(std::unique_ptr<tActn> actn) {
  const int selected = lbActns_->currentItem() && lbActns_->currentItem()->isSelected() ? lbActns_->currentRow() : -1;
  const QString title = actn->DispTitle();
  const int count = lbActns_->count();
  if (count == 0 || selected == count - 1) {
    actions_.push_back(std::move(actn));
    lbActns_->addItem(title);
    lbActns_->setCurrentRow(count);
    return;
  }
  const int at = selected + 1; // the top when nothing is selected
  actions_.insert(actions_.begin() + at, std::move(actn));
  lbActns_->insertItem(at, title);
  if (selected >= 0) lbActns_->setCurrentRow(selected);
}

void TfrmScrptMaint::AddActions() {
  const tActn* last = nullptr;
  for (;;) {
    std::unique_ptr<tActn> work = last ? CopyActn(*last) : nullptr;
    tActn::SelectActn(machine_, work, *driver_);
    if (!work) return;
    last = work.get();
    InsertAction(std::move(work));
  }
}

void TfrmScrptMaint::EditAction() {
  const int row = lbActns_->currentRow();
  if (row < 0 || !lbActns_->currentItem()->isSelected()) return;
  actions_[size_t(row)]->EditActn();
}

void TfrmScrptMaint::DeleteAction() {
  const int row = lbActns_->currentRow();
  if (row < 0 || !lbActns_->currentItem()->isSelected()) return;
  actions_.erase(actions_.begin() + row);
  delete lbActns_->takeItem(row);
  if (lbActns_->count() == 0) return;
  lbActns_->setCurrentRow(qMin(row, lbActns_->count() - 1));
}

void TfrmScrptMaint::Move(int step) {
  const int row = lbActns_->currentRow();
  if (row < 0 || !lbActns_->currentItem()->isSelected()) return;
  const int to = row + step;
  if (to < 0 || to >= lbActns_->count()) return;
  std::swap(actions_[size_t(row)], actions_[size_t(to)]);
  QListWidgetItem* item = lbActns_->takeItem(row);
  lbActns_->insertItem(to, item);
  lbActns_->setCurrentRow(to);
}

void TfrmScrptMaint::Accept() {
  if (actions_.empty()) return Prompter::ShowMessage(kNoActions, Prompter::Kind::Information);
  const QString id = edScrptId_->text();
  if (id.isEmpty()) {
    Prompter::Current().Ask(Prompter::Kind::Warning, QString(), QStringLiteral("Script ID required"), Prompter::Ok,
                            Prompter::Ok);
    return;
  }
  if (id != script_.ScrptID() && storedIds_.contains(id, Qt::CaseInsensitive))
    return Prompter::ShowMessage(QStringLiteral("This Script Id is already in use."), Prompter::Kind::Warning);
  script_.SetScrptID(id);
  script_.ClearActns();
  for (const auto& actn : actions_) script_.AddActn(CopyActn(*actn));
  accept();
}

void TfrmScrptMaint::Help() {
  Prompter::ShowMessage(QStringLiteral(
      "Give the script a unique id and list its actions in the order they are to be performed: Add Action adds "
      "after the selected action, the arrows move the selected action up or down."));
}
