#pragma once
// The register's side of the link, without any I/O: it is fed the frames that arrive and
// tells what to send. It answers the status check from a script or from what it last did,
// acknowledges the clear-flag command, answers a consolidation with EOT, sends report
// blocks and program tables (numbered down to 0, then EOT; EOT alone when it has none),
// takes program tables the system sends, NAKs a frame with a bad CRC, repeats its last
// frame on a NAK, and injects the faults of its plan.
#include "crs-sim/SimCommand.h"
#include "crs-sim/SimFaultPlan.h"
#include "crs-sim/SimFixtures.h"
#include "crs-sim/SimReaction.h"
#include "crs-sim/SimWireFrame.h"

#include <QHash>
#include <deque>
#include <optional>

class SimRegister {
public:
  // Status nibbles (the high four bits of the status byte).
  static constexpr int PreviousStatus = 0x0;
  static constexpr int PrePollDone = 0x2;
  static constexpr int ClearDone = 0x6;

  explicit SimRegister(SimFixtures fixtures = {});

  // -1 answers every store number; otherwise commands for other stores go unanswered.
  void SetStore(int store) { store_ = store; }
  void SetLostAckResendMs(int ms) { lostAckResendMs_ = ms; }

  SimReaction OnFrame(const SimWireFrame& frame);
  SimReaction OnTimer();

  SimFaultPlan& Faults() { return faults_; }
  const SimFaultPlan& Faults() const { return faults_; }
  // Answers to the coming status checks, in order; afterwards the default again.
  void ScriptStatus(const QList<int>& nibbles);
  void SetProgram(int code, const QList<QByteArray>& blocks);
  QList<QByteArray> Program(int code) const { return fixtures_.programs.value(code); }
  void SetReport(int code, const QList<QByteArray>& blocks);
  QList<int> ProgramCodes() const { return fixtures_.programs.keys(); }
  QList<int> ReportCodes() const { return fixtures_.reports.keys(); }

private:
  enum class Phase { Idle, Sending, Receiving };
  struct Answer {
    SimWireFrame::Kind kind = SimWireFrame::Ack;
    QByteArray body;
    QString note;
    int frame = 0;
  };

  SimReaction OnData(const SimWireFrame& frame);
  SimReaction OnCommand(const SimCommand& cmd);
  SimReaction OnBlock(const QByteArray& body);
  SimReaction OnAck();
  SimReaction OnNak();
  SimReaction OnEot();
  void Start(const SimCommand& cmd, int occurrence, SimReaction& r);
  void StartSending(const QList<QByteArray>& blocks, SimReaction& r);
  void SendAt(SimReaction& r);
  bool Replace(SimReaction& r);
  void Emit(const Answer& answer, SimReaction& r);
  bool Take(SimFaultKind kind, int frame);
  bool Deaf(int frame) { return Take(SimFaultKind::Silence, frame); }
  QByteArray StatusBody();
  QString Subject() const;

  SimFixtures fixtures_;
  SimFaultPlan faults_;
  std::deque<int> statusScript_;
  int status_ = PreviousStatus;
  int store_ = -1;
  int lostAckResendMs_ = 1000;
  QHash<quint8, int> occurrences_;

  Phase phase_ = Phase::Idle;
  SimCommand cmd_;
  int occurrence_ = 0;
  int frame_ = 0;
  QList<QByteArray> blocks_; // sending: the bodies
  int blockIndex_ = 0;
  bool awaitingAck_ = false;
  bool lostAckPending_ = false;
  QList<QByteArray> received_; // receiving: the bodies taken so far
  int lastNumber_ = -1;
  std::optional<Answer> last_; // the last frame sent that a NAK repeats
  QByteArray lastWire_;
};
