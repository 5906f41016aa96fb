#pragma once
#include <QString>
#include <optional>
#include "core/DateTime.h"

namespace bw {

// The date-time form of the auctions file and of the sort keys,
// "yyyy-mm-dd hh:mm:ss" with the system's time separator. Both directions
// take a direct path for that one form, since a list of thousands of
// auctions goes through them on every save, load and sort.
QString fileDateTimeText(const DateTime& value);

// Reads the file form and the system's general date form directly and any
// other text as the date reader does; nothing when it does not read as a
// date.
std::optional<DateTime> readFileDateTime(const QString& text);

// The text through the file form when it reads as a date, else as it is.
QString asFileDateTime(const QString& text);

}  // namespace bw
