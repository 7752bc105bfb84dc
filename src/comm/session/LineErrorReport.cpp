#include "comm/session/LineErrorReport.h"

#include <array>

QString LineErrorText(int code) {
  static constexpr std::array<const char*, 8> kTexts{"Buffer overrun", "UART overrun",  "parity", "framing",
                                                     "CTS",            "DSR",           "RLSD",   "Xmit Queue full"};
  if (code < 1 || code > int(kTexts.size())) return QStringLiteral("Undefined");
  return QString::fromLatin1(kTexts[size_t(code - 1)]);
}

LineErrorReport ReportLineError(int code, bool lineBreak) {
  if (lineBreak) return {QStringLiteral("<B>"), {}, QStringLiteral("Break")};
  if (code == 0) return {{}, QStringLiteral(" <UNDEFINED COMM ERROR> "), QStringLiteral("Undefined_Comm_Error")};
  return {{},
          QStringLiteral(" <Comm. Error %1 %2> ").arg(code).arg(LineErrorText(code)),
          QStringLiteral("Error_%1").arg(code)};
}
