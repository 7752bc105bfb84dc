// TTable: editing, inserting, posting, deleting and record locks.
#include "platform/engine/TTable.h"

#include "platform/engine/CursorStatements.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TableSharedState.h"
#include "platform/sys/ScopeGuard.h"

void TTable::TakeLock(qint64 id) {
  if (!shared_->Lock(id, this)) throw EDBEngineError(EngineError::RecordLocked, Context());
  locks_.insert(id);
}

void TTable::ReleaseLocks() {
  for (qint64 id : std::as_const(locks_)) shared_->Unlock(id, this);
  locks_.clear();
}

void TTable::LockRecord() {
  CheckActive();
  EnsureKeyset();
  if (!current_ || state_ == TDataSetState::Insert) throw EDBEngineError(EngineError::NoCurrentRecord, Context());
  TakeLock(*current_);
}

void TTable::UnlockRecord() {
  CheckActive();
  if (!current_ || !locks_.remove(*current_)) return;
  shared_->Unlock(*current_, this);
}

void TTable::Edit() {
  CheckActive();
  if (state_ != TDataSetState::Browse) return;
  EnsureKeyset();
  if (!current_) {
    if (keyset_.Size() == 0) return Insert();
    throw EDBEngineError(EngineError::NoCurrentRecord, Context());
  }
  const bool lockedBefore = locks_.contains(*current_);
  TakeLock(*current_);
  // The record as it is now, not as this cursor last read it.
  if (!Statements().Fetch(*current_, buffer_)) {
    if (!lockedBefore) UnlockRecord();
    InvalidateKeyset();
    throw EDBEngineError(EngineError::RecordDeleted, Context());
  }
  editStart_ = buffer_;
  state_ = TDataSetState::Edit;
}

void TTable::Insert() {
  CheckBrowseMode();
  beforeInsert_ = current_;
  ClearBuffer();
  state_ = TDataSetState::Insert;
  if (!onNewRecord_) return;
  {
    const auto restore = OnScopeFailure([&] { Cancel(); });
    onNewRecord_(*this);
  }
}

// A new record always takes its place in the index order when posted, so appending and
// inserting differ only in where an unposted record would be shown.
void TTable::Append() { Insert(); }

void TTable::Post() {
  CheckActive();
  if (state_ == TDataSetState::Browse) throw EDBEngineError(EngineError::NotEditing, Context());
  if (state_ == TDataSetState::Insert) PostInsert();
  else PostEdit();
  ReleaseLocks();
  state_ = TDataSetState::Browse;
  beforeInsert_.reset();
  editStart_.clear();
  if (afterPost_) afterPost_(*this);
}

void TTable::PostInsert() {
  const bool coherent = Coherent();
  const qint64 id = Statements().Insert(buffer_);
  shared_->Bump();
  current_ = id;
  if (const int autoInc = def_.AutoIncField(); autoInc >= 0) buffer_[autoInc] = id;
  bof_ = eof_ = false;
  if (coherent && Place(id)) return;
  // Its place is found when the cursor next moves.
  InvalidateKeyset();
  pos_ = -1;
}

// Puts the record just written at its place in the ids without reading them all again:
// at the end when the order follows the ids, otherwise among the pending records placed
// at the next move. Within a range, or with a null in the key, the ids are read again.
bool TTable::Place(qint64 id) {
  constexpr size_t kPlaceOneByOne = 8; // beyond that, reading the ids again is cheaper
  if (range_ || pending_.size() >= kPlaceOneByOne) return false;
  if (OrderFollowsIds() && pending_.empty() && (keyset_.Size() == 0 || keyset_.At(keyset_.Size() - 1) < id)) {
    keyset_.Append(id);
    pos_ = keyset_.Size() - 1;
  } else {
    QVariantList key;
    for (const SqlText::KeyColumn& column : order_) {
      const QVariant& value = buffer_[def_.FieldIndex(column.name)];
      if (!value.isValid() || value.isNull()) return false;
      key << value;
    }
    pending_.emplace_back(id, key);
    pos_ = -1;
  }
  seenVersion_ = shared_->Version();
  return true;
}

bool TTable::OrderChanged() const {
  for (const SqlText::KeyColumn& column : order_) {
    const int index = def_.FieldIndex(column.name);
    if (buffer_[index] != editStart_[index]) return true;
  }
  return false;
}

void TTable::PostEdit() {
  const bool coherent = Coherent();
  if (!Statements().Update(*current_, buffer_)) {
    InvalidateKeyset();
    throw EDBEngineError(EngineError::RecordDeleted, Context());
  }
  shared_->Bump();
  // The record id is the engine's: a value set in the autoincrement field was not stored.
  if (const int autoInc = def_.AutoIncField(); autoInc >= 0) buffer_[autoInc] = *current_;
  if (!coherent) return InvalidateKeyset();
  if (!OrderChanged()) {
    seenVersion_ = shared_->Version();
    return;
  }
  keyset_.RemoveAt(pos_);
  if (!Place(*current_)) InvalidateKeyset();
}

void TTable::Cancel() {
  CheckActive();
  if (state_ == TDataSetState::Insert) {
    state_ = TDataSetState::Browse;
    current_ = beforeInsert_;
    beforeInsert_.reset();
    ClearBuffer();
    if (current_ && !Statements().Fetch(*current_, buffer_)) {
      current_.reset();
      InvalidateKeyset();
      EnsureKeyset();
      LandNear(pos_);
    }
  } else if (state_ == TDataSetState::Edit) {
    state_ = TDataSetState::Browse;
    buffer_ = editStart_;
    editStart_.clear();
  }
  ReleaseLocks();
}

void TTable::Delete() {
  CheckActive();
  if (state_ == TDataSetState::Insert) return Cancel();
  if (state_ == TDataSetState::Edit) {
    buffer_ = editStart_;
    state_ = TDataSetState::Browse;
  }
  EnsureKeyset();
  if (!current_) throw EDBEngineError(EngineError::NoCurrentRecord, Context());
  TakeLock(*current_);
  const bool coherent = Coherent();
  {
    const auto restore = OnScopeExit([&] { ReleaseLocks(); });
    Statements().Delete(*current_);
  }
  shared_->Bump();
  const int position = pos_;
  current_.reset();
  if (coherent) {
    keyset_.RemoveAt(position);
    seenVersion_ = shared_->Version();
  } else {
    LoadKeyset();
  }
  LandNear(position);
  bof_ = eof_ = keyset_.Size() == 0;
  if (afterDelete_) afterDelete_(*this);
}
