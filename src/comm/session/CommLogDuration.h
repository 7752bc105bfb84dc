#pragma once
// The "Duration" of a log row: hours (unpadded), two-digit minutes and two-digit seconds,
// rounded to the nearest second, half a second up ("0:01:00" for 59.6 s).
#include "platform/sys/TDateTime.h"

#include <QString>

QString CommLogDuration(TDateTime start, TDateTime end);
