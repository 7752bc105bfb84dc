#include "reports/engine/RptSum.h"

RptSum::RptSum(QString name, Value value, const RptBand* fedBy, const RptBand* resetBy)
    : name_(std::move(name)), value_(std::move(value)), fedBy_(fedBy), resetBy_(resetBy) {}

RptValue RptSum::Total() const { return total_.IsNull() ? RptValue::Integer(0) : total_; }
