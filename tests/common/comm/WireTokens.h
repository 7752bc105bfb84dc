#pragma once
// The simulated register's transcript as short tokens, for scenario tables to compare:
// "> CMD D0 21 0001 0124", "< BLK 3", "> ACK", "< STAT 20", "< ERR 7", "> BAD BLK 0" ...
// ">" is a frame the register received, "<" one it sent.
#include <QString>
#include <QStringList>

class CrsSim;
struct SimTranscriptEntry;

namespace WireTokens {
// Bytes as upper-case hex pairs: "10 02 A0".
QString Hex(const QByteArray& bytes);
QString Token(const SimTranscriptEntry& entry);
// Every frame on the line, in order.
QStringList All(const CrsSim& sim);
// The frames the register received, in order.
QStringList Received(const CrsSim& sim);
} // namespace WireTokens
