// The line, flow-control, modem-status and line-error operations of the dispatcher.
#include "comm/link/TSclBaseDispatcher.h"

#include "comm/link/SclErrorCodes.h"
#include "platform/sys/TimingProfile.h"

#include <chrono>
#include <thread>

using L = TSclDispatchLog;

namespace {
int StopBitsOf(int asked, int dataBits, int current) {
  if (dataBits == 5) return 1; // one and a half, whatever was asked
  if (asked == 3) return current;
  return (asked == 0 || asked == 1) ? 0 : 2;
}
} // namespace

int TSclBaseDispatcher::EscapeFunction(int code) {
  if (!device_) return SclErr::BadArgument;
  switch (code) {
  case escSetRts: return device_->SetRts(true);
  case escClrRts: return device_->SetRts(false);
  case escSetDtr: return device_->SetDtr(true);
  case escClrDtr: return device_->SetDtr(false);
  default: return SclErr::BadArgument;
  }
}

int TSclBaseDispatcher::WriteState() {
  if (!device_) return SclErr::CommNotOpen;
  if (int r = device_->SetLine(state_.Line); r < 0) return r;
  return device_->SetFlow(state_.Flow);
}

void TSclBaseDispatcher::RedriveLines() {
  if (!state_.Flow.DtrHandshake) EscapeFunction(dtrState_ ? escSetDtr : escClrDtr);
  if (!state_.Flow.RtsHandshake && !rs485_) EscapeFunction(rtsState_ ? escSetRts : escClrRts);
}

// Waits until the writer has emptied the output ring (at most about 10 s), then for the
// time 18 characters take at the current settings, so the UART's own queue has gone too.
// With the ring empty and nothing queued since the port opened or since the last drain,
// there is nothing to wait for: the settings of a port just opened go in at once, without
// holding the thread that opens it (every session's, on the GUI thread).
void TSclBaseDispatcher::DrainOutput() {
  if (!queuedSinceDrain_.exchange(false) && OutputUsed() == 0) return;
  const int pollMs = TimingMs("link.drainPollMs", 2);
  for (int i = TimingCount("link.drainPolls", 5000); i > 0 && OutputUsed() > 0; --i)
    std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
  SerialLineSettings line;
  {
    std::lock_guard lock(portLock_);
    line = state_.Line;
  }
  const int baud = lastBaud_ > 0 ? lastBaud_ : 115200;
  const int bits = 1 + line.DataBits + (line.Parity ? 1 : 0) + (line.StopBits ? 2 : 1);
  long t = (10000000L / baud) * bits * 18; // tenths of a microsecond
  if (t < 9999) t *= 2;
  const int ms = static_cast<int>(t / 10000 + (t % 10000 ? 1 : 0));
  std::this_thread::sleep_for(std::chrono::milliseconds(TimingMs("link.drainCharsMs", ms)));
}

int TSclBaseDispatcher::CharTimeUs() {
  std::lock_guard lock(portLock_);
  const SerialLineSettings& line = state_.Line;
  const int baud = line.Baud > 0 ? line.Baud : 115200;
  const int bits = 1 + line.DataBits + (line.Parity ? 1 : 0) + (line.StopBits ? 2 : 1);
  return int(1000000L * bits / baud) + 1;
}

int TSclBaseDispatcher::ChangeLine(int baud, int parity, int dataBits, int stopBits) {
  SerialLineSettings wanted;
  {
    std::lock_guard lock(portLock_);
    wanted = state_.Line;
    if (baud != 0) wanted.Baud = baud;
    if (parity != 5) wanted.Parity = parity;
    if (dataBits != 9) wanted.DataBits = dataBits;
    wanted.StopBits = StopBitsOf(stopBits, wanted.DataBits, wanted.StopBits);
    if (wanted == state_.Line) return 0;
  }
  if (wanted.DataBits < 5 || wanted.DataBits > 8) return SclErr::ByteSize;
  DrainOutput();
  std::lock_guard lock(portLock_);
  const SerialLineSettings before = state_.Line;
  state_.Line = wanted;
  if (int r = WriteState(); r < 0) {
    state_.Line = before;
    return r;
  }
  lastBaud_ = wanted.Baud;
  RedriveLines();
  return 0;
}

void TSclBaseDispatcher::LineSettings(int& baud, int& parity, int& dataBits, int& stopBits) {
  std::lock_guard lock(portLock_);
  baud = state_.Line.Baud;
  parity = state_.Line.Parity;
  dataBits = state_.Line.DataBits;
  stopBits = state_.Line.StopBits == 0 ? 1 : 2;
}

void TSclBaseDispatcher::FlowSettings(int& hardware, int& software, char& xon, char& xoff) {
  std::lock_guard lock(portLock_);
  const SerialFlowSettings& f = state_.Flow;
  hardware = (f.DtrHandshake ? 1 : 0) | (f.RtsHandshake ? 2 : 0) | (f.OutxDsr ? 4 : 0) | (f.OutxCts ? 8 : 0);
  software = (f.XonTransmit ? 1 : 0) | (f.XonReceive ? 2 : 0);
  xon = f.XonChar;
  xoff = f.XoffChar;
}

int TSclBaseDispatcher::DriveDtr(bool level) {
  std::lock_guard lock(portLock_);
  if (state_.Flow.DtrHandshake) return 1;
  if (EscapeFunction(level ? escSetDtr : escClrDtr) < 0) return SclErr::BadArgument;
  dtrState_ = level;
  return 0;
}

int TSclBaseDispatcher::DriveRts(bool level) {
  std::lock_guard lock(portLock_);
  if (state_.Flow.RtsHandshake || rs485_) return 1;
  if (EscapeFunction(level ? escSetRts : escClrRts) < 0) return SclErr::BadArgument;
  rtsState_ = level;
  return 0;
}

int TSclBaseDispatcher::EnableHardwareFlow(int full, int resume, int options) {
  std::lock_guard lock(portLock_);
  if (full < resume || full > inputQueueSize_) return SclErr::BadArgument;
  SerialFlowSettings& f = state_.Flow;
  f.DtrHandshake = options & 1;
  f.RtsHandshake = options & 2;
  f.OutxDsr = options & 4;
  f.OutxCts = options & 8;
  f.HoldAbove = full;
  f.ReleaseAt = resume;
  const int r = WriteState();
  // Lines under handshake start raised (the sender may send); the others take their level.
  if (f.DtrHandshake) EscapeFunction(escSetDtr);
  if (f.RtsHandshake) EscapeFunction(escSetRts);
  RedriveLines();
  return r;
}

int TSclBaseDispatcher::EnableSoftwareFlow(int full, int resume, int options) {
  std::lock_guard lock(portLock_);
  if (full < resume || full > inputQueueSize_) return SclErr::BadArgument;
  SerialFlowSettings& f = state_.Flow;
  if (options & 2) f.XonReceive = true;
  if (options & 1) f.XonTransmit = true;
  if (options & 3) {
    f.XonChar = 17;
    f.XoffChar = 19;
  }
  const int r = WriteState();
  RedriveLines();
  return r;
}

int TSclBaseDispatcher::DisableSoftwareFlow() {
  std::lock_guard lock(portLock_);
  state_.Flow.XonReceive = state_.Flow.XonTransmit = false;
  const int r = WriteState();
  RedriveLines();
  return r;
}

int TSclBaseDispatcher::SetFlowChars(char xon, char xoff) {
  std::lock_guard lock(portLock_);
  state_.Flow.XonChar = xon;
  state_.Flow.XoffChar = xoff;
  const int r = WriteState();
  RedriveLines();
  return r;
}

// The lines as they stand, with the changes collected so far.
int TSclBaseDispatcher::CurrentModemStatus() {
  const int lines = device_ ? device_->ModemStatus() & msLines : 0;
  int status = lines | (modemStatus_ & msChanges);
  if (ringSeen_.exchange(false)) status |= msRingSeen;
  return status;
}

int TSclBaseDispatcher::ReadModemStatus(int mask) {
  std::lock_guard lock(portLock_);
  const int status = CurrentModemStatus();
  modemStatus_ = status & mask; // the caller consumes the change bits outside the mask
  return status;
}

// Each takes its own change bit.
bool TSclBaseDispatcher::CtsState() { return ReadModemStatus(0xFF & ~msCtsChanged) & msCts; }
bool TSclBaseDispatcher::DsrState() { return ReadModemStatus(0xFF & ~msDsrChanged) & msDsr; }
bool TSclBaseDispatcher::DcdState() { return ReadModemStatus(0xFF & ~msDcdChanged) & msDcd; }
bool TSclBaseDispatcher::RingSeen() { return ReadModemStatus(0xFF & ~msRingSeen) & msRingSeen; }

void TSclBaseDispatcher::UpdateModemStatus() {
  std::lock_guard lock(portLock_);
  const int old = modemStatus_;
  const int now = ReadModemStatus(0xFF);
  modemStatus_ = now | (((old >> 4) ^ (now >> 4)) & msChanges);
}

uint32_t TSclBaseDispatcher::ReadErrors() { return device_ ? device_->TakeErrors() & SerialDevice::ErrAll : 0; }

void TSclBaseDispatcher::NoteErrors(uint32_t errors) {
  std::lock_guard lock(portLock_);
  pendingErrors_ |= errors & SerialDevice::ErrAll;
}

int TSclBaseDispatcher::TakeLineError() {
  std::lock_guard lock(portLock_);
  // The most important pending error first, with the code the line-error event carries.
  static constexpr struct {
    uint32_t bit;
    int code;
  } kOrder[] = {{SerialDevice::ErrRxOver, leRxOverflow}, {SerialDevice::ErrOverrun, leOverrun},
                {SerialDevice::ErrParity, leParity},     {SerialDevice::ErrFrame, leFraming},
                {SerialDevice::ErrBreak, leBreak}};
  constexpr uint32_t kTaken = SerialDevice::ErrAll & ~uint32_t(SerialDevice::ErrBreak);
  for (const auto& e : kOrder) {
    if (!(pendingErrors_ & e.bit)) continue;
    pendingErrors_ &= ~kTaken; // the break stays until TakeBreak
    return e.code;
  }
  return leNone;
}

bool TSclBaseDispatcher::TakeBreak() {
  std::lock_guard lock(portLock_);
  const bool brk = pendingErrors_ & SerialDevice::ErrBreak;
  pendingErrors_ &= ~uint32_t(SerialDevice::ErrBreak);
  return brk;
}
