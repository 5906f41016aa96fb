#pragma once
#include <QString>
#include <optional>
#include "core/DateTime.h"

namespace bw {

struct LocaleInfo;

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

// Prepares a marketplace date text for the locale's date reader: the
// English month at the start becomes the locale's short month name (three
// characters), a two-digit year after the second dash becomes 20yy. Never
// throws; "" after an unexpected failure (logged).
QString InternationalizeDate(const QString& text);

// Reads a text that InternationalizeDate prepared: month first (a name of
// the locale or an English one, or its first three letters), day, year,
// then the time; any other form goes to the general date reader.
std::optional<DateTime> readMarketplaceDate(const QString& text);
std::optional<DateTime> readMarketplaceDate(const QString& text, const LocaleInfo& locale);
// The same, raising Error 13 "Type mismatch" when the text does not read.
DateTime toMarketplaceDate(const QString& text);

}  // namespace bw
