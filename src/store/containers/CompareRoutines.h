#pragma once
// Comparisons with compare-function results (0 equal, 1 less, 2 greater), for the compare
// functions of every module. Texts are ordered by the collation of the current default
// locale (QLocale()).
#include <QString>
#include <QtGlobal>

quint8 CompareStrings(const QString& first, const QString& second);
quint8 CompareTextNoCase(const QString& first, const QString& second);
quint8 CompareIntegers(qint32 first, qint32 second);

// The result of any three-way comparison value (< 0, 0, > 0).
constexpr quint8 CompareResultOf(int threeWay) { return threeWay < 0 ? 1 : threeWay > 0 ? 2 : 0; }

// The result for two values with a natural order; values that are unordered (NaN) are equal.
template <class T> constexpr quint8 CompareValues(const T& first, const T& second) {
  return first < second ? 1 : second < first ? 2 : 0;
}
