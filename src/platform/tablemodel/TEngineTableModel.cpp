#include "platform/tablemodel/TEngineTableModel.h"

#include "platform/engine/TDatabase.h"
#include "platform/engine/TTable.h"
#include "platform/engine/TableSharedState.h"
#include "platform/sys/Exception.h"
#include "platform/tablemodel/FieldRoles.h"

namespace {
// Pages of values kept at once; reading one more forgets them all.
constexpr int kPagesKept = 4;
} // namespace

TEngineTableModel::TEngineTableModel(TTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table),
      shared_(TableSharedState::For(table.Database().FilePath(), table.Structure().name)),
      seenVersion_(shared_->Version()) {
  fetched_ = std::min(pageSize_, RecordCount());
  connect(&watch_, &QTimer::timeout, this, [this] { RefreshIfChanged(); });
}

TEngineTableModel::~TEngineTableModel() = default;

int TEngineTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : fetched_; }

int TEngineTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.FieldCount();
}

QVariant TEngineTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= fetched_ || index.column() >= table_.FieldCount()) return {};
  const TFieldType type = table_.Fields(index.column()).DataType();
  if (role == Qt::TextAlignmentRole)
    return FieldRoles::Numeric(type) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
  if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::CheckStateRole) return {};
  const QVariantList* values = Row(index.row());
  if (!values) return {};
  const QVariant& stored = values->at(index.column());
  if (role == Qt::CheckStateRole) return FieldRoles::Check(type, stored);
  return role == Qt::EditRole ? FieldRoles::Edit(type, stored) : FieldRoles::Display(type, stored);
}

QVariant TEngineTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= table_.FieldCount()) return {};
  return table_.Fields(section).FieldName();
}

Qt::ItemFlags TEngineTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  const TFieldType type = table_.Fields(index.column()).DataType();
  if (FieldRoles::Editable(type)) flags |= Qt::ItemIsEditable;
  if (type == TFieldType::Logical) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

bool TEngineTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() >= fetched_) return false;
  if (role != Qt::EditRole && role != Qt::CheckStateRole) return false;
  if (!(flags(index) & Qt::ItemIsEditable)) return false;
  const quint64 before = shared_->Version();
  try {
    table_.SetRecNo(index.row() + 1);
    table_.Edit();
    FieldRoles::Store(table_.Fields(index.column()), value, role);
    table_.Post();
  } catch (const std::exception&) {
    return Fail();
  }
  NoteOwnChange(before);
  Posted(index.row());
  return true;
}

// A posted record may have moved in the index order: a moved one resets the model.
void TEngineTableModel::Posted(int row) {
  const int now = table_.RecNo() - 1;
  if (now == row) {
    Forget();
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    return;
  }
  beginResetModel();
  Forget();
  fetched_ = std::min(std::max(fetched_, std::min(pageSize_, RecordCount())), RecordCount());
  endResetModel();
}

// Records go where the cursor's index puts them, whatever row is asked for.
bool TEngineTableModel::insertRows(int /*row*/, int count, const QModelIndex& parent) {
  if (parent.isValid() || count < 1) return false;
  for (int i = 0; i < count; ++i) {
    const quint64 before = shared_->Version();
    try {
      table_.Append();
      table_.Post();
    } catch (const std::exception&) {
      return Fail();
    }
    NoteOwnChange(before);
    const int at = table_.RecNo() - 1;
    Forget();
    if (at > fetched_) continue; // beyond the rows read so far: fetchMore brings it
    beginInsertRows({}, at, at);
    ++fetched_;
    endInsertRows();
  }
  return true;
}

bool TEngineTableModel::removeRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || row < 0 || count < 1 || row + count > fetched_) return false;
  for (int r = row + count - 1; r >= row; --r) {
    const quint64 before = shared_->Version();
    try {
      table_.SetRecNo(r + 1);
      table_.Delete();
    } catch (const std::exception&) {
      return Fail();
    }
    NoteOwnChange(before);
    Forget();
    beginRemoveRows({}, r, r);
    --fetched_;
    endRemoveRows();
  }
  return true;
}

bool TEngineTableModel::canFetchMore(const QModelIndex& parent) const {
  return !parent.isValid() && fetched_ < RecordCount();
}

void TEngineTableModel::fetchMore(const QModelIndex& parent) {
  if (parent.isValid()) return;
  const int more = std::min(pageSize_, RecordCount() - fetched_);
  if (more <= 0) return;
  beginInsertRows({}, fetched_, fetched_ + more - 1);
  fetched_ += more;
  endInsertRows();
}

void TEngineTableModel::SetPageSize(int rows) {
  beginResetModel();
  pageSize_ = std::max(1, rows);
  Forget();
  fetched_ = std::min(pageSize_, RecordCount());
  endResetModel();
}

bool TEngineTableModel::RefreshIfChanged() {
  if (shared_->Version() == seenVersion_) return false;
  Refresh();
  return true;
}

void TEngineTableModel::Refresh() {
  beginResetModel();
  seenVersion_ = shared_->Version();
  Forget();
  if (table_.State() == TDataSetState::Browse) table_.Refresh();
  fetched_ = std::min(std::max(fetched_, pageSize_), RecordCount());
  endResetModel();
}

void TEngineTableModel::SetWatchInterval(int ms) {
  if (ms <= 0) {
    watch_.stop();
    return;
  }
  watch_.start(ms);
}

int TEngineTableModel::RecordCount() const { return table_.RecordCount(); }

const QVariantList* TEngineTableModel::Row(int row) const {
  const int page = row / pageSize_;
  auto it = pages_.constFind(page);
  if (it == pages_.constEnd()) {
    ReadPage(page);
    it = pages_.constFind(page);
    if (it == pages_.constEnd()) return nullptr;
  }
  const int at = row % pageSize_;
  return at < it->size() ? &it->at(at) : nullptr;
}

// Reads one page by moving the cursor; never while a record of the cursor is being edited.
void TEngineTableModel::ReadPage(int page) const {
  if (table_.State() != TDataSetState::Browse) return;
  if (pages_.size() >= kPagesKept) pages_.clear();
  const int first = page * pageSize_;
  const int rows = std::min(pageSize_, table_.RecordCount() - first);
  QList<QVariantList> values;
  values.reserve(std::max(rows, 0));
  if (rows > 0) table_.SetRecNo(first + 1);
  for (int i = 0; i < rows; ++i) {
    QVariantList record;
    record.reserve(table_.FieldCount());
    for (int c = 0; c < table_.FieldCount(); ++c) record.append(table_.Fields(c).Value());
    values.append(std::move(record));
    ++rowsRead_;
    if (i + 1 < rows) table_.Next();
  }
  pages_.insert(page, std::move(values));
}

void TEngineTableModel::Forget() { pages_.clear(); }

// Our own write need not refresh the model; a change of another cursor in between still does.
void TEngineTableModel::NoteOwnChange(quint64 versionBefore) {
  if (versionBefore == seenVersion_) seenVersion_ = shared_->Version();
}

bool TEngineTableModel::Fail() {
  if (table_.State() == TDataSetState::Edit || table_.State() == TDataSetState::Insert) table_.Cancel();
  lastError_ = std::current_exception();
  QString message;
  try {
    std::rethrow_exception(lastError_);
  } catch (const std::exception& e) {
    message = ExceptionMessage(e);
  }
  Q_EMIT EditFailed(message);
  return false;
}
