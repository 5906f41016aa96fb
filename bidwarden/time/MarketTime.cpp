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

constexpr std::array<const char*, 12> kEnglishMonths{"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                    "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

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
      if (start == QLatin1String(kEnglishMonths[static_cast<std::size_t>(m)])) {
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
      if (readsAsDate(candidate)) text = candidate;
    }
    return text;
  } catch (...) {
    logCurrentException(QStringLiteral("modMain.InternationalizeDate"));
    return QString();
  }
}

}  // namespace bw
