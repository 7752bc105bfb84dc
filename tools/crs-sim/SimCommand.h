#pragma once
// A command frame's body as the register reads it: command byte, its data (one byte, or
// fifteen option bytes for a consolidation), the store number as four ASCII digits
// ("****" above 9999) and the packed-BCD first and last register of the range.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

struct SimCommand {
  static constexpr quint8 Status = 0xA0;
  static constexpr quint8 ClearFlag = 0xB0;
  static constexpr quint8 ConsolidateReset = 0xC0;
  static constexpr quint8 ConsolidateRead = 0xC1;
  static constexpr quint8 ReadReport = 0xD0;
  static constexpr quint8 ProgramReceive = 0xE0; // the register sends its table
  static constexpr quint8 ProgramSend = 0xF0;    // the register takes a table

  quint8 code = 0;
  QByteArray data;
  QByteArray store = "0001";
  quint8 first = 0x01;
  quint8 last = 0x24;

  static bool IsCommandCode(quint8 code);
  static int DataSize(quint8 code);
  // A body that is exactly a well-formed command; otherwise nothing, and why in problem.
  static std::optional<SimCommand> Parse(const QByteArray& body, QString* problem = nullptr);

  QByteArray Body() const;
  // The store number, or -1 when the store field holds "****".
  int StoreNumber() const;
  // The report or program code of B0, D0, E0 and F0.
  int Subject() const { return data.isEmpty() ? 0 : quint8(data[0]); }
  QString Describe() const;
};
