#pragma once
// The rows and columns the stored-poll browser shows of AllPolls: the fourteen columns of
// the grid (the class names and the registers' own data stay out of sight) and, while
// financial reports show as their heads alone, no financial section rows.
#include <QSortFilterProxyModel>

class AllPollsFilter : public QSortFilterProxyModel {
  Q_OBJECT
public:
  explicit AllPollsFilter(QObject* parent = nullptr);

  // The grid's columns in the order it shows them, with their widths (0: the default).
  struct Column {
    const char* field;
    int width;
  };
  static const QList<Column>& Columns();

  void SetHeadsOnly(bool headsOnly);
  bool HeadsOnly() const { return headsOnly_; }
  // The "Poll Id" of a row of this model; 0 when there is none.
  qint32 PollId(int row) const;
  // The row of this model with the "Poll Id", or -1 (every row is fetched first).
  int RowOf(qint32 pollId);
  void FetchAll();

  // Date-times show as in every list of polls (PollDatesProxy::Shown).
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool filterAcceptsColumn(int sourceColumn, const QModelIndex& sourceParent) const override;

private:
  int SourceColumn(const char* field) const;
  bool headsOnly_ = false;
};
