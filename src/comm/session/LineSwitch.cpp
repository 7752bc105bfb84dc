#include "comm/session/LineSwitch.h"

#include "comm/session/SessionTiming.h"
#include "platform/sys/ScopeGuard.h"

namespace {
QByteArray Bytes(std::initializer_list<char> bytes) { return QByteArray(bytes.begin(), qsizetype(bytes.size())); }
} // namespace

QList<SwitchStep> LineSwitch::Steps(const QString& switchType, int switchNumber) {
  const int pause = SessionTiming::Ms(SessionTiming::SwitchSettle);
  if (switchType == QLatin1String("Distributed") && switchNumber >= 1) {
    const QByteArray port = QByteArray::number(switchNumber & 0xFF, 16).toUpper().rightJustified(2, '0');
    return {{Bytes({0x13, 0x12, 0x12, 0x04})}, {{}, pause}, {Bytes({0x13}) + port + Bytes({0x01})}};
  }
  if (switchType == QLatin1String("4 Port") && switchNumber >= 1 && switchNumber <= 4)
    return {{Bytes({0x1B, 0x14, 0x04})}, {{}, pause}, {Bytes({0x1B, 0x14, char(0x40 + switchNumber)})}};
  return {};
}

void LineSwitch::Select(ISwitchLine& line, const QString& switchType, int switchNumber) {
  const QList<SwitchStep> steps = Steps(switchType, switchNumber);
  if (steps.isEmpty()) return;
  const int dataBits = line.DataBits();
  const TParity parity = line.Parity();
  line.SetFraming(8, pNone);
  const auto restore = OnScopeExit([&] { line.SetFraming(dataBits, parity); });
  for (const SwitchStep& step : steps) {
    if (step.send.isEmpty())
      line.Pause(step.pauseMs);
    else
      line.Send(step.send);
  }
}
