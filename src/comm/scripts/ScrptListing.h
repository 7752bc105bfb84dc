#pragma once
// The listing of scripts ("Script Listing"), as pages of a letter page in portrait laid out
// in report units (a page 1056 high). Each page has the title, the date and time it was
// printed, its page number and the column headings "Script Id" and "Actions"; then one
// record a script: its id beside its actions' titles, one line each.
//
// A record is 32 high with its first line and grows by 17 a line. It stops growing at 57
// action lines: a script with more ends with the line "More Events Not Listed." (a script of
// exactly 57 actions shows them all and no such line). A record that no longer fits on a
// page starts the next one.
#include <QList>
#include <QString>
#include <QStringList>

class tScrpt;

namespace ScrptListing {
inline constexpr int kReportHeight = 1056;
inline constexpr int kHeaderHeight = 55;   // title, printing time, page number, headings
inline constexpr int kRecordHeight = 32;   // a record with one line
inline constexpr int kLineHeight = 17;
inline constexpr int kMaxActionLines = 57;

QString MoreText(); // "More Events Not Listed."

struct Record {
  QString scriptId;
  QStringList lines; // the actions' titles, then the "more" line when cut short
  int height = kRecordHeight;
};

struct Page {
  QString title;
  QString printedAt;
  int number = 0;
  QStringList headings;
  QList<Record> records;
};

Record MakeRecord(const tScrpt& script);
// The records of the listed ids in list order; an id whose script can no longer be loaded
// is left out.
QList<Record> Records(const QStringList& ids);
// The pages of the records; none for no records.
QList<Page> Pages(const QList<Record>& records, const QString& printedAt);
} // namespace ScrptListing
