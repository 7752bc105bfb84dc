#pragma once
// The report forms' formatter: a report value in the report locale, under its picture when it
// has one. Money goes through its exact ten-thousandths (never through a double), so a large
// amount keeps its cents; null prints nothing.
#include "reports/engine/RptFormatter.h"
#include "reports/engine/RptLocale.h"

// A formatter of the given locale (copied: a later change of the report locale does not
// reach it).
RptFormatter RptLocaleFormatter(const RptLocale& locale = RptLocale::Report());
