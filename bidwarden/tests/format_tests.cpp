#include <gtest/gtest.h>
#include <span>
#include "core/Format.h"
#include "platform/Locale.h"

namespace bw {
namespace {

struct DateCase {
  const char* pattern;
  const char* enUS;
  const char* deDE;
};

// Every date pattern the program quotes, at 9 Dec 2003 18:16:05 (a Tuesday).
const DateCase kEvening[] = {
    {"yyyy-mm-dd hh:mm:ss", "2003-12-09 18:16:05", "2003-12-09 18:16:05"},
    {"mm/d/yy hh:mm:ss", "12/9/03 18:16:05", "12.9.03 18:16:05"},
    {"yyyy-mm-dd_hh.mm.ss", "2003-12-09_18.16.05", "2003-12-09_18.16.05"},
    {"yyyy/mm/dd hh:mm:ss", "2003/12/09 18:16:05", "2003.12.09 18:16:05"},
    {"hh:mm:ss AMPM", "06:16:05 PM", "06:16:05 PM"},
    {"h:mm:ss AMPM", "6:16:05 PM", "6:16:05 PM"},
    {"m/d h:mm:ss AM/PM", "12/9 6:16:05 PM", "12.9 6:16:05 PM"},
    {"m-d-yy h:mm:ss AMPM", "12-9-03 6:16:05 PM", "12-9-03 6:16:05 PM"},
    {"dddd, mmmm d", "Tuesday, December 9", "Dienstag, Dezember 9"},
    {"YYYYMMDD", "20031209", "20031209"},
    {"mmm d yyyy", "Dec 9 2003", "Dez 9 2003"},
};

// Leading zeros, the morning designator and a literal in quotes.
const DateCase kMorning[] = {
    {"hh:mm:ss AMPM", "06:07:08 AM", "06:07:08 AM"},
    {"m-d-yy h:mm:ss AMPM", "3-4-03 6:07:08 AM", "3-4-03 6:07:08 AM"},
    {"dd/mm/yyyy", "04/03/2003", "04.03.2003"},
    {"h \"h\" n", "6 h 7", "6 h 7"},
    {"h:mm a/p", "6:07 a", "6:07 a"},
};

TEST(FormatDateTime, QuotedPatternsUnderBothLocales) {
  const DateTime evening = DateTime::fromParts(2003, 12, 9, 18, 16, 5);
  const DateTime morning = DateTime::fromParts(2003, 3, 4, 6, 7, 8);
  for (const auto& [cases, when] : {std::pair{std::span<const DateCase>(kEvening), evening},
                                    std::pair{std::span<const DateCase>(kMorning), morning}}) {
    for (const DateCase& c : cases) {
      EXPECT_EQ(formatDateTime(when, c.pattern, LocaleInfo::enUS()), c.enUS) << c.pattern;
      EXPECT_EQ(formatDateTime(when, c.pattern, LocaleInfo::deDE()), c.deDE) << c.pattern;
    }
  }
}

TEST(FormatDateTime, TwelveHourClockAtMidnightAndNoon) {
  const LocaleInfo en = LocaleInfo::enUS();
  EXPECT_EQ(formatDateTime(DateTime::fromParts(2003, 1, 1, 0, 5, 0), "h:mm AMPM", en), "12:05 AM");
  EXPECT_EQ(formatDateTime(DateTime::fromParts(2003, 1, 1, 12, 5, 0), "hh:mm AMPM", en), "12:05 PM");
  EXPECT_EQ(formatDateTime(DateTime::fromParts(2003, 1, 1, 0, 5, 0), "hh:mm", en), "00:05");
}

struct NumberCase {
  const char* pattern;
  std::int64_t tenThousandths;
  const char* enUS;
  const char* deDE;
};

const NumberCase kNumbers[] = {
    {"$###,###,###,##0.00", 12345678910, "$1,234,567.89", "$1.234.567,89"},
    {"$###,###,###,##0.00", 5000, "$0.50", "$0,50"},
    {"$###,###,###,##0.00", -12345000, "-$1,234.50", "-$1.234,50"},
    {"###,###,###,##0.00", 12345678910, "1,234,567.89", "1.234.567,89"},
    {" ###,###,###,##0.00", 12345000, " 1,234.50", " 1.234,50"},
    {"###,###,##0.00", 999999950, "100,000.00", "100.000,00"},
    {"$###,###,###.00", 5000, "$.50", "$,50"},
    {"$###,###,###.00", 12345678910, "$1,234,567.89", "$1.234.567,89"},
    {"USD ###,###,###.00", 250000, "USD 25.00", "USD 25,00"},
    {"$0.00", 12345678910, "$1234567.89", "$1234567,89"},
    {"0.00", 1250, "0.13", "0,13"},
    {"0.00", -1250, "-0.13", "-0,13"},
    {"0.00", -40, "0.00", "0,00"},
    {" 0.00", 150000, " 15.00", " 15,00"},
    {"$.00", 0, "$.00", "$,00"},
    {"########0", 12345678910, "1234568", "1234568"},
    {"#,##0", 12345678910, "1,234,568", "1.234.568"},
    {"#,##0", 0, "0", "0"},
    {"###,###,###,###,##0", 102400000, "10,240", "10.240"},
    {"###,###,##0", 9990000, "999", "999"},
    {"000000000000000", 12345678910, "000000001234568", "000000001234568"},
    {"0000000000.00", 12345678910, "0001234567.89", "0001234567,89"},
    {"#.##", 5000, ".5", ",5"},
    {"#.##", 20000, "2.", "2,"},
    {"#.##", 15555, "1.56", "1,56"},
};

TEST(FormatNumber, QuotedPatternsUnderBothLocales) {
  for (const NumberCase& c : kNumbers) {
    const Money m = Money::fromTenThousandths(c.tenThousandths);
    EXPECT_EQ(formatNumber(m, c.pattern, LocaleInfo::enUS()), c.enUS) << c.pattern << " " << c.tenThousandths;
    EXPECT_EQ(formatNumber(m, c.pattern, LocaleInfo::deDE()), c.deDE) << c.pattern << " " << c.tenThousandths;
  }
}

TEST(FormatNumber, DoublesRoundAsWrittenNotAsStored) {
  const LocaleInfo en = LocaleInfo::enUS();
  EXPECT_EQ(formatNumber(2.675, "0.00", en), "2.68");   // stored as 2.67499999...
  EXPECT_EQ(formatNumber(-13.5, "#.##", en), "-13.5");
  EXPECT_EQ(formatNumber(0.0529832935560859, "0.0000", en), "0.0530");
  EXPECT_EQ(formatNumber(1e15, "#,##0", en), "1,000,000,000,000,000");
  EXPECT_EQ(formatNumber(99999LL, "#,##0", en), "99,999");
  EXPECT_EQ(formatNumber(-9223372036854775807LL - 1, "0", en), "-9223372036854775808");
}

}  // namespace
}  // namespace bw
