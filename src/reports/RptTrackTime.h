#pragma once
// The average time of a track's orders: its total seconds over its count of orders, cut to
// whole seconds, as hours, minutes and seconds. Without orders, or without time, it reads
// 0:00:00 (the register can send a time with no orders; that is no reason to fail a report).
#include "reports/engine/RptValue.h"

namespace RptTrackTime {
// padded: "1:01:32"; not padded: "1:1:32".
QString Text(const RptValue& seconds, const RptValue& orders, bool padded);
} // namespace RptTrackTime
