#include <gtest/gtest.h>

#include "ReaderTestSupport.h"
#include "core/Error.h"
#include "model/PageParsers.h"
#include "model/PageText.h"
#include "support/TestDoubles.h"

namespace bw {
namespace {

using test::TestEnvironment;

struct NormaliserCase {
  const char* page;
  const char* withPoint;
  const char* withComma;
};

TEST(RemoveNonNumeric, NormalisesPageAmountsToTheSystemSeparator) {
  const NormaliserCase cases[] = {
      {"US $1,234.50", "1234.50", "1234,50"},
      {"1,234,567.89", "1234567.89", "1234567,89"},
      {"$0.99", "0.99", "0,99"},
      {"12", "12", "12"},
      {"no digits here", "", ""},
      {"", "", ""},
      // Amounts without two decimals: the comma groups thousands.
      {"JPY 12,000", "12000", "12000"},
      {"1,234,567", "1234567", "1234567"},
      // Already in the system's form (a sum the reader wrote itself).
      {"1259,5", "12595", "1259,5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RemoveNonNumeric(QString::fromUtf8(c.page), u'.'), QLatin1String(c.withPoint)) << c.page;
    EXPECT_EQ(RemoveNonNumeric(QString::fromUtf8(c.page), u','), QLatin1String(c.withComma)) << c.page;
  }
}

struct CurrencyCase {
  const char* head;
  const char* currency;
};

TEST(ParseEbayCurrency, TakesTheFirstFragmentOfTheTableAfterTheMarker) {
  TestEnvironment env;
  const CurrencyCase cases[] = {
      {"Currently</td><td><b>US $5.00</b>", "USD"},
      {"Currently</td><td><b>GBP 5.00</b>", "GBP"},
      {"Currently</td><td><b>\u00a35.00</b>", "GBP"},
      {"Currently</td><td><b>C $5.00</b>", "C $"},
      {"Currently</td><td><b>AU $5.00</b>", "AU $"},
      {"Currently</td><td><b>EUR 5,00</b>", "EUR"},
      {"Currently</td><td><b>JPY 500</b>", "JPY"},
      {"Currently</td><td><b>SEK 50</b>", "USD"},  // unknown codes count as dollars
      // CHF comes before EUR in the table, whatever the order on the page.
      {"Currently</td><td><b>EUR 5,00 (CHF 7,50)</b>", "CHF"},
      {"<td>Current bid:</td><td>GBP 5.00</td>", "GBP"},
      {"<td>Buy It Now price</td><td>GBP 5.00</td>", "GBP"},
      {"<td>Amount</td><td>GBP 5.00</td>", "USD"},  // no marker
      // No bids yet: the starting bid names the currency.
      {"<td>Starting bid:</td><td><b>GBP 40.00</b> (approx. US $64.80)</td>", "GBP"},
      // Only 300 characters after the marker count.
      {"Currently</td><td>US $5.00</td>"
       "                                                                              "
       "                                                                              "
       "                                                                              "
       "                                                                              "
       "GBP", "USD"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseEbayCurrency(PageText(QString::fromUtf8(c.head))), QLatin1String(c.currency)) << c.head;
  }
}

TEST(GetEbayPriceInUSD, ReadsTheApproximateDollarAmount) {
  TestEnvironment env;
  const PageText head(QStringLiteral(
      "Currently</td><td><b>GBP 12.50</b> (approx. US $1,023.10)</td>"));
  EXPECT_EQ(GetEbayPriceInUSD(head, u'.'), QStringLiteral("1023.10"));
  EXPECT_EQ(GetEbayPriceInUSD(head, u','), QStringLiteral("1023,10"));
  EXPECT_EQ(GetEbayPriceInUSD(PageText(QStringLiteral("Currently GBP 12.50</b>")), u'.'), QString());
}

TEST(GetEbayPrice, FollowsTheMarkersAndTheStartingBidFallback) {
  TestEnvironment env;
  struct Case {
    const char* head;
    const char* currency;
    const char* bids;
    const char* price;  // with a point as separator
  } cases[] = {
      {"<td>Currently</td><td><b>US $1,234.50</b>", "USD", "3", "1234.50"},
      {"<td>Current Bid:</td><td><b>US $7.25</b>", "USD", "3", "7.25"},
      {"<td>Currently</td><td><b>GBP 12.50</b> (approx. US $23.10)", "GBP", "3", "12.50"},
      {"<td>Currently</td><td><b>C $40.00</b>", "C $", "3", "40.00"},
      {"<title>x</title><td>Price:</td><td>$3.00</td>", "USD", "3", "3.00"},
      // No bids and no dollar sign: the starting bid, found in any case.
      {"<title>x</title><td>Starting Bid</td><td><B> 25.00 </B></td>", "USD", "0", "25.00"},
      {"<title>x</title><td>starting bid</td><td><b>25.00</b></td>", "USD", "0", "25.00"},
      // A foreign auction without bids: the starting bid, not the bid
      // increment that follows the approximate dollar price.
      {"<td>Starting bid</td><td><b>GBP 40.00</b> (approx. US $64.80)</td>"
       "<td>Bid increment:</td><td>GBP 1.00</td>", "GBP", "0", "40.00"},
      {"<td>Starting bid</td><td><b>US $9.99</b></td><td>Bid increment:</td><td>US $0.50</td>", "USD", "0",
       "9.99"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetEbayPrice(PageText(QString::fromUtf8(c.head)), QLatin1String(c.currency), u'.',
                           QLatin1String(c.bids), QStringLiteral("42")),
              QLatin1String(c.price))
        << c.head;
  }
  EXPECT_TRUE(env.logMessages().isEmpty()) << env.logMessages().join('\n').toStdString();
}

TEST(GetEbayPrice, LogsWhatItCannotFind) {
  TestEnvironment env;
  struct Case {
    const char* head;
    const char* currency;
    const char* bids;
    const char* logged;
  } cases[] = {
      {"<td>nothing to see</td>", "USD", "1", "Unable to find price for eBay auction #42"},
      // The pound sign made the currency GBP, but the code is nowhere after the marker.
      {"<td>Currently</td><td>\u00a312.50</td>", "GBP", "2", "Unable to find price for eBay auction #42"},
      {"<title>x</title><td>no starting price</td>", "USD", "0",
       "Unable to find price or starting bid for eBay auction #42"},
      // A page cut off right after the amount: no delimiter, no price.
      {"<td>Currently</td><td><b>US $1,234.50", "USD", "1", "ERROR: 5 Invalid procedure call or argument"},
  };
  for (const auto& c : cases) {
    const int before = static_cast<int>(env.logMessages().size());
    EXPECT_EQ(GetEbayPrice(PageText(QString::fromUtf8(c.head)), QLatin1String(c.currency), u'.',
                           QLatin1String(c.bids), QStringLiteral(" 42 ")),
              QString())
        << c.head;
    const QStringList messages = env.logMessages();
    ASSERT_EQ(messages.size(), before + 1) << c.head;
    EXPECT_EQ(messages.back(), QString::fromUtf8(c.logged));
  }
}

TEST(ParseEbaySeller, RunningAuctionsUseTheQuestionLinkThenUserId) {
  TestEnvironment env;
  struct Case {
    const char* head;
    const char* seller;
  } cases[] = {
      {"Seller (rating)<a href=\"x?ShowCoreAskSellerQuestion&requested=brassworks&iid=1\">",
       "brassworks"},
      // An "&" too far away: the link text ends at ">".
      {"Seller <a href=\"x?AskSellerQuestion&requested=short\">ask the seller</a></td></tr> and &amp;",
       "short\""},
      {"Seller (rating)<a href=\"x?ViewUserPage&userid=old%24style\">", "old%24style"},
      {"Seller <a href=\"x?Question&requested=\r\nsplit&iid=1\">", "split"},
      {"no seller here", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseEbaySeller(PageText(QString::fromUtf8(c.head)), QStringLiteral("1 day"),
                              QStringLiteral("42")),
              QString::fromUtf8(c.seller))
        << c.head;
  }
  EXPECT_EQ(env.logMessages().count(QStringLiteral("Unable to find seller for eBay auction #42")), 1);
}

TEST(ParseEbaySeller, EndedAuctionsUseTheFeedbackAndListingLinks) {
  TestEnvironment env;
  struct Case {
    const char* head;
    const char* seller;
  } cases[] = {
      {"Seller x?LeaveFeedbackShow&useridto=lamps4u&item=1 Seller (rating) userid=\"other\"",
       "lamps4u"},
      {"Seller (Rating): <a href=\"x?ViewUserPage&userid=lamps4u\">", "lamps4u"},
      {"Seller <a href=\"x?ViewListedItems&amp;userid=lamps4u\">", "lamps4u"},
      // The question link of a running auction is not used once it ended.
      {"Seller x?Question&requested=asker&iid=1", ""},
  };
  for (const auto& c : cases) {
    for (const char* ended : {"Item Ended", "Auction Ended"}) {
      EXPECT_EQ(ParseEbaySeller(PageText(QString::fromUtf8(c.head)), QLatin1String(ended),
                                QStringLiteral("42")),
                QString::fromUtf8(c.seller))
          << c.head;
    }
  }
}

TEST(FindHighBidder, SkipsTheBuyItNoteAndClearsTheSeller) {
  TestEnvironment env;
  const PageText bought(QStringLiteral(
      "High bidder used Buy It Now <td>High bid</td><td><a href=\"x\">quick\r\nbuyer</a></td>"));
  const HighBidderFound found = FindHighBidder(bought, QStringLiteral("seller"), QStringLiteral("1"));
  EXPECT_EQ(found.name, QStringLiteral("quick buyer"));
  EXPECT_EQ(bought.text.mid(found.position, 4), QStringLiteral("</a>"));

  // The note is the only "High bid": it is used after all.
  const PageText onlyNote(QStringLiteral("High bidder used Buy It Now <a href=\"x\">buyer</a>"));
  EXPECT_EQ(FindHighBidder(onlyNote, QString(), QStringLiteral("1")).name, QStringLiteral("buyer"));

  for (const char* name : {"seller", "eBay Payments"}) {
    const PageText head(QStringLiteral("High bid <a href=\"x\">") + QLatin1String(name) + "</a>");
    const HighBidderFound cleared = FindHighBidder(head, QStringLiteral("seller"), QStringLiteral("1"));
    EXPECT_EQ(cleared.name, QString()) << name;
    EXPECT_GT(cleared.position, 0) << name;
  }

  const HighBidderFound none = FindHighBidder(PageText(QStringLiteral("High bid: --")), QString(), QStringLiteral(" 7 "));
  EXPECT_EQ(none.position, -1);
  EXPECT_EQ(env.logMessages().back(), QStringLiteral("Unable to find high bidder for eBay auction #7"));

  EXPECT_THROW(FindHighBidder(PageText(QStringLiteral("High bid <a href=\"x\">cut off")), QString(),
                              QStringLiteral("1")),
               Error);
}

TEST(ReadWinnersPage, FindsTheUserAmongTheWinnersAndCountsUnits) {
  TestEnvironment env;
  const QString page = test::savedPage("winners_userid.htm");
  // Both link forms are walked; the ID is compared without case and comes
  // back as the page writes it.
  WinnersRead read = ReadWinnersPage(page, QStringLiteral("cassetteking"),
                                     {QStringLiteral(""), QStringLiteral(" mixmaster ")}, true,
                                     u'.', QStringLiteral("1"));
  EXPECT_EQ(read.matchedId, QStringLiteral("MixMaster"));
  EXPECT_EQ(read.unitsSold, 3 + 4 + 2);

  read = ReadWinnersPage(page, QString(), {QStringLiteral("REELMAN")}, false, u'.', QStringLiteral("1"));
  EXPECT_EQ(read.matchedId, QStringLiteral("reelman"));
  EXPECT_EQ(read.unitsSold, 0);

  // The seller among the winners is never the user.
  read = ReadWinnersPage(page, QStringLiteral("tapehead"), {QStringLiteral("tapehead")}, false, u'.',
                         QStringLiteral("1"));
  EXPECT_EQ(read.matchedId, QString());
  EXPECT_EQ(ReadWinnersPage(QString(), QString(), {QStringLiteral("x")}, true, u'.', QStringLiteral("1"))
                .unitsSold,
            0);
}

TEST(ReadWinnersPage, WithoutTheUserIdHeadingWalksTheFeedbackLinks) {
  TestEnvironment env;
  const QString page = test::savedPage("winners_feedback.htm");
  EXPECT_EQ(ReadWinnersPage(page, QString(), {QStringLiteral("mixmaster")}, false, u'.',
                            QStringLiteral("1"))
                .matchedId,
            QStringLiteral("MixMaster"));
  EXPECT_EQ(ReadWinnersPage(page, QString(), {QStringLiteral("nobody")}, false, u'.', QStringLiteral("1"))
                .matchedId,
            QString());
}

TEST(ReadWinnersPage, AnIdWithoutItsEndIsLoggedAndEndsTheScan) {
  TestEnvironment env;
  const QString page = QStringLiteral("User ID <a href=\"x?ReturnUserEmail&amp;requested=cut");
  EXPECT_EQ(ReadWinnersPage(page, QString(), {QStringLiteral("cut")}, false, u'.', QStringLiteral("9"))
                .matchedId,
            QString());
  EXPECT_EQ(env.logMessages().back(),
            QStringLiteral("Unable to find high bidder end position for eBay dutch auction #9"));
}

TEST(FindMinimumBid, TriesTheBidBoxTheHeadAndTheIncrement) {
  TestEnvironment env;
  struct Case {
    const char* page;
    qsizetype headLength;  // -1: the whole page
    const char* currency;
    const char* minimum;
  } cases[] = {
      {"<font size=2>(Minimum bid:</font> <b>US $1,259.50</b>)</td>", -1, "USD", "1259.50"},
      // The bid box may stand below the head; the second attempt only looks in the head.
      {"<p>head</p><font size=2>(Minimum bid:</font> <b>US $12.00</b>)", 11, "USD", "12.00"},
      {"(Minimum bid: <b>GBP 13.00</b>)", -1, "GBP", "13.00"},
      // A digit right after "$" is not required: the next "$" is tried.
      {"Minimum bid:</font> $ <b>$7.50)</b>", -1, "USD", "7.50"},
      // No dollar sign at all: the first digit of the excerpt.
      {"Minimum bid:</font> 25.00)", -1, "USD", "25.00"},
      // Nothing after the high bidder: the price plus the increment.
      {"Bid increment: <font size=\"2\">US $2.50</font>", -1, "USD", "102.5"},
  };
  for (const auto& c : cases) {
    const PageText page(QString::fromUtf8(c.page));
    const PageText head(c.headLength < 0 ? page.text : page.text.left(c.headLength));
    EXPECT_EQ(FindMinimumBid(page, head, QLatin1String(c.currency), QStringLiteral("100.00"), 0, u'.',
                             QStringLiteral("1")),
              QLatin1String(c.minimum))
        << c.page;
  }
}

TEST(FindMinimumBid, SearchesOnlyAfterTheHighBidder) {
  TestEnvironment env;
  const PageText page(QStringLiteral(
      "Minimum bid: US $1.00) High bid <a href=x>bob</a> Bid increment: <font size=\"2\">$0.50</font>"));
  const qsizetype afterBidder = page.text.indexOf(QStringLiteral("</a>"));
  EXPECT_EQ(FindMinimumBid(page, page, QStringLiteral("USD"), QStringLiteral("3.00"), afterBidder, u'.',
                           QStringLiteral("1")),
            QStringLiteral("3.5"));
}

TEST(FindMinimumBid, LogsAMissingIncrementWithTheUntrimmedNumber) {
  TestEnvironment env;
  const PageText page(QStringLiteral("<td>no bid box</td>"));
  EXPECT_EQ(FindMinimumBid(page, page, QStringLiteral("USD"), QStringLiteral("3.00"), 0, u'.',
                           QStringLiteral(" 77 ")),
            QString());
  EXPECT_EQ(env.logMessages().back(), QStringLiteral("Unable to find bid increment for item number  77 "));
}

TEST(FindMinimumBid, AddsTheIncrementUnderACommaLocale) {
  TestEnvironment env(LocaleInfo::deDE());
  const PageText page(QStringLiteral("Bid increment: <font size=\"2\">US $25.00</font>"));
  EXPECT_EQ(FindMinimumBid(page, page, QStringLiteral("USD"), QStringLiteral("1234,50"), 0, u',',
                           QStringLiteral("1")),
            QStringLiteral("1259,5"));
}

TEST(PageText, UpperCaseKeepsEveryPosition) {
  // "ß" would become "SS" with a full case mapping and shift every marker after it.
  const QString text = QStringLiteral("Stra\u00dfe Quantity <b>3</b>");
  const PageText page(text);
  ASSERT_EQ(page.upper.size(), text.size());
  EXPECT_EQ(page.upper.indexOf(QStringLiteral("QUANTITY")), text.indexOf(QStringLiteral("Quantity")));
}

TEST(PageText, WholeNumbersRoundHalfToEvenAndCheckTheirRange) {
  using pagetext::toWholeNumber;
  EXPECT_EQ(toWholeNumber(QStringLiteral("12"), u'.', -32768, 32767), 12);
  EXPECT_EQ(toWholeNumber(QStringLiteral("2.5"), u'.', -32768, 32767), 2);
  EXPECT_EQ(toWholeNumber(QStringLiteral("3,5"), u',', -32768, 32767), 4);
  EXPECT_EQ(toWholeNumber(QStringLiteral(" -1 "), u'.', -32768, 32767), -1);
  try {
    toWholeNumber(QStringLiteral("40000"), u'.', -32768, 32767);
    ADD_FAILURE() << "no overflow";
  } catch (const Error& e) {
    EXPECT_EQ(e.number(), Error::Overflow);
  }
  for (const char* bad : {"", "1.2.3", "abc", "-"}) {
    try {
      toWholeNumber(QLatin1String(bad), u'.', -32768, 32767);
      ADD_FAILURE() << bad;
    } catch (const Error& e) {
      EXPECT_EQ(e.number(), Error::TypeMismatch) << bad;
    }
  }
}

}  // namespace
}  // namespace bw
