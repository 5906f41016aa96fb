#include "core/DateReader.h"
#include <QRegularExpression>
#include <vector>
#include "core/Error.h"
#include "platform/Locale.h"
#include "platform/Services.h"

namespace bw {
namespace {

const QStringList kEnglishMonths = {"january", "february", "march",     "april",   "may",      "june",
                                    "july",    "august",   "september", "october", "november", "december"};
const QStringList kEnglishWeekdays = {"sunday",   "monday", "tuesday", "wednesday",
                                      "thursday", "friday", "saturday"};

bool matchesName(const QString& word, const QString& name) {
  QString n = name.toLower();
  if (n.endsWith('.')) n.chop(1);
  return !n.isEmpty() && (word == n || (word.size() >= 3 && n.startsWith(word)));
}

// 1..12, or 0 when the word names no month.
int monthOf(const QString& word, const LocaleInfo& locale) {
  for (int m = 0; m < 12; ++m) {
    if (matchesName(word, locale.monthNames.value(m)) ||
        matchesName(word, locale.shortMonthNames.value(m)) || matchesName(word, kEnglishMonths[m]))
      return m + 1;
  }
  return 0;
}

bool isWeekday(const QString& word, const LocaleInfo& locale) {
  for (int d = 0; d < 7; ++d) {
    if (matchesName(word, locale.weekdayNames.value(d)) ||
        matchesName(word, locale.shortWeekdayNames.value(d)) || matchesName(word, kEnglishWeekdays[d]))
      return true;
  }
  return false;
}

struct Part {
  int value = 0;
  int digits = 0;     // 0 for a month name
  bool isName = false;
};

int expandYear(const Part& p) {
  if (p.digits > 2) return p.value;
  return p.value < 30 ? 2000 + p.value : 1900 + p.value;
}

std::optional<DateTime> build(int y, int m, int d) {
  if (!DateTime::isValidDate(y, m, d)) return std::nullopt;
  return DateTime::fromParts(y, m, d);
}

std::optional<DateTime> readDatePart(const std::vector<Part>& parts, const LocaleInfo& locale) {
  const int thisYear = DateTime::localNow().year();
  int nameAt = -1;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (parts[i].isName) {
      if (nameAt >= 0) return std::nullopt;
      nameAt = static_cast<int>(i);
    }
  }
  if (parts.size() == 3) {
    const Part &a = parts[0], &b = parts[1], &c = parts[2];
    if (nameAt == 0) return build(expandYear(c), a.value, b.value);  // Dec 9 2003
    if (nameAt == 1) {
      if (a.digits > 2) return build(a.value, b.value, c.value);  // 2003 Dec 9
      return build(expandYear(c), b.value, a.value);               // 9 Dec 2003
    }
    if (nameAt == 2) return std::nullopt;
    if (a.digits > 2) {  // year first
      if (auto r = build(a.value, b.value, c.value)) return r;
      return build(a.value, c.value, b.value);
    }
    const bool dayFirst = locale.dateOrder.startsWith('D');
    const int y = expandYear(c);
    const int first = a.value, second = b.value;
    if (auto r = dayFirst ? build(y, second, first) : build(y, first, second)) return r;
    return dayFirst ? build(y, first, second) : build(y, second, first);
  }
  if (parts.size() == 2) {
    const Part &a = parts[0], &b = parts[1];
    if (nameAt == 0) {
      if (b.digits > 2 || b.value > 31) return build(expandYear(b), a.value, 1);
      return build(thisYear, a.value, b.value);
    }
    if (nameAt == 1) {
      if (a.digits > 2) return build(a.value, b.value, 1);
      return build(thisYear, b.value, a.value);
    }
    if (a.digits > 2) return build(a.value, b.value, 1);
    if (b.digits > 2) return build(b.value, a.value, 1);
    const bool dayFirst = locale.dateOrder.startsWith('D');
    if (auto r = dayFirst ? build(thisYear, b.value, a.value) : build(thisYear, a.value, b.value))
      return r;
    return dayFirst ? build(thisYear, a.value, b.value) : build(thisYear, b.value, a.value);
  }
  return std::nullopt;
}

// The time: h:mm[:ss] with an optional designator, or h and a designator.
// Compiling the expressions costs more than reading a date, so they are kept
// for the locale last asked for.
struct TimePatterns {
  QString am, pm;
  QChar separator;
  QRegularExpression time, hourOnly;
};

const TimePatterns& timePatternsFor(const LocaleInfo& locale) {
  thread_local std::optional<TimePatterns> cached;
  if (cached && cached->am == locale.amDesignator && cached->pm == locale.pmDesignator &&
      cached->separator == locale.timeSeparator)
    return *cached;
  QStringList designators = {"AM", "PM", "A", "P"};
  if (!locale.amDesignator.isEmpty()) designators << QRegularExpression::escape(locale.amDesignator);
  if (!locale.pmDesignator.isEmpty()) designators << QRegularExpression::escape(locale.pmDesignator);
  const QString sep = QRegularExpression::escape(QString(locale.timeSeparator)) + "|:";
  const QString designator = "(" + designators.join('|') + ")";
  cached = TimePatterns{
      locale.amDesignator, locale.pmDesignator, locale.timeSeparator,
      QRegularExpression(
          QStringLiteral("(?<![\\d])(\\d{1,2})\\s*(?:%1)\\s*(\\d{1,2})(?:\\s*(?:%1)\\s*(\\d{1,2}))?(?:\\s*%2(?![\\p{L}]))?")
              .arg(sep, designator),
          QRegularExpression::CaseInsensitiveOption),
      QRegularExpression(QStringLiteral("(?<![\\d])(\\d{1,2})\\s*%1(?![\\p{L}])").arg(designator),
                         QRegularExpression::CaseInsensitiveOption)};
  return *cached;
}

}  // namespace

std::optional<DateTime> readDate(const QString& input, const LocaleInfo& locale) {
  QString text = input.trimmed();
  if (text.isEmpty()) return std::nullopt;

  const TimePatterns& patterns = timePatternsFor(locale);
  const QRegularExpression& timeRe = patterns.time;
  const QRegularExpression& hourOnlyRe = patterns.hourOnly;
  int hour = 0, minute = 0, second = 0;
  bool hasTime = false;
  auto applyDesignator = [&](const QString& d) -> bool {
    if (d.isEmpty()) return hour <= 23;
    const bool pm = d.compare("PM", Qt::CaseInsensitive) == 0 || d.compare("P", Qt::CaseInsensitive) == 0 ||
                    (!locale.pmDesignator.isEmpty() && d.compare(locale.pmDesignator, Qt::CaseInsensitive) == 0);
    if (hour > 12) return false;
    if (pm && hour < 12) hour += 12;
    if (!pm && hour == 12) hour = 0;
    return true;
  };
  QRegularExpressionMatch m = timeRe.match(text);
  if (m.hasMatch()) {
    hour = m.captured(1).toInt();
    minute = m.captured(2).toInt();
    second = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    if (minute > 59 || second > 59 || !applyDesignator(m.captured(4))) return std::nullopt;
    text.remove(m.capturedStart(), m.capturedLength());
    hasTime = true;
  } else if ((m = hourOnlyRe.match(text)).hasMatch()) {
    hour = m.captured(1).toInt();
    if (!applyDesignator(m.captured(2))) return std::nullopt;
    text.remove(m.capturedStart(), m.capturedLength());
    hasTime = true;
  }

  // The date: numbers and month names between separators.
  std::vector<Part> parts;
  static const QRegularExpression itemRe(QStringLiteral("\\d+|\\p{L}+|[/\\-.,\\s]+|."));
  for (auto it = itemRe.globalMatch(text); it.hasNext();) {
    const QString item = it.next().captured(0);
    if (item.front().isDigit()) {
      if (item.size() > 4) return std::nullopt;
      parts.push_back({item.toInt(), static_cast<int>(item.size()), false});
    } else if (item.front().isLetter()) {
      const QString word = item.toLower();
      if (const int month = monthOf(word, locale)) parts.push_back({month, 0, true});
      else if (!isWeekday(word, locale)) return std::nullopt;
    } else if (!QStringLiteral("/-., \t").contains(item.front()) && !item.front().isSpace()) {
      return std::nullopt;
    }
  }
  if (parts.size() > 3) return std::nullopt;
  if (parts.empty()) {
    if (!hasTime) return std::nullopt;
    return DateTime::fromSecondsSinceOrigin(hour * 3600 + minute * 60 + second);
  }
  const std::optional<DateTime> date = readDatePart(parts, locale);
  if (!date) return std::nullopt;
  return date->addSeconds(hour * 3600 + minute * 60 + second);
}

std::optional<DateTime> readDate(const QString& text) { return readDate(text, currentLocale()); }

DateTime toDate(const QString& text) {
  const std::optional<DateTime> value = readDate(text);
  if (!value) throw Error(Error::TypeMismatch);
  return *value;
}

}  // namespace bw
