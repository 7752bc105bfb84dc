// TTable: moving through the records, the current index, key searches and ranges.
#include "platform/engine/TTable.h"

#include "platform/engine/CursorStatements.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/FieldValue.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TableSharedState.h"

#include <QSqlQuery>
#include <algorithm>

void TTable::CheckBrowseMode() {
  CheckActive();
  if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) Post();
}

void TTable::InvalidateKeyset() { keysetValid_ = false; }

bool TTable::Coherent() const { return keysetValid_ && seenVersion_ == shared_->Version(); }

void TTable::LoadKeyset() {
  const quint64 version = shared_->Version();
  pending_.clear();
  keyset_.Load(database_->Connection(), def_.name, hasIndex_ ? SqlText::OrderBy(order_) : QStringLiteral("rowid"),
               RangeCondition());
  keysetValid_ = true;
  seenVersion_ = version;
}

// Re-reads the ids when this cursor wrote more records than are worth placing one by one
// or another cursor changed the table; the cursor keeps its record, or stands on the one
// that took its place when it is gone.
void TTable::EnsureKeyset() {
  if (Coherent()) return PlacePending();
  LoadKeyset();
  Reposition();
}

void TTable::Reposition() {
  if (!current_ || state_ == TDataSetState::Insert) return;
  const int position = keyset_.PositionOf(*current_);
  if (position >= 0) {
    pos_ = position;
    return;
  }
  if (state_ == TDataSetState::Edit) return; // its Post reports the record as deleted
  current_.reset();
  LandNear(pos_);
}

// Each a binary search in which the database compares the keys (see TableKeyset).
void TTable::PlacePending() {
  for (const auto& [id, key] : pending_) {
    const int position = keyset_.InsertInOrder(database_->Connection(), def_.name, order_, key, id);
    if (current_ && *current_ == id) pos_ = position;
    else if (pos_ >= 0 && position <= pos_) ++pos_;
  }
  pending_.clear();
}

// The autoincrement field, ascending, orders like the ids, so does entry order; a new
// record then belongs at the end.
bool TTable::OrderFollowsIds() const {
  if (!hasIndex_) return true;
  const int autoInc = def_.AutoIncField();
  return autoInc >= 0 && !order_.first().descending &&
         order_.first().name.compare(def_.fields[autoInc].name, Qt::CaseInsensitive) == 0;
}

void TTable::MoveTo(int position) {
  for (;;) {
    pos_ = position;
    current_ = keyset_.At(position);
    if (Statements().Fetch(*current_, buffer_)) return;
    // Deleted by another process since the ids were read.
    keyset_.RemoveAt(position);
    if (keyset_.Size() == 0) {
      LandNear(0);
      return;
    }
    position = std::min(position, keyset_.Size() - 1);
  }
}

void TTable::LandNear(int position) {
  if (keyset_.Size() == 0) {
    current_.reset();
    pos_ = -1;
    ClearBuffer();
    bof_ = eof_ = true;
    return;
  }
  MoveTo(std::clamp(position, 0, keyset_.Size() - 1));
}

void TTable::First() {
  CheckBrowseMode();
  EnsureKeyset();
  LandNear(0);
  bof_ = true;
  eof_ = keyset_.Size() == 0;
}

void TTable::Last() {
  CheckBrowseMode();
  EnsureKeyset();
  LandNear(keyset_.Size() - 1);
  eof_ = true;
  bof_ = keyset_.Size() == 0;
}

void TTable::Next() { MoveBy(1); }

void TTable::Prior() { MoveBy(-1); }

int TTable::MoveBy(int n) {
  CheckBrowseMode();
  EnsureKeyset();
  const int size = keyset_.Size();
  if (size == 0) {
    LandNear(0);
    return 0;
  }
  // Without a current record a move forward starts before the first, backward after the last.
  const int from = current_ ? pos_ : (n > 0 ? -1 : size);
  const int to = std::clamp(static_cast<long long>(from) + n, 0LL, static_cast<long long>(size - 1));
  bof_ = n < 0 && from + static_cast<long long>(n) < 0;
  eof_ = n > 0 && from + static_cast<long long>(n) > size - 1;
  if (to != pos_ || !current_) MoveTo(to);
  return to - from;
}

bool TTable::IsEmpty() { return RecordCount() == 0; }

int TTable::RecordCount() {
  CheckActive();
  EnsureKeyset();
  return keyset_.Size();
}

int TTable::RecNo() {
  CheckActive();
  if (state_ == TDataSetState::Insert) return 0;
  EnsureKeyset();
  return current_ ? pos_ + 1 : 0;
}

void TTable::SetRecNo(int recNo) {
  CheckBrowseMode();
  EnsureKeyset();
  if (recNo < 1 || recNo > keyset_.Size()) return;
  MoveTo(recNo - 1);
  bof_ = eof_ = false;
}

std::optional<qint64> TTable::RecordId() const {
  return state_ == TDataSetState::Insert ? std::nullopt : current_;
}

void TTable::ResolveIndex(const QString& name) {
  const TIndexDef* index = name.isEmpty() ? def_.PrimaryIndex() : def_.FindIndex(name);
  if (!index && !name.isEmpty())
    throw EDBEngineError(EngineError::IndexMissing, Context() + QStringLiteral("\nIndex: ") + name);
  hasIndex_ = index != nullptr;
  order_ = index ? SqlText::KeyColumns(*index) : QList<SqlText::KeyColumn>();
  indexName_ = index ? index->name : QString();
}

void TTable::SetIndexName(const QString& name) {
  if (!Active()) {
    indexName_ = name;
    return;
  }
  CheckBrowseMode();
  ResolveIndex(name);
  range_.reset();
  InvalidateKeyset();
  EnsureKeyset();
}

const TIndexDef* TTable::CurrentIndex() const {
  if (!Active() || !hasIndex_) return nullptr;
  return indexName_.isEmpty() ? def_.PrimaryIndex() : def_.FindIndex(indexName_);
}

namespace {
// Key values in the stored form of their fields, so that "5" finds 5 and a QDate its day.
QVariantList StoredKey(const TTableDef& def, const QList<SqlText::KeyColumn>& order, const QVariantList& values,
                       const QString& context) {
  if (values.size() > order.size())
    throw EDBEngineError(EngineError::InvalidParameter, context + QStringLiteral("\nMore key values than key fields"));
  QVariantList stored;
  for (qsizetype i = 0; i < values.size(); ++i)
    stored << FieldValue::Stored(def.fields[def.FieldIndex(order[i].name)], values[i]);
  return stored;
}
} // namespace

SqlText::Condition TTable::RangeCondition() const {
  if (!range_) return {};
  return SqlText::And(SqlText::KeyAtOrAfter(order_, range_->first), SqlText::KeyAtOrBefore(order_, range_->second));
}

std::optional<qint64> TTable::FirstMatch(const SqlText::Condition& where) {
  const SqlText::Condition all = SqlText::And(where, RangeCondition());
  QString sql = QStringLiteral("SELECT rowid FROM ") + SqlText::Quote(def_.name);
  if (!all.IsEmpty()) sql += QStringLiteral(" WHERE ") + all.text;
  sql += QStringLiteral(" ORDER BY ") + (hasIndex_ ? SqlText::OrderBy(order_) : QStringLiteral("rowid")) +
         QStringLiteral(" LIMIT 1");
  QSqlQuery q = database_->Exec(sql, all.values, Context());
  if (!q.next()) return std::nullopt;
  return q.value(0).toLongLong();
}

bool TTable::GoToId(qint64 id) {
  EnsureKeyset();
  const int position = keyset_.PositionOf(id);
  if (position < 0) return false;
  MoveTo(position);
  bof_ = eof_ = false;
  return true;
}

bool TTable::FindKey(const QVariantList& values) {
  CheckBrowseMode();
  if (!hasIndex_) throw EDBEngineError(EngineError::IndexMissing, Context() + QStringLiteral("\nNo index is selected"));
  const std::optional<qint64> id = FirstMatch(SqlText::KeyEquals(order_, StoredKey(def_, order_, values, Context())));
  return id && GoToId(*id);
}

void TTable::FindNearest(const QVariantList& values) {
  CheckBrowseMode();
  if (!hasIndex_) throw EDBEngineError(EngineError::IndexMissing, Context() + QStringLiteral("\nNo index is selected"));
  const std::optional<qint64> id = FirstMatch(SqlText::KeyAtOrAfter(order_, StoredKey(def_, order_, values, Context())));
  if (!id || !GoToId(*id)) Last();
}

namespace {
SqlText::Condition FieldMatch(const TFieldDef& field, const QVariant& value, TLocateOptions options) {
  const QString column = SqlText::Quote(field.name);
  const QVariant stored = FieldValue::Stored(field, value);
  if (!stored.isValid()) return {column + QStringLiteral(" IS NULL"), {}};
  if (FieldTypeInfo(field.type).storage != TFieldStorage::Text) return {column + QStringLiteral(" = ?"), {stored}};
  const QString collate = options.caseInsensitive ? QStringLiteral(" COLLATE NOCASE") : QStringLiteral(" COLLATE BINARY");
  // The text as given, not cut to the field's size: a longer value matches nothing.
  const QString text = value.toString();
  if (!options.partialKey) return {column + QStringLiteral(" = ?") + collate, {text}};
  // Characters, not UTF-16 units, as the file counts them.
  return {QStringLiteral("substr(%1, 1, ?) = ?").arg(column) + collate, {qlonglong(text.toUcs4().size()), text}};
}
} // namespace

bool TTable::Locate(const QStringList& fields, const QVariantList& values, TLocateOptions options) {
  CheckBrowseMode();
  if (fields.isEmpty() || fields.size() != values.size())
    throw EDBEngineError(EngineError::InvalidParameter, Context() + QStringLiteral("\nOne value is needed per field"));
  SqlText::Condition where;
  for (qsizetype i = 0; i < fields.size(); ++i)
    where = SqlText::And(where, FieldMatch(FieldByName(fields[i]).Def(), values[i], options));
  const std::optional<qint64> id = FirstMatch(where);
  return id && GoToId(*id);
}

void TTable::SetRange(const QVariantList& start, const QVariantList& end) {
  CheckBrowseMode();
  if (!hasIndex_) throw EDBEngineError(EngineError::IndexMissing, Context() + QStringLiteral("\nNo index is selected"));
  range_.emplace(StoredKey(def_, order_, start, Context()), StoredKey(def_, order_, end, Context()));
  InvalidateKeyset();
  First();
}

void TTable::CancelRange() {
  CheckBrowseMode();
  range_.reset();
  InvalidateKeyset();
  First();
}

TBookmark TTable::GetBookmark() const {
  const std::optional<qint64> id = RecordId();
  return id ? TBookmark{*id, true} : TBookmark{};
}

void TTable::GotoBookmark(const TBookmark& bookmark) {
  CheckBrowseMode();
  if (!bookmark.valid || !GoToId(bookmark.id)) throw EDBEngineError(EngineError::RecordDeleted, Context());
}

bool TTable::BookmarkValid(const TBookmark& bookmark) {
  CheckActive();
  if (!bookmark.valid) return false;
  EnsureKeyset();
  return keyset_.PositionOf(bookmark.id) >= 0;
}

void TTable::Refresh() {
  CheckBrowseMode();
  InvalidateKeyset();
  EnsureKeyset();
  if (current_) MoveTo(pos_);
}
