#pragma once
// A Qt table model over one engine cursor, for grids and program-table windows.
//
// Columns are the table's fields; rows are its records in the order of the cursor's
// index and range. The model reads rows a page at a time as views ask for them
// (canFetchMore / fetchMore) and keeps only a few pages of values, so a large table is
// never read whole; the cursor itself holds record ids only.
//
// Edits go through the cursor: setData edits and posts one field, insertRows appends and
// posts new records (OnNewRecord gives their defaults), removeRows deletes. What the
// engine refuses (a locked record, a key violation, a value out of range) leaves the
// record as it was; the call answers false, LastError holds the engine's exception and
// EditFailed carries its message. Changes made through other cursors show after
// RefreshIfChanged, which a timer runs when a watch interval is set.
//
// The model moves the cursor as it reads: give it a cursor of its own, opened, and keep
// other code from editing through that cursor while the model is in use.
#include <QAbstractTableModel>
#include <QHash>
#include <QTimer>
#include <QVariantList>
#include <exception>
#include <memory>

class TTable;
class TableSharedState;

class TEngineTableModel : public QAbstractTableModel {
  Q_OBJECT
public:
  explicit TEngineTableModel(TTable& table, QObject* parent = nullptr);
  ~TEngineTableModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
  bool removeRows(int row, int count, const QModelIndex& parent = {}) override;
  bool canFetchMore(const QModelIndex& parent = {}) const override;
  void fetchMore(const QModelIndex& parent = {}) override;

  // Rows read per page (at least 1); the first page is read at once.
  void SetPageSize(int rows);
  int PageSize() const { return pageSize_; }
  // Records read from the cursor so far (for tests and benchmarks of the paging).
  qint64 RowsRead() const { return rowsRead_; }

  // Reads the table again when some cursor changed it since the model last looked:
  // answers whether it did.
  bool RefreshIfChanged();
  void Refresh();
  // Checks for changes every ms milliseconds; 0 stops.
  void SetWatchInterval(int ms);

  std::exception_ptr LastError() const { return lastError_; }

Q_SIGNALS:
  void EditFailed(const QString& message);

private:
  int RecordCount() const;
  const QVariantList* Row(int row) const;
  void ReadPage(int page) const;
  void Forget();
  void NoteOwnChange(quint64 versionBefore);
  bool Fail();
  void Posted(int row);

  TTable& table_;
  std::shared_ptr<TableSharedState> shared_;
  quint64 seenVersion_ = 0;
  int pageSize_ = 256;
  int fetched_ = 0;
  mutable QHash<int, QList<QVariantList>> pages_;
  mutable qint64 rowsRead_ = 0;
  std::exception_ptr lastError_;
  QTimer watch_;
};
