#include "reports/forms/TfrmSelectPoll.h"

#include "platform/engine/EngineConfig.h"
#include "platform/engine/TTable.h"
#include "platform/tablemodel/TEngineTableModel.h"
#include "reports/forms/PollDatesProxy.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {
// The grid's columns, in order, with their widths; Updatable's other fields are hidden.
const std::pair<const char*, int> kColumns[] = {
    {"Machine Id", 82}, {"Poll Date", 160}, {"Store Number", 76}, {"Machine Number", 90}};
} // namespace

TfrmSelectPoll::TfrmSelectPoll(const QString& fileName, PolUpdtFl::DeviceFactory factory, QWidget* parent)
    : QDialog(parent), update_(std::move(factory)), table_(std::make_unique<TTable>()), grid_(new QTableView(this)) {
  setObjectName(QStringLiteral("frmSelectPoll"));
  setWindowTitle(QStringLiteral("Select Poll"));
  update_.OpenInvtTables();
  table_->SetDatabaseName(QString::fromLatin1(EngineConfig::kDataAlias));
  table_->SetTableName(QStringLiteral("Updatable"));
  table_->Open();
  model_ = std::make_unique<TEngineTableModel>(*table_);
  shown_ = std::make_unique<PollDatesProxy>();
  shown_->setSourceModel(model_.get());

  grid_->setObjectName(QStringLiteral("DBGrid1"));
  grid_->setModel(shown_.get());
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  QHeaderView* header = grid_->horizontalHeader();
  header->setDefaultAlignment(Qt::AlignCenter);
  for (int logical = 0; logical < model_->columnCount(); ++logical) grid_->setColumnHidden(logical, true);
  int place = 0;
  for (const auto& [field, width] : kColumns) {
    const int logical = table_->FieldByName(QString::fromLatin1(field)).Index();
    grid_->setColumnHidden(logical, false);
    header->moveSection(header->visualIndex(logical), place++);
    header->resizeSection(logical, std::max(width, header->fontMetrics().horizontalAdvance(QString::fromLatin1(field)) + 16));
  }

  auto* file = new QLabel(fileName, this);
  file->setObjectName(QStringLiteral("lblFile"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  auto* all = new QPushButton(QStringLiteral("Update All"), this);
  ok->setObjectName(QStringLiteral("btnOk"));
  cancel->setObjectName(QStringLiteral("btnCancel"));
  all->setObjectName(QStringLiteral("Button1"));
  connect(ok, &QPushButton::clicked, this, &TfrmSelectPoll::btnOkClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(all, &QPushButton::clicked, this, &TfrmSelectPoll::Button1Click);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("To File:"), this), 0, 0);
  layout->addWidget(file, 0, 1, 1, 3);
  layout->addWidget(grid_, 1, 0, 1, 4);
  layout->addWidget(ok, 2, 1);
  layout->addWidget(cancel, 2, 2);
  layout->addWidget(all, 2, 3);
  layout->setColumnStretch(1, 1);
  resize(520, 360);
  Reload();
}

TfrmSelectPoll::~TfrmSelectPoll() {
  grid_->setModel(nullptr);
  shown_.reset();
  model_.reset();
  table_->Close();
  update_.CloseInvtTables();
}

qint32 TfrmSelectPoll::CurrentPollId() const {
  const QModelIndex current = grid_->currentIndex();
  if (!current.isValid()) return 0;
  return model_->index(current.row(), table_->FieldByName(QStringLiteral("Poll Id")).Index()).data(Qt::EditRole).toInt();
}

void TfrmSelectPoll::btnOkClick() {
  if (const qint32 poll = CurrentPollId()) update_.UpdateOne(poll);
  Reload();
}

void TfrmSelectPoll::Button1Click() {
  update_.UpdateAll();
  Reload();
}

// After a change the list is read again and the first row is current, as the row written
// leaves it.
void TfrmSelectPoll::Reload() {
  model_->Refresh();
  if (shown_->rowCount() > 0) grid_->setCurrentIndex(shown_->index(0, table_->FieldByName(QStringLiteral("Machine Id")).Index()));
}
