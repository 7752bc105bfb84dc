#include "comm/jobs/forms/TfmHistoryMaint.h"

#include "comm/jobs/HisStatus.h"
#include "comm/jobs/JobProgress.h"
#include "comm/jobs/forms/HistoryCellDelegate.h"
#include "comm/jobs/forms/HistoryColours.h"
#include "comm/jobs/forms/JobText.h"
#include "comm/jobs/forms/TfmHistoryEventMaint.h"
#include "comm/jobs/tHistory.h"
#include "comm/jobs/tHistoryEvent.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/PumpDelay.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QString HistoryQueue = QStringLiteral("History");
const QString AllPending = QStringLiteral("Pending");
} // namespace

TfmHistoryMaint::TfmHistoryMaint(QWidget* parent, const QString& queueName)
    : QWidget(parent, Qt::Window), queueName_(queueName) {
  setObjectName(QStringLiteral("fmHistoryMaint"));
  setWindowTitle(queueName);
  BuildGrid();
  auto* top = new QHBoxLayout;
  top->addWidget(grid_, 1);
  top->addWidget(BuildLegend());
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(BuildButtons());
  resize(793, 300);
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->geometry();
    move((area.width() - 793) / 2, (area.height() - 600) / 2 + 292);
  }
  Load();
}

bool TfmHistoryMaint::ShowsHistory() const { return queueName_ == HistoryQueue; }

void TfmHistoryMaint::BuildGrid() {
  grid_ = new QTableWidget(1, ColourColumn + 1, this);
  grid_->setObjectName(QStringLiteral("grdHistory"));
  grid_->setHorizontalHeaderLabels({QString(), QStringLiteral("Id"), QStringLiteral("Machine Id"),
                                    QStringLiteral("Type"), QStringLiteral("Event Name"),
                                    QStringLiteral("Successful"), QStringLiteral("Date"), QStringLiteral("Time"),
                                    QStringLiteral("COLOR")});
  grid_->verticalHeader()->hide();
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setItemDelegate(new HistoryCellDelegate(ColourColumn, grid_));
  grid_->setColumnWidth(0, 12);
  grid_->setColumnWidth(7, 65);
  grid_->setColumnWidth(StatusColumn, StatusColumnWidth());
  grid_->setColumnHidden(ColourColumn, true);
  connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { Properties(); });
}

// Wide enough for the longest status text ("Success With Retry") with the cell's margins,
// and for the heading.
int TfmHistoryMaint::StatusColumnWidth() const {
  const int margins = 2 * (grid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) + 1);
  int widest = grid_->horizontalHeader()->sectionSizeHint(StatusColumn);
  for (qint32 code = 0; code <= HisStatus::SuccessWithRetry; ++code)
    widest = std::max(widest, grid_->fontMetrics().horizontalAdvance(HisStatus::StatusText(code)) + margins);
  return widest + 4;
}

QWidget* TfmHistoryMaint::BuildLegend() {
  auto* legend = new QWidget(this);
  legend->setObjectName(QStringLiteral("pnlLegend"));
  auto* layout = new QVBoxLayout(legend);
  for (const HistoryLegendEntry& entry : HistoryLegend()) {
    auto* label = new QLabel(entry.caption, legend);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, entry.colour);
    palette.setColor(QPalette::WindowText, entry.colour == QColor(Qt::white) ? Qt::black : Qt::white);
    label->setPalette(palette);
    label->setMargin(3);
    layout->addWidget(label);
  }
  layout->addStretch();
  return legend;
}

QWidget* TfmHistoryMaint::BuildButtons() {
  auto* bar = new QWidget(this);
  auto* layout = new QHBoxLayout(bar);
  const struct {
    const char* name;
    const char* text;
    std::function<void()> action;
  } buttons[] = {
      {"btnFirst", "|<", [this] { MoveTo(0); }},
      {"btnPrior", "<", [this] { MoveTo(qMax(0, grid_->currentRow() - 1)); }},
      {"btnNext", ">", [this] { MoveTo(qMin(grid_->rowCount() - 1, grid_->currentRow() + 1)); }},
      {"btnLast", ">|", [this] { MoveTo(grid_->rowCount() - 1); }},
      {"btnRetry", "Retry", [this] { Retry(); }},
      {"btnDelete", "Delete", [this] { Delete(); }},
      {"btnProperties", "Properties", [this] { Properties(); }},
      {"btnClose", "Close", [this] { close(); }},
  };
  for (const auto& b : buttons) {
    auto* button = new QPushButton(QString::fromLatin1(b.text), bar);
    button->setObjectName(QString::fromLatin1(b.name));
    connect(button, &QPushButton::clicked, this, b.action);
    layout->addWidget(button);
    if (QLatin1String(b.name) == QLatin1String("btnLast")) layout->addStretch();
  }
  // Only ended jobs can be run again.
  bar->findChild<QPushButton*>(QStringLiteral("btnRetry"))->setEnabled(ShowsHistory());
  if (!ShowsHistory()) bar->findChild<QPushButton*>(QStringLiteral("btnDelete"))->setText(QStringLiteral("Cancel"));
  return bar;
}

void TfmHistoryMaint::Load() {
  tHistory& history = TheHistory();
  std::vector<std::unique_ptr<tHistoryEvent>> jobs;
  if (ShowsHistory()) {
    const QStringList ids = history.HistoryIds();
    if (!ids.isEmpty()) {
      JobProgress progress(QStringLiteral("Getting History List"));
      for (qsizetype i = 0; i < ids.size(); ++i) {
        PumpMessage();
        // A record that cannot be read is left out.
        if (std::unique_ptr<tHistoryEvent> job = history.LoadHistoryEvent(ids[i])) jobs.push_back(std::move(job));
        progress.Step(int((i + 1) * 100 / ids.size()));
      }
    }
  } else {
    for (const QString& id : history.GetPendingList()) {
      std::unique_ptr<tHistoryEvent> job = history.LoadPendingEvent(id);
      if (job && (queueName_ == AllPending || job->Mode == queueName_)) jobs.push_back(std::move(job));
    }
  }
  grid_->setRowCount(qMax<int>(1, int(jobs.size())));
  for (size_t i = 0; i < jobs.size(); ++i) FillRow(int(i), *jobs[i]);
  if (grid_->rowCount() > 0) grid_->setCurrentCell(0, 1);
}

void TfmHistoryMaint::FillRow(int row, const tHistoryEvent& job) {
  const QString cells[] = {QString(),
                           job.EventId,
                           job.MachineId,
                           JobTypeText(job),
                           JobTargetText(job),
                           HisStatus::StatusText(job.Status),
                           JobDateText(job),
                           JobTimeText(job),
                           QString::number(HistoryRowColour(job.Status).rgb() & 0xFFFFFF)};
  for (int column = 0; column <= ColourColumn; ++column)
    grid_->setItem(row, column, new QTableWidgetItem(cells[column]));
}

QStringList TfmHistoryMaint::RowIds() const {
  QStringList ids;
  for (int row = 0; row < grid_->rowCount(); ++row) {
    const QTableWidgetItem* item = grid_->item(row, 1);
    ids << (item ? item->text() : QString());
  }
  return ids;
}

QList<int> TfmHistoryMaint::SelectedRows() const {
  QList<int> rows;
  const QList<QTableWidgetSelectionRange> ranges = grid_->selectedRanges();
  if (ranges.isEmpty()) {
    if (grid_->currentRow() >= 0) rows << grid_->currentRow();
    return rows;
  }
  for (int row = ranges.first().topRow(); row <= ranges.first().bottomRow(); ++row) rows << row;
  return rows;
}

std::unique_ptr<tHistoryEvent> TfmHistoryMaint::LoadJob(const QString& id) {
  if (id.isEmpty()) return nullptr;
  return ShowsHistory() ? TheHistory().LoadHistoryEvent(id) : TheHistory().LoadPendingEvent(id);
}

void TfmHistoryMaint::Retry() {
  tHistory& history = TheHistory();
  QStringList ports;
  const QStringList ids = RowIds();
  for (int row : SelectedRows()) {
    std::unique_ptr<tHistoryEvent> job = LoadJob(ids.value(row));
    if (!job) continue;
    if (HisStatus::IsPendingStatus(job->Status)) {
      Prompter::ShowMessage(QStringLiteral("Event ") + job->EventId + QStringLiteral(" must be canceled first"));
      continue;
    }
    job->InitRetryCount = -1;
    job->DefRetryCount = -1;
    job->LastTry = TDateTime();
    job->Status = HisStatus::Pending;
    job->State = HisStatus::Pending;
    job->Created = TDateTime::Now();
    job->Mode = job->ComPort;
    job->StartedByCalendar = false;
    job->ScriptId = QStringLiteral("User Retry");
    job->ScheduleId = QStringLiteral("User");
    history.Requeue(*job);
    if (!ports.contains(job->ComPort)) ports << job->ComPort;
  }
  for (const QString& port : ports) history.StartNext(port);
  close();
}

void TfmHistoryMaint::Delete() {
  const QStringList ids = RowIds();
  if (ids.size() == 1 && ids.first().isEmpty()) return;
  const QList<int> rows = SelectedRows();
  if (rows.isEmpty()) return;
  JobProgress progress(ShowsHistory() ? QStringLiteral("Deleting Entries") : QStringLiteral("Cancelling Entries"));
  int done = 0;
  for (qsizetype i = rows.size() - 1; i >= 0; --i) {
    const QString id = ids.value(rows[i]);
    if (ShowsHistory()) {
      TheHistory().DeleteHistoryEvent(id);
    } else if (std::unique_ptr<tHistoryEvent> job = LoadJob(id)) {
      // A running job is ended by its session, not here.
      if (job->Status == HisStatus::Active) {
        Prompter::ShowMessage(QStringLiteral("Event ") + id + QStringLiteral(" is running"));
        continue;
      }
      job->Status = HisStatus::UserCancel;
      job->Mode = QStringLiteral("History");
      TheHistory().StoreEvent(*job);
      job->CallBack(JobCallback::Failure);
    }
    DeleteRow(rows[i]);
    ++done;
    progress.Step(int(done * 100 / rows.size()));
    PumpMessage();
  }
}

void TfmHistoryMaint::DeleteRow(int row) {
  if (grid_->rowCount() > 1) {
    grid_->removeRow(row);
    return;
  }
  for (int column = 0; column <= ColourColumn; ++column) grid_->setItem(row, column, new QTableWidgetItem);
}

void TfmHistoryMaint::Properties() {
  const QList<int> rows = SelectedRows();
  if (rows.isEmpty()) return;
  std::unique_ptr<tHistoryEvent> job = LoadJob(RowIds().value(rows.first()));
  if (!job) return;
  TfmHistoryEventMaint form(this, *job);
  form.exec();
}

void TfmHistoryMaint::MoveTo(int row) {
  if (row < 0 || row >= grid_->rowCount()) return;
  grid_->setCurrentCell(row, 1);
  grid_->selectRow(row);
}

void TfmHistoryMaint::closeEvent(QCloseEvent* event) {
  if (HistoryExists()) TheHistory().QueueWindowClosed(queueName_);
  QWidget::closeEvent(event);
}
