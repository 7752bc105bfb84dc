// The average time of a track's orders as the financial forms print it.
#include "reports/RptTrackTime.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr qint64 kEmpty = std::numeric_limits<qint64>::min(); // a field with no value

RptValue Field(qint64 value) { return value == kEmpty ? RptValue() : RptValue::Integer(value); }

struct TrackTimeCase {
  qint64 seconds;
  qint64 orders;
  bool padded;
  const char* text;
};

class TrackTime : public testing::TestWithParam<TrackTimeCase> {};

TEST_P(TrackTime, ReadsAsHoursMinutesAndSeconds) {
  const TrackTimeCase& c = GetParam();
  EXPECT_EQ(RptTrackTime::Text(Field(c.seconds), Field(c.orders), c.padded), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrackTime,
    testing::Values(TrackTimeCase{7384, 2, true, "1:01:32"}, TrackTimeCase{7384, 2, false, "1:1:32"},
                    TrackTimeCase{7385, 2, true, "1:01:32"},  // cut to whole seconds
                    TrackTimeCase{0, 5, true, "0:00:00"}, TrackTimeCase{120, 0, true, "0:00:00"},
                    TrackTimeCase{kEmpty, kEmpty, true, "0:00:00"},
                    TrackTimeCase{360000, 1, true, "100:00:00"},
                    TrackTimeCase{-2191, 1, true, "-0:36:31"}, TrackTimeCase{-7384, 2, false, "-1:1:32"}));
} // namespace
