#pragma once
// How a report turns a value into text: the value and the element's number picture (empty
// for the value's default display). A report takes its formatter as a callable, so the
// locale-pinned formatting of the report forms plugs in without the engine knowing it.
#include "reports/engine/RptValue.h"

#include <QString>

#include <functional>

using RptFormatter = std::function<QString(const RptValue& value, const QString& mask)>;

// The plain default: null empty, integers as digits, money with two decimals, floats in the
// shortest form of 15 significant digits, ISO dates and times, True/False, text as it is.
// It ignores pictures.
QString RptPlainText(const RptValue& value, const QString& mask);
