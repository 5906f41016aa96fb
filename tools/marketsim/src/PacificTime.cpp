#include "PacificTime.h"

#include <chrono>
#include <cstdio>

namespace marketsim {

namespace {

using namespace std::chrono;

constexpr const char *kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
constexpr const char *kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

constexpr std::int64_t kHourMs = 3'600'000;

// Milliseconds (in standard-time wall clock) of the first Sunday of a month at 02:00.
std::int64_t firstSundayAtTwo(int year, unsigned month) {
    const sys_days first = year_month_day{std::chrono::year{year}, std::chrono::month{month}, day{1}};
    const unsigned wd = weekday{first}.c_encoding();
    const sys_days sunday = first + days{(7 - wd) % 7};
    return duration_cast<milliseconds>(sunday.time_since_epoch()).count() + 2 * kHourMs;
}

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
    const std::int64_t standard = utcMs - 8 * kHourMs;
    const int year = wallTime(standard, false).year;
    const bool daylight = standard >= firstSundayAtTwo(year, 4) && standard < firstSundayAtTwo(year, 10) - kHourMs;
    return wallTime(daylight ? standard + kHourMs : standard, daylight);
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
