#pragma once
// A simulated register serving one end of a pseudo-terminal, and the test's hand-written
// driver on the other end.
#include "SimLineDriver.h"

#include "crs-sim/CrsSim.h"
#include "crs-sim/SimCommand.h"
#include "crs-sim/SimErrors.h"
#include "crs-sim/SimFraming.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

class SimExchange : public ::testing::Test {
protected:
  static inline const QByteArray ACK = TestSupport::Hex("10 06");
  static inline const QByteArray NAK = TestSupport::Hex("10 15");
  static inline const QByteArray EOT = TestSupport::Hex("10 04");

  explicit SimExchange(CrsSimConfig config = Config()) : sim(config) { sim.Start(line.SimEnd()); }
  ~SimExchange() override { sim.Stop(); }

  static CrsSimConfig Config() {
    CrsSimConfig config;
    config.fixtureDir = TestSupport::DataPath(QStringLiteral("crs-sim"));
    config.lostAckResendMs = 40;
    return config;
  }

  static QByteArray Command(quint8 code, int subject, int store = 1) {
    SimCommand cmd;
    cmd.code = code;
    cmd.data = code == 0xC0 || code == 0xC1 ? QByteArray(15, '\0') : QByteArray(1, char(subject));
    cmd.store = QByteArray::number(store).rightJustified(4, '0');
    return SimFraming::DataFrame(cmd.Body());
  }
  static QByteArray Numbered(QByteArray body, int number) {
    body[0] = char(number);
    return body;
  }
  static QByteArray Frame(const QByteArray& body) { return SimFraming::DataFrame(body); }

  // Sends a frame and returns the answer frame (empty when none came in time).
  QByteArray Ask(const QByteArray& frame, int timeoutMs = 2000) {
    line.Send(frame);
    return line.Frame(timeoutMs);
  }
  // The register's status nibble from a status check.
  int Status() {
    const QByteArray answer = Ask(Command(0xA0, 0));
    const QByteArray body = SimFraming::Unstuff(answer.mid(2, answer.size() - 6));
    EXPECT_EQ(body.size(), 3) << answer.toHex(' ').constData();
    return body.size() == 3 ? quint8(body[2]) >> 4 : -1;
  }

  SimLineDriver line;
  CrsSim sim;
};
