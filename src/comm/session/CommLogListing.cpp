#include "comm/session/CommLogListing.h"

#include "comm/session/CommLogTable.h"
#include "platform/engine/TTable.h"


const QStringList& CommLogListing::Headings() {
  static const QStringList headings{QStringLiteral("Number"),    QStringLiteral("Result"),
                                    QStringLiteral("Machine ID"), QStringLiteral("Store #"),
                                    QStringLiteral("Machine #"), QStringLiteral("Comm Type"),
                                    QStringLiteral("Start Time"), QStringLiteral("End Time"),
                                    QStringLiteral("Duration")};
  return headings;
}

QList<QStringList> CommLogListing::Rows(TTable& table) {
  QList<QStringList> rows;
  for (table.First(); !table.Eof(); table.Next()) {
    QStringList cells;
    for (const QString& field : CommLogTable::GridFields()) cells << table.FieldByName(field).AsString();
    rows << cells;
  }
  return rows;
}
