#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>
#include <deque>

#include "ReaderTestSupport.h"
#include "core/DateReader.h"
#include "core/ProcessState.h"
#include "support/TestDoubles.h"
#include "time/ClockSync.h"
#include "time/MarketTime.h"

namespace bw {
namespace {

using test::TestEnvironment;

std::int64_t utcMs(int y, int m, int d, int h = 12) {
  return QDateTime(QDate(y, m, d), QTime(h, 0), QTimeZone::utc()).toMSecsSinceEpoch();
}

TEST(TimeDifferential, IsTheTrueOffsetBetweenTheWestCoastAndTheLocalZone) {
  const struct {
    const char* zone;
    std::int64_t at;
    float hours;
  } cases[] = {
      {"Europe/Berlin", utcMs(2026, 1, 15), -9},
      {"Europe/Berlin", utcMs(2026, 7, 1), -9},
      // The US changes on 8 March and 1 November 2026, Europe on 29 March
      // and 25 October: in between only one side has changed.
      {"Europe/Berlin", utcMs(2026, 3, 20), -8},
      {"Europe/Berlin", utcMs(2026, 10, 28), -8},
      {"America/New_York", utcMs(2026, 1, 15), -3},
      {"America/New_York", utcMs(2026, 3, 20), -3},
      {"America/New_York", utcMs(2026, 7, 1), -3},
      {"Asia/Kolkata", utcMs(2026, 1, 15), -13.5f},
      {"Asia/Kolkata", utcMs(2026, 7, 1), -12.5f},
      // A zone without daylight saving (UTC-7).
      {"America/Phoenix", utcMs(2026, 1, 15), -1},
      {"America/Phoenix", utcMs(2026, 7, 1), 0},
      {"America/Los_Angeles", utcMs(2026, 7, 1), 0},
      {"UTC", utcMs(2003, 12, 9), -8},
  };
  for (const auto& c : cases) {
    TestEnvironment env;
    env.clock.setZone(QTimeZone(c.zone));
    env.clock.setUtcMs(c.at);
    EXPECT_FLOAT_EQ(TimeDifferential(), c.hours)
        << c.zone << " " << QDateTime::fromMSecsSinceEpoch(c.at, QTimeZone::utc()).toString().toStdString();
  }
}

TEST(TimeDifferential, TheUsersOwnOffsetIsTakenAsGiven) {
  const struct {
    float offset;
    bool behind;
    float hours;
  } cases[] = {{3, false, -3}, {3, true, 3}, {0, false, 0}, {2.5f, false, -2.5f}};
  for (const auto& c : cases) {
    TestEnvironment env;
    env.clock.setZone(QTimeZone("Europe/Berlin"));
    env.clock.setUtcMs(utcMs(2026, 3, 20));  // no daylight adjustment either
    ProgramSettingsRecord& settings = state().ProgramSettings;
    settings.UseUserTimeZoneOffset = true;
    settings.UserTimeZoneOffset = c.offset;
    settings.UserTimeZoneOffsetBehind = c.behind;
    settings.UserTimeZoneOffsetAhead = !c.behind;
    EXPECT_FLOAT_EQ(TimeDifferential(), c.hours) << c.offset << " behind " << c.behind;
  }
}

TEST(MarketplaceNow, AddsTheDifferentialAsWholeMinutes) {
  TestEnvironment env;
  env.clock.setZone(QTimeZone("Asia/Kolkata"));
  env.clock.setUtcMs(utcMs(2026, 1, 15));
  const DateTime local = DateTime::localNow();
  EXPECT_EQ(MarketplaceNow(), local.addSeconds(-810 * 60));
  EXPECT_EQ(LocalTimeOfMarketplaceTime(MarketplaceNow()), local);
}

TEST(InternationalizeDate, PutsTheLocalesMonthFirstAndExpandsTheYear) {
  const struct {
    const char* locale;
    const char* text;
    const char* result;
  } cases[] = {
      {"en_US", "Dec-09-03 18:16:05", "DEC-09-2003 18:16:05"},
      {"en_US", "Dec-09-2003 18:16:05", "DEC-09-2003 18:16:05"},
      {"en_US", "December 09, 2003 18:16:05", "DECember 09, 2003 18:16:05"},
      {"en_US", "dec 09 03", "DEC 09 03"},  // no dashes: only the month
      {"de_DE", "Dec-09-03 18:16:05", "DEZ-09-2003 18:16:05"},
      {"de_DE", "Mar-01-04 10:00:00", "M\u00c4R-01-2004 10:00:00"},
      {"de_DE", "Oct-31-03 23:59:59", "OKT-31-2003 23:59:59"},
  };
  for (const auto& c : cases) {
    TestEnvironment env(test::localeNamed(c.locale));
    EXPECT_EQ(InternationalizeDate(QString::fromUtf8(c.text)), QString::fromUtf8(c.result)) << c.text;
    EXPECT_TRUE(env.logMessages().isEmpty());
  }
}

TEST(InternationalizeDate, AnUnknownMonthIsLoggedAndLeftAlone) {
  TestEnvironment env;
  EXPECT_EQ(InternationalizeDate(QStringLiteral("Foo-09-03 18:16:05")), QStringLiteral("Foo-09-03 18:16:05"));
  EXPECT_EQ(env.logMessages(), QStringList{"Unable to match month in \"Foo-09-03 18:16:05\". "});
}

TEST(InternationalizeDate, ItsResultsReadAsDatesInEitherLocale) {
  const DateTime expected = DateTime::fromParts(2003, 12, 9, 18, 16, 5);
  for (const char* locale : {"en_US", "de_DE"}) {
    TestEnvironment env(test::localeNamed(locale));
    for (const char* text : {"Dec-09-03 18:16:05", "December 09, 2003 18:16:05", "Dec-09-2003 18:16:05"}) {
      EXPECT_EQ(readDate(InternationalizeDate(QLatin1String(text))), std::optional(expected))
          << locale << " " << text;
    }
  }
  TestEnvironment env;
  for (const char* bad : {"DEC-32-2003 10:00:00", "DEC-09-2003 25:00:00", "DEC-09-202003 18:16:05", "Foo"}) {
    EXPECT_FALSE(readDate(QLatin1String(bad)).has_value()) << bad;
  }
}

// Answers from a script, each after moving the clock by its delay.
class TimedHttp final : public IHttpClient {
 public:
  explicit TimedHttp(test::FakeClock& clock) : clock_(clock) {}
  void answer(const QByteArray& body, std::int64_t delayMs = 0) { script_.push_back({body, delayMs}); }
  HttpResponse perform(const HttpRequest& request) override {
    urls.push_back(QString::fromLatin1(request.url));
    HttpResponse response;
    if (script_.empty()) return response;
    const auto [body, delay] = script_.front();
    script_.pop_front();
    clock_.advanceMs(delay);
    response.opened = true;
    response.status = 200;
    response.body = body;
    return response;
  }
  void dropUnasked() { script_.clear(); }
  QStringList urls;

 private:
  test::FakeClock& clock_;
  std::deque<std::pair<QByteArray, std::int64_t>> script_;
};

class StatusPanel final : public IStatusPanel {
 public:
  QString text() const override { return text_; }
  void setText(const QString& text) override { text_ = text; }
  QString text_;
};

// The clock reads 18:16:05 UTC on 9 December 2003, 10:16:05 on the West Coast.
class ClockSync : public ::testing::Test {
 protected:
  ClockSync() : http(env.clock) {
    Services replaced = services();
    replaced.http = &http;
    scoped = std::make_unique<ScopedServices>(replaced);
    previousPanel = installClockStatusPanel(&panel);
  }
  ~ClockSync() override { installClockStatusPanel(previousPanel); }

  static QByteArray timePage(const char* shown) {
    return QByteArray("<p>At the tone, the time will be... <b>") + shown + "</b></p>";
  }
  QStringList log() const { return env.logMessages(); }

  TestEnvironment env;
  TimedHttp http;
  std::unique_ptr<ScopedServices> scoped;
  StatusPanel panel;
  IStatusPanel* previousPanel = nullptr;
};

TEST_F(ClockSync, AQuickExactAnswerMovesTheClockByNothing) {
  http.answer(timePage("Tuesday, December 09, 2003 10:16:05 PST"));
  SynchronizeTimeToEbay();
  EXPECT_EQ(http.urls, QStringList{"http://cgi3.ebay.com/aw-cgi/eBayISAPI.dll?TimeShow"});
  EXPECT_EQ(log(), (QStringList{"  Response from eBay took less than one second. Requests: 1",
                                "  PC Clock was adjusted forward 0 seconds."}));
  EXPECT_EQ(env.clock.correctionMs(), 0);
  EXPECT_EQ(state().gdatLastSynch, DateTime::fromParts(2003, 12, 9, 18, 16, 5));
  EXPECT_EQ(env.beep.count, 0);
}

TEST_F(ClockSync, AFastClockIsSetBack) {
  http.answer(timePage("Tuesday, December 09, 2003 10:15:58 PST"));
  SynchronizeTimeToEbay();
  EXPECT_EQ(log().back(), QStringLiteral("  PC Clock was adjusted back 7 seconds."));
  EXPECT_EQ(env.clock.correctionMs(), -7000);
  EXPECT_EQ(MarketplaceNow(), DateTime::fromParts(2003, 12, 9, 10, 15, 58));
}

TEST_F(ClockSync, SlowAnswersAreAskedAgainUpToThreeTimes) {
  const struct {
    std::int64_t delays[3];
    int requests;
    const char* report;
  } cases[] = {
      {{3500, 3000, 4200}, 3, " Response from eBay took 4 seconds. Requests: 3"},
      {{3000, 1000, 0}, 2, "  Response from eBay took one second. Requests: 2"},
      {{2999, 0, 0}, 1, " Response from eBay took 2 seconds. Requests: 1"},
  };
  for (const auto& c : cases) {
    env.clock.setUtcMs(utcMs(2003, 12, 9, 18));
    env.clock.setCorrectionMs(0);
    http.urls.clear();
    // Each answer names a different second; only the last one asked is used.
    const char* shown[] = {"December 09, 2003 10:00:01 PST", "December 09, 2003 10:00:02 PST",
                           "December 09, 2003 10:00:03 PST"};
    for (int i = 0; i < 3; ++i) http.answer(timePage(shown[i]), c.delays[i]);
    SynchronizeTimeToEbay();
    EXPECT_EQ(http.urls.size(), c.requests);
    const QStringList messages = log();
    EXPECT_EQ(messages[messages.size() - 2], QLatin1String(c.report));
    EXPECT_EQ(MarketplaceNow(), DateTime::fromParts(2003, 12, 9, 10, 0, c.requests));
    http.dropUnasked();
  }
}

TEST_F(ClockSync, ReadsTheFirstMarkerThenTheSecondWithEitherZone) {
  const struct {
    const char* page;
    DateTime marketplaceTime;
  } cases[] = {
      {"time_both_markers.htm", DateTime::fromParts(2003, 12, 9, 18, 16, 12)},
      {"time_marker1.htm", DateTime::fromParts(2003, 12, 9, 18, 16, 12)},
      {"time_marker2.htm", DateTime::fromParts(2003, 12, 9, 18, 16, 12)},
  };
  for (const auto& c : cases) {
    env.clock.setCorrectionMs(0);
    http.answer(test::savedPageBytes(c.page));
    SynchronizeTimeToEbay();
    EXPECT_EQ(MarketplaceNow(), c.marketplaceTime) << c.page;
  }
  // "PDT" is looked for before "PST".
  env.clock.setCorrectionMs(0);
  http.answer(timePage("December 09, 2003 10:00:00 PDT (not PST)"));
  SynchronizeTimeToEbay();
  EXPECT_EQ(MarketplaceNow(), DateTime::fromParts(2003, 12, 9, 10, 0, 0));
}

TEST_F(ClockSync, FailuresBeepSetTheStatusAndLeaveTheClock) {
  const struct {
    QByteArray page;
    const char* logged;
  } cases[] = {
      {QByteArray(), "Unable to synchronize clock with eBay! Unable to synchronize clock with eBay: eBay returned no answer"},
      {QByteArray("   "), "Unable to synchronize clock with eBay! Unable to synchronize clock with eBay: eBay returned no answer"},
      {QByteArray("<p>The time is 10:16:05 PST</p>"),
       "Unable to synchronize clock with eBay! Unable to find the time on eBay's time page"},
      {timePage("December 09, 2003 10:16:05 GMT</b> and more text to fill fifty"),
       "Unable to synchronize clock with eBay! Unable to find the time zone on eBay's time page"},
      {timePage("Someday at noon PST"), "Unable to synchronize clock with eBay! Type mismatch"},
  };
  int beeps = 0;
  for (const auto& c : cases) {
    state().gdatLastSynch = DateTime();
    env.clock.setCorrectionMs(1234);
    panel.text_ = QStringLiteral("Ready");
    if (c.page.isNull()) {
      // No answer at all, three times (each fetch is instant).
      SynchronizeTimeToEbay();
    } else {
      http.answer(c.page);
      SynchronizeTimeToEbay();
    }
    EXPECT_EQ(env.beep.count, ++beeps);
    EXPECT_EQ(panel.text(), QStringLiteral("Unable to synchronize clock with eBay!"));
    EXPECT_EQ(log().back(), QLatin1String(c.logged));
    EXPECT_EQ(env.clock.correctionMs(), 1234);
    EXPECT_EQ(state().gdatLastSynch, DateTime());
  }
}

TEST_F(ClockSync, SuccessClearsOnlyTheFailureText) {
  for (const char* before : {"Unable to synchronize clock with eBay!", "Refreshing..."}) {
    panel.text_ = QLatin1String(before);
    http.answer(timePage("December 09, 2003 10:16:05 PST"));
    SynchronizeTimeToEbay();
    EXPECT_EQ(panel.text(), QLatin1String(before) == QStringLiteral("Refreshing...") ? "Refreshing..." : "");
  }
}

TEST_F(ClockSync, TheDifferentialTurnsMarketplaceTimeIntoLocalTime) {
  env.clock.setZone(QTimeZone("Europe/Berlin"));  // 19:16:05 local, differential -9
  http.answer(timePage("December 09, 2003 10:16:15 PST"));
  SynchronizeTimeToEbay();
  EXPECT_EQ(log().back(), QStringLiteral("  PC Clock was adjusted forward 10 seconds."));
  EXPECT_EQ(DateTime::localNow(), DateTime::fromParts(2003, 12, 9, 19, 16, 15));
}

}  // namespace
}  // namespace bw
