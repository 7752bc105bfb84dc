// The poll header of a CRS 3000 report: block 1 of every answer becomes the poll's row
// of AllPolls.
#include "crs3000/tEcrRptCrs3000.h"

#include "model/CrsRptParams.h"
#include "model/EConvertError.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Cp1252.h"

#include <QDate>

namespace {
int Clamped(qint64 value, int low, int high) { return value < low || value > high ? 1 : int(value); }

QString AreaName(quint8 area) {
  return area >= 1 && area <= 3 ? QStringLiteral("AREA %1").arg(area) : QStringLiteral("UNDEF");
}
} // namespace

void tEcrRptCrs3000::WritePollHeader(TTable&, const TEcrBlock& buffer) {
  AddPoll();
  TTable& polls = PollsTable();
  polls.Edit();
  auto field = [&polls](const char* name) -> TField& { return polls.FieldByName(QLatin1String(name)); };
  field("Poll Date").SetAsDateTime(TDateTime::Now());
  const qint64 yy = DecodeBcd(buffer, 9, 1, false);
  const int year = int(yy) + (yy >= 90 ? 1900 : 2000);
  const int month = Clamped(DecodeBcd(buffer, 7, 1, false), 1, 12);
  const int day = Clamped(DecodeBcd(buffer, 8, 1, false), 1, 31);
  const bool resetReport = DescendsFrom(QStringLiteral("tEcrRptCrs3000TimeKeeping")) ||
                           DescendsFrom(QStringLiteral("tEcrRptCrs3000ProductProjection"));
  if (resetReport)
    field("Poll Type").SetAsString(CrsRptParams::IsReset(*this) ? QStringLiteral("Z") : QStringLiteral("X"));
  else
    field("Poll Type").SetAsString(UpToZero(DecodeText(buffer, 5, 1)));
  const QDate ecrDate(year, month, day);
  if (!ecrDate.isValid()) throw EConvertError(QStringLiteral("Invalid argument to date encode"));
  field("Ecr Date").SetAsDateTime(TDateTime::FromDate(ecrDate));
  field("Polled Area").SetAsString(AreaName(buffer[6]));
  field("Z Counter").SetAsInteger(DecodeBcd(buffer, 10, 2, true));
  field("Misc Info 1").SetAsInteger(DecodeBcd(buffer, 12, 2, false));
  field("Misc Info 2").SetAsInteger(buffer[14]);
  field("Misc Info 3").SetAsInteger(DecodeBcd(buffer, 15, 1, false));
  field("Misc Data 1").SetAsString(Cp1252::Decode(reinterpret_cast<const char*>(buffer.data()) + 16, 24));
  if (DescendsFrom(QStringLiteral("tEcrRptCrs3000Ej"))) {
    field("Ecr Date").SetAsDateTime(TDateTime::Now());
    field("Poll Type").SetAsString(QStringLiteral("E.J."));
    field("Polled Area").SetAsString(QStringLiteral("E.J."));
    for (const char* zero : {"Z Counter", "Misc Info 1", "Misc Info 2", "Misc Info 3"}) field(zero).SetAsInteger(0);
    field("Misc Data 1").SetAsString(QStringLiteral("0"));
  }
  polls.Post();
}
