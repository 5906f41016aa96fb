#include "core/DateTime.h"
#include <cmath>
#include "core/Error.h"
#include "core/Format.h"
#include "platform/Locale.h"
#include "platform/Services.h"

namespace bw {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date.
constexpr std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct Civil {
  std::int64_t year;
  unsigned month;
  unsigned day;
};

constexpr Civil civilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {y + (m <= 2), m, d};
}

constexpr std::int64_t kOriginDays = daysFromCivil(1899, 12, 30);  // -25569

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

}  // namespace

bool DateTime::isValidDate(int year, int month, int day) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + ((month == 2 && leap) ? 1 : 0);
}

DateTime DateTime::fromParts(int year, int month, int day, int hour, int minute, int second) {
  if (!isValidDate(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59)
    throw Error(Error::InvalidProcedureCall, QStringLiteral("DateTime"));
  const std::int64_t days = daysFromCivil(year, month, day) - kOriginDays;
  return DateTime(days * kSecondsPerDay + hour * 3600 + minute * 60 + second);
}

DateTime DateTime::farFuture() { return fromParts(3000, 1, 1); }

DateTime DateTime::fromLocalMs(std::int64_t localMs) {
  return DateTime(floorDiv(localMs, 1000) - kOriginDays * kSecondsPerDay);
}

std::int64_t DateTime::toLocalMs() const { return (seconds_ + kOriginDays * kSecondsPerDay) * 1000; }

DateTime DateTime::localNow() {
  const IClock* clock = services().clock;
  if (!clock) return fromQDateTime(QDateTime::currentDateTime());
  return fromLocalMs(clock->localNowMs());
}

DateTime DateTime::fromQDateTime(const QDateTime& dt) {
  const QDate d = dt.date();
  const QTime t = dt.time();
  return fromParts(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

QDateTime DateTime::toQDateTime() const {
  return QDateTime(QDate(year(), month(), day()), QTime(hour(), minute(), second()));
}

std::int64_t DateTime::dayNumber() const { return floorDiv(seconds_, kSecondsPerDay); }
std::int64_t DateTime::secondsOfDay() const { return seconds_ - dayNumber() * kSecondsPerDay; }

double DateTime::toSerial() const {
  const double fraction = static_cast<double>(secondsOfDay()) / kSecondsPerDay;
  const std::int64_t day = dayNumber();
  // Before the origin the time of day still counts away from zero.
  return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

DateTime DateTime::fromSerial(double serial) {
  const double whole = std::trunc(serial);
  const double fraction = std::fabs(serial - whole);
  const std::int64_t secs = static_cast<std::int64_t>(std::llround(fraction * kSecondsPerDay));
  return DateTime(static_cast<std::int64_t>(whole) * kSecondsPerDay + secs);
}

int DateTime::year() const { return static_cast<int>(civilFromDays(dayNumber() + kOriginDays).year); }
int DateTime::month() const { return static_cast<int>(civilFromDays(dayNumber() + kOriginDays).month); }
int DateTime::day() const { return static_cast<int>(civilFromDays(dayNumber() + kOriginDays).day); }
int DateTime::hour() const { return static_cast<int>(secondsOfDay() / 3600); }
int DateTime::minute() const { return static_cast<int>(secondsOfDay() / 60 % 60); }
int DateTime::second() const { return static_cast<int>(secondsOfDay() % 60); }
int DateTime::dayOfWeek() const {
  // 30 Dec 1899 was a Saturday (7).
  return static_cast<int>(((dayNumber() % 7) + 7 + 6) % 7) + 1;
}

QString DateTime::toText() const { return toText(currentLocale()); }

QString DateTime::toText(const LocaleInfo& locale) const {
  if (isOriginDay()) return formatDateTime(*this, locale.longTimePattern, locale);
  if (!hasTime()) return formatDateTime(*this, locale.shortDatePattern, locale);
  return formatDateTime(*this, locale.generalDatePattern, locale);
}

}  // namespace bw
