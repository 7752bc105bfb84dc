#include "comm/session/LineSwitch.h"

#include "comm/session/SessionTiming.h"
#include "platform/sys/Exception.h"

namespace {
QByteArray Bytes(std::initializer_list<char> bytes) { return QByteArray(bytes.begin(), qsizetype(bytes.size())); }

struct Run {
  ISwitchLine& line;
  QList<SwitchStep> steps;
  int dataBits;
  TParity parity;
  LineSwitch::Done done;
};

// The steps from `next` on; a pause hands the rest to the line's timer.
void RunFrom(const std::shared_ptr<Run>& run, int next) {
  QString failure;
  try {
    for (; next < run->steps.size(); ++next) {
      const SwitchStep& step = run->steps[next];
      if (step.send.isEmpty()) return run->line.After(step.pauseMs, [run, next] { RunFrom(run, next + 1); });
      run->line.Send(step.send);
    }
  } catch (const std::exception& e) {
    failure = ExceptionMessage(e);
  }
  run->line.SetFraming(run->dataBits, run->parity);
  run->done(failure);
}
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

void LineSwitch::Select(ISwitchLine& line, const QString& switchType, int switchNumber, Done done) {
  QList<SwitchStep> steps = Steps(switchType, switchNumber);
  if (steps.isEmpty()) return done(QString());
  auto run = std::make_shared<Run>(Run{line, std::move(steps), line.DataBits(), line.Parity(), std::move(done)});
  line.SetFraming(8, pNone);
  RunFrom(run, 0);
}
