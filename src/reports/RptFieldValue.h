#pragma once
// A field of a stored table as a report reads it: the field type chooses the value's kind
// (money stays money, a date-time stays a date-time), and a null field stays null.
#include "reports/engine/RptValue.h"

class TField;

RptValue RptFieldValue(const TField& field);
