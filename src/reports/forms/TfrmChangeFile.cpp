#include "reports/forms/TfrmChangeFile.h"

#include "platform/sys/Prompter.h"
#include "widgets/WdgOkCancelRow.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmChangeFile::TfrmChangeFile(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), edtOutFile_(new QLineEdit(this)),
      dlgOutFile_(new QFileDialog(this)) {
  setObjectName(QStringLiteral("frmChangeFile"));
  setWindowTitle(QStringLiteral("Change File Name"));
  edtOutFile_->setObjectName(QStringLiteral("edtOutFile"));
  edtOutFile_->setMinimumWidth(360);
  dlgOutFile_->setObjectName(QStringLiteral("dlgOutFile"));
  dlgOutFile_->setAcceptMode(QFileDialog::AcceptSave);
  dlgOutFile_->setNameFilters({QStringLiteral("V5 Inventory Files (*.DTA)"), QStringLiteral("All Files (*.*)")});
  dlgOutFile_->setDefaultSuffix(QStringLiteral("DTA"));
  dlgOutFile_->setOption(QFileDialog::DontUseNativeDialog);

  auto* browse = new QPushButton(QStringLiteral("Browse"), this);
  browse->setObjectName(QStringLiteral("btnBrowse"));
  connect(browse, &QPushButton::clicked, this, &TfrmChangeFile::btnBrowseClick);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Output File"), this), 0, 0);
  layout->addWidget(edtOutFile_, 1, 0, 1, 3);
  layout->addWidget(browse, 1, 3);
  layout->addLayout(WdgOkCancelRow(*this, [this] { btnOKClick(); }), 2, 0, 1, 4);
}

QString TfrmChangeFile::FileName() const { return edtOutFile_->text(); }

void TfrmChangeFile::btnBrowseClick() {
  if (dlgOutFile_->exec() == QDialog::Accepted && !dlgOutFile_->selectedFiles().isEmpty())
    edtOutFile_->setText(dlgOutFile_->selectedFiles().constFirst());
}

void TfrmChangeFile::btnOKClick() {
  if (edtOutFile_->text().isEmpty()) {
    edtOutFile_->setFocus();
    Prompter::Current().Ask(Prompter::Kind::Warning, windowTitle(), QStringLiteral("Please enter a File Name"), Prompter::Ok,
                            Prompter::Ok);
    return;
  }
  accept();
}
