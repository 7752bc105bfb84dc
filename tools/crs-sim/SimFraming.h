#pragma once
// The bytes of the register link: two-byte control frames, and data frames made of
// DLE STX, the body with every 0x10 doubled, DLE ETX and the CRC (low byte first, never
// doubled) of the plain body followed by ETX.
#include <QByteArray>
#include <QtGlobal>

namespace SimFraming {
constexpr quint8 DLE = 0x10;
constexpr quint8 STX = 0x02;
constexpr quint8 ETX = 0x03;
constexpr quint8 EOT = 0x04;
constexpr quint8 ACK = 0x06;
constexpr quint8 NAK = 0x15;

QByteArray Stuff(const QByteArray& body);
// Undoes Stuff; a lone 0x10 (not part of a pair) is kept as it stands.
QByteArray Unstuff(const QByteArray& stuffed);
// The CRC a data frame carries for this body.
quint16 BodyCrc(const QByteArray& body);
// A data frame; with badCrc its CRC bytes are deliberately wrong.
QByteArray DataFrame(const QByteArray& body, bool badCrc = false);
QByteArray ControlFrame(quint8 code);
} // namespace SimFraming
