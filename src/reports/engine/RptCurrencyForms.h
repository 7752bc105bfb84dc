#pragma once
// The positive and negative layouts of a currency text, written with "$" for the symbol and
// "1.1" for the number: positive 0 "$1.1" to 3 "1.1 $", negative 0 "($1.1)" to 15 "(1.1 $)".
#include <QString>

namespace RptCurrencyForms {
constexpr int kPositiveCount = 4;
constexpr int kNegativeCount = 16;
// The pattern of a form; a form out of range gives the first one.
QString Pattern(bool negative, int form);
// The pattern with the symbol and the number put in.
QString Apply(bool negative, int form, const QString& symbol, const QString& number);
} // namespace RptCurrencyForms
