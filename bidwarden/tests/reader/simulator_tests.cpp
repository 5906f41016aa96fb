// The reader and the clock against the marketplace simulator, through real
// HTTP on 127.0.0.1: every kind of page, field by field, and the clock
// brought into step with the simulator's time page.
#include <gtest/gtest.h>

#include <memory>

#include "ReaderTestSupport.h"
#include "core/DateReader.h"
#include "core/ProcessState.h"
#include "support/SimulatedMarketplace.h"
#include "model/Auction.h"
#include "model/ItemPageReader.h"
#include "support/TestDoubles.h"
#include "time/ClockSync.h"
#include "time/MarketTime.h"

namespace bw {
namespace {

const char* kScenario = R"({
  "clockOffset": 0,
  "accounts": [ { "id": "me_bidder", "password": "pw" } ],
  "auctions": [
    { "item": 5001, "title": "Brass Lamp & Shade", "seller": "brassworks", "startPrice": 9.99, "endsIn": 3600,
      "bids": [ { "bidder": "lamp_fan", "max": 18.00, "at": -5000 },
                { "bidder": "lens_lover", "max": 1234.50, "at": -1200 },
                { "bidder": "lamp_fan", "max": 1225.00, "at": -600 } ] },
    { "item": 5002, "title": "Journal, Unused", "seller": "paper_trail", "startPrice": 12.00, "endsIn": 3600 },
    { "item": 5003, "title": "Record Cabinet", "seller": "atomic_age", "startPrice": 50.00, "reserve": 250.00,
      "endsIn": 3600, "priceLabel": "Current bid",
      "bids": [ { "bidder": "vinyl_vic", "max": 120.00, "at": -2000 } ] },
    { "item": 5004, "title": "Mystery Novel", "seller": "paper_trail", "startPrice": 20.00, "reserve": 60.00,
      "endsIn": 3600, "descriptionAnchor": "bold",
      "bids": [ { "bidder": "book_worm", "max": 75.00, "at": -4000 },
                { "bidder": "sleuth99", "max": 64.00, "at": -3000 } ] },
    { "item": 5005, "title": "Glass Marbles", "seller": "marble_king", "startPrice": 4.00, "quantity": 5,
      "kind": "dutch", "endsIn": 3600, "winnersCellForm": "B",
      "bids": [ { "bidder": "shooter_sam", "max": 6.00, "quantity": 2, "at": -7000 },
                { "bidder": "me_bidder", "max": 5.00, "quantity": 2, "at": -5000 } ] },
    { "item": 5006, "title": "Watch Bands", "seller": "strap_shop", "kind": "fixedPrice", "startPrice": 14.95,
      "quantity": 10, "endsIn": 3600 },
    { "item": 5007, "title": "Cast Iron Skillet", "seller": "kitchen_store", "kind": "store",
      "startPrice": 34.00, "quantity": 3, "endsIn": 3600 },
    { "item": 5008, "title": "Tin Robot", "seller": "toy_attic", "startPrice": 15.00, "endsIn": 3600,
      "buyItNow": { "price": 45.00, "buyer": "quick_quinn", "at": -1000 } },
    { "item": 5009, "title": "1967 Roadster", "seller": "classic_cars_co", "kind": "motors",
      "startPrice": 5000.00, "reserve": 12000.00, "endsIn": 3600,
      "bids": [ { "bidder": "chrome_carl", "max": 9000.00, "at": -5000 } ] },
    { "item": 5010, "title": "Harbor Scene", "seller": "gallery_floor", "kind": "live", "startPrice": 200.00,
      "endsIn": 3600, "bids": [ { "bidder": "art_patron", "max": 260.00, "at": -3600 } ] },
    { "item": 5011, "title": "Stamp Album", "seller": "philatelist", "kind": "private", "startPrice": 80.00,
      "endsIn": 3600, "bids": [ { "bidder": "secret_one", "max": 150.00, "at": -8000 } ] },
    { "item": 5012, "title": "Silver Pocket Watch", "seller": "london_finds", "currency": "GBP",
      "startPrice": 40.00, "endsIn": 3600,
      "bids": [ { "bidder": "time_keeper", "max": 55.00, "at": -9000 },
                { "bidder": "demo_rival", "max": 48.00, "at": -3000 } ] },
    { "item": 5013, "title": "Porcelain Tea Set", "seller": "atomic_age", "startPrice": 30.00, "endsIn": -600,
      "endedWording": "Bidding is closed for this item.", "endedSellerForm": "rating",
      "bids": [ { "bidder": "me_bidder", "max": 42.00, "at": -90000 } ] },
    { "item": 5014, "title": "Wooden Chess Set", "seller": "berlin_crafts", "currency": "EUR",
      "startPrice": 25.00, "endsIn": 3600, "bidCountForm": "script", "showMinimumBid": false,
      "bids": [ { "bidder": "knight_move", "max": 31.00, "at": -6000 },
                { "bidder": "rook_end", "max": 29.00, "at": -4500 } ] },
    { "item": 5099, "kind": "invalid" }
  ]
})";

class AgainstSimulator : public ::testing::Test {
 protected:
  void startWith(const std::string& scenario, const LocaleInfo& locale = LocaleInfo::enUS()) {
    market.reset();
    market = std::make_unique<test::SimulatedMarketplace>(scenario, locale);
    state().ProgramSettings.EbayID = QStringLiteral("ME_BIDDER");
  }
  QJsonObject simAuction(const QString& item) const {
    const QJsonObject found = market->auctionState(item);
    EXPECT_FALSE(found.isEmpty()) << "no auction " << item.toStdString();
    return found;
  }
  test::TestEnvironment& env() { return market->env; }

  std::unique_ptr<test::SimulatedMarketplace> market;
};

Money simMoney(const QJsonObject& a, const char* key) {
  return *Money::fromDouble(a.value(QLatin1String(key)).toDouble());
}

class EveryKindOfPage : public AgainstSimulator, public ::testing::WithParamInterface<std::string> {};

TEST_P(EveryKindOfPage, TheRecordHoldsWhatTheSimulatorShows) {
  const LocaleInfo locale = test::localeNamed(GetParam());
  startWith(kScenario, locale);
  for (const char* item : {"5001", "5002", "5003", "5004", "5005", "5006", "5007", "5008", "5009", "5010",
                           "5011", "5012", "5013", "5014"}) {
    SCOPED_TRACE(item);
    const QJsonObject expected = simAuction(QLatin1String(item));
    const QString kind = expected.value(QStringLiteral("kind")).toString();
    const bool fixed = kind == QStringLiteral("fixedPrice") || kind == QStringLiteral("store");
    const bool ended = expected.value(QStringLiteral("ended")).toBool() ||
                       !expected.value(QStringLiteral("purchasedBy")).toString().isEmpty();
    Auction auction;
    auction.setNumber(QLatin1String(item));
    EXPECT_TRUE(auction.UpdateAuctionData()) << env().logMessages().join('\n').toStdString();

    EXPECT_EQ(auction.Description(), expected.value(QStringLiteral("title")).toString());
    EXPECT_EQ(auction.Seller(), expected.value(QStringLiteral("seller")).toString());
    EXPECT_EQ(auction.AuctionCurrency(), expected.value(QStringLiteral("currency")).toString());
    EXPECT_EQ(auction.CurrentPrice(), simMoney(expected, "price"));
    EXPECT_EQ(auction.Bids(), fixed ? -1 : expected.value(QStringLiteral("bidCount")).toInt());
    EXPECT_EQ(auction.EBayNonAuctionItem(), fixed);
    if (fixed) {
      EXPECT_EQ(auction.MinimumBid(), auction.CurrentPrice());
    } else if (ended) {
      EXPECT_EQ(auction.MinimumBid(), Money());
    } else {
      EXPECT_EQ(auction.MinimumBid(), simMoney(expected, "minimumBid"));
    }
    if (!fixed) {
      EXPECT_EQ(auction.Quantity(), expected.value(QStringLiteral("quantity")).toInt());
    }

    const QString highBidder = expected.value(QStringLiteral("highBidder")).toString();
    if (kind == QStringLiteral("dutch")) {
      EXPECT_EQ(auction.HighBidder(), QStringLiteral("me_bidder"));  // the user is among the winners
    } else if (kind == QStringLiteral("private")) {
      EXPECT_EQ(auction.HighBidder(), QStringLiteral("Private auction"));
    } else if (!fixed) {
      EXPECT_EQ(auction.HighBidder(), highBidder);
    }

    if (expected.value(QStringLiteral("reserve")).toDouble() > 0) {
      EXPECT_EQ(auction.ReserveStatus(), expected.value(QStringLiteral("reserveMet")).toBool()
                                             ? QStringLiteral("RESERVE MET")
                                             : QStringLiteral("RESERVE NOT MET"));
    }
    EXPECT_EQ(auction.EBayAuctionCategory(), kind == QStringLiteral("motors") ? "M" : "");

    // The end as the page states it, in marketplace time.
    QString ends = expected.value(QStringLiteral("ends")).toString();
    ends.chop(4);
    EXPECT_EQ(readDate(auction.EndTime(), locale), readDate(InternationalizeDate(ends), locale));
    if (ended) {
      EXPECT_EQ(auction.TimeRemaining(), QStringLiteral("Item Ended"));
    } else if (kind == QStringLiteral("live")) {
      EXPECT_TRUE(auction.TimeRemaining().endsWith(QStringLiteral(" PST"))) << auction.TimeRemaining().toStdString();
    } else {
      EXPECT_FALSE(auction.TimeRemaining().isEmpty());
    }
  }
  // The user's won auction is flagged (the IDs compare exactly here).
  Auction won;
  won.setNumber(QStringLiteral("5013"));
  won.setMyBidUserID(QStringLiteral("me_bidder"));
  won.UpdateAuctionData();
  EXPECT_EQ(won.HighBidder(), QStringLiteral("me_bidder"));
  EXPECT_TRUE(won.BidsChangeFlag());
}

INSTANTIATE_TEST_SUITE_P(Locales, EveryKindOfPage, ::testing::Values("en_US", "de_DE"), test::LocaleName());

TEST_F(AgainstSimulator, AnInvalidItemAndAFirewallPageFail) {
  startWith(R"({ "auctions": [ { "item": 5099, "kind": "invalid" },
                 { "item": 5100, "title": "Lamp", "seller": "s", "endsIn": 600 } ],
                "faults": [ { "match": "item=5100", "kind": "firewall" } ] })");
  Auction invalid;
  invalid.setNumber(QStringLiteral("5099"));
  EXPECT_FALSE(invalid.UpdateAuctionData());
  EXPECT_EQ(invalid.Description(), QLatin1String(kInvalidAuctionDescription));
  EXPECT_EQ(invalid.TimeRemaining(), QStringLiteral("N/A"));

  Auction blocked;
  blocked.setNumber(QStringLiteral("5100"));
  EXPECT_FALSE(blocked.UpdateAuctionData());
  EXPECT_TRUE(env().logMessages().back().endsWith(QStringLiteral(": Possible Firewall Error")));
  EXPECT_EQ(blocked.Description(), QString());
}

TEST_F(AgainstSimulator, ABidChangeBetweenTwoReadsRaisesTheFlag) {
  startWith(R"({ "auctions": [ { "item": 5200, "title": "Lamp", "seller": "s", "startPrice": 5.00,
                 "endsIn": 3600, "bids": [ { "bidder": "a", "max": 10.00, "at": -100 },
                                           { "bidder": "b", "max": 20.00, "at": 60 } ] } ] })");
  Auction auction;
  auction.setNumber(QStringLiteral("5200"));
  ASSERT_TRUE(auction.UpdateAuctionData());
  EXPECT_FALSE(auction.BidsChangeFlag());
  EXPECT_TRUE(auction.UpdateAuctionData());
  EXPECT_FALSE(auction.BidsChangeFlag());  // nothing changed yet
  market->advance(120000);
  EXPECT_TRUE(auction.UpdateAuctionData());
  EXPECT_TRUE(auction.BidsChangeFlag());
  EXPECT_EQ(auction.HighBidder(), QStringLiteral("b"));
}

TEST_F(AgainstSimulator, TheClockComesIntoStepWithTheTimePage) {
  const struct {
    const char* name;
    const char* timePage;
    double offsetSeconds;
  } cases[] = {
      {"marker 1, short date, 7.25 s ahead", R"({ "marker": 1, "dateForm": "short" })", 7.25},
      {"marker 2, long date, 12.6 s behind", R"({ "marker": 2, "dateForm": "long" })", -12.6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    startWith(std::string(R"({ "clockOffset": )") + std::to_string(c.offsetSeconds) +
              R"(, "timePage": )" + c.timePage + R"(, "auctions": [] })");
    SynchronizeTimeToEbay();
    ASSERT_NE(state().gdatLastSynch, DateTime()) << env().logMessages().join('\n').toStdString();
    // The simulator's clock as West Coast wall time (standard time in December).
    const std::int64_t simWallMs = market->sim->marketNowMs() - 8 * 3600 * 1000;
    const std::int64_t ours = MarketplaceNow().toLocalMs();
    EXPECT_LE(std::abs(ours - simWallMs), 1000) << ours - simWallMs;
  }
}

}  // namespace
}  // namespace bw
