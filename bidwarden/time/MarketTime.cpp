#include "time/MarketTime.h"

#include <QDateTime>
#include <QTimeZone>
#include <array>
#include <cmath>

#include "core/DateReader.h"
#include "core/Error.h"
#include "core/ProcessState.h"
#include "model/PageText.h"
#include "platform/Services.h"
#include "settings/LogIt.h"

namespace bw {

namespace {

constexpr std::array<const char*, 12> kEnglishMonths{
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};

}  // namespace

float TimeDifferential() {
  try {
    const ProgramSettingsRecord& settings = state().ProgramSettings;
    if (settings.UseUserTimeZoneOffset) {
      return settings.UserTimeZoneOffsetBehind ? settings.UserTimeZoneOffset
                                               : -settings.UserTimeZoneOffset;
    }
    const IClock* clock = services().clock;
    if (clock == nullptr) {
      throw Error(Error::GeneralFailure, QStringLiteral("modMain.TimeDifferential"),
                  QStringLiteral("No clock"));
    }
    // The true present offsets of both zones, so that the differential is
    // right on every date of the year, whichever side changes first.
    static const QTimeZone westCoast("America/Los_Angeles");
    if (!westCoast.isValid()) {
      throw Error(Error::GeneralFailure, QStringLiteral("modMain.TimeDifferential"),
                  QStringLiteral("The time zone America/Los_Angeles is unknown"));
    }
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(clock->utcNowMs(), QTimeZone::utc());
    const int seconds = westCoast.offsetFromUtc(now) - clock->localZone().offsetFromUtc(now);
    return static_cast<float>(seconds) / 3600.0f;
  } catch (...) {
    logCurrentException(QStringLiteral("modMain.TimeDifferential"));
    return 0.0f;
  }
}

std::int64_t differentialMinutes(float hours) {
  return std::llround(static_cast<double>(hours) * 60.0);
}

DateTime MarketplaceNow() { return MarketplaceTimeOfLocalTime(DateTime::localNow()); }

DateTime LocalTimeOfMarketplaceTime(const DateTime& marketplaceTime) {
  return marketplaceTime.addSeconds(-60 * differentialMinutes(TimeDifferential()));
}

DateTime MarketplaceTimeOfLocalTime(const DateTime& localTime) {
  return localTime.addSeconds(60 * differentialMinutes(TimeDifferential()));
}

QString InternationalizeDate(const QString& input) {
  try {
    QString text = input;
    const QString start = pagetext::upperSameLength(text.left(3));
    int row = -1;
    for (int m = 0; m < 12; ++m) {
      if (start == QString::fromLatin1(kEnglishMonths[static_cast<std::size_t>(m)], 3).toUpper()) {
        row = m;
        break;
      }
    }
    if (row >= 0) {
      const LocaleInfo& locale = currentLocale();
      const QString name =
          pagetext::upperSameLength(locale.shortMonthNames.value(row)).left(3);
      text.replace(0, std::min<qsizetype>(name.size(), text.size()), name);
    } else {
      LogIt(QStringLiteral("modMain.InternationalizeDate"),
            QStringLiteral("Unable to match month in \"") + text + QStringLiteral("\". "));
    }
    const qsizetype firstDash = text.indexOf(u'-');
    const qsizetype secondDash = firstDash < 0 ? -1 : text.indexOf(u'-', firstDash + 1);
    if (secondDash >= 0) {
      const QString candidate =
          text.left(secondDash + 1) + QStringLiteral("20") + text.mid(secondDash + 1);
      if (readMarketplaceDate(candidate)) text = candidate;
    }
    return text;
  } catch (...) {
    logCurrentException(QStringLiteral("modMain.InternationalizeDate"));
    return QString();
  }
}

namespace {

QString monthKey(const QString& name) {
  QString key = pagetext::upperSameLength(name.trimmed());
  key.remove(u'.');
  return key;
}

// 1..12 for a month word: a full or short name of the locale or of English,
// or a word that starts with the first three letters of one (what
// InternationalizeDate makes of "December": "DEZember").
int monthOfWord(const QString& word, const LocaleInfo& locale) {
  const QString key = monthKey(word);
  if (key.isEmpty()) return 0;
  auto namesOf = [&](int m) {
    return std::array<QString, 4>{
        monthKey(locale.monthNames.value(m)), monthKey(locale.shortMonthNames.value(m)),
        monthKey(QLatin1String(kEnglishMonths[static_cast<std::size_t>(m)])),
        monthKey(QString::fromLatin1(kEnglishMonths[static_cast<std::size_t>(m)], 3))};
  };
  for (int m = 0; m < 12; ++m) {
    for (const QString& name : namesOf(m)) {
      if (!name.isEmpty() && key == name) return m + 1;
    }
  }
  if (key.size() < 3) return 0;
  for (int m = 0; m < 12; ++m) {
    for (const QString& name : namesOf(m)) {
      if (name.size() >= 3 && key.left(3) == name.left(3)) return m + 1;
    }
  }
  return 0;
}

struct Scanner {
  const QString& text;
  qsizetype at = 0;
  bool atEnd() const { return at >= text.size(); }
  void skip(QStringView chars) {
    while (!atEnd() && chars.contains(text[at])) ++at;
  }
  QString letters() {
    const qsizetype from = at;
    while (!atEnd() && text[at].isLetter()) ++at;
    return text.mid(from, at - from);
  }
  QString digits() {
    const qsizetype from = at;
    while (!atEnd() && text[at] >= u'0' && text[at] <= u'9') ++at;
    return text.mid(from, at - from);
  }
};

std::optional<DateTime> readMonthFirst(const QString& text, const LocaleInfo& locale) {
  Scanner scan{text};
  scan.skip(u" ");
  const int month = monthOfWord(scan.letters(), locale);
  if (month == 0) return std::nullopt;
  scan.skip(u". -/,");
  const QString day = scan.digits();
  scan.skip(u" -/,.");
  const QString year = scan.digits();
  if (day.isEmpty() || day.size() > 2 || (year.size() != 2 && year.size() != 4)) {
    return std::nullopt;
  }
  int y = year.toInt();
  if (year.size() == 2) y += y >= 30 ? 1900 : 2000;
  const int d = day.toInt();
  int hour = 0, minute = 0, second = 0;
  scan.skip(u" ");
  if (!scan.atEnd()) {
    const QString timeSeparators = QStringLiteral(":") + locale.timeSeparator;
    const QString h = scan.digits();
    if (h.isEmpty() || h.size() > 2 || scan.atEnd() || !timeSeparators.contains(scan.text[scan.at])) {
      return std::nullopt;
    }
    ++scan.at;
    const QString mi = scan.digits();
    if (mi.size() != 2) return std::nullopt;
    QString s;
    if (!scan.atEnd() && timeSeparators.contains(scan.text[scan.at])) {
      ++scan.at;
      s = scan.digits();
      if (s.size() != 2) return std::nullopt;
    }
    hour = h.toInt();
    minute = mi.toInt();
    second = s.isEmpty() ? 0 : s.toInt();
    scan.skip(u" ");
    const QString designator = monthKey(scan.letters());
    if (!designator.isEmpty()) {
      const bool pm = designator == QLatin1String("PM") || designator == monthKey(locale.pmDesignator);
      const bool am = designator == QLatin1String("AM") || designator == monthKey(locale.amDesignator);
      if ((!am && !pm) || hour < 1 || hour > 12) return std::nullopt;
      hour = (hour % 12) + (pm ? 12 : 0);
    }
    scan.skip(u" ");
    if (!scan.atEnd()) return std::nullopt;
  }
  if (!DateTime::isValidDate(y, month, d) || hour > 23 || minute > 59 || second > 59) {
    return std::nullopt;
  }
  return DateTime::fromParts(y, month, d, hour, minute, second);
}

}  // namespace

std::optional<DateTime> readMarketplaceDate(const QString& text, const LocaleInfo& locale) {
  if (auto value = readMonthFirst(text, locale)) return value;
  return readDate(text, locale);
}

std::optional<DateTime> readMarketplaceDate(const QString& text) {
  return readMarketplaceDate(text, currentLocale());
}

DateTime toMarketplaceDate(const QString& text) {
  if (auto value = readMarketplaceDate(text)) return *value;
  throw Error(Error::TypeMismatch);
}

}  // namespace bw
