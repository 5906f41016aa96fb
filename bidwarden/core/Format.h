#pragma once
#include <QString>
#include "core/DateTime.h"
#include "core/Money.h"

namespace bw {

struct LocaleInfo;

// The program's format patterns.
//
// Dates: "d" "dd" "ddd" "dddd", "m" "mm" "mmm" "mmmm" (minutes when after an
// hour or before a second), "yy" "yyyy", "h" "hh", "n" "nn", "s" "ss",
// "AMPM" (the system's designators), "AM/PM" "am/pm" "A/P" "a/p" (literal),
// any of them making the hours 12-hour; "/" and ":" the system's separators;
// "\x" and "..." literal; every other character literal. Letters compare
// without case.
QString formatDateTime(const DateTime& value, const QString& pattern);
QString formatDateTime(const DateTime& value, const QString& pattern, const LocaleInfo& locale);

// Numbers: "0" a required digit, "#" an optional one, "," (between digit
// places) grouping by the system's thousands separator, "." the system's
// decimal separator; anything else literal. A negative amount gets "-" in
// front. Rounds halves away from zero.
QString formatNumber(Money value, const QString& pattern);
QString formatNumber(Money value, const QString& pattern, const LocaleInfo& locale);
QString formatNumber(double value, const QString& pattern);
QString formatNumber(double value, const QString& pattern, const LocaleInfo& locale);
QString formatNumber(long long value, const QString& pattern);
QString formatNumber(long long value, const QString& pattern, const LocaleInfo& locale);

}  // namespace bw
