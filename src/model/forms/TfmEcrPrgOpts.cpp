#include "model/forms/TfmEcrPrgOpts.h"

#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "platform/sys/TDateTime.h"
#include "widgets/TWdgTCColHead.h"
#include "widgets/TWdgTCString.h"
#include "widgets/TWdgTable.h"

#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kIdColumn = 1;
constexpr int kMaxIdLength = 255;
} // namespace

TfmEcrPrgOpts::TfmEcrPrgOpts(tEcr& ecr, QString defaultId, QWidget* parent)
    : QDialog(parent),
      ecr_(ecr),
      defaultId_(std::move(defaultId)),
      table_(new TWdgTable(this)),
      head_(new TWdgTCColHead(this)),
      cell_(new TWdgTCString(this)) {
  setObjectName(QStringLiteral("fmEcrPrgOpts"));
  setWindowTitle(QStringLiteral("Edit Ecr - Program ID's"));
  for (int i = 1; i <= ecr_.PrgCount(); ++i) {
    const QString id = ecr_.Prg(i)->GetProgramID();
    ids_.push_back(id.isEmpty() ? defaultId_ : id);
  }

  table_->setObjectName(QStringLiteral("WdgTable1"));
  head_->SetHeadings({QStringLiteral("Program Name"), QStringLiteral("Program ID"), QStringLiteral("Last Sent"),
                      QStringLiteral("Last Saved")});
  head_->SetShowLetters(false);
  cell_->SetMaxLength(kMaxIdLength);
  cell_->SetAutoAdvanceLeftRight(true);
  table_->SetColCount(4);
  const int widths[] = {144, 150, 220, 220};
  for (int c = 0; c < 4; ++c) {
    table_->Columns().Column(c)->SetWidth(widths[c]);
    table_->SetColumnCell(c, cell_);
  }
  table_->SetLockedRowsCell(head_);
  table_->OnGetCellData = [this](TWdgTable*, int row, int col, QString*& data, TWdgCellDataPurpose purpose) {
    if (purpose == cdpSave && col != kIdColumn) return; // only the Program ID is edited
    CellData(row, col, data);
  };
  table_->OnDoneEdit = [this](TWdgTable*, int row, int col) {
    if (col == kIdColumn) StoreRow(row);
  };
  table_->SetRowLimit(int(ids_.size()) + 1);

  auto* setDefault = new QPushButton(QStringLiteral("Set All Program ID's to Default"), this);
  setDefault->setObjectName(QStringLiteral("btnSetPrgId"));
  setDefault->setAutoDefault(false);
  auto* exit = new QPushButton(QStringLiteral("Exit"), this);
  exit->setObjectName(QStringLiteral("btnExit"));
  exit->setAutoDefault(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(setDefault);
  buttons->addStretch();
  buttons->addWidget(exit);
  layout->addLayout(buttons);
  connect(setDefault, &QPushButton::clicked, this, &TfmEcrPrgOpts::SetAllToDefault);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  resize(780, 360);
  table_->setFocus();
}

QString TfmEcrPrgOpts::StampText(TDateTime stamp) {
  if (stamp.IsZero()) return QStringLiteral("Never");
  return QLocale(QLocale::English, QLocale::UnitedStates)
      .toString(stamp.ToQDateTime(), QStringLiteral("dddd, MMMM d, yyyy, hh:mm AP"));
}

void TfmEcrPrgOpts::CellData(int row, int col, QString*& data) {
  if (row < 1 || row > int(ids_.size())) return;
  const tEcrPrg* prg = ecr_.Prg(row);
  switch (col) {
  case 0: scratch_ = prg->GetPrgName(); break;
  case kIdColumn: data = &ids_[size_t(row - 1)]; return;
  case 2: scratch_ = StampText(prg->LastSnt()); break;
  case 3: scratch_ = StampText(prg->LastSvd()); break;
  default: return;
  }
  data = &scratch_;
}

void TfmEcrPrgOpts::StoreRow(int row) {
  if (row >= 1 && row <= int(ids_.size())) ecr_.Prg(row)->SetProgramID(ids_[size_t(row - 1)]);
}

void TfmEcrPrgOpts::SetAllToDefault() {
  table_->StopCellEdit(false);
  table_->EnableRedraw(false);
  for (size_t i = 0; i < ids_.size(); ++i) {
    ids_[i] = defaultId_;
    StoreRow(int(i) + 1);
  }
  table_->RepaintColumn(kIdColumn);
  table_->EnableRedraw(true);
}

void TfmEcrPrgOpts::done(int result) {
  table_->StopCellEdit(true);
  for (size_t i = 0; i < ids_.size(); ++i) StoreRow(int(i) + 1);
  QDialog::done(result);
}
