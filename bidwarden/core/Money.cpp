#include "core/Money.h"
#include <cmath>
#include <limits>
#include "core/Error.h"
#include "platform/Locale.h"
#include "platform/Services.h"

namespace bw {

std::optional<Money> Money::fromDouble(double value) {
  const double scaled = value * 10000.0;
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18) return std::nullopt;
  return Money(static_cast<std::int64_t>(std::nearbyint(scaled)));  // default mode: to even
}

QString Money::toText() const { return toText(currentLocale()); }

QString Money::toText(const LocaleInfo& locale) const {
  const bool negative = units_ < 0;
  // Work in unsigned so that the most negative amount has a magnitude.
  const std::uint64_t magnitude =
      negative ? std::uint64_t(0) - static_cast<std::uint64_t>(units_) : static_cast<std::uint64_t>(units_);
  QString text = QString::number(magnitude / 10000);
  std::uint64_t fraction = magnitude % 10000;
  if (fraction != 0) {
    QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QChar('0'));
    while (digits.endsWith('0')) digits.chop(1);
    text += locale.decimalSeparator + digits;
  }
  return negative ? '-' + text : text;
}

std::optional<Money> Money::tryFromText(const QString& input, const LocaleInfo& locale) {
  const QString text = input.trimmed();
  qsizetype i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  // Digits of the whole part and up to five of the fraction (the fifth only
  // for rounding; further ones only decide a tie).
  unsigned __int128 whole = 0;
  bool tooLarge = false;
  int wholeDigits = 0;
  bool lastWasGroup = false;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isDigit() && c.unicode() < 128) {
      if (!tooLarge) whole = whole * 10 + (c.unicode() - '0');
      tooLarge = tooLarge || whole > (unsigned __int128)std::numeric_limits<std::int64_t>::max();
      ++wholeDigits;
      lastWasGroup = false;
    } else if (c == locale.thousandsSeparator && wholeDigits > 0 && !lastWasGroup) {
      lastWasGroup = true;
    } else {
      break;
    }
  }
  if (lastWasGroup) return std::nullopt;
  std::int64_t fraction = 0;
  int fractionDigits = 0;
  int roundDigit = -1;
  bool stickyNonZero = false;
  if (i < text.size() && text[i] == locale.decimalSeparator) {
    ++i;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
      const int d = text[i].unicode() - '0';
      if (fractionDigits < 4) fraction = fraction * 10 + d;
      else if (roundDigit < 0) roundDigit = d;
      else if (d != 0) stickyNonZero = true;
      ++fractionDigits;
    }
  }
  if (i != text.size() || (wholeDigits == 0 && fractionDigits == 0)) return std::nullopt;
  if (tooLarge) throw Error(Error::Overflow);
  for (int k = fractionDigits; k < 4; ++k) fraction *= 10;
  unsigned __int128 units = whole * 10000 + static_cast<unsigned __int128>(fraction);
  if (roundDigit > 5 || (roundDigit == 5 && (stickyNonZero || (units & 1)))) units += 1;
  const unsigned __int128 limit = (unsigned __int128)std::numeric_limits<std::int64_t>::max();
  if (units > limit + (negative ? 1 : 0)) throw Error(Error::Overflow);
  const std::int64_t signedUnits =
      negative ? static_cast<std::int64_t>(-static_cast<__int128>(units)) : static_cast<std::int64_t>(units);
  return Money(signedUnits);
}

Money Money::fromText(const QString& text, const LocaleInfo& locale) {
  std::optional<Money> value = tryFromText(text, locale);
  if (!value) throw Error(Error::TypeMismatch);
  return *value;
}

Money Money::fromText(const QString& text) { return fromText(text, currentLocale()); }

}  // namespace bw
