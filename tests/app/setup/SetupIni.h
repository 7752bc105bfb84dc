#pragma once
// The settings file as a set of "Section/Key=Value" lines, for tests that compare what a
// save added or changed.
#include <QSet>
#include <QString>

namespace SetupIni {
QSet<QString> Lines();
// Lines of `after` that `before` lacks.
QSet<QString> Added(const QSet<QString>& before, const QSet<QString>& after);
} // namespace SetupIni
