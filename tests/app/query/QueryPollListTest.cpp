// The poll date of a poll list's answer: short date and twelve-hour time, the time left out
// only at exactly midnight.
#include "app/query/QueryPollList.h"
#include "platform/sys/TDateTime.h"

#include <gtest/gtest.h>

TEST(QueryPollList, DateTimeTextOnTheTwelveHourClock) {
  const QDate day(2024, 6, 30);
  const struct {
    QTime time;
    const char* expected;
  } cases[] = {
      {QTime(0, 0), "6/30/2024"},
      {QTime(0, 0, 1), "6/30/2024 12:00:01 AM"},
      {QTime(9, 5, 7), "6/30/2024 9:05:07 AM"},
      {QTime(12, 0), "6/30/2024 12:00:00 PM"},
      {QTime(23, 59, 59), "6/30/2024 11:59:59 PM"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    const double days = TDateTime::FromQDateTime(QDateTime(day, c.time)).Days();
    EXPECT_EQ(QueryPollList::DateTimeText(days), QString::fromLatin1(c.expected));
  }
}
