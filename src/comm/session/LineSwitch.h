#pragma once
// Line-sharing switches: several registers on one line, a switch in front of them that a
// command sets to one register's port. The command is sent in 8 data bits without parity,
// in two parts with a pause between them; the line's own settings come back afterwards.
//   "Distributed", switch number 1 or more: 13 12 12 04, the pause, then 13, the number's
//                  low byte as two upper-case hexadecimal digits, 01 (26: 13 31 41 01).
//   "4 Port", switch number 1 to 4: 1B 14 04, the pause, then 1B 14 and "A" to "D".
//   Any other switch type ("None", "8 Port", "CAS-81") or number: nothing.
#include "comm/link/SclComPortTypes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

struct SwitchStep {
  QByteArray send; // bytes to send; empty for a pause
  int pauseMs = 0;

  bool operator==(const SwitchStep&) const = default;
};

// What selecting the switch port needs of the line.
class ISwitchLine {
public:
  virtual ~ISwitchLine() = default;
  virtual int DataBits() const = 0;
  virtual TParity Parity() const = 0;
  virtual void SetFraming(int dataBits, TParity parity) = 0;
  virtual void Send(const QByteArray& bytes) = 0;
  // Runs `then` after ms; other work goes on meanwhile (nothing waits on the stack).
  virtual void After(int ms, std::function<void()> then) = 0;
};

namespace LineSwitch {
// The steps for the machine's switch type (exact text) and number; empty when none. The
// pause is the timing profile's.
QList<SwitchStep> Steps(const QString& switchType, int switchNumber);
// Runs the steps on the line in 8N framing, a pause through the line's After, and restores
// the line's framing afterwards, also when a step fails; then `done` with the failure's
// message, empty when every step went out. Nothing at all happens on the line when there
// are no steps, and `done` comes at once.
using Done = std::function<void(const QString& failure)>;
void Select(ISwitchLine& line, const QString& switchType, int switchNumber, Done done);
} // namespace LineSwitch
