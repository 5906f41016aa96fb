#include "time/ClockSync.h"

#include <array>

#include "core/DateReader.h"
#include "core/Error.h"
#include "core/ProcessState.h"
#include "model/PageText.h"
#include "model/Sites.h"
#include "platform/Services.h"
#include "settings/LogIt.h"
#include "time/MarketTime.h"
#include "web/Web.h"

namespace bw {

namespace {

IStatusPanel* gStatusPanel = nullptr;

const QString kSource = QStringLiteral("modMain.SynchronizeTimeToEbay");

std::int64_t secondsNow() { return DateTime::localNow().secondsSinceOrigin(); }

void failSynch(const QString& description) {
  if (IBeep* beep = services().beep) beep->beep();
  if (gStatusPanel != nullptr) gStatusPanel->setText(QLatin1String(kSynchFailedStatus));
  LogIt(kSource, QLatin1String(kSynchFailedStatus) + u' ' + description);
}

Error synchFailure(const char* description) {
  return Error(Error::GeneralFailure, kSource, QLatin1String(description));
}

// The time text of the page: after the first marker found, before the zone.
QString timeText(const QString& page) {
  static const QString kMarker1 = QStringLiteral("At the tone, the time will be... <b>");
  static const QString kMarker2 = QStringLiteral("The official eBay Time is now:</p><p><b>");
  qsizetype start = page.indexOf(kMarker1);
  if (start >= 0) {
    start += kMarker1.size();
  } else {
    start = page.indexOf(kMarker2);
    if (start < 0) throw synchFailure("Unable to find the time on eBay's time page");
    start += kMarker2.size();
  }
  const QString area = page.mid(start, 50);
  qsizetype zone = area.indexOf(QLatin1String("PDT"));
  if (zone < 0) zone = area.indexOf(QLatin1String("PST"));
  if (zone < 0) throw synchFailure("Unable to find the time zone on eBay's time page");
  QString text = area.left(zone);
  static const std::array<const char*, 7> kWeekdays{
      "Sunday, ", "Monday, ", "Tuesday, ", "Wednesday, ", "Thursday, ", "Friday, ", "Saturday, "};
  for (const char* weekday : kWeekdays) text.remove(QLatin1String(weekday));
  return text;
}

}  // namespace

IStatusPanel* clockStatusPanel() { return gStatusPanel; }

IStatusPanel* installClockStatusPanel(IStatusPanel* panel) {
  IStatusPanel* previous = gStatusPanel;
  gStatusPanel = panel;
  return previous;
}

void SynchronizeTimeToEbay() {
  try {
    const QString address = serverBase(ServerKind::Service) + QLatin1String(kTimePagePath);
    std::int64_t t0 = secondsNow();
    std::int64_t t1 = t0 + 10;
    int requests = 0;
    QString page;
    // Up to three requests; the first answer within 3 seconds is used.
    while (requests <= 2 && t1 - t0 >= 3) {
      t0 = secondsNow();
      page = GetHTML(address);
      t1 = secondsNow();
      ++requests;
    }
    const std::int64_t took = t1 - t0;
    const QString count = QString::number(requests);
    if (took == 0) {
      LogIt(kSource, QStringLiteral("  Response from eBay took less than one second. Requests: ") + count);
    } else if (took == 1) {
      LogIt(kSource, QStringLiteral("  Response from eBay took one second. Requests: ") + count);
    } else {
      LogIt(kSource, QStringLiteral(" Response from eBay took ") + QString::number(took) +
                         QStringLiteral(" seconds. Requests: ") + count);
    }
    if (pagetext::trimBlanks(page).isEmpty()) {
      throw synchFailure("Unable to synchronize clock with eBay: eBay returned no answer");
    }
    const QString text = timeText(page);

    const std::int64_t before = secondsNow();
    const DateTime marketplaceTime = toDate(InternationalizeDate(text));
    const DateTime newLocal =
        marketplaceTime.addSeconds(-60 * differentialMinutes(TimeDifferential()));
    IClock* clock = services().clock;
    if (clock == nullptr) throw synchFailure("The clock cannot be set");
    clock->setLocalNowMs(newLocal.toLocalMs());

    const std::int64_t moved = secondsNow() - before;
    if (moved < 0) {
      LogIt(kSource, QStringLiteral("  PC Clock was adjusted back ") + QString::number(-moved) +
                         QStringLiteral(" seconds."));
    } else {
      LogIt(kSource, QStringLiteral("  PC Clock was adjusted forward ") + QString::number(moved) +
                         QStringLiteral(" seconds."));
    }
    state().gdatLastSynch = DateTime::localNow();
    if (gStatusPanel != nullptr && gStatusPanel->text() == QLatin1String(kSynchFailedStatus)) {
      gStatusPanel->setText(QString());
    }
  } catch (const Error& error) {
    failSynch(error.description());
  } catch (const std::exception& error) {
    failSynch(QString::fromLocal8Bit(error.what()));
  }
}

}  // namespace bw
