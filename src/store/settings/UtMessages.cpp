#include "store/settings/UtMessages.h"

#include <algorithm>
#include <array>

namespace {
struct Entry {
  int32_t id;
  const char* text;
};

// Sorted by id. In ids 5 and 8 "\n" is the two characters backslash and n, shown as
// they stand, as the table has always held them.
constexpr std::array<Entry, 15> kTable = {{
    {0, "FALSE"},
    {1, "TRUE"},
    {2, "No Ini File or Primary Key specified"},
    {4, "RegIni Class not supported under Win32s"},
    {5, R"(Failed to create key\nError Code: %d)"},
    {7, "Failed to write value to INI file"},
    {8, R"(Failed to write value to Registry\nError Code: %d)"},
    {9, "No key name specified"},
    {29, "Function not supported on INI files"},
    {32, "Unable to close remote registry key"},
    {38, "Size of byte array exceeds limit"},
    {40, "No Value Name specified"},
    {73, "Error opening file"},
    {100, "File does not contain version info"},
    {101, "Unable to read version info"},
}};
} // namespace

QString UtMessages::Text(int32_t id) {
  const auto found = std::lower_bound(kTable.begin(), kTable.end(), id,
                                      [](const Entry& e, int32_t wanted) { return e.id < wanted; });
  return found != kTable.end() && found->id == id ? QString::fromLatin1(found->text) : QString();
}

QString UtMessages::Format(int32_t id, const QList<QVariant>& args) {
  const QString text = Text(id);
  QString out;
  qsizetype next = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const QChar kind = i + 1 < text.size() ? text[i + 1] : QChar();
    if (c != QLatin1Char('%') || kind.isNull()) {
      out += c;
    } else if (kind == QLatin1Char('%')) {
      out += c;
      ++i;
    } else if ((kind == QLatin1Char('d') || kind == QLatin1Char('s')) && next < args.size()) {
      out += args[next++].toString();
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}
