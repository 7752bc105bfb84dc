#pragma once
// What a save added to the data folder: the polls stored since the summary was made (the
// AllPolls rows past the last Poll Id then), each with its report table and the rows it
// holds there.
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdio>

class tEcr;

struct SavedPoll {
  qint32 pollId = 0;
  QString rptClass;
  QString rptName;
  QString table; // empty: the report keeps no table of its own
  qint64 rows = 0;

  // "Poll Id 3: Coupon (tEcrRptCrs3000Coupon), 181 rows in tEcrRptCrs3000Coupon"
  QString Line() const;
};

class PollSummary {
public:
  // Opens AllPolls of the data folder (made when missing) and remembers its last Poll Id.
  PollSummary();

  // The polls stored since, in Poll Id order; the driver gives the report classes' tables.
  QList<SavedPoll> NewPolls(tEcr& driver) const;

  // The poll's rows of its table as text: the column names, then one line a row, the
  // values tab-separated (control characters as \xNN).
  static QStringList RowsText(const SavedPoll& poll);

private:
  qint32 lastBefore_ = 0;
};
