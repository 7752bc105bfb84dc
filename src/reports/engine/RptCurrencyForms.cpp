#include "reports/engine/RptCurrencyForms.h"

#include <array>

namespace {
constexpr std::array<const char*, RptCurrencyForms::kPositiveCount> kPositive{"$1.1", "1.1$", "$ 1.1",
                                                                              "1.1 $"};
constexpr std::array<const char*, RptCurrencyForms::kNegativeCount> kNegative{
    "($1.1)", "-$1.1",  "$-1.1",  "$1.1-",  "(1.1$)",  "-1.1$",  "1.1-$",  "1.1$-",
    "-1.1 $", "-$ 1.1", "1.1 $-", "$ 1.1-", "$ -1.1", "1.1- $", "($ 1.1)", "(1.1 $)"};
} // namespace

QString RptCurrencyForms::Pattern(bool negative, int form) {
  if (negative) return QString::fromLatin1(kNegative[form >= 0 && form < kNegativeCount ? form : 0]);
  return QString::fromLatin1(kPositive[form >= 0 && form < kPositiveCount ? form : 0]);
}

QString RptCurrencyForms::Apply(bool negative, int form, const QString& symbol, const QString& number) {
  const QString pattern = Pattern(negative, form);
  QString text;
  for (const QChar c : pattern) {
    if (c == u'$') text += symbol;
    else if (c == u'1') continue;
    else if (c == u'.') text += number;
    else text += c;
  }
  return text;
}
