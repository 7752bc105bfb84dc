#include "comm/session/forms/TfrmViewComLog.h"

#include "comm/session/CommLogEntry.h"
#include "comm/session/CommLogListing.h"
#include "comm/session/CommLogListingReport.h"
#include "comm/session/CommLogTable.h"
#include "comm/session/forms/CommLogPrinting.h"
#include "platform/engine/FieldText.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Exception.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/TDateTime.h"
#include "platform/tablemodel/TEngineTableModel.h"
#include "reports/engine/RptPreviewRequest.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The grid's headings are the fields' display labels.
class LabelledColumns : public QIdentityProxyModel {
public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    const QVariant value = QIdentityProxyModel::headerData(section, orientation, role);
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return value;
    return CommLogTable::DisplayLabel(value.toString());
  }
  // Times as the printed listing and the rest of the system show them.
  QVariant data(const QModelIndex& index, int role) const override {
    const QVariant value = QIdentityProxyModel::data(index, role);
    if (role != Qt::DisplayRole || value.typeId() != QMetaType::QDateTime) return value;
    return FieldText::DateTimeText(TDateTime::FromQDateTime(value.toDateTime()).Days());
  }
};

QString AskExportFile(QWidget* parent) {
  QFileDialog dialog(parent, QStringLiteral("Export Log"), QString(),
                     QStringLiteral("Text files (*.TXT);;All files (*)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("TXT"));
  dialog.selectFile(QStringLiteral("LogExp"));
  return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                  : QString();
}

std::unique_ptr<QPrinter> DefaultPrinter() { return std::make_unique<QPrinter>(QPrinter::HighResolution); }

const QString kNoPrinter = QStringLiteral("There is no printer to print on.");
} // namespace

TfrmViewComLog::TfrmViewComLog(QWidget* parent)
    : QDialog(parent), table_(std::make_unique<TTable>()), grid_(new QTableView(this)),
      entry_(new QPlainTextEdit(this)), printLog_(new QPushButton(QStringLiteral("Print Log"), this)),
      printTable_(new QPushButton(QStringLiteral("Print Table"), this)),
      export_(new QPushButton(QStringLiteral("Export :Log"), this)), chooseExportFile_(AskExportFile),
      makePrinter_(DefaultPrinter) {
  setObjectName(QStringLiteral("frmViewComLog"));
  setWindowTitle(QStringLiteral("View Comm Log"));
  resize(900, 520);
  grid_->setObjectName(QStringLiteral("DBGrid1"));
  entry_->setObjectName(QStringLiteral("DBMemo1"));
  entry_->setReadOnly(true);
  printLog_->setObjectName(QStringLiteral("btnPrintLog"));
  printTable_->setObjectName(QStringLiteral("btnPrintTable"));
  export_->setObjectName(QStringLiteral("btnExport"));
  connect(printLog_, &QPushButton::clicked, this, &TfrmViewComLog::PrintLog);
  connect(printTable_, &QPushButton::clicked, this, &TfrmViewComLog::PrintTable);
  connect(export_, &QPushButton::clicked, this, &TfrmViewComLog::ExportLog);

  auto* layout = new QVBoxLayout(this);
  BuildNavigator(layout);
  layout->addWidget(grid_, 3);
  layout->addWidget(entry_, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(printLog_);
  buttons->addWidget(printTable_);
  buttons->addWidget(export_);
  layout->addLayout(buttons);

  CommLogTable::Locate(*table_);
  try {
    table_->Open();
  } catch (const std::exception&) {
    // No log yet, or none that can be read: the grid stays empty.
  }
  BuildGrid();
  ShowCurrent();
}

TfrmViewComLog::~TfrmViewComLog() {
  grid_->setModel(nullptr);
  delete model_;
  if (table_->Active()) table_->Close();
}

void TfrmViewComLog::BuildGrid() {
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setWordWrap(false);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  if (!table_->Active()) return;
  model_ = new TEngineTableModel(*table_);
  auto* labelled = new LabelledColumns(grid_);
  labelled->setSourceModel(model_);
  grid_->setModel(labelled);
  QHeaderView* header = grid_->horizontalHeader();
  const QStringList& fields = CommLogTable::GridFields();
  for (int visual = 0; visual < fields.size(); ++visual)
    header->moveSection(header->visualIndex(Column(fields[visual])), visual);
  grid_->setColumnHidden(Column(QStringLiteral("LogEntry")), true);
  grid_->resizeColumnsToContents();
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TfrmViewComLog::ShowCurrent);
  if (model_->rowCount() > 0) Move(0);
}

void TfrmViewComLog::BuildNavigator(QBoxLayout* layout) {
  struct Step {
    const char* name;
    const char* text;
    std::function<int(int row, int rows)> to;
  };
  const Step steps[] = {{"btnFirst", "|<", [](int, int) { return 0; }},
                        {"btnPrior", "<", [](int row, int) { return row - 1; }},
                        {"btnNext", ">", [](int row, int) { return row + 1; }},
                        {"btnLast", ">|", [](int, int rows) { return rows - 1; }}};
  auto* navigator = new QHBoxLayout;
  for (const Step& step : steps) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(step.name));
    button->setText(QString::fromLatin1(step.text));
    connect(button, &QToolButton::clicked, this, [this, to = step.to] {
      if (!model_) return;
      while (model_->canFetchMore()) model_->fetchMore();
      Move(to(grid_->currentIndex().row(), model_->rowCount()));
    });
    navigator->addWidget(button);
  }
  navigator->addStretch();
  layout->addLayout(navigator);
}

void TfrmViewComLog::Move(int row) {
  if (!model_ || row < 0 || row >= model_->rowCount()) return;
  grid_->setCurrentIndex(grid_->model()->index(row, Column(CommLogTable::GridFields().first())));
}

int TfrmViewComLog::Column(const QString& field) const { return table_->FieldByName(field).Index(); }

QString TfrmViewComLog::CurrentLogEntry() const {
  const QModelIndex current = grid_->currentIndex();
  if (!model_ || !current.isValid()) return QString();
  return model_->index(current.row(), Column(QStringLiteral("LogEntry"))).data().toString();
}

void TfrmViewComLog::ShowCurrent() {
  entry_->setPlainText(CommLogEntry::Lines(CurrentLogEntry()).join(QLatin1Char('\n')));
  const bool hasRow = grid_->currentIndex().isValid();
  printLog_->setEnabled(hasRow);
  printTable_->setEnabled(model_ != nullptr);
  export_->setEnabled(hasRow);
}

void TfrmViewComLog::PrintLog() {
  if (!grid_->currentIndex().isValid()) return;
  const std::unique_ptr<QPrinter> printer = makePrinter_();
  if (!CommLogPrinting::PrintLines(*printer, CommLogEntry::Lines(CurrentLogEntry()), entry_->font()))
    Prompter::ShowMessage(kNoPrinter, Prompter::Kind::Error);
}

void TfrmViewComLog::PrintTable() {
  if (!model_) return;
  QList<QStringList> rows;
  QString now;
  try {
    // A cursor of its own: the grid's model moves the grid's cursor.
    TTable table;
    CommLogTable::Locate(table);
    table.Open();
    now = QLocale::c().toString(Clock::Current().Now(), QStringLiteral("M/d/yyyy h:mm:ss AP"));
    rows = CommLogListing::Rows(table);
  } catch (const std::exception& e) {
    Prompter::ShowMessage(ExceptionMessage(e), Prompter::Kind::Error);
    return;
  }
  TCommLogListingReport report(rows, now);
  RptPreviewRequest preview{report, std::nullopt};
  FormRegistry::Show(preview);
}

void TfrmViewComLog::ExportLog() {
  if (!grid_->currentIndex().isValid()) return;
  const QString path = chooseExportFile_(this);
  if (path.isEmpty()) return;
  try {
    CommLogEntry::Export(CurrentLogEntry(), path);
  } catch (const std::exception& e) {
    // "File I/O error." when the file cannot be written; anything else as it was said.
    Prompter::ShowMessage(ExceptionMessage(e), Prompter::Kind::Error);
  }
}
