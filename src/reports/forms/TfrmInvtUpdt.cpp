#include "reports/forms/TfrmInvtUpdt.h"

#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"
#include "reports/InvtFileName.h"
#include "reports/InvtUpdtForms.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmInvtUpdt::TfrmInvtUpdt(QWidget* parent) : QDialog(parent), edtOutFile_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("frmInvtUpdt"));
  setWindowTitle(QStringLiteral("Version 6 Interface To Version 5 Inventory"));
  setAttribute(Qt::WA_DeleteOnClose);
  edtOutFile_->setObjectName(QStringLiteral("edtOutFile"));
  edtOutFile_->setReadOnly(true);
  edtOutFile_->setEnabled(false);
  edtOutFile_->setMinimumWidth(360);
  auto* output = new QPushButton(QStringLiteral("Select Poll"), this);
  auto* change = new QPushButton(QStringLiteral("Change File"), this);
  output->setObjectName(QStringLiteral("btnOutput"));
  change->setObjectName(QStringLiteral("Button1"));
  connect(output, &QPushButton::clicked, this, &TfrmInvtUpdt::btnOutputClick);
  connect(change, &QPushButton::clicked, this, &TfrmInvtUpdt::Button1Click);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Output File"), this), 0, 0);
  layout->addWidget(edtOutFile_, 1, 0, 1, 2);
  layout->addWidget(output, 2, 0);
  layout->addWidget(change, 2, 1);

  edtOutFile_->setText(InvtFileName::GetInvtFileName());
  closedAtOnce_ = edtOutFile_->text() == QLatin1String(InvtFileName::kNoFile);
}

void TfrmInvtUpdt::btnOutputClick() {
  if (edtOutFile_->text().isEmpty()) {
    Prompter::ShowMessage(QStringLiteral("Specify a file to write to."));
    return;
  }
  SelectPollRequest request{edtOutFile_->text()};
  FormRegistry::Show(request);
}

void TfrmInvtUpdt::Button1Click() {
  InvtFileName::ChangeInvtFile();
  edtOutFile_->setText(InvtFileName::GetInvtFileName());
}
