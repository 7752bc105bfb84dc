#include "comm/scripts/forms/TfmScrptSelct.h"

#include "comm/scripts/ScrptForms.h"
#include "comm/scripts/ScrptList.h"
#include "comm/scripts/ScrptListingReport.h"
#include "comm/scripts/tScrpt.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/sys/Clock.h"
#include "platform/sys/EUserAbort.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"
#include "reports/engine/RptPreviewRequest.h"
#include "store/odb/OdbErrors.h"
#include "widgets/WdgButtonColumn.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
void TellIdInUse() {
  Prompter::Current().Ask(Prompter::Kind::Warning, QString(),
                          QStringLiteral("Script ID Already In Use, Please Use A Different ID"), Prompter::Ok,
                          Prompter::Ok);
}
} // namespace

TfmScrptSelct::TfmScrptSelct(ScrptListRequest& request, QWidget* parent)
    : QDialog(parent), request_(request), list_(new QListWidget(this)) {
  request_.chosen.reset();
  setWindowTitle(QStringLiteral("Script List"));
  list_->setObjectName(QStringLiteral("ScrptList"));
  list_->setSortingEnabled(true);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_, 1);
  auto* buttons = new QVBoxLayout;
  layout->addLayout(buttons);
  AddButtonColumn(*this, *buttons,
                  {{"btnSelect", "Select", "Select the highlighted Script", [this] { Select(); }},
                   {"btnDup", "Duplicate", "Duplicate the highlighted script", [this] { Duplicate(); }},
                   {"btnEdit", "Edit", "Edit the highlighted script", [this] { Edit(); }},
                   {"btnAddScrpt", "Add Script", "Add a new script", [this] { AddNew(); }},
                   {"btnListing", "Listing", "Print the listings", [this] { Listing(); }},
                   {"btnDeleteScrpt", "Delete Script", "Delete the highlighted script", [this] { DeleteScrpt(); }},
                   {"btnHelp", "Help", "", [this] { Help(); }},
                   {"Button1", "Cancel", "", [this] { reject(); }, true}});
  auto* select = findChild<QPushButton*>(QStringLiteral("btnSelect"));
  select->setEnabled(!request_.maintenanceOnly);
  select->setDefault(!request_.maintenanceOnly);
  connect(list_, &QListWidget::itemDoubleClicked, this, &TfmScrptSelct::Select);

  QStringList ids;
  ListScrpts(ids, request_.driver);
  list_->addItems(ids);
  if (list_->count() > 0) list_->setCurrentRow(0);
  resize(460, 320);
}

QString TfmScrptSelct::SelectedId() const {
  const QListWidgetItem* item = list_->currentItem();
  return item && item->isSelected() ? item->text() : QString();
}

void TfmScrptSelct::AfterChange() {
  list_->sortItems();
  list_->clearSelection();
  list_->setCurrentItem(nullptr);
}

void TfmScrptSelct::Select() {
  if (request_.maintenanceOnly) return Edit();
  const QString id = SelectedId();
  if (id.isEmpty()) return;
  request_.chosen = LoadScrpt(id);
  if (request_.chosen) accept();
}

void TfmScrptSelct::AddNew() {
  try {
    tScrpt script(request_.driver);
    AddScrpt(script);
  } catch (const EUserAbort&) {
    // the register type was not chosen: nothing to add
  }
}

void TfmScrptSelct::AddScrpt(tScrpt& script) {
  while (script.Maint(request_.machine)) {
    try {
      InsertScrpt(script);
    } catch (const EDBEngineError&) {
      TellIdInUse();
      continue;
    } catch (const EOdbKeyViolation&) {
      TellIdInUse();
      continue;
    } catch (const EUserAbort&) {
      return;
    }
    list_->addItem(script.ScrptID());
    list_->sortItems();
    return;
  }
}

void TfmScrptSelct::Edit() {
  QListWidgetItem* item = list_->currentItem();
  const QString id = SelectedId();
  if (id.isEmpty()) return;
  std::unique_ptr<tScrpt> script = LoadScrpt(id);
  if (!script) return;
  if (script->Maint(request_.machine)) {
    try {
      UpdateScrpt(id, *script);
    } catch (const EDBEngineError&) {
      TellIdInUse(); // stored by someone else meanwhile: the record keeps its id
      script->SetScrptID(id);
    } catch (const EOdbKeyViolation&) {
      TellIdInUse();
      script->SetScrptID(id);
    }
  }
  item->setText(script->ScrptID());
  AfterChange();
}

void TfmScrptSelct::DeleteScrpt() {
  const QString id = SelectedId();
  if (id.isEmpty()) return;
  std::unique_ptr<tScrpt> script = LoadScrpt(id);
  if (!script) return;
  ::DeleteScrpt(id);
  delete list_->takeItem(list_->currentRow());
  AfterChange();
}

void TfmScrptSelct::Duplicate() {
  const QString id = SelectedId();
  if (id.isEmpty()) return;
  std::unique_ptr<tScrpt> script = LoadScrpt(id);
  if (!script) return;
  script->SetScrptID(QString());
  AddScrpt(*script);
}

void TfmScrptSelct::Listing() {
  QStringList ids;
  for (int i = 0; i < list_->count(); ++i) ids << list_->item(i)->text();
  const QString printedAt = Clock::Current().Now().toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
  QList<ScrptListing::Record> records = ScrptListing::Records(ids);
  if (records.isEmpty()) return; // nothing to print
  TScrptListingReport report(std::move(records), printedAt);
  RptPreviewRequest preview{report, std::nullopt};
  FormRegistry::Show(preview);
}

void TfmScrptSelct::Help() {
  Prompter::ShowMessage(QStringLiteral(
      "Select runs the highlighted script; Add Script, Duplicate and Edit open the script in Script Maintenance; "
      "Delete Script removes it; Listing prints every listed script with its actions."));
}
