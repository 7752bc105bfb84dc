#pragma once
// The records of the script listing ("Script Listing", TScrptListingReport): one a script,
// its id beside its actions' titles, one line each, in form pixels of a page 1056 high.
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

Record MakeRecord(const tScrpt& script);
// The records of the listed ids in list order; an id whose script can no longer be loaded
// is left out.
QList<Record> Records(const QStringList& ids);
} // namespace ScrptListing
