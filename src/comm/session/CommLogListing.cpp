#include "comm/session/CommLogListing.h"

#include "comm/session/CommLogTable.h"
#include "platform/engine/TTable.h"

#include <algorithm>

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

QList<CommLogListing::Page> CommLogListing::Pages(const QList<QStringList>& rows, const QString& printedAt,
                                                  int rowsPerPage) {
  rowsPerPage = std::max(1, rowsPerPage);
  QList<Page> pages;
  qsizetype next = 0;
  do {
    Page page{QStringLiteral("Log Table"), printedAt, int(pages.size()) + 1, Headings(), {}};
    page.rows = rows.mid(next, rowsPerPage);
    next += page.rows.size();
    pages << page;
  } while (next < rows.size());
  return pages;
}
