#pragma once
// The time range of a period of the day as the period reports print it, from the register's
// time range program: "Start Time NN", "-", "End Time NN" in the long time form
// ("2:00:00 PM-3:00:00 PM"). An empty bound (an unused period, or no time range program)
// reads as midnight.
#include <QString>

class RptRowSource;

QString RptPeriodRange(const RptRowSource& timeRange, int period);
// The period number in two digits, as the period fields are named ("07").
QString RptTwoDigits(int number);
