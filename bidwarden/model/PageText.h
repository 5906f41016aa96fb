#pragma once
#include <QString>
#include <QStringView>

namespace bw::pagetext {

// Positions are 0-based; a search that finds nothing gives -1.

// Upper case character by character, so that a position in the result is
// the same position in the original (QString::toUpper can change lengths).
QString upperSameLength(const QString& text);

// Trims blanks only (tabs and line breaks stay), as the page rules expect.
QString trimBlanks(QStringView text);

// The text from `start` up to the next `delimiter` at or after `start`.
// A missing delimiter is Error 5 "Invalid procedure call or argument": a
// page cut off in the middle ends the read instead of giving a half value.
QString cutTo(const QString& text, qsizetype start, QStringView delimiter);

// `length` characters from `start` (fewer at the end, none past it).
QString midSafe(const QString& text, qsizetype start, qsizetype length = -1);

// Every "\r\n" pair removed / replaced by a blank.
QString removeCrLf(QString text);
QString crLfToBlank(QString text);

// Reads a whole number the way the page rules convert one: an optional
// sign, digits and at most one decimal separator `decimal`, rounded half to
// even. Throws Error 13 for anything else and Error 6 outside [min, max].
long long toWholeNumber(const QString& text, QChar decimal, long long min, long long max);

// True when `text` (after trimming blanks) is an optional sign followed by
// digits with at most one `decimal` and at least one digit.
bool isPlainNumber(const QString& text, QChar decimal);

}  // namespace bw::pagetext
