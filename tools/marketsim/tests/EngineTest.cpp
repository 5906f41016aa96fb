// The proxy-bidding rules and the scenario's timeline.
#include "Fixture.h"
#include "Market.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace marketsim;

namespace {

struct StandingCase {
    const char *name;
    Cents start;
    Cents reserve;
    std::vector<PlacedBid> bids;
    const char *highBidder;
    Cents price;
    bool reserveMet;
    Cents minimumBid;
};

void PrintTo(const StandingCase &c, std::ostream *os) { *os << c.name; }

class ProxyBidding : public ::testing::TestWithParam<StandingCase> {};

TEST_P(ProxyBidding, PriceLeaderAndNextMinimum) {
    const StandingCase &c = GetParam();
    AuctionSpec spec;
    spec.startPrice = c.start;
    spec.reserve = c.reserve;
    const Standing st = computeStanding(spec, standardIncrements(), c.bids);
    EXPECT_EQ(st.highBidder, c.highBidder);
    EXPECT_EQ(st.price, c.price);
    EXPECT_EQ(st.reserveMet, c.reserveMet);
    EXPECT_EQ(st.minimumBid, c.minimumBid);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProxyBidding,
    ::testing::Values(
        StandingCase{"NoBids", 500, 0, {}, "", 500, true, 500},
        StandingCase{"OneBidPaysTheStart", 500, 0, {{"a", 2000, 1, 1}}, "a", 500, true, 550},
        StandingCase{"SecondMaxPlusIncrement", 500, 0, {{"a", 2000, 1, 1}, {"b", 1200, 1, 2}}, "a", 1250, true, 1300},
        StandingCase{"NeverAboveTheLeadersMax", 500, 0, {{"a", 1220, 1, 1}, {"b", 1200, 1, 2}}, "a", 1220, true, 1270},
        StandingCase{"EarlierBidWinsATie", 500, 0, {{"a", 1500, 1, 1}, {"b", 1500, 1, 2}}, "a", 1500, true, 1550},
        StandingCase{"LaterHigherBidTakesTheLead", 500, 0, {{"a", 1500, 1, 1}, {"b", 1600, 1, 2}}, "b", 1550, true,
                     1600},
        StandingCase{"RaisingOwnMaxKeepsThePrice", 500, 0, {{"a", 1000, 1, 1}, {"a", 3000, 1, 2}}, "a", 500, true,
                     550},
        StandingCase{"IncrementStepsAtItsBoundary", 50, 0, {{"a", 5000, 1, 1}, {"b", 95, 1, 2}}, "a", 100, true, 125},
        StandingCase{"ReserveNotMet", 1000, 10000, {{"a", 9000, 1, 1}}, "a", 1000, false, 1050},
        StandingCase{"MetReserveLiftsThePrice", 1000, 10000, {{"a", 12000, 1, 1}, {"b", 5000, 1, 2}}, "a", 10000,
                     true, 10250}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DutchAuction, WinnersTakeUnitsInOrderAndPayTheLowestWinningBid) {
    AuctionSpec spec;
    spec.kind = Kind::Dutch;
    spec.quantity = 5;
    spec.startPrice = 400;
    const std::vector<PlacedBid> bids = {{"sam", 600, 2, 1}, {"ann", 500, 2, 2}, {"cat", 450, 2, 3}, {"dan", 420, 1, 4}};
    const Standing st = computeStanding(spec, standardIncrements(), bids);
    ASSERT_EQ(st.winners.size(), 3u);
    EXPECT_EQ(st.winners[2].bidder, "cat");
    EXPECT_EQ(st.winners[2].quantity, 1);
    EXPECT_EQ(st.price, 450);
    EXPECT_EQ(st.minimumBid, 475);

    const Standing undersold = computeStanding(spec, standardIncrements(), {{"sam", 600, 2, 1}});
    EXPECT_EQ(undersold.price, 400);
    EXPECT_EQ(undersold.minimumBid, 400);
}

TEST(Timeline, RivalBidsArriveOnTheMarketplaceClock) {
    Scenario scenario = parseScenario(R"({"clockOffset": 7.25, "auctions": [{"item": 1, "startPrice": 10,
        "endsIn": 100, "bids": [{"bidder": "early", "max": 20, "at": -5}, {"bidder": "soon", "max": 30, "at": 10},
                                {"bidder": "tooLate", "max": 90, "at": 100}]}]})");
    ManualClock clock(testing_support::kStartMs);
    Market market(scenario, clock);
    EXPECT_EQ(market.startMs(), testing_support::kStartMs + 7000);  // whole seconds
    EXPECT_EQ(market.marketNowMs(), testing_support::kStartMs + 7250);
    EXPECT_EQ(market.standing("1")->highBidder, "early");
    clock.advanceMs(9'749);  // one ms before the rival's bid
    EXPECT_EQ(market.standing("1")->highBidder, "early");
    clock.advanceMs(1);
    EXPECT_EQ(market.standing("1")->highBidder, "soon");
    clock.advanceMs(200'000);
    EXPECT_EQ(market.standing("1")->highBidder, "soon");
    EXPECT_NE(market.stateJson().find("tooLate 90.00 at Dec-11-26 05:01:47 PST: after the end"), std::string::npos);
}

TEST(Timeline, BidsBelowTheMinimumOrAfterTheEndAreRefused) {
    ManualClock clock(testing_support::kStartMs);
    Market market(parseScenario(R"({"auctions": [{"item": 1, "startPrice": 10, "endsIn": 60}]})"), clock);
    EXPECT_EQ(market.placeBid("1", "a", 999, 1), BidResult::BelowMinimum);
    EXPECT_EQ(market.placeBid("1", "a", 1000, 1), BidResult::Accepted);
    EXPECT_EQ(market.placeBid("1", "b", 1049, 1), BidResult::BelowMinimum);
    clock.advanceMs(60'000);
    EXPECT_EQ(market.placeBid("1", "b", 5000, 1), BidResult::Ended);
    EXPECT_EQ(market.standing("1")->highBidder, "a");
}

TEST(Timeline, BuyItNowPurchaseEndsTheAuction) {
    ManualClock clock(testing_support::kStartMs);
    Market market(parseScenario(R"({"auctions": [{"item": 1, "startPrice": 10, "endsIn": 600,
        "buyItNow": {"price": 45, "buyer": "quinn", "at": 30}}]})"), clock);
    EXPECT_EQ(market.placeBid("1", "a", 1200, 1), BidResult::Accepted);
    clock.advanceMs(30'000);
    const Standing st = *market.standing("1");
    EXPECT_EQ(st.highBidder, "quinn");
    EXPECT_EQ(st.price, 4500);
    EXPECT_EQ(market.placeBid("1", "b", 9000, 1), BidResult::Ended);
}

TEST(Scenario, BadInputIsNamed) {
    const std::pair<const char *, const char *> cases[] = {
        {"{", "not valid JSON"},
        {"[]", "must be a JSON object"},
        {R"({"auctions": [{"endsIn": 5}]})", "numeric \"item\""},
        {R"({"auctions": [{"item": 1}]})", "\"endsIn\""},
        {R"({"auctions": [{"item": 1, "endsIn": 5, "kind": "raffle"}]})", "unknown kind \"raffle\""},
        {R"({"auctions": [{"item": 1, "endsIn": 5, "titel": "x"}]})", "unknown key \"titel\""},
        {R"({"auctions": [{"item": 1, "endsIn": 5}, {"item": 1, "endsIn": 6}]})", "used twice"},
        {R"({"auctions": [{"item": 1, "endsIn": 5, "kind": "dutch"}]})", "quantity"},
        {R"({"auctions": [{"item": 1, "endsIn": 5, "currency": "XYZ"}]})", "\"currency\""},
        {R"({"auctions": [{"item": 1, "endsIn": 5, "bids": [{"bidder": "a"}]}]})", "\"max\""},
        {R"({"increments": [{"from": 1, "step": 0.5}]})", "start at 0"},
        {R"({"faults": [{"match": "x", "kind": "explode"}]})", "\"kind\""},
        {R"({"timePage": {"marker": 3}})", "\"marker\" must be 1 to 2"},
    };
    for (const auto &[json, message] : cases) {
        try {
            parseScenario(json);
            ADD_FAILURE() << json << " was accepted";
        } catch (const std::invalid_argument &e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

TEST(Scenario, DemoScenarioLoadsWithAuctionsEndingWithinHalfAnHour) {
    std::ifstream in(MARKETSIM_DEMO_SCENARIO);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const Scenario scenario = parseScenario(text);
    int running = 0;
    for (const AuctionSpec &a : scenario.auctions) {
        if (a.kind == Kind::Invalid || a.endsInMs < 0) continue;
        ++running;
        EXPECT_GE(a.endsInMs, 5 * 60'000) << a.item;
        EXPECT_LE(a.endsInMs, 30 * 60'000) << a.item;
    }
    EXPECT_GE(running, 12);
}

} // namespace
