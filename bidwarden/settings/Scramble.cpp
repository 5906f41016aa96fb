#include "settings/Scramble.h"
#include "core/Error.h"
#include "settings/LogIt.h"

namespace bw {
namespace {

// The image of "!" .. "~" in order. Changing it makes every stored password
// unreadable.
constexpr char kTable[] =
    R"X(P-/qN5$Z&!c(unYGgTWdKB}hz14LFe.@=)pbxS\*l'f]j9oX{2`3DO+J_;Vw:0kts>[8m<yIi"QHC?%6^M|,7U#E~rARva)X";
static_assert(sizeof(kTable) == 95, "94 printable characters");

constexpr char kFirst = '!';
constexpr char kLast = '~';

struct Inverse {
  char table[94]{};
  constexpr Inverse() {
    for (int i = 0; i < 94; ++i) table[kTable[i] - kFirst] = static_cast<char>(kFirst + i);
  }
};
constexpr Inverse kInverse;

QChar substitute(QChar c, int position, const char* table, const QString& source) {
  const char16_t u = c.unicode();
  if (u >= kFirst && u <= kLast) return QChar(char16_t(table[u - kFirst]));
  // The character itself may be part of a password: only its position is
  // logged.
  LogIt(source, QStringLiteral("Unaccounted for character: ") +
                    (position > 0 ? QStringLiteral("position ") + QString::number(position)
                                  : QStringLiteral("(position unknown)")));
  LogIt(source, QStringLiteral("Character will not be scrambled"));
  return c;
}

QString mapAll(const QString& text, QChar (*one)(QChar, int), const char* source) {
  try {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) out += one(text[i], static_cast<int>(i + 1));
    return out;
  } catch (...) {
    logCurrentException(QString::fromLatin1(source));
    return QString();
  }
}

}  // namespace

QChar ScrambleChar(QChar c, int position) {
  return substitute(c, position, kTable, QStringLiteral("modMain.ScrambleChar"));
}

QChar UnScrambleChar(QChar c, int position) {
  return substitute(c, position, kInverse.table, QStringLiteral("modMain.UnScrambleChar"));
}

QString Scramble(const QString& text) { return mapAll(text, &ScrambleChar, "modMain.Scramble"); }
QString UnScramble(const QString& text) {
  return mapAll(text, &UnScrambleChar, "modMain.UnScramble");
}

}  // namespace bw
