#pragma once
// The register's program tables that name a report's lines (descriptors, function keys,
// major groups, ...). A report form binds them by the class of the program its driver has
// for the register's ROM. A driver without that program (older ROMs have no descriptor or
// print-control program), a report with no driver, or a table that is not there gives a
// table with no rows: every look-up fails, captions keep their design text and the form
// prints all the same.
#include "reports/RptKeyedSource.h"

#include <QString>

#include <memory>

class RptElement;
class tEcrFnct;

// A cursor of its own on the program's table (a maintenance window may stand on the
// program's cursor with a row half edited).
std::unique_ptr<RptKeyedSource> RptProgramRows(const tEcrFnct& report, const QString& programClass);

// Sets the label's caption from the text field of the row whose key field holds the key.
// A row that is there replaces the caption even when its text is empty; without one (or on
// a table with no rows) the caption stays. True when a row was found.
bool RptCaptionFrom(RptElement& label, RptKeyedSource& table, const QString& keyField, const RptValue& key,
                    const QString& textField);
