#pragma once
#include <QChar>
#include <QString>

namespace bw {

// A fixed one-to-one substitution of the 94 printable ASCII characters.
// Any other character is returned unchanged and logged by its position
// (never the character itself, so no password reaches the log).
QString Scramble(const QString& text);
QString UnScramble(const QString& text);
// `position` (1-based) only names the character in the log.
QChar ScrambleChar(QChar c, int position = 0);
QChar UnScrambleChar(QChar c, int position = 0);

}  // namespace bw
