#include "comm/scripts/ScrptListing.h"

#include "comm/actions/tActn.h"
#include "comm/scripts/ScrptList.h"
#include "comm/scripts/tScrpt.h"

QString ScrptListing::MoreText() { return QStringLiteral("More Events Not Listed."); }

ScrptListing::Record ScrptListing::MakeRecord(const tScrpt& script) {
  Record record{script.ScrptID(), {}, kRecordHeight};
  const int count = script.ActnCount();
  for (int i = 1; i <= count; ++i) {
    if (i > kMaxActionLines) {
      record.lines << MoreText();
      record.height += kLineHeight;
      break;
    }
    record.lines << script.Actn(i)->DispTitle();
    if (i > 1) record.height += kLineHeight;
  }
  return record;
}

QList<ScrptListing::Record> ScrptListing::Records(const QStringList& ids) {
  QList<Record> records;
  for (const QString& id : ids)
    if (std::unique_ptr<tScrpt> script = LoadScrpt(id)) records << MakeRecord(*script);
  return records;
}
