#pragma once
// CRC-16/ARC as the register link uses it: reflected polynomial 0xA001, start value 0,
// no final XOR ("123456789" gives 0xBB3D).
#include <QByteArray>
#include <QtGlobal>

namespace SimCrc {
quint16 Step(quint16 crc, quint8 byte);
quint16 Of(const QByteArray& bytes, quint16 crc = 0);
} // namespace SimCrc
