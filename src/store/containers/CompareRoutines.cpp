#include "store/containers/CompareRoutines.h"

#include <QCollator>
#include <QLocale>

namespace {
// Building a collator is costly, so one pair is kept per thread and rebuilt only when
// the default locale changes.
struct Collators {
  bool built = false;
  QLocale locale;
  QCollator sensitive;
  QCollator insensitive;
};

const Collators& CurrentCollators() {
  thread_local Collators c;
  const QLocale locale;
  if (!c.built || c.locale != locale) {
    c.built = true;
    c.locale = locale;
    c.sensitive = QCollator(locale);
    c.sensitive.setCaseSensitivity(Qt::CaseSensitive);
    c.insensitive = QCollator(locale);
    c.insensitive.setCaseSensitivity(Qt::CaseInsensitive);
  }
  return c;
}
} // namespace

quint8 CompareStrings(const QString& first, const QString& second) {
  return CompareResultOf(CurrentCollators().sensitive.compare(first, second));
}

quint8 CompareTextNoCase(const QString& first, const QString& second) {
  return CompareResultOf(CurrentCollators().insensitive.compare(first, second));
}

quint8 CompareIntegers(qint32 first, qint32 second) { return CompareValues(first, second); }
