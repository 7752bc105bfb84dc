#pragma once
// The listing of the communication log ("Log Table"), as pages: each page has the title,
// the date and time it was printed at the left, its page number at the right, the nine
// column headings and the rows that fit on a letter page in portrait at 8 points.
#include <QList>
#include <QString>
#include <QStringList>

class TTable;

namespace CommLogListing {
// A letter page less its margins, the title and the headings, at 8-point detail lines.
inline constexpr int kRowsPerPage = 54;

struct Page {
  QString title;
  QString printedAt;
  int number = 0;
  QStringList headings;
  QList<QStringList> rows;
};

const QStringList& Headings();
// Every row of the table from the first, in the order of the current index: ID, Result,
// MachineID, StoreNumber, MachineNumber, CommType, StartTime, EndTime, Duration as text.
QList<QStringList> Rows(TTable& table);
// The pages of the rows; an empty log still gives one page with its title and headings.
QList<Page> Pages(const QList<QStringList>& rows, const QString& printedAt, int rowsPerPage = kRowsPerPage);
} // namespace CommLogListing
