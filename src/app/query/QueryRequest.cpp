#include "app/query/QueryRequest.h"

QueryRequest QueryRequest::Parse(const QString& line) {
  QueryRequest request;
  QString* fields[] = {&request.command, &request.machineId, &request.outputFile};
  qsizetype from = 0;
  for (QString* field : fields) {
    const qsizetype tab = line.indexOf(QLatin1Char('\t'), from);
    if (tab < 0) continue;
    *field = line.mid(from, tab - from);
    from = tab + 1;
    ++request.tabs;
  }
  request.param = line.mid(from);
  return request;
}
