#pragma once
#include <QString>
#include <optional>
#include "core/DateTime.h"

namespace bw {

struct LocaleInfo;

// The forgiving date reader: a date, a time or both, in the system's order
// of day, month and year or year first, with "/", "-", "." or blanks between
// the parts, a month as a number or by name (the system's names, full or
// short, and the English ones, without case), a year of two digits (30-99 in
// the 1900s, else the 2000s) or four, a time of h:mm or h:mm:ss with an
// optional AM/PM (English or the system's designators). Nothing else.
std::optional<DateTime> readDate(const QString& text);
std::optional<DateTime> readDate(const QString& text, const LocaleInfo& locale);
inline bool readsAsDate(const QString& text) { return readDate(text).has_value(); }

// The reader that raises: Error 13 "Type mismatch" when the text does not
// read as a date.
DateTime toDate(const QString& text);

}  // namespace bw
