#include "crs-sim/SimCommand.h"

namespace {
bool IsBcd(quint8 b) { return (b >> 4) <= 9 && (b & 0x0F) <= 9; }

bool IsStore(const QByteArray& s) {
  if (s == "****") return true;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

QString Hex2(quint8 b) { return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper(); }

QString Consolidation(const QByteArray& options) {
  for (qsizetype i = 0; i < options.size(); ++i)
    if (options[i] != 0)
      return QStringLiteral("option %1 at position %2").arg(Hex2(quint8(options[i]))).arg(i + 1);
  return QStringLiteral("no option byte");
}
} // namespace

bool SimCommand::IsCommandCode(quint8 code) { return DataSize(code) > 0; }

int SimCommand::DataSize(quint8 code) {
  switch (code) {
  case Status: case ClearFlag: case ReadReport: case ProgramReceive: case ProgramSend: return 1;
  case ConsolidateReset: case ConsolidateRead: return 15;
  default: return 0;
  }
}

std::optional<SimCommand> SimCommand::Parse(const QByteArray& body, QString* problem) {
  auto fail = [&](const QString& why) -> std::optional<SimCommand> {
    if (problem) *problem = why;
    return std::nullopt;
  };
  if (body.isEmpty()) return fail(QStringLiteral("empty body"));
  SimCommand cmd;
  cmd.code = quint8(body[0]);
  const int size = DataSize(cmd.code);
  if (size == 0) return fail(QStringLiteral("unknown command %1").arg(Hex2(cmd.code)));
  if (body.size() != 1 + size + 4 + 2)
    return fail(QStringLiteral("%1 with %2 body bytes, not %3").arg(Hex2(cmd.code)).arg(body.size()).arg(size + 7));
  cmd.data = body.mid(1, size);
  cmd.store = body.mid(1 + size, 4);
  cmd.first = quint8(body[size + 5]);
  cmd.last = quint8(body[size + 6]);
  if (!IsStore(cmd.store)) return fail(QStringLiteral("store field is not four digits"));
  if (!IsBcd(cmd.first) || !IsBcd(cmd.last))
    return fail(QStringLiteral("register range %1..%2 is not BCD").arg(Hex2(cmd.first), Hex2(cmd.last)));
  return cmd;
}

QByteArray SimCommand::Body() const {
  QByteArray body;
  body.append(char(code)).append(data).append(store).append(char(first)).append(char(last));
  return body;
}

int SimCommand::StoreNumber() const { return store == "****" ? -1 : store.toInt(); }

QString SimCommand::Describe() const {
  QString what;
  switch (code) {
  case Status: what = QStringLiteral("status check"); break;
  case ClearFlag: what = QStringLiteral("clear report flag %1").arg(Subject()); break;
  case ConsolidateReset: what = QStringLiteral("consolidate (reset), %1").arg(Consolidation(data)); break;
  case ConsolidateRead: what = QStringLiteral("consolidate (read), %1").arg(Consolidation(data)); break;
  case ReadReport: what = QStringLiteral("read report %1").arg(Subject()); break;
  case ProgramReceive: what = QStringLiteral("program receive %1").arg(Subject()); break;
  case ProgramSend: what = QStringLiteral("program send %1").arg(Subject()); break;
  default: what = QStringLiteral("command"); break;
  }
  return QStringLiteral("%1 %2, store %3, registers %4..%5")
      .arg(Hex2(code), what, QString::fromLatin1(store), Hex2(first), Hex2(last));
}
