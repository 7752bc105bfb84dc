#pragma once
// One fault to inject. Faults are placed by the command of an exchange, which occurrence of
// that command, and the frame of the exchange: frame k is the register's k-th answer in it,
// repeats not counted. For D0 and E0, frame k is the k-th block and frame N+1 the closing
// EOT; for A0, B0, C0 and C1 frame 1 is the one answer; for F0, frame 1 answers the command
// and frame k+1 answers the system's k-th block.
#include <QString>
#include <QtGlobal>

enum class SimFaultKind {
  BadCrc,     // a data frame goes out with a wrong CRC
  Nak,        // DLE NAK in place of the answer
  Silence,    // no answer at all
  LostAck,    // the system's ACK of this block is ignored; the block goes again, byte for byte
  SkipBlock,  // this block is left out, so its number is missing on the line
  ErrorBlock, // an error block in place of the answer; the exchange ends
  EarlyEot,   // DLE EOT in place of the answer; the exchange ends
  AckAnswer,  // DLE ACK in place of the answer; the exchange ends
};

struct SimFault {
  static constexpr int Any = 0;
  static constexpr int Forever = -1;

  SimFaultKind kind = SimFaultKind::BadCrc;
  quint8 command = 0;   // the command byte of the exchange; 0 for any
  int occurrence = Any; // the n-th time that command came (counting from 1); Any for every
  int frame = 1;        // Any: every frame, control frames and repeats included
  int times = 1;        // how often it fires; Forever for no end
  quint8 errorCode = 1; // ErrorBlock: the register's error code

  // "kind[:option,...]", for example "badcrc:cmd=D0,frame=2" or "silence:times=3"
  // or "silence:forever" (see the README); throws SimFaultSyntaxError.
  static SimFault Parse(const QString& text);
  static QString KindName(SimFaultKind kind);
  QString Describe() const;
};
