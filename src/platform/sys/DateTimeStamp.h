#pragma once
// A date-time as the fourteen digits yyyymmddhhnnss (8 December 2026, 23:05:12 gives
// "20261208230512"), for names and columns that sort by time.
#include "platform/sys/TDateTime.h"

#include <QString>

QString DateTimeStamp(TDateTime value);
