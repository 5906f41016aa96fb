#include <gtest/gtest.h>
#include "core/DateReader.h"
#include "core/Error.h"
#include "core/InputHelpers.h"
#include "core/Money.h"
#include "platform/Locale.h"
#include "support/TestDoubles.h"

namespace bw {
namespace {

const LocaleInfo en = LocaleInfo::enUS();
const LocaleInfo de = LocaleInfo::deDE();

TEST(Money, PlainTextForm) {
  struct Case {
    std::int64_t units;
    const char* enUS;
    const char* deDE;
  } cases[] = {
      {125000, "12.5", "12,5"},   {30000, "3", "3"},
      {-1, "-0.0001", "-0,0001"}, {0, "0", "0"},
      {123456789012345, "12345678901.2345", "12345678901,2345"},
      {INT64_MIN, "-922337203685477.5808", "-922337203685477,5808"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Money::fromTenThousandths(c.units).toText(en), c.enUS);
    EXPECT_EQ(Money::fromTenThousandths(c.units).toText(de), c.deDE);
  }
}

TEST(Money, ReadsTheSystemsNumbers) {
  struct Case {
    const char* text;
    const LocaleInfo* locale;
    std::int64_t units;
  } cases[] = {
      {" 1,234.5 ", &en, 12345000}, {"1.234,5", &de, 12345000}, {"-0.0001", &en, -1},
      {"+7", &en, 70000},           {".25", &en, 2500},         {"12,5", &de, 125000},
      {"0.00005", &en, 0},          // halves go to even
      {"0.00015", &en, 2},          {"0.000051", &en, 1},
      {"922337203685477.5807", &en, INT64_MAX},
  };
  for (const Case& c : cases) EXPECT_EQ(Money::fromText(c.text, *c.locale).tenThousandths(), c.units) << c.text;
}

TEST(Money, RefusesWhatIsNoNumber) {
  for (const char* text : {"", "  ", "abc", "1,,2", "12,", "1.2.3", "$5", "1 2", "-", "."}) {
    try {
      Money::fromText(text, en);
      ADD_FAILURE() << "read " << text;
    } catch (const Error& e) {
      EXPECT_EQ(e.number(), 13) << text;
      EXPECT_EQ(e.description(), "Type mismatch");
    }
  }
  // The German point groups thousands, loosely, as the system reads it.
  EXPECT_EQ(Money::fromText("1.5", de).tenThousandths(), 150000);
  try {
    Money::fromText("99999999999999999999", en);
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.number(), 6);
  }
}

TEST(DateTime, CountsFromTheOrigin) {
  EXPECT_EQ(DateTime::fromParts(1899, 12, 30).secondsSinceOrigin(), 0);
  EXPECT_EQ(DateTime::fromParts(1900, 1, 1).toSerial(), 2.0);
  const DateTime d = DateTime::fromParts(2003, 12, 9, 18, 16, 5);
  EXPECT_NEAR(d.toSerial(), 37964.761168981, 1e-8);
  EXPECT_EQ(DateTime::fromSerial(d.toSerial()), d);
  EXPECT_EQ(DateTime::fromSerial(-1.25), DateTime::fromParts(1899, 12, 29, 6, 0, 0));
  EXPECT_EQ(DateTime::fromParts(1899, 12, 29, 6, 0, 0).toSerial(), -1.25);
  EXPECT_EQ(d.dayOfWeek(), 3);  // Tuesday
  EXPECT_EQ(DateTime::fromParts(1899, 12, 30).dayOfWeek(), 7);
  EXPECT_EQ(DateTime::farFuture(), DateTime::fromParts(3000, 1, 1));
  EXPECT_EQ(DateTime::fromParts(2004, 2, 29).addDays(1), DateTime::fromParts(2004, 3, 1));
  EXPECT_EQ(DateTime::fromParts(1850, 3, 1).addSeconds(-1), DateTime::fromParts(1850, 2, 28, 23, 59, 59));
  EXPECT_THROW(DateTime::fromParts(2003, 2, 29), Error);
  EXPECT_THROW(DateTime::fromParts(2003, 1, 1, 24, 0, 0), Error);
}

TEST(DateTime, GeneralDateFormat) {
  const DateTime d = DateTime::fromParts(2003, 12, 9, 18, 16, 5);
  EXPECT_EQ(d.toText(en), "12/9/2003 6:16:05 PM");
  EXPECT_EQ(d.toText(de), "09.12.2003 18:16:05");
  EXPECT_EQ(DateTime::fromParts(2003, 12, 9).toText(en), "12/9/2003");
  EXPECT_EQ(DateTime::fromSecondsSinceOrigin(3600).toText(en), "1:00:00 AM");
  EXPECT_EQ(DateTime::fromParts(2003, 12, 9).toText(de), "09.12.2003");
}

TEST(DateTime, LocalNowComesFromTheClock) {
  test::TestEnvironment env;
  env.clock.setZone(QTimeZone("Europe/Berlin"));
  env.clock.setLocal(2003, 12, 9, 18, 16, 5);
  EXPECT_EQ(DateTime::localNow(), DateTime::fromParts(2003, 12, 9, 18, 16, 5));
  env.clock.setLocalNowMs(DateTime::fromParts(2003, 12, 9, 18, 20, 0).toLocalMs() + 250);
  EXPECT_EQ(env.clock.correctionMs(), 235250);
  EXPECT_EQ(DateTime::localNow(), DateTime::fromParts(2003, 12, 9, 18, 20, 0));
}

struct ReadCase {
  const char* text;
  const LocaleInfo* locale;
  std::optional<DateTime> expected;
};

DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return DateTime::fromParts(y, mo, d, h, mi, s);
}

TEST(ReadDate, ForgivingButNotBlind) {
  test::TestEnvironment env;  // the clock's year, 2003, fills a missing year
  const ReadCase cases[] = {
      {"12/9/2003 6:16:05 PM", &en, at(2003, 12, 9, 18, 16, 5)},
      {"12/9/2003 6:16:05 PM", &de, at(2003, 9, 12, 18, 16, 5)},
      {"09.12.2003 18:16:05", &de, at(2003, 12, 9, 18, 16, 5)},
      {"DEC-09-2003 18:16:05", &en, at(2003, 12, 9, 18, 16, 5)},
      {"Dec-09-03 18:16:05", &en, at(2003, 12, 9, 18, 16, 5)},
      {"DEZ-09-2003 18:16:05", &de, at(2003, 12, 9, 18, 16, 5)},
      {"MAR-09-2003 18:16:05", &de, at(2003, 3, 9, 18, 16, 5)},
      {"2003-12-09 18:16:05", &en, at(2003, 12, 9, 18, 16, 5)},
      {"2003-12-09 18:16:05", &de, at(2003, 12, 9, 18, 16, 5)},
      {"9 December 2003", &en, at(2003, 12, 9)},
      {"Tuesday, December 9, 2003", &en, at(2003, 12, 9)},
      {"Dienstag, 9. Dezember 2003", &de, at(2003, 12, 9)},
      {"13/12/2003", &en, at(2003, 12, 13)},  // no 13th month: day first
      {"12/9", &en, at(2003, 12, 9)},
      {"1/2/29", &en, at(2029, 1, 2)},
      {"1/2/30", &en, at(1930, 1, 2)},
      {"18:16:05", &en, DateTime::fromSecondsSinceOrigin(65765)},
      {"6 PM", &en, DateTime::fromSecondsSinceOrigin(64800)},
      {"12:30 AM", &en, DateTime::fromSecondsSinceOrigin(1800)},
      {"Foo-09-2003 18:16:05", &en, std::nullopt},
      {"Dec-09-2020003 18:16:05", &en, std::nullopt},
      {"2/30/2003", &en, std::nullopt},
      {"25:00", &en, std::nullopt},
      {"13:00 PM", &en, std::nullopt},
      {"12/9/2003 18:61", &en, std::nullopt},
      {"", &en, std::nullopt},
      {"5", &en, std::nullopt},
      {"hello", &en, std::nullopt},
      {"1/2/3/4", &en, std::nullopt},
      {"20031209", &en, std::nullopt},
  };
  for (const ReadCase& c : cases) {
    const std::optional<DateTime> got = readDate(c.text, *c.locale);
    EXPECT_EQ(got.has_value(), c.expected.has_value()) << c.text << " (" << c.locale->name.toStdString() << ")";
    if (got && c.expected) {
      EXPECT_EQ(got->toText(en), c.expected->toText(en)) << c.text;
    }
  }
}

TEST(ReadDate, ToDateRaisesTypeMismatch) {
  test::TestEnvironment env;
  EXPECT_EQ(toDate("12/9/2003"), at(2003, 12, 9));
  try {
    toDate("no date");
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.numberAndDescription(), "13 Type mismatch");
  }
}

TEST(Error, StandardNumbersAndDescriptions) {
  EXPECT_EQ(Error(13).numberAndDescription(), "13 Type mismatch");
  EXPECT_EQ(Error(53).description(), "File not found");
  EXPECT_EQ(Error(70).description(), "Permission denied");
  EXPECT_EQ(Error(Error::KeyNotFound).number(), -2147221404L);
  EXPECT_EQ(Error::BidFailure1002 - Error::ObjectErrorBase, 1002);
  EXPECT_EQ(Error::BidFailure1004, -2147220500L);
  EXPECT_EQ(Error::fromErrno(ENOENT, "x").number(), 53);
  EXPECT_EQ(Error::fromErrno(EACCES, "x").number(), 70);
  EXPECT_STREQ(Error(4096, "Auction.EbayAuctionCategory", "Invalid Category Code. Must be S or M").what(),
               "4096 Invalid Category Code. Must be S or M");
}

TEST(FilterOutNonNumeric, KeysThatPassAndKeysThatDrop) {
  struct Case {
    const LocaleInfo* locale;
    int key;
    const char* text;
    bool selected;
    const char* clipboard;
    int expected;
  } cases[] = {
      {&en, '7', "", false, "", '7'},
      {&en, 'a', "", false, "", 0},
      {&en, '.', "12", false, "", '.'},
      {&en, '.', "1.2", false, "", 0},
      {&en, '.', "1.2", true, "", '.'},  // the selection may hold the point
      {&en, ',', "12", false, "", 0},
      {&de, ',', "12", false, "", ','},
      {&de, '.', "12", false, "", 0},
      {&en, '-', "", false, "", 0},
      {&en, 8, "12", false, "", 8},
      {&en, 3, "12", false, "", 3},
      {&en, 24, "12", false, "", 24},
      {&en, 26, "12", false, "", 26},
      {&en, 22, "", false, "12.50", 22},
      {&en, 22, "", false, "abc", 0},
      {&de, 22, "", false, "12,50", 22},
  };
  for (const Case& c : cases) {
    test::TestEnvironment env(*c.locale);
    EXPECT_EQ(FilterOutNonNumeric(c.key, c.text, c.selected, c.clipboard), c.expected)
        << c.key << " on " << c.text;
  }
}

TEST(SelectText, WholeTextOfATextBoxOnly) {
  const auto all = SelectText(true, "hello");
  ASSERT_TRUE(all);
  EXPECT_EQ(all->start, 0);
  EXPECT_EQ(all->length, 5);
  EXPECT_FALSE(SelectText(false, "hello"));
}

}  // namespace
}  // namespace bw
