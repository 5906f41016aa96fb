#pragma once
#include <QString>
#include "core/DateTime.h"

namespace bw {

// Hours to add to local time to get the marketplace's (US West Coast) time:
// the user's own offset when the settings say so, else the present offset
// between America/Los_Angeles and the clock's local zone. 0 (logged) when
// the zone data is missing.
float TimeDifferential();

// The differential as the whole minutes that are added to a time.
std::int64_t differentialMinutes(float hours);

// The marketplace's present time: local now plus the differential.
DateTime MarketplaceNow();
// The local time of a marketplace time, and the reverse.
DateTime LocalTimeOfMarketplaceTime(const DateTime& marketplaceTime);
DateTime MarketplaceTimeOfLocalTime(const DateTime& localTime);

// Prepares a marketplace date text for the locale's date reader (readDate):
// the English month at the start becomes the locale's short month name
// (three characters), a two-digit year after the second dash becomes 20yy.
// Never throws; "" after an unexpected failure (logged).
QString InternationalizeDate(const QString& text);

}  // namespace bw
