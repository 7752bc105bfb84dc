#include "crs-sim/SimRegister.h"

#include "crs-sim/SimFraming.h"

using namespace SimFraming;

namespace {
QString Hex2(int b) { return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper(); }

// The names the system's trace gives the status nibbles.
QString StatusName(int nibble) {
  static const char* const names[16] = {"Previous_Cns_Status", "PRE_POLL_PROCESSING", "PRE_POLL_DONE",
                                        "PRE_POLL_ERROR", nullptr, "CLEAR_PROCESSING", "CLEAR_DONE",
                                        "CLEAR_ERROR"};
  const char* name = names[nibble & 0x0F];
  return name ? QLatin1String(name) : QStringLiteral("Wait_Status");
}
} // namespace

SimRegister::SimRegister(SimFixtures fixtures) : fixtures_(std::move(fixtures)) {
  for (auto it = fixtures_.programs.cbegin(); it != fixtures_.programs.cend(); ++it)
    SimFixtures::Check(QStringLiteral("Program %1").arg(it.key()), it.value());
  for (auto it = fixtures_.reports.cbegin(); it != fixtures_.reports.cend(); ++it)
    SimFixtures::Check(QStringLiteral("Report %1").arg(it.key()), it.value());
}

void SimRegister::ScriptStatus(const QList<int>& nibbles) {
  for (int n : nibbles) statusScript_.push_back(n & 0x0F);
}

void SimRegister::SetProgram(int code, const QList<QByteArray>& blocks) {
  SimFixtures::Check(QStringLiteral("Program %1").arg(code), blocks);
  fixtures_.programs.insert(code, blocks);
}

void SimRegister::SetReport(int code, const QList<QByteArray>& blocks) {
  SimFixtures::Check(QStringLiteral("Report %1").arg(code), blocks);
  fixtures_.reports.insert(code, blocks);
}

SimReaction SimRegister::OnFrame(const SimWireFrame& frame) {
  switch (frame.kind) {
  case SimWireFrame::Data: return OnData(frame);
  case SimWireFrame::Ack: return OnAck();
  case SimWireFrame::Nak: return OnNak();
  case SimWireFrame::Eot: return OnEot();
  case SimWireFrame::Noise: break;
  }
  return {QStringLiteral("bytes outside any frame: ignored")};
}

SimReaction SimRegister::OnData(const SimWireFrame& frame) {
  if (!frame.crcOk) {
    if (Deaf(0)) return {QStringLiteral("bad CRC; not heard (fault: silence)")};
    SimReaction r{QStringLiteral("bad CRC: NAK")};
    r.out.append({ControlFrame(NAK), QStringLiteral("NAK: bad CRC")});
    return r;
  }
  QString problem;
  const auto cmd = SimCommand::Parse(frame.body, &problem);
  if (cmd) return OnCommand(*cmd);
  if (phase_ == Phase::Receiving) return OnBlock(frame.body);
  return {QStringLiteral("not a command (%1): ignored").arg(problem)};
}

SimReaction SimRegister::OnCommand(const SimCommand& cmd) {
  if (store_ >= 0 && cmd.StoreNumber() != store_)
    return {cmd.Describe() + QStringLiteral("; another store's: no answer")};
  const int occurrence = ++occurrences_[cmd.code];
  SimReaction r{cmd.Describe()};
  if (occurrence > 1) r.note += QStringLiteral(" (#%1)").arg(occurrence);
  if (faults_.Take(SimFaultKind::Silence, cmd.code, occurrence, 1)) {
    r.note += QStringLiteral("; not heard (fault: silence)");
    return r;
  }
  if (phase_ == Phase::Receiving && !received_.isEmpty())
    r.note += QStringLiteral("; program %1 dropped after %2 blocks").arg(cmd_.Subject()).arg(received_.size());
  if (lostAckPending_) r.cancelTimer = true;
  Start(cmd, occurrence, r);
  return r;
}

void SimRegister::Start(const SimCommand& cmd, int occurrence, SimReaction& r) {
  phase_ = Phase::Idle;
  cmd_ = cmd;
  occurrence_ = occurrence;
  frame_ = 1;
  awaitingAck_ = lostAckPending_ = false;
  switch (cmd.code) {
  case SimCommand::ReadReport:
    StartSending(fixtures_.reports.value(cmd.Subject()), r);
    return;
  case SimCommand::ProgramReceive:
    StartSending(fixtures_.programs.value(cmd.Subject()), r);
    return;
  default: break;
  }
  if (Replace(r)) return;
  switch (cmd.code) {
  case SimCommand::Status: {
    const QByteArray body = StatusBody();
    const int status = quint8(body[2]);
    Emit({SimWireFrame::Data, body, QStringLiteral("status %1 %2").arg(Hex2(status), StatusName(status >> 4)), 1}, r);
    return;
  }
  case SimCommand::ClearFlag:
    status_ = ClearDone;
    Emit({SimWireFrame::Ack, {}, QStringLiteral("ACK: report flag cleared"), 1}, r);
    return;
  case SimCommand::ProgramSend:
    phase_ = Phase::Receiving;
    received_.clear();
    lastNumber_ = -1;
    Emit({SimWireFrame::Ack, {}, QStringLiteral("ACK: ready for program %1").arg(cmd.Subject()), 1}, r);
    return;
  default: // the two consolidation commands
    status_ = PrePollDone;
    Emit({SimWireFrame::Eot, {}, QStringLiteral("EOT: consolidated"), 1}, r);
  }
}

void SimRegister::StartSending(const QList<QByteArray>& blocks, SimReaction& r) {
  phase_ = Phase::Sending;
  blocks_ = blocks;
  blockIndex_ = 0;
  SendAt(r);
}

void SimRegister::SendAt(SimReaction& r) {
  awaitingAck_ = false;
  if (Replace(r)) return;
  if (blockIndex_ < blocks_.size() && Take(SimFaultKind::SkipBlock, frame_)) {
    r.note += QStringLiteral("; block %1 left out (fault: skip)").arg(blocks_.size() - 1 - blockIndex_);
    ++blockIndex_;
  }
  const int count = int(blocks_.size());
  if (blockIndex_ >= count) {
    phase_ = Phase::Idle;
    Emit({SimWireFrame::Eot, {}, count ? QStringLiteral("EOT: end of %1").arg(Subject()) : QStringLiteral("EOT: no data"),
          frame_},
         r);
    return;
  }
  QByteArray body = blocks_[blockIndex_];
  const int number = (count - 1 - blockIndex_) & 0xFF;
  body[0] = char(number);
  Emit({SimWireFrame::Data, body,
        QStringLiteral("block %1 (%2 of %3) of %4").arg(number).arg(blockIndex_ + 1).arg(count).arg(Subject()), frame_},
       r);
  awaitingAck_ = true;
}

SimReaction SimRegister::OnBlock(const QByteArray& body) {
  const int number = body.isEmpty() ? -1 : quint8(body[0]);
  const bool repeat = !received_.isEmpty() && number == lastNumber_;
  const int frame = 1 + int(received_.size()) + (repeat ? 0 : 1);
  SimReaction r{QStringLiteral("block %1 of program %2").arg(number).arg(cmd_.Subject())};
  if (!received_.isEmpty() && !repeat && number != lastNumber_ - 1) r.note += QStringLiteral(", out of sequence");
  if (Deaf(frame)) {
    r.note += QStringLiteral("; not heard (fault: silence)");
    return r;
  }
  frame_ = frame;
  if (Replace(r)) return r;
  if (repeat) {
    received_.last() = body;
    r.note += QStringLiteral(" again: kept once");
  } else {
    received_.append(body);
    lastNumber_ = number;
  }
  Emit({SimWireFrame::Ack, {}, QStringLiteral("ACK of block %1").arg(number), frame_}, r);
  return r;
}

SimReaction SimRegister::OnAck() {
  if (phase_ != Phase::Sending) return {QStringLiteral("ACK: nothing waits for it")};
  SimReaction r{QStringLiteral("ACK")};
  if (Deaf(awaitingAck_ ? frame_ + 1 : frame_)) {
    r.note += QStringLiteral("; not heard (fault: silence)");
    return r;
  }
  if (!awaitingAck_) { // the answer at this frame was replaced by a NAK; it comes now
    SendAt(r);
    return r;
  }
  if (Take(SimFaultKind::LostAck, frame_)) {
    lostAckPending_ = true;
    r.armTimerMs = lostAckResendMs_;
    r.note += QStringLiteral("; lost (fault): the block goes again in %1 ms").arg(lostAckResendMs_);
    return r;
  }
  if (lostAckPending_) r.cancelTimer = true;
  lostAckPending_ = false;
  ++blockIndex_;
  ++frame_;
  SendAt(r);
  return r;
}

SimReaction SimRegister::OnNak() {
  SimReaction r{QStringLiteral("NAK")};
  if (Deaf(0)) {
    r.note += QStringLiteral("; not heard (fault: silence)");
    return r;
  }
  if (!last_) {
    r.note += QStringLiteral(": nothing to repeat");
    return r;
  }
  if (lostAckPending_) r.cancelTimer = true;
  lostAckPending_ = false;
  Answer again = *last_;
  again.note = QStringLiteral("again: ") + again.note;
  Emit(again, r);
  return r;
}

SimReaction SimRegister::OnEot() {
  SimReaction r{QStringLiteral("EOT")};
  if (Deaf(0)) {
    r.note += QStringLiteral("; not heard (fault: silence)");
    return r;
  }
  if (phase_ == Phase::Receiving) {
    fixtures_.programs.insert(cmd_.Subject(), received_);
    status_ = PreviousStatus;
    r.note += QStringLiteral(": program %1 stored, %2 blocks").arg(cmd_.Subject()).arg(received_.size());
  } else if (phase_ == Phase::Sending) {
    r.note += QStringLiteral(": the system ended the transfer of %1").arg(Subject());
    r.cancelTimer = lostAckPending_;
  } else {
    r.note += QStringLiteral(": nothing to end");
  }
  phase_ = Phase::Idle;
  lostAckPending_ = false;
  return r;
}

SimReaction SimRegister::OnTimer() {
  SimReaction r;
  if (!lostAckPending_) return r;
  lostAckPending_ = false;
  r.note = QStringLiteral("no ACK came");
  r.out.append({lastWire_, QStringLiteral("again: ") + (last_ ? last_->note : QString())});
  return r;
}

bool SimRegister::Replace(SimReaction& r) {
  if (Take(SimFaultKind::Nak, frame_)) {
    r.out.append({ControlFrame(NAK), QStringLiteral("NAK in place of frame %1 (fault)").arg(frame_)});
    return true;
  }
  const auto error = faults_.Take(SimFaultKind::ErrorBlock, cmd_.code, occurrence_, frame_);
  if (error) {
    QByteArray body("\x00\x01\xFF", 3);
    body.append(char(error->errorCode));
    Emit({SimWireFrame::Data, body, QStringLiteral("error block, code %1 (fault)").arg(error->errorCode), frame_}, r);
  } else if (Take(SimFaultKind::EarlyEot, frame_)) {
    Emit({SimWireFrame::Eot, {}, QStringLiteral("EOT in place of frame %1 (fault)").arg(frame_), frame_}, r);
  } else if (Take(SimFaultKind::AckAnswer, frame_)) {
    Emit({SimWireFrame::Ack, {}, QStringLiteral("ACK in place of frame %1 (fault)").arg(frame_), frame_}, r);
  } else {
    return false;
  }
  phase_ = Phase::Idle;
  return true;
}

void SimRegister::Emit(const Answer& answer, SimReaction& r) {
  SimOutput out{{}, answer.note};
  if (answer.kind == SimWireFrame::Data) {
    const bool bad = Take(SimFaultKind::BadCrc, answer.frame);
    out.wire = DataFrame(answer.body, bad);
    out.body = answer.body;
    out.crcOk = !bad;
    if (bad) out.note += QStringLiteral(" (fault: bad CRC)");
  } else {
    const quint8 code = answer.kind == SimWireFrame::Ack ? ACK : answer.kind == SimWireFrame::Nak ? NAK : EOT;
    out.wire = ControlFrame(code);
  }
  r.out.append(out);
  last_ = answer;
  lastWire_ = out.wire;
}

bool SimRegister::Take(SimFaultKind kind, int frame) {
  return faults_.Take(kind, cmd_.code, occurrence_, frame).has_value();
}

QByteArray SimRegister::StatusBody() {
  int nibble = status_;
  if (!statusScript_.empty()) {
    nibble = statusScript_.front();
    statusScript_.pop_front();
  }
  QByteArray body("\x00\x01", 2);
  body.append(char(nibble << 4));
  return body;
}

QString SimRegister::Subject() const {
  return QStringLiteral("%1 %2")
      .arg(cmd_.code == SimCommand::ReadReport ? QStringLiteral("report") : QStringLiteral("program"))
      .arg(cmd_.Subject());
}
