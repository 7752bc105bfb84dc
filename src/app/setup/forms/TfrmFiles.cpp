#include "app/setup/forms/TfrmFiles.h"

#include "app/setup/forms/RetryFields.h"
#include "app/setup/forms/TRadioGroup.h"
#include "widgets/WdgOkCancelRow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QGroupBox* Group(const QString& caption, QWidget* content, QWidget* parent) {
  auto* group = new QGroupBox(caption, parent);
  auto* layout = new QVBoxLayout(group);
  content->setParent(group);
  layout->addWidget(content);
  return group;
}

QCheckBox* Check(const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}
} // namespace

TfrmFiles::TfrmFiles(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmFiles"));
  setWindowTitle(QStringLiteral("Preferences"));
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("Notebook"));
  pages_->addTab(GeneralPage(), QStringLiteral("General"));
  pages_->addTab(CrsOptionsPage(), QStringLiteral("CRS Options"));

  QHBoxLayout* buttons = WdgOkCancelRow(*this, [this] { Ok(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);

  shown_ = LoadPreferences();
  Show(shown_);
  pages_->setCurrentIndex(0);
}

QWidget* TfrmFiles::GeneralPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("tabGeneral"));
  exportType_ = new TRadioGroup(QStringLiteral("Report File Export Type"),
                                {QStringLiteral("Poll ID"),
                                 QStringLiteral("Location - (Store #, Machine #, Date and Z Counter)"),
                                 QStringLiteral("Report Type - (Report Type, Location)"),
                                 QStringLiteral("Area - (Location, Report Area)"), QStringLiteral("Food-Trak")},
                                page);
  exportType_->setObjectName(QStringLiteral("rgpExportType"));
  retries_ = new RetryFields(page);
  calendar_ = Check("cbxCal", QStringLiteral("Calendar Is Active"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(exportType_);
  auto* lower = new QHBoxLayout;
  lower->addWidget(retries_);
  lower->addWidget(Group(QStringLiteral("Calendar"), calendar_, page), 0, Qt::AlignTop);
  layout->addLayout(lower);
  layout->addStretch();
  return page;
}

QWidget* TfrmFiles::CrsOptionsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("tabCrsOptions"));
  crsFinancial_ = Check("cbxCRS", QStringLiteral("Show only 1 record per CRS 3000 Financial report"));
  crsHeaders_ = Check("chkCrsHead", QStringLiteral("File has Column Headers"));
  listing_ = new TRadioGroup(QStringLiteral("Listing Options"),
                             {QStringLiteral("Item Listing 1: AutoNum, PLU Num, PLU Name, Price 1"),
                              QStringLiteral("Item Listing 2: PLU Num, PLU Name, Price 1"),
                              QStringLiteral("Item Listing 3: PLU Num, PLU Name, Price 1, Sub Group Num")},
                             page);
  listing_->setObjectName(QStringLiteral("grpCrsExpOpt"));
  auto* listingFile = new QGroupBox(QStringLiteral("Listing File"), page);
  auto* listingLayout = new QVBoxLayout(listingFile);
  crsHeaders_->setParent(listingFile);
  listingLayout->addWidget(crsHeaders_);
  listing_->setParent(listingFile);
  listingLayout->addWidget(listing_);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Group(QStringLiteral("Reporting"), crsFinancial_, page));
  layout->addWidget(listingFile);
  layout->addStretch();
  return page;
}

void TfrmFiles::Show(const Preferences& values) {
  exportType_->SetItemIndex(values.exportFormat);
  retries_->SetValues(values.initRetry, values.defRetry, values.waitTime);
  calendar_->setChecked(values.calendarActive);
  crsFinancial_->setChecked(values.crs3000Fncl);
  crsHeaders_->setChecked(values.crsHeaders);
  listing_->SetItemIndex(values.listingIndex);
}

Preferences TfrmFiles::Chosen() const {
  // A group whose stored index none of its items has keeps that index.
  const auto index = [](const TRadioGroup* group, qint32 shown) {
    return group->ItemIndex() < 0 ? shown : group->ItemIndex();
  };
  Preferences p;
  p.exportFormat = index(exportType_, shown_.exportFormat);
  p.initRetry = retries_->InitRetry();
  p.defRetry = retries_->DefRetry();
  p.waitTime = retries_->WaitTime();
  p.calendarActive = calendar_->isChecked();
  p.crs3000Fncl = crsFinancial_->isChecked();
  p.crsHeaders = crsHeaders_->isChecked();
  p.listingIndex = index(listing_, shown_.listingIndex);
  return p;
}

void TfrmFiles::Ok() {
  StorePreferences(shown_, Chosen());
  accept();
}
