#pragma once
// Line and flow settings of a serial device, in the system's own terms.

struct SerialLineSettings {
  int Baud = 19200;
  int Parity = 0;   // 0 none, 1 odd, 2 even, 3 mark, 4 space
  int DataBits = 8; // 5 to 8
  int StopBits = 0; // 0 one, 1 one and a half, 2 two
  bool operator==(const SerialLineSettings&) const = default;
};

// Flow control. The input handshake on RTS/DTR and output gating on CTS/DSR are done by the
// device layer itself and never by the terminal's CRTSCTS, which would also hold all output
// until CTS rises and so hang on a register cable without a CTS wire.
struct SerialFlowSettings {
  bool DtrHandshake = false; // DTR drops while input piles up
  bool RtsHandshake = false; // RTS drops while input piles up
  bool OutxDsr = false;      // output waits for DSR
  bool OutxCts = false;      // output waits for CTS
  bool XonTransmit = false;  // output pauses on XOFF received
  bool XonReceive = false;   // XOFF is sent while input piles up
  char XonChar = 17;
  char XoffChar = 19;
  int HoldAbove = 0; // bytes in the device's input queue above which the sender is held
  int ReleaseAt = 0; // bytes at or below which it is released again
  bool operator==(const SerialFlowSettings&) const = default;
};
