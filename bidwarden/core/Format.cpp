#include "core/Format.h"
#include <cmath>
#include <algorithm>
#include <vector>
#include "platform/Locale.h"
#include "platform/Services.h"

namespace bw {
namespace {

// ---- dates ----

enum class Tok {
  Literal, Day, Day2, WeekdayShort, Weekday, ShortDate, Month, Month2, MonthShort, MonthName,
  Minute, Minute2, Year2, Year4, DayOfYear, Hour, Hour2, Second, Second2, DateSep, TimeSep,
  AmPmLocale, AmPmUpper, AmPmLower, APUpper, APLower
};

struct Token {
  Tok kind;
  QString text;  // literals
};

bool startsWithCi(const QString& s, qsizetype at, const char* what) {
  const QString w = QString::fromLatin1(what);
  return s.mid(at, w.size()).compare(w, Qt::CaseInsensitive) == 0;
}

std::vector<Token> tokenizeDate(const QString& p) {
  std::vector<Token> out;
  auto literal = [&out](const QString& t) {
    if (!out.empty() && out.back().kind == Tok::Literal) out.back().text += t;
    else out.push_back({Tok::Literal, t});
  };
  for (qsizetype i = 0; i < p.size();) {
    const QChar c = p[i];
    const QChar lc = c.toLower();
    if (c == '"') {
      const qsizetype end = p.indexOf('"', i + 1);
      literal(p.mid(i + 1, (end < 0 ? p.size() : end) - i - 1));
      i = end < 0 ? p.size() : end + 1;
      continue;
    }
    if (c == '\\') {
      if (i + 1 < p.size()) literal(p.mid(i + 1, 1));
      i += 2;
      continue;
    }
    if (startsWithCi(p, i, "AMPM")) {
      out.push_back({Tok::AmPmLocale, {}});
      i += 4;
      continue;
    }
    if (startsWithCi(p, i, "AM/PM")) {
      out.push_back({p[i] == 'a' ? Tok::AmPmLower : Tok::AmPmUpper, {}});
      i += 5;
      continue;
    }
    if (startsWithCi(p, i, "A/P")) {
      out.push_back({p[i] == 'a' ? Tok::APLower : Tok::APUpper, {}});
      i += 3;
      continue;
    }
    qsizetype run = 1;
    while (i + run < p.size() && p[i + run].toLower() == lc) ++run;
    if (lc == 'd') {
      static const Tok kinds[] = {Tok::Day, Tok::Day2, Tok::WeekdayShort, Tok::Weekday, Tok::ShortDate};
      out.push_back({kinds[qMin<qsizetype>(run, 5) - 1], {}});
    } else if (lc == 'm') {
      static const Tok kinds[] = {Tok::Month, Tok::Month2, Tok::MonthShort, Tok::MonthName};
      out.push_back({kinds[qMin<qsizetype>(run, 4) - 1], {}});
    } else if (lc == 'y') {
      if (run >= 3) out.push_back({Tok::Year4, {}});
      else out.push_back({run == 2 ? Tok::Year2 : Tok::DayOfYear, {}});
    } else if (lc == 'h') {
      out.push_back({run >= 2 ? Tok::Hour2 : Tok::Hour, {}});
    } else if (lc == 'n') {
      out.push_back({run >= 2 ? Tok::Minute2 : Tok::Minute, {}});
    } else if (lc == 's') {
      out.push_back({run >= 2 ? Tok::Second2 : Tok::Second, {}});
    } else if (c == '/') {
      for (qsizetype k = 0; k < run; ++k) out.push_back({Tok::DateSep, {}});
    } else if (c == ':') {
      for (qsizetype k = 0; k < run; ++k) out.push_back({Tok::TimeSep, {}});
    } else {
      literal(QString(run, c));
    }
    i += run;
  }
  // "m" right after an hour, or right before a second, is minutes.
  auto isPart = [](Tok k) {
    return k != Tok::Literal && k != Tok::DateSep && k != Tok::TimeSep;
  };
  for (size_t i = 0; i < out.size(); ++i) {
    if (out[i].kind != Tok::Month && out[i].kind != Tok::Month2) continue;
    bool minute = false;
    for (size_t j = i; j-- > 0;) {
      if (!isPart(out[j].kind)) continue;
      minute = out[j].kind == Tok::Hour || out[j].kind == Tok::Hour2;
      break;
    }
    for (size_t j = i + 1; !minute && j < out.size(); ++j) {
      if (!isPart(out[j].kind)) continue;
      minute = out[j].kind == Tok::Second || out[j].kind == Tok::Second2;
      break;
    }
    if (minute) out[i].kind = out[i].kind == Tok::Month ? Tok::Minute : Tok::Minute2;
  }
  return out;
}

QString two(int v) { return QStringLiteral("%1").arg(v, 2, 10, QChar('0')); }

int dayOfYear(const DateTime& v) {
  const DateTime jan1 = DateTime::fromParts(v.year(), 1, 1);
  return static_cast<int>((v.secondsSinceOrigin() - jan1.secondsSinceOrigin()) / 86400) + 1;
}

// ---- numbers ----

struct Decimal {
  bool negative = false;
  QString whole;     // digits, no leading zeros ("" for zero)
  QString fraction;  // digits
};

Decimal fromMoney(Money m) {
  Decimal d;
  const std::int64_t u = m.tenThousandths();
  d.negative = u < 0;
  const std::uint64_t mag = d.negative ? std::uint64_t(0) - static_cast<std::uint64_t>(u)
                                       : static_cast<std::uint64_t>(u);
  d.whole = mag / 10000 ? QString::number(mag / 10000) : QString();
  d.fraction = QStringLiteral("%1").arg(mag % 10000, 4, 10, QChar('0'));
  return d;
}

Decimal fromDouble(double v) {
  Decimal d;
  d.negative = std::signbit(v) && v != 0;
  const double a = std::fabs(v);
  if (!std::isfinite(a)) {
    d.whole = QStringLiteral("0");
    return d;
  }
  // Fifteen significant digits, as the value was meant rather than stored.
  const int intDigits = a >= 1 ? static_cast<int>(std::floor(std::log10(a))) + 1 : 0;
  const int decimals = qBound(0, 15 - intDigits, 20);
  const QString text = QString::number(a, 'f', decimals);
  const qsizetype dot = text.indexOf('.');
  d.whole = dot < 0 ? text : text.left(dot);
  d.fraction = dot < 0 ? QString() : text.mid(dot + 1);
  while (d.whole.startsWith('0')) d.whole.remove(0, 1);
  return d;
}

// Rounds to `decimals` places, halves away from zero.
void roundDecimal(Decimal& d, int decimals) {
  if (d.fraction.size() <= decimals) {
    d.fraction = d.fraction.leftJustified(decimals, '0');
    return;
  }
  const bool up = d.fraction[decimals] >= '5';
  QString digits = d.whole + d.fraction.left(decimals);
  if (up) {
    qsizetype i = digits.size() - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) digits[i] = QChar(digits[i].unicode() + 1);
    else digits.prepend('1');
  }
  d.whole = digits.left(digits.size() - decimals);
  d.fraction = digits.right(decimals);
  while (d.whole.startsWith('0')) d.whole.remove(0, 1);
}

QString formatDecimal(Decimal d, const QString& pattern, const LocaleInfo& locale) {
  // The digit section runs from the first to the last placeholder.
  qsizetype first = -1, last = -1;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '0' || pattern[i] == '#' || pattern[i] == '.') {
      if (first < 0) first = i;
      last = i;
    }
  }
  if (first < 0) return (d.negative ? QStringLiteral("-") : QString()) + pattern;
  const QString prefix = pattern.left(first);
  const QString suffix = pattern.mid(last + 1);
  const QString section = pattern.mid(first, last - first + 1);
  const qsizetype dot = section.indexOf('.');
  const QString intPart = dot < 0 ? section : section.left(dot);
  const QString fracPart = dot < 0 ? QString() : section.mid(dot + 1);
  const int requiredInt = static_cast<int>(intPart.count('0'));
  const bool group = intPart.contains(',');
  const int requiredFrac = static_cast<int>(fracPart.count('0'));
  const int decimals = requiredFrac + static_cast<int>(fracPart.count('#'));

  roundDecimal(d, decimals);
  QString fraction = d.fraction;
  while (fraction.size() > requiredFrac && fraction.endsWith('0')) fraction.chop(1);
  QString whole = d.whole.rightJustified(requiredInt, '0');
  if (group) {
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3) whole.insert(i, locale.thousandsSeparator);
  }
  auto allZero = [](const QString& digits) {
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == '0'; });
  };
  const bool zero = allZero(d.whole) && allZero(d.fraction);
  QString out = prefix + whole;
  if (dot >= 0) out += locale.decimalSeparator + fraction;
  out += suffix;
  return (d.negative && !zero) ? '-' + out : out;
}

}  // namespace

QString formatDateTime(const DateTime& v, const QString& pattern, const LocaleInfo& locale) {
  const std::vector<Token> tokens = tokenizeDate(pattern);
  bool twelveHour = false;
  for (const Token& t : tokens)
    twelveHour = twelveHour || t.kind == Tok::AmPmLocale || t.kind == Tok::AmPmUpper ||
                 t.kind == Tok::AmPmLower || t.kind == Tok::APUpper || t.kind == Tok::APLower;
  const bool pm = v.hour() >= 12;
  int hour = v.hour();
  if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
  QString out;
  for (const Token& t : tokens) {
    switch (t.kind) {
      case Tok::Literal: out += t.text; break;
      case Tok::Day: out += QString::number(v.day()); break;
      case Tok::Day2: out += two(v.day()); break;
      case Tok::WeekdayShort: out += locale.shortWeekdayNames.value(v.dayOfWeek() - 1); break;
      case Tok::Weekday: out += locale.weekdayNames.value(v.dayOfWeek() - 1); break;
      case Tok::ShortDate: out += formatDateTime(v, locale.shortDatePattern, locale); break;
      case Tok::Month: out += QString::number(v.month()); break;
      case Tok::Month2: out += two(v.month()); break;
      case Tok::MonthShort: out += locale.shortMonthNames.value(v.month() - 1); break;
      case Tok::MonthName: out += locale.monthNames.value(v.month() - 1); break;
      case Tok::Minute: out += QString::number(v.minute()); break;
      case Tok::Minute2: out += two(v.minute()); break;
      case Tok::Year2: out += two(v.year() % 100); break;
      case Tok::Year4: out += QString::number(v.year()); break;
      case Tok::DayOfYear: out += QString::number(dayOfYear(v)); break;
      case Tok::Hour: out += QString::number(hour); break;
      case Tok::Hour2: out += two(hour); break;
      case Tok::Second: out += QString::number(v.second()); break;
      case Tok::Second2: out += two(v.second()); break;
      case Tok::DateSep: out += locale.dateSeparator; break;
      case Tok::TimeSep: out += locale.timeSeparator; break;
      case Tok::AmPmLocale: out += pm ? locale.pmDesignator : locale.amDesignator; break;
      case Tok::AmPmUpper: out += pm ? "PM" : "AM"; break;
      case Tok::AmPmLower: out += pm ? "pm" : "am"; break;
      case Tok::APUpper: out += pm ? "P" : "A"; break;
      case Tok::APLower: out += pm ? "p" : "a"; break;
    }
  }
  return out;
}

QString formatDateTime(const DateTime& v, const QString& pattern) {
  return formatDateTime(v, pattern, currentLocale());
}

QString formatNumber(Money v, const QString& p, const LocaleInfo& l) {
  return formatDecimal(fromMoney(v), p, l);
}
QString formatNumber(Money v, const QString& p) { return formatNumber(v, p, currentLocale()); }
QString formatNumber(double v, const QString& p, const LocaleInfo& l) {
  return formatDecimal(fromDouble(v), p, l);
}
QString formatNumber(double v, const QString& p) { return formatNumber(v, p, currentLocale()); }
QString formatNumber(long long v, const QString& p, const LocaleInfo& l) {
  Decimal d;
  d.negative = v < 0;
  const unsigned long long mag = d.negative ? 0ULL - static_cast<unsigned long long>(v)
                                            : static_cast<unsigned long long>(v);
  d.whole = mag ? QString::number(mag) : QString();
  return formatDecimal(d, p, l);
}
QString formatNumber(long long v, const QString& p) { return formatNumber(v, p, currentLocale()); }

}  // namespace bw
