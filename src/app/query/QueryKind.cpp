#include "app/query/QueryKind.h"

#include "app/query/QueryErrors.h"
#include "model/EcrFieldMaps.h"
#include "model/tEcr.h"
#include "store/text/NumberText.h"

namespace {
// The report class named in one of the driver's report field maps.
template <class Fields> QString RptClassOf(const tEcr& ecr, void (tEcr::*get)(Fields&) const) {
  Fields fields;
  (ecr.*get)(fields);
  return fields.RptClass;
}
} // namespace

namespace QueryKind {
qint32 ParseInt(const QString& text, const char* what) {
  int code = 0;
  const qint32 value = NumberText::ValLongint(text, code);
  if (code != 0 || text.trimmed().isEmpty())
    throw EQueryRequest(QStringLiteral("The %1 '%2' is not a valid integer value").arg(QLatin1String(what), text));
  return value;
}

Kind Parse(const QString& text) {
  const qint32 kind = ParseInt(text, "kind");
  if (kind < Plu || kind > TimeKeeping) throw EQueryRequest(QStringLiteral("Unknown kind %1").arg(kind));
  return Kind(kind);
}

QString ReportClass(const tEcr& ecr, Kind kind) {
  switch (kind) {
  case Plu: return RptClassOf(ecr, &tEcr::GetPLURptFields);
  case Financial: return RptClassOf(ecr, &tEcr::GetFnclRptFields);
  case Group: return RptClassOf(ecr, &tEcr::GetGroupRptFields);
  case TimeKeeping: return RptClassOf(ecr, &tEcr::GetEmplRptFields);
  }
  return QString();
}
} // namespace QueryKind
