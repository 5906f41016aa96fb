#include "PacificTime.h"

#include <chrono>
#include <cstdio>

#include <QDateTime>
#include <QTimeZone>

namespace marketsim {

namespace {

using namespace std::chrono;

constexpr const char *kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
constexpr const char *kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

constexpr std::int64_t kHourMs = 3'600'000;

WallTime wallTime(std::int64_t localMs, bool daylight) {
    const auto ms = milliseconds{localMs};
    const sys_days dayPoint = floor<days>(sys_time<milliseconds>{ms});
    const year_month_day ymd{dayPoint};
    std::int64_t rest = localMs - duration_cast<milliseconds>(dayPoint.time_since_epoch()).count();
    WallTime t;
    t.year = static_cast<int>(ymd.year());
    t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    t.hour = static_cast<int>(rest / kHourMs);
    rest %= kHourMs;
    t.minute = static_cast<int>(rest / 60'000);
    rest %= 60'000;
    t.second = static_cast<int>(rest / 1000);
    t.millisecond = static_cast<int>(rest % 1000);
    t.weekday = static_cast<int>(weekday{dayPoint}.c_encoding());
    t.daylight = daylight;
    return t;
}

} // namespace

WallTime pacificTime(std::int64_t utcMs) {
    // The time-zone database knows every rule the West Coast has had, so the
    // simulated marketplace keeps real Pacific time in every week of the year.
    static const QTimeZone pacific("America/Los_Angeles");
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC);
    const std::int64_t offsetMs = std::int64_t{pacific.offsetFromUtc(at)} * 1000;
    return wallTime(utcMs + offsetMs, pacific.isDaylightTime(at));
}

std::string zoneName(const WallTime &t) { return t.daylight ? "PDT" : "PST"; }

std::string shortDateTime(const WallTime &t) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3s-%02d-%02d %02d:%02d:%02d", kMonths[t.month - 1], t.day, t.year % 100,
                  t.hour, t.minute, t.second);
    return buffer;
}

std::string longDateTime(const WallTime &t) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s %02d, %04d %02d:%02d:%02d", kMonths[t.month - 1], t.day, t.year, t.hour,
                  t.minute, t.second);
    return buffer;
}

std::string weekdayName(const WallTime &t) { return kDays[t.weekday]; }

std::string logDateTime(const WallTime &t) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d %s", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, t.millisecond, t.daylight ? "PDT" : "PST");
    return buffer;
}

} // namespace marketsim
