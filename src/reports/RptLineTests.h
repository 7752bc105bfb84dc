#pragma once
// The zero-skip tests of report lines: a figure counts when it is there and not 0, and a line
// prints when the first of its figures, tried in order, counts.
#include "reports/engine/RptRowSource.h"

#include <QStringList>

bool RptPresentNotZero(const RptValue& value);
bool RptAnyPresentNotZero(const RptRowSource& rows, const QStringList& fields);
