#pragma once
#include <QDateTime>
#include <QString>
#include <compare>
#include <cstdint>

namespace bw {

struct LocaleInfo;

// A local calendar date and time of day, to the second, counted from the
// date-time origin 30 December 1899 00:00:00 (the value 0). No time zone.
class DateTime {
 public:
  constexpr DateTime() = default;
  static constexpr DateTime fromSecondsSinceOrigin(std::int64_t s) { return DateTime(s); }
  // Throws Error 5 for a date or time that does not exist.
  static DateTime fromParts(int year, int month, int day, int hour = 0, int minute = 0,
                            int second = 0);
  static bool isValidDate(int year, int month, int day);
  // 3000-01-01 00:00:00: "no time" of pending-bid bookkeeping.
  static DateTime farFuture();
  // From local wall-clock milliseconds since 1970-01-01T00:00 (see IClock),
  // cut to the second.
  static DateTime fromLocalMs(std::int64_t localMs);
  // The clock's local present time.
  static DateTime localNow();
  static DateTime fromQDateTime(const QDateTime& dt);  // its local date and time
  QDateTime toQDateTime() const;                       // a local-time QDateTime

  constexpr std::int64_t secondsSinceOrigin() const { return seconds_; }
  std::int64_t toLocalMs() const;
  // The origin-based day count with the time as a fraction (30 Dec 1899 = 0).
  double toSerial() const;
  static DateTime fromSerial(double serial);

  int year() const;
  int month() const;
  int day() const;
  int hour() const;
  int minute() const;
  int second() const;
  int dayOfWeek() const;  // 1 Sunday .. 7 Saturday
  bool hasTime() const { return secondsOfDay() != 0; }
  bool isOriginDay() const { return dayNumber() == 0; }

  DateTime addSeconds(std::int64_t s) const { return DateTime(seconds_ + s); }
  DateTime addDays(std::int64_t d) const { return DateTime(seconds_ + d * 86400); }

  // The system's general date format (date only at midnight, time only on
  // the origin day).
  QString toText() const;
  QString toText(const LocaleInfo& locale) const;

  friend constexpr auto operator<=>(DateTime, DateTime) = default;

 private:
  constexpr explicit DateTime(std::int64_t s) : seconds_(s) {}
  std::int64_t dayNumber() const;
  std::int64_t secondsOfDay() const;
  std::int64_t seconds_ = 0;
};

}  // namespace bw
