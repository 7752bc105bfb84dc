#include "reports/forms/TfrmConsolidate.h"

#include "platform/sys/Clock.h"
#include "platform/sys/Prompter.h"
#include "widgets/WdgOkCancelRow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
QDateEdit* DateEdit(QWidget* parent, const char* name) {
  auto* edit = new QDateEdit(Clock::Current().Now().date(), parent);
  edit->setObjectName(QLatin1String(name));
  edit->setCalendarPopup(true);
  edit->setDisplayFormat(QStringLiteral("M/d/yyyy"));
  return edit;
}

QComboBox* Choice(QWidget* parent, const char* name, const QStringList& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(name));
  box->addItems(items);
  return box;
}

bool ParseInto(const QLineEdit* edit, qint64& value) {
  bool ok = false;
  value = edit->text().trimmed().toLongLong(&ok);
  return ok;
}
} // namespace

TfrmConsolidate::TfrmConsolidate(QWidget* parent)
    : QDialog(parent), beginDate_(DateEdit(this, "BeginDate")), stopDate_(DateEdit(this, "StopDate")),
      type_(Choice(this, "cbxType", {QStringLiteral("ALL"), QStringLiteral("X"), QStringLiteral("Z")})),
      area_(Choice(this, "cbxArea",
                   {QStringLiteral("ALL"), QStringLiteral("AREA 1"), QStringLiteral("AREA 2"), QStringLiteral("AREA 3"),
                    QStringLiteral("AREA 4"), QStringLiteral("AREA 5")})),
      export_(new QCheckBox(QStringLiteral("Export To File"), this)) {
  setObjectName(QStringLiteral("frmConsolidate"));
  setWindowTitle(QStringLiteral("Consolidation Ranges"));
  export_->setObjectName(QStringLiteral("cbxExport"));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Start Date"), beginDate_);
  form->addRow(QStringLiteral("End Date"), stopDate_);
  firstStore_ = AddNumber(*form, "edtFirstStore", "First Store");
  lastStore_ = AddNumber(*form, "edtLastStore", "Last Store");
  firstMachine_ = AddNumber(*form, "edtFirstMachine", "First Machine");
  lastMachine_ = AddNumber(*form, "edtLastMachine", "Last Machine");
  form->addRow(QStringLiteral("Poll Type"), type_);
  form->addRow(QStringLiteral("Poll Area"), area_);
  form->addRow(QString(), export_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(WdgOkCancelRow(*this, [this] { btnOKClick(); }));
}

QLineEdit* TfrmConsolidate::AddNumber(QFormLayout& form, const char* name, const char* caption) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QLatin1String(name));
  form.addRow(QLatin1String(caption), edit);
  return edit;
}

bool TfrmConsolidate::ExportToFile() const { return export_->isChecked(); }

void TfrmConsolidate::btnOKClick() {
  ConsolidationRanges entered;
  entered.startDate = beginDate_->date();
  entered.endDate = stopDate_->date();
  entered.pollType = type_->currentText();
  entered.area = area_->currentText();
  const bool numbers = ParseInto(firstStore_, entered.firstStore) && ParseInto(lastStore_, entered.lastStore) &&
                       ParseInto(firstMachine_, entered.firstMachine) && ParseInto(lastMachine_, entered.lastMachine);
  if (!numbers || !entered.Accepted()) {
    Prompter::ShowMessage(QStringLiteral("Options Not OK"));
    return;
  }
  ranges_ = entered;
  accept();
}
