#include "reports/forms/TfrmAllPolls.h"

#include "model/ZeroSkip.h"
#include "model/tEcrRpt.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Exception.h"
#include "platform/sys/Prompter.h"
#include "platform/tablemodel/TEngineTableModel.h"
#include "reports/AllPollsDelete.h"
#include "reports/AllPollsExport.h"
#include "reports/RptPollReport.h"
#include "reports/forms/AllPollsFilter.h"
#include "reports/forms/AllPollsGrid.h"
#include "reports/forms/PollExportFile.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/SettingsKeys.h"
#include "store/settings/TUtRegIni.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
bool ReadSetting(const SettingsKeys::BooleanKey& key) {
  return OpenSettingsFile(QString::fromLatin1(key.Section))->ReadBoolean(QString::fromLatin1(key.Key), key.Default);
}

// The index a title click sorts by: the column's own index, or the primary index for
// "Poll Id" and "Machine Id"; nothing for columns without one.
std::optional<QString> SortIndexOf(const QString& field) {
  for (const char* own : {"Report Name", "Poll Date", "Ecr Date"})
    if (field == QLatin1String(own)) return field;
  if (field == QLatin1String("Poll Id") || field == QLatin1String("Machine Id")) return QString();
  return std::nullopt;
}

// Runs a step of the browser; an error is shown and the browser stays open.
template <class F> void Guarded(F step) {
  try {
    step();
  } catch (const Exception& e) {
    Prompter::ShowMessage(e.Message(), Prompter::Kind::Error);
  }
}
} // namespace

TfrmAllPolls::TfrmAllPolls(QWidget* parent)
    : QDialog(parent), table_(std::make_unique<TTable>()), filter_(new AllPollsFilter(this)),
      grid_(new AllPollsGrid(this)), zeroSkip_(new QCheckBox(QStringLiteral("Zero Skip"), this)),
      print_(new QPushButton(QStringLiteral("Print"), this)), preview_(new QPushButton(QStringLiteral("Preview"), this)),
      export_(new QPushButton(QStringLiteral("Export"), this)), cons_(new QPushButton(QStringLiteral("Consolidate"), this)) {
  setObjectName(QStringLiteral("frmAllPolls"));
  setWindowTitle(QStringLiteral("All Polls"));
  resize(980, 520);
  grid_->setObjectName(QStringLiteral("DBGrid1"));
  zeroSkip_->setObjectName(QStringLiteral("cbxZeroSkip"));
  print_->setObjectName(QStringLiteral("btnPrint"));
  preview_->setObjectName(QStringLiteral("BtnPreview"));
  export_->setObjectName(QStringLiteral("btnExport"));
  cons_->setObjectName(QStringLiteral("btnCons"));

  zeroSkip_->setChecked(ReadSetting(SettingsKeys::Reports::ZeroSkip));
  connect(zeroSkip_, &QCheckBox::toggled, this, [](bool on) {
    OpenSettingsFile(QString::fromLatin1(SettingsKeys::Reports::Section))
        ->WriteBoolean(QString::fromLatin1(SettingsKeys::Reports::ZeroSkip.Key), on);
  });
  filter_->SetHeadsOnly(ReadSetting(SettingsKeys::Reporting::CRS3000Fncl));

  tEcrRpt::OpenAllPolls();
  table_->SetDatabaseName(QString::fromLatin1(EngineConfig::kDataAlias));
  table_->SetTableName(QStringLiteral("AllPolls"));
  table_->Open();
  model_ = std::make_unique<TEngineTableModel>(*table_);
  filter_->setSourceModel(model_.get());
  grid_->setModel(filter_);
  QHeaderView* header = grid_->horizontalHeader();
  const QList<AllPollsFilter::Column>& columns = AllPollsFilter::Columns();
  for (int place = 0; place < columns.size(); ++place)
    for (int logical = 0; logical < filter_->columnCount(); ++logical)
      if (filter_->headerData(logical, Qt::Horizontal).toString() == QLatin1String(columns[place].field)) {
        header->moveSection(header->visualIndex(logical), place);
        // The design's widths, at least as wide as the heading in this font.
        const QString field = QString::fromLatin1(columns[place].field);
        const QString widest = field.endsWith(QLatin1String("Date")) ? QStringLiteral("12/31/2026 12:00:00 PM") : field;
        const int heading = header->fontMetrics().horizontalAdvance(widest) + 16;
        if (columns[place].width > 0) header->resizeSection(logical, std::max(columns[place].width, heading));
      }
  header->setSectionsClickable(true);

  connect(grid_, &QTableView::clicked, this, &TfrmAllPolls::CellClick);
  connect(grid_, &QTableView::doubleClicked, this, &TfrmAllPolls::BtnPreviewClick);
  connect(header, &QHeaderView::sectionClicked, this, &TfrmAllPolls::TitleClick);
  connect(print_, &QPushButton::clicked, this, &TfrmAllPolls::btnPrintClick);
  connect(preview_, &QPushButton::clicked, this, &TfrmAllPolls::BtnPreviewClick);
  connect(export_, &QPushButton::clicked, this, &TfrmAllPolls::btnExportClick);
  connect(cons_, &QPushButton::clicked, this, &TfrmAllPolls::btnConsClick);

  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  BuildNavigator(top);
  top->addSpacing(16);
  top->addWidget(zeroSkip_);
  top->addSpacing(16);
  top->addWidget(print_);
  top->addWidget(preview_);
  top->addWidget(export_);
  top->addWidget(cons_);
  top->addStretch(1);
  layout->addLayout(top);
  layout->addWidget(grid_, 1);

  filter_->FetchAll();
  MoveTo(filter_->rowCount() - 1);
}

TfrmAllPolls::~TfrmAllPolls() {
  grid_->setModel(nullptr);
  filter_->setSourceModel(nullptr);
  model_.reset();
  table_->Close();
}

void TfrmAllPolls::BuildNavigator(QHBoxLayout* top) {
  struct Button {
    const char* name;
    const char* text;
    const char* tip;
    std::function<void()> action;
  };
  const Button buttons[] = {
      {"nbFirst", "|<", "First record", [this] { MoveTo(0); }},
      {"nbPrior", "<", "Prior record", [this] { MoveTo(grid_->currentIndex().row() - 1); }},
      {"nbNext", ">", "Next record", [this] { MoveTo(grid_->currentIndex().row() + 1); }},
      {"nbLast", ">|", "Last record", [this] {
         filter_->FetchAll();
         MoveTo(filter_->rowCount() - 1);
       }},
      {"nbDelete", "-", "Delete record", [this] { DeleteClick(); }},
      {"nbRefresh", "\u21BB", "Refresh data", [this] { Reload(CurrentPollId()); }},
  };
  auto* navigator = new QWidget(this);
  navigator->setObjectName(QStringLiteral("DBNavigator"));
  auto* row = new QHBoxLayout(navigator);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  for (const Button& button : buttons) {
    auto* tool = new QToolButton(navigator);
    tool->setObjectName(QString::fromLatin1(button.name));
    tool->setText(QString::fromUtf8(button.text));
    tool->setToolTip(QString::fromLatin1(button.tip));
    tool->setMinimumWidth(28);
    connect(tool, &QToolButton::clicked, this, button.action);
    row->addWidget(tool);
  }
  top->addWidget(navigator);
}

qint32 TfrmAllPolls::CurrentPollId() const {
  const QModelIndex current = grid_->currentIndex();
  return current.isValid() ? filter_->PollId(current.row()) : 0;
}

QList<qint32> TfrmAllPolls::SelectedPollIds() const {
  QList<qint32> ids;
  for (const QModelIndex& row : grid_->selectionModel()->selectedRows()) ids.append(filter_->PollId(row.row()));
  std::sort(ids.begin(), ids.end());
  return ids;
}

void TfrmAllPolls::MoveTo(int row) {
  if (row < 0 || row >= filter_->rowCount()) return;
  grid_->selectionModel()->setCurrentIndex(filter_->index(row, 0), QItemSelectionModel::NoUpdate);
  grid_->scrollTo(filter_->index(row, 0));
}

void TfrmAllPolls::CellClick(const QModelIndex& index) {
  const qint32 clicked = filter_->PollId(index.row());
  grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  if (!grid_->ShiftHeld() || !grid_->selectionModel()->hasSelection()) {
    lastClicked_ = clicked;
    return;
  }
  SelectRange(std::min(clicked, lastClicked_), std::max(clicked, lastClicked_));
}

void TfrmAllPolls::SelectRange(qint32 low, qint32 high) {
  int row = filter_->RowOf(low);
  if (row < 0) return;
  QItemSelectionModel& selection = *grid_->selectionModel();
  for (; row < filter_->rowCount(); ++row) {
    selection.select(filter_->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    lastClicked_ = filter_->PollId(row);
    if (lastClicked_ == high) break;
  }
  MoveTo(std::min(row, filter_->rowCount() - 1));
}

void TfrmAllPolls::TitleClick(int logicalColumn) {
  const std::optional<QString> index = SortIndexOf(filter_->headerData(logicalColumn, Qt::Horizontal).toString());
  if (!index) return;
  const qint32 current = CurrentPollId();
  table_->SetIndexName(*index);
  Reload(current);
}

void TfrmAllPolls::Reload(qint32 keepPollId) {
  grid_->clearSelection();
  model_->Refresh();
  filter_->invalidate();
  const int row = filter_->RowOf(keepPollId);
  MoveTo(row >= 0 ? row : filter_->rowCount() - 1);
}

void TfrmAllPolls::DoAReport(bool print) {
  const qint32 pollId = CurrentPollId();
  if (pollId <= 0) return;
  Guarded([&] {
    const RptPollReport report(RptPollReport::ClassesOf(pollId));
    ZeroSkip = zeroSkip_->isChecked();
    report.Report().Present(print, pollId);
  });
}

void TfrmAllPolls::BtnPreviewClick() {
  // The preview runs a message loop: a second click or double-click meanwhile is ignored.
  if (previewOpen_) return;
  previewOpen_ = true;
  const auto done = qScopeGuard([this] { previewOpen_ = false; });
  DoAReport(false);
}

void TfrmAllPolls::btnPrintClick() {
  const qint32 current = CurrentPollId();
  for (qint32 pollId : SelectedPollIds()) {
    MoveTo(filter_->RowOf(pollId));
    DoAReport(true);
  }
  MoveTo(filter_->RowOf(current));
}

void TfrmAllPolls::DeleteClick() {
  QList<qint32> chosen = SelectedPollIds();
  if (chosen.size() < 2) chosen = {CurrentPollId()};
  chosen.removeAll(0);
  if (chosen.isEmpty()) return;
  Guarded([&] {
    if (AllPollsDelete::HoldsSection(chosen)) {
      Prompter::ShowMessage(AllPollsDelete::RefusalText());
      return;
    }
    if (Prompter::Current().Ask(Prompter::Kind::Confirmation, QStringLiteral("Confirm"), QStringLiteral("Confirm Delete"),
                                Prompter::Ok | Prompter::Cancel, Prompter::Cancel) != Prompter::Ok)
      return;
    const int row = grid_->currentIndex().row();
    AllPollsDelete::Delete(AllPollsDelete::PollsToDelete(chosen));
    Reload(0);
    MoveTo(std::min(row, filter_->rowCount() - 1));
  });
}
