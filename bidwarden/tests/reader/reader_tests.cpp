#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <optional>

#include "ReaderTestSupport.h"
#include "core/DateReader.h"
#include "core/Money.h"
#include "core/ProcessState.h"
#include "model/Auction.h"
#include "model/ItemPageReader.h"
#include "support/TestDoubles.h"

namespace bw {
namespace {

using test::TestEnvironment;

const QString kAddress = QStringLiteral("http://cgi.ebay.com/ws/eBayISAPI.dll?ViewItem&item=1");

Money money(const char* text) { return Money::fromText(QLatin1String(text), LocaleInfo::enUS()); }

bool readSaved(Auction& auction, const char* page) {
  return ReadItemPage(auction, test::savedPage(page), kAddress);
}

// What a saved page must give, field by field; nullptr: not checked.
struct PageCase {
  const char* page;
  bool result;
  const char* description;
  const char* price;
  const char* priceInUsd;
  const char* minimumBid;
  int bids;
  const char* currency;
  const char* timeRemaining;  // en_US form
  int quantity;
  const char* seller;
  const char* highBidder;
  const char* reserve;
  DateTime end;
  bool nonAuction;
  const char* category;
};

DateTime at(int y, int m, int d, int h, int mi, int s) { return DateTime::fromParts(y, m, d, h, mi, s); }

const PageCase kPages[] = {
    {"auction_running.htm", true, "Vintage brass lamp & shade", "1234.5", "1234.5", "1259.5", 12, "USD",
     "2 days 3 hours +", 1, "brassworks", "lampfan", "RESERVE MET", at(2003, 12, 9, 18, 16, 5), false, ""},
    {"auction_no_bids.htm", true, "Box of old postcards", "25", "25", "25", 0, "USD", "6 days 22 hours",
     1, "cardshop", "", "", at(2003, 12, 10, 9, 0, 0), false, ""},
    {"auction_reserve_not_met.htm", true, "Vintage brass lamp & shade", "80", "80", "82.5", 3, "USD",
     "2 days 3 hours +", 1, "brassworks", "wattsup", "RESERVE NOT MET", at(2003, 12, 9, 18, 16, 5), false,
     ""},
    {"auction_gbp.htm", true, "Teapot, Victorian", "12.5", "23.1", "13", 4, "GBP", "2 days 3 hours +", 1,
     "brassworks", "lampfan", "", at(2003, 12, 9, 18, 16, 5), false, ""},
    {"auction_multi_quantity.htm", true, "Ten blank cassettes", "2", "2", "2.25", 7, "USD",
     "2 days 3 hours +", 10, "brassworks", "See winning bidders list", "", at(2003, 12, 9, 18, 16, 5),
     false, ""},
    {"fixed_price.htm", true, "Guitar strings, 3 sets", "14.95", "14.95", "14.95", -1, "USD",
     "9 days 17 hours", 10, "stringshop", "", "", at(2003, 12, 20, 12, 0, 0), true, ""},
    {"bin_purchased.htm", true, "Pocket watch", "150", "150", "0", 1, "USD", "Item Ended", 1,
     "timekeeper", "quickbuyer", "", at(2003, 12, 9, 10, 0, 0), false, ""},
    {"motors.htm", true, "1967 Ford Mustang", "8500", "8500", "8600", 21, "USD", "2 days 3 hours +", 1,
     "brassworks", "carnut", "RESERVE NOT MET", at(2003, 12, 9, 18, 16, 5), false, "M"},
    {"live.htm", true, "Oil painting, harbour", "400", "400", "425", 5, "USD", "12/12/03 16:30:00 PST", 1,
     "brassworks", "artlover", "", at(2003, 12, 12, 16, 30, 0), false, ""},
    {"ended_won.htm", true, "Model railway set", "310", "310", "0", 17, "USD", "Item Ended", 1,
     "brassworks", "myself", "RESERVE MET", at(2003, 12, 8, 20, 0, 0), false, ""},
};

class SavedPages : public ::testing::TestWithParam<std::string> {};

TEST_P(SavedPages, EveryFieldHoldsWhatThePageSays) {
  const LocaleInfo locale = test::localeNamed(GetParam());
  TestEnvironment env(locale);
  for (const PageCase& c : kPages) {
    SCOPED_TRACE(c.page);
    Auction auction;
    auction.setNumber(QStringLiteral("3052871342"));
    EXPECT_EQ(readSaved(auction, c.page), c.result);
    EXPECT_EQ(auction.Description(), QString::fromUtf8(c.description));
    EXPECT_EQ(auction.CurrentPrice(), money(c.price));
    EXPECT_EQ(auction.PriceInUSD(), money(c.priceInUsd));
    EXPECT_EQ(auction.MinimumBid(), money(c.minimumBid));
    EXPECT_EQ(auction.Bids(), c.bids);
    EXPECT_EQ(auction.AuctionCurrency(), QLatin1String(c.currency));
    QString timeRemaining = QLatin1String(c.timeRemaining);
    if (GetParam() == "de_DE") timeRemaining.replace(QStringLiteral("12/12/03"), QStringLiteral("12.12.03"));
    EXPECT_EQ(auction.TimeRemaining(), timeRemaining);
    EXPECT_EQ(auction.Quantity(), c.quantity);
    EXPECT_EQ(auction.Seller(), QLatin1String(c.seller));
    EXPECT_EQ(auction.HighBidder(), QLatin1String(c.highBidder));
    EXPECT_EQ(auction.ReserveStatus(), QLatin1String(c.reserve));
    EXPECT_EQ(readDate(auction.EndTime(), locale), std::optional<DateTime>(c.end)) << auction.EndTime().toStdString();
    EXPECT_EQ(auction.EBayNonAuctionItem(), c.nonAuction);
    EXPECT_EQ(auction.EBayAuctionCategory(), QLatin1String(c.category));
    EXPECT_FALSE(auction.EBayNonAuctionFinalRefreshDone());
  }
}

INSTANTIATE_TEST_SUITE_P(Locales, SavedPages, ::testing::Values("en_US", "de_DE"), test::LocaleName());

// Pages after which the read fails and the record stays as it was.
TEST(ItemPageReader, PagesWithoutAPriceLeaveTheRecordUnchanged) {
  TestEnvironment env;
  struct Case {
    const char* name;
    QString page;
    const char* lastLog;
  } cases[] = {
      {"no answer", QString(), "Unable to find price for eBay auction #3052871342"},
      {"pound sign only", test::savedPage("auction_pound_sign.htm"),
       "Unable to find price for eBay auction #3052871342"},
      {"firewall", test::savedPage("firewall.htm"),
       "Problem getting auction data from http://cgi.ebay.com/ws/eBayISAPI.dll?ViewItem&item=1: "
       "Possible Firewall Error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Auction auction;
    auction.setNumber(QStringLiteral("3052871342"));
    auction.setDescription(QStringLiteral("kept"));
    auction.setCurrentPrice(money("5"));
    EXPECT_FALSE(ReadItemPage(auction, c.page, kAddress));
    EXPECT_EQ(auction.Description(), QStringLiteral("kept"));
    EXPECT_EQ(auction.CurrentPrice(), money("5"));
    EXPECT_EQ(env.logMessages().back(), QLatin1String(c.lastLog));
  }
}

TEST(ItemPageReader, AnEmptyPageLogsEachMissingField) {
  TestEnvironment env;
  Auction auction;
  auction.setNumber(QStringLiteral(" 77 "));
  EXPECT_FALSE(ReadItemPage(auction, QString(), kAddress));
  EXPECT_EQ(env.logMessages(), (QStringList{
                                   "Unable to find close time for eBay auction #77",
                                   "Unable to find description for eBay auction #77",
                                   "Unable to find price for eBay auction #77",
                               }));
}

TEST(ItemPageReader, AnInvalidItemIsMarkedAndFails) {
  TestEnvironment env;
  Auction auction;
  auction.setNumber(QStringLiteral("3052871399"));
  auction.setCurrentPrice(money("12"));
  auction.setBids(4);
  auction.setQuantity(2);
  EXPECT_FALSE(readSaved(auction, "invalid.htm"));
  EXPECT_EQ(auction.Description(), QLatin1String(kInvalidAuctionDescription));
  EXPECT_EQ(auction.CurrentPrice(), Money());
  EXPECT_EQ(auction.Bids(), 0);
  EXPECT_EQ(auction.Quantity(), 0);
  EXPECT_EQ(auction.TimeRemaining(), QStringLiteral("N/A"));
  // The end is the present local time (the test clock's).
  EXPECT_EQ(readDate(auction.EndTime()), std::optional<DateTime>(at(2003, 12, 9, 18, 16, 5)));
}

TEST(ItemPageReader, TitleReferencesAreDecodedWithAmpersandLast) {
  const struct {
    const char* title;
    const char* decoded;
  } cases[] = {
      {"Tom&#39;s &#34;big&#34; lamp", "Tom's \"big\" lamp"},
      {"Lamp &amp;#39; shade", "Lamp &#39; shade"},  // hidden behind &amp; it stays
      {"&#163;5 &#189; off &#176;C", "\u00a35 \u00bd off \u00b0C"},
      {"  &#160;Padded&#160;  ", "Padded"},
      {"&#8364; not in the list", "&#8364; not in the list"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeTitle(QString::fromUtf8(c.title)), QString::fromUtf8(c.decoded));
}

// Saved page with one text replaced, for the rules a whole page shows best.
QString runningPageWith(const QString& from, const QString& to) {
  QString page = test::savedPage("auction_running.htm");
  EXPECT_TRUE(page.contains(from)) << from.toStdString();
  return page.replace(from, to);
}

TEST(ItemPageReader, AFailedConversionKeepsWhatWasWrittenBeforeIt) {
  TestEnvironment env;
  Auction auction;
  auction.setNumber(QStringLiteral("3052871342"));
  auction.setMinimumBid(money("1"));
  auction.setBids(2);
  auction.setTimeRemaining(QStringLiteral("old"));
  // No minimum bid (not even the one in the description, which the first
  // attempt may reach) and no increment: the read writes up to the minimum
  // bid, which does not convert.
  QString page = runningPageWith(QStringLiteral("Minimum bid:"), QStringLiteral("Lowest:"));
  page.replace(QStringLiteral("Bid increment:"), QStringLiteral("Step:"));
  EXPECT_FALSE(ReadItemPage(auction, page, kAddress));
  EXPECT_EQ(auction.Description(), QStringLiteral("Vintage brass lamp & shade"));
  EXPECT_EQ(auction.CurrentPrice(), money("1234.5"));
  EXPECT_EQ(auction.PriceInUSD(), money("1234.5"));
  EXPECT_EQ(auction.MinimumBid(), money("1"));
  EXPECT_EQ(auction.Bids(), 2);
  EXPECT_EQ(auction.TimeRemaining(), QStringLiteral("old"));
  const QStringList log = env.logMessages();
  EXPECT_TRUE(log.contains(QStringLiteral("Unable to find min bid for eBay auction #3052871342")));
  EXPECT_EQ(log.back(), QStringLiteral("Problem getting auction data from ") + kAddress + ": Type mismatch");
}

TEST(ItemPageReader, BrokenPagesNeverCrashNorHalfConvert) {
  TestEnvironment env(LocaleInfo::deDE());
  const QString full = test::savedPage("auction_running.htm");
  QList<QString> pages;
  for (qsizetype cut = 0; cut < full.size(); cut += 97) pages.push_back(full.left(cut));
  QRandomGenerator random(1234);
  for (int i = 0; i < 20; ++i) {
    QString noise;
    for (int k = 0; k < 3000; ++k) noise.append(QChar(char16_t(random.bounded(1, 256))));
    pages.push_back(noise);
  }
  for (const QString& page : pages) {
    Auction auction;
    auction.setNumber(QStringLiteral("1"));
    ReadItemPage(auction, page, kAddress);
    // Whatever was written reads back as what the page said, never as a
    // thousandfold or partial amount.
    EXPECT_TRUE(auction.CurrentPrice() == Money() || auction.CurrentPrice() == money("1234.5"))
        << auction.CurrentPrice().toText().toStdString();
  }
}

TEST(ItemPageReader, ChangeFlagFollowsBidsPriceAndQuantity) {
  const struct {
    const char* name;
    const char* storedPrice;
    int storedBids;
    int storedQuantity;
    bool suppress;
    bool flagged;
  } cases[] = {
      {"nothing changed", "1234.5", 12, 1, false, false},
      {"new bid", "1234.5", 11, 1, false, true},
      {"new price", "1200", 12, 1, false, true},
      {"new quantity", "1234.5", 12, 2, false, true},
      {"first read: no stored price", "0", 0, 0, false, false},
      {"suppressed at start-up", "1200", 11, 1, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestEnvironment env;
    state().SuppressChangeFlags = c.suppress;
    Auction auction;
    auction.setNumber(QStringLiteral("3052871342"));
    auction.setCurrentPrice(money(c.storedPrice));
    auction.setBids(static_cast<std::int16_t>(c.storedBids));
    auction.setQuantity(c.storedQuantity);
    EXPECT_TRUE(readSaved(auction, "auction_running.htm"));
    EXPECT_EQ(auction.BidsChangeFlag(), c.flagged);
  }
}

TEST(ItemPageReader, AWinIsFlaggedEvenDuringTheStartupRefresh) {
  const struct {
    const char* name;
    const char* defaultId;
    const char* ownId;
    const char* storedTimeLeft;
    const char* page;
    bool flagged;
  } cases[] = {
      {"default ID won", "myself", "", "1 hour", "ended_won.htm", true},
      {"bid ID won", "", " myself ", "1 hour", "ended_won.htm", true},
      {"case differs", "MYSELF", "", "1 hour", "ended_won.htm", false},
      {"already seen ended", "myself", "", "Item Ended", "ended_won.htm", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestEnvironment env;
    state().SuppressChangeFlags = true;
    state().ProgramSettings.EbayID = QLatin1String(c.defaultId);
    Auction auction;
    auction.setNumber(QStringLiteral("3052871352"));
    auction.setMyBidUserID(QLatin1String(c.ownId));
    auction.setTimeRemaining(QLatin1String(c.storedTimeLeft));
    readSaved(auction, c.page);
    EXPECT_EQ(auction.BidsChangeFlag(), c.flagged);
  }
  // The reserve not met: no win.
  TestEnvironment env;
  state().ProgramSettings.EbayID = QStringLiteral("myself");
  Auction auction;
  auction.setNumber(QStringLiteral("3052871352"));
  ReadItemPage(auction,
               test::savedPage("ended_won.htm")
                   .replace(QStringLiteral("(reserve met)</font>"), QStringLiteral("(reserve not yet met)</font>")),
               kAddress);
  EXPECT_EQ(auction.ReserveStatus(), QStringLiteral("RESERVE NOT MET"));
  EXPECT_FALSE(auction.BidsChangeFlag());
}

TEST(ItemPageReader, TheStoredHighBidderStandsInWhenThePageShowsNone) {
  TestEnvironment env;
  for (const char* stored : {"earlier", "eBay Payments"}) {
    Auction auction;
    auction.setNumber(QStringLiteral("3052871342"));
    auction.setHighBidder(QLatin1String(stored));
    // The high bidder is the seller: it becomes empty on the page.
    ReadItemPage(auction, runningPageWith(QStringLiteral("userid=lampfan\">lampfan<"),
                                          QStringLiteral("userid=brassworks\">brassworks<")),
                 kAddress);
    EXPECT_EQ(auction.HighBidder(), QLatin1String(stored) == QStringLiteral("earlier") ? "earlier" : "");
  }
}

TEST(ItemPageReader, StoredNonAuctionItemsCountUnitsSold) {
  TestEnvironment env;
  Auction auction;
  auction.setNumber(QStringLiteral("3052871348"));
  auction.setEBayNonAuctionItem(true);
  auction.setInitialQuantity(15);
  EXPECT_TRUE(readSaved(auction, "fixed_price.htm"));
  EXPECT_EQ(auction.UnitsSold(), 5);
  auction.setEBayNonAuctionFinalRefreshDone(true);
  EXPECT_TRUE(readSaved(auction, "fixed_price.htm"));
  EXPECT_EQ(auction.UnitsSold(), 0);
}

TEST(ItemPageReader, ALiveAuctionKeepsItsStoredNonAuctionFlag) {
  TestEnvironment env;
  Auction auction;
  auction.setNumber(QStringLiteral("3052871351"));
  auction.setEBayNonAuctionItem(true);
  readSaved(auction, "live.htm");
  EXPECT_TRUE(auction.EBayNonAuctionItem());
  EXPECT_TRUE(auction.TimeRemaining().endsWith(QStringLiteral(" PST")));
}

TEST(ItemPageReader, AnEmptyTimeLeftAfterTheEndReadsItemEnded) {
  TestEnvironment env;
  // West Coast time is 10:16:05 on 9 December; the page ended at 08:00.
  const QString page = runningPageWith(QStringLiteral("(Ends Dec-09-03 18:16:05 PST)"),
                                       QStringLiteral("(Ends Dec-09-03 08:00:00 PST)"))
                           .replace(QStringLiteral("<b>2 days 3 hours +</b>"), QStringLiteral("<b></b>"));
  Auction auction;
  auction.setNumber(QStringLiteral("3052871342"));
  ReadItemPage(auction, page, kAddress);
  EXPECT_EQ(auction.TimeRemaining(), QStringLiteral("Item Ended"));

  Auction running;
  running.setNumber(QStringLiteral("3052871342"));
  ReadItemPage(running, runningPageWith(QStringLiteral("<b>2 days 3 hours +</b>"), QStringLiteral("<b></b>")),
               kAddress);
  EXPECT_EQ(running.TimeRemaining(), QString());
}

TEST(ItemPageReader, TheBidCountVariableWinsOverTheTable) {
  TestEnvironment env;
  Auction auction;
  auction.setNumber(QStringLiteral("3052871342"));
  ReadItemPage(auction,
               runningPageWith(QStringLiteral("<body bgcolor=\"#FFFFFF\">"),
                               QStringLiteral("<body><script>var itemNumBids = \"13\";</script>")),
               kAddress);
  EXPECT_EQ(auction.Bids(), 13);
}

TEST(UpdateAuctionData, EndedAuctionsAreNotFetched) {
  TestEnvironment env;
  for (const char* left : {"Item Ended", " Auction Ended ", "Weekend"}) {
    Auction auction;
    auction.setNumber(QStringLiteral("1"));
    auction.setTimeRemaining(QLatin1String(left));
    EXPECT_TRUE(auction.UpdateAuctionData()) << left;
  }
  EXPECT_TRUE(env.http.requests().empty());
}

TEST(UpdateAuctionData, FetchesTheUsItemPageAndLogsTheRead) {
  TestEnvironment env;
  env.settings.setValue(QStringLiteral("Servers"), QStringLiteral("Marketplace"),
                        QStringLiteral("http://127.0.0.1:8080"));
  env.http.enqueueBody(test::savedPageBytes("auction_running.htm"));
  Auction auction;
  auction.setNumber(QStringLiteral(" 3052871342 "));
  EXPECT_TRUE(auction.UpdateAuctionData());
  const QString address = QStringLiteral("http://127.0.0.1:8080/ws/eBayISAPI.dll?ViewItem&item=3052871342");
  ASSERT_EQ(env.http.requests().size(), 1u);
  EXPECT_EQ(QString::fromLatin1(env.http.requests()[0].url), address);
  EXPECT_EQ(env.logMessages(), (QStringList{
                                   "Getting auction data from " + address + "...",
                                   "Successfully retrieved auction data from " + address + "...",
                               }));
  EXPECT_EQ(auction.CurrentPrice(), money("1234.5"));
}

TEST(UpdateAuctionData, AMultiQuantityAuctionReadsItsWinners) {
  TestEnvironment env;
  state().ProgramSettings.EbayID = QStringLiteral("mixmaster");
  env.http.enqueueBody(test::savedPageBytes("auction_multi_quantity.htm"));
  env.http.enqueueBody(test::savedPageBytes("winners_userid.htm"));
  Auction auction;
  auction.setNumber(QStringLiteral("3052871347"));
  auction.setTrackingProfit(true);
  EXPECT_TRUE(auction.UpdateAuctionData());
  ASSERT_EQ(env.http.requests().size(), 2u);
  EXPECT_EQ(QString::fromLatin1(env.http.requests()[1].url),
            QStringLiteral("http://cgi3.ebay.com/aw-cgi/eBayISAPI.dll?ViewBidsDutchHighBidder&item=3052871347&ed="));
  EXPECT_EQ(auction.HighBidder(), QStringLiteral("MixMaster"));
  EXPECT_EQ(auction.UnitsSold(), 9);
}

}  // namespace
}  // namespace bw

namespace bw {
namespace {

class CountingProfit final : public IProfitCalculator {
 public:
  void CalcProfit(Auction& auction) override {
    ++calls;
    seenPrice = auction.CurrentPrice();
    seenUnitsSold = auction.UnitsSold();
  }
  int calls = 0;
  Money seenPrice;
  std::int16_t seenUnitsSold = -1;
};

TEST(ItemPageReader, ProfitIsRecomputedAfterTheReserveAndBeforeTheUnitsSold) {
  TestEnvironment env;
  CountingProfit profit;
  IProfitCalculator* previous = installProfitCalculator(&profit);
  Auction auction;
  auction.setNumber(QStringLiteral("3052871348"));
  readSaved(auction, "fixed_price.htm");
  EXPECT_EQ(profit.calls, 0);  // not tracking
  auction.setTrackingProfit(true);
  auction.setUnitsSold(7);
  readSaved(auction, "fixed_price.htm");
  EXPECT_EQ(profit.calls, 1);
  EXPECT_EQ(profit.seenPrice, money("14.95"));
  EXPECT_EQ(profit.seenUnitsSold, 7);  // written after the profit, as the record's order says
  installProfitCalculator(previous);
}

}  // namespace
}  // namespace bw
