#pragma once

#include <cstdint>
#include <string>

namespace marketsim {

// The marketplace states every time in US West Coast time. Daylight time runs
// from the first Sunday of April, 02:00, to the first Sunday of October, 02:00:
// the window that the tracker itself assumes, so both sides agree on the hour.
struct WallTime {
    int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0, millisecond = 0;
    int weekday = 4;  // 0 = Sunday
    bool daylight = false;
};

WallTime pacificTime(std::int64_t utcMs);

std::string zoneName(const WallTime &t);                // "PST" / "PDT"
std::string shortDateTime(const WallTime &t);           // "Dec-11-26 05:30:00"
std::string longDateTime(const WallTime &t);            // "December 11, 2026 05:30:00"
std::string weekdayName(const WallTime &t);             // "Friday"
std::string logDateTime(const WallTime &t);             // "2026-12-11 05:30:00.123 PST"

} // namespace marketsim
