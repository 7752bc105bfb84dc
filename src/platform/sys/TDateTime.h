#pragma once
// Date-times in the day-number form that the system streams and stores: days since
// 30 December 1899 as a double, the fraction being the time of day (0 = never/zero date).
#include <QDate>
#include <QDateTime>
#include <QTime>

class TDateTime {
public:
  constexpr TDateTime() = default;
  constexpr explicit TDateTime(double days) : days_(days) {}
  static TDateTime FromDate(const QDate& date);
  static TDateTime FromTime(const QTime& time);
  static TDateTime FromQDateTime(const QDateTime& dt);
  static TDateTime Now();

  constexpr double Days() const { return days_; }
  constexpr bool IsZero() const { return days_ == 0.0; }
  QDate Date() const;
  QTime Time() const;
  QDateTime ToQDateTime() const;
  // The date part and the time-of-day part as day numbers.
  TDateTime DatePart() const;
  TDateTime TimePart() const;

  friend constexpr bool operator==(TDateTime a, TDateTime b) { return a.days_ == b.days_; }
  friend constexpr bool operator<(TDateTime a, TDateTime b) { return a.days_ < b.days_; }

private:
  double days_ = 0.0;
};
