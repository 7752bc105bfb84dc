#include "reports/forms/AllPollsFilter.h"

#include "reports/RptPollKinds.h"
#include "reports/forms/PollDatesProxy.h"

AllPollsFilter::AllPollsFilter(QObject* parent) : QSortFilterProxyModel(parent) { setDynamicSortFilter(false); }

const QList<AllPollsFilter::Column>& AllPollsFilter::Columns() {
  static const QList<Column> columns{
      {"Poll Id", 53},    {"Machine Id", 87}, {"Report Name", 116}, {"Poll Date", 122},    {"Ecr Date", 119},
      {"Poll Type", 60},  {"Polled Area", 68}, {"Z Counter", 57},   {"Data Type", 75},     {"From Date", 0},
      {"To Date", 0},     {"Store Number", 0}, {"Machine Number", 0}, {"ROM", 0},
  };
  return columns;
}

void AllPollsFilter::SetHeadsOnly(bool headsOnly) {
  headsOnly_ = headsOnly;
  invalidateFilter();
}

int AllPollsFilter::SourceColumn(const char* field) const {
  const QAbstractItemModel* source = sourceModel();
  for (int column = 0; column < source->columnCount(); ++column)
    if (source->headerData(column, Qt::Horizontal).toString() == QLatin1String(field)) return column;
  return -1;
}

bool AllPollsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  if (!headsOnly_) return true;
  const QAbstractItemModel* source = sourceModel();
  const QString reportClass = source->index(sourceRow, SourceColumn("EcrRptClass"), sourceParent).data().toString();
  const QString reportName = source->index(sourceRow, SourceColumn("Report Name"), sourceParent).data().toString();
  return !RptPollKinds::HiddenUnderFinancialHead(reportClass, reportName);
}

bool AllPollsFilter::filterAcceptsColumn(int sourceColumn, const QModelIndex&) const {
  const QString field = sourceModel()->headerData(sourceColumn, Qt::Horizontal).toString();
  for (const Column& column : Columns())
    if (field == QLatin1String(column.field)) return true;
  return false;
}

qint32 AllPollsFilter::PollId(int row) const {
  const QModelIndex source = mapToSource(index(row, 0));
  if (!source.isValid()) return 0;
  return qint32(sourceModel()->index(source.row(), SourceColumn("Poll Id")).data().toLongLong());
}

void AllPollsFilter::FetchAll() {
  while (sourceModel()->canFetchMore({})) sourceModel()->fetchMore({});
}

int AllPollsFilter::RowOf(qint32 pollId) {
  FetchAll();
  for (int row = 0; row < rowCount(); ++row)
    if (PollId(row) == pollId) return row;
  return -1;
}

QVariant AllPollsFilter::data(const QModelIndex& index, int role) const {
  const QVariant value = QSortFilterProxyModel::data(index, role);
  return role == Qt::DisplayRole ? PollDatesProxy::Shown(value) : value;
}
