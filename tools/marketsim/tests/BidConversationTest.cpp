// The two-post bid conversation, played through HTTP and classified with
// the tracker's phrases.
#include "Fixture.h"
#include "PageReader.h"

#include <gtest/gtest.h>

using testing_support::Sim;

namespace {

const char *const kBids = R"({
 "accounts": [{"id": "sniper", "password": "secret"}, {"id": "newbie", "password": "pw", "registered": false},
              {"id": "banned", "password": "pw", "blockedBy": ["grumpy"]}, {"id": "a b&c", "password": "p%+"}],
 "auctions": [
  {"item": 1, "seller": "shop", "startPrice": 10, "endsIn": 600, "bids": [{"bidder": "rival", "max": 20, "at": -60}]},
  {"item": 2, "seller": "shop", "startPrice": 10, "reserve": 100, "endsIn": 600},
  {"item": 3, "seller": "grumpy", "startPrice": 10, "endsIn": 600},
  {"item": 4, "seller": "shop", "startPrice": 10, "endsIn": -10},
  {"item": 5, "seller": "shop", "startPrice": 10, "endsIn": 600, "blockedAtMakeBid": true},
  {"item": 6, "kind": "motors", "seller": "cars", "startPrice": 100, "endsIn": 600},
  {"item": 7, "kind": "dutch", "quantity": 3, "seller": "shop", "startPrice": 5, "endsIn": 600,
   "bids": [{"bidder": "r1", "max": 9, "quantity": 3, "at": -50}]}
 ]})";

const char *const kPath = "/aw-cgi/eBayISAPI.dll";
const char *const kMotorsPath = "/ebaymotors/aw-cgi/eBayISAPI.dll";

struct Conversation {
    int first = -1;
    int second = -1;
    std::string firstAnswer;
    std::string secondAnswer;
};

// The tracker's side: make-bid, read the key, accept-bid.
Conversation bid(Sim &sim, const std::string &path, const std::string &item, const std::string &amount, int quantity,
                 const std::string &encodedUser, const std::string &encodedPass) {
    Conversation c;
    std::string body = "MfcISAPICommand=MakeBid&item=" + item + "&maxbid=" + amount;
    if (quantity > 1) body += "&quant=" + std::to_string(quantity);
    c.firstAnswer = sim.post(path, body);
    c.first = reader::classifyFirst(c.firstAnswer);
    if (c.first != 0) return c;
    const std::string key = reader::bidKey(c.firstAnswer);
    EXPECT_FALSE(key.empty());
    c.secondAnswer = sim.post(path, "MfcISAPICommand=AcceptBid&item=" + item + "&key=" + key + "&maxbid=" + amount +
                                        "&quant=" + std::to_string(quantity) + "&userid=" + encodedUser +
                                        "&pass=" + encodedPass + "&signin=n");
    c.second = reader::classifySecond(c.secondAnswer);
    return c;
}

struct BidCase {
    const char *name;
    const char *path;
    const char *item;
    const char *amount;
    int quantity;
    const char *user;
    const char *pass;
    int first;   // 0: confirmation page
    int second;  // -1: no second post
};

void PrintTo(const BidCase &c, std::ostream *os) { *os << c.name; }

class BidOutcomes : public ::testing::TestWithParam<BidCase> {};

TEST_P(BidOutcomes, AnswerCarriesTheOutcomesPhrase) {
    const BidCase &c = GetParam();
    Sim sim(kBids);
    const Conversation r = bid(sim, c.path, c.item, c.amount, c.quantity, c.user, c.pass);
    EXPECT_EQ(r.first, c.first) << r.firstAnswer;
    EXPECT_EQ(r.second, c.second) << r.secondAnswer;
}

INSTANTIATE_TEST_SUITE_P(
    EveryOutcome, BidOutcomes,
    ::testing::Values(BidCase{"HighBidder", kPath, "1", "25.00", 1, "sniper", "secret", 0, 1},
                      BidCase{"OutbidByAProxy", kPath, "1", "15", 1, "sniper", "secret", 0, 2},
                      BidCase{"ReserveNotMet", kPath, "2", "50", 1, "sniper", "secret", 0, 3},
                      BidCase{"WrongPassword", kPath, "1", "25", 1, "sniper", "wrong", 0, 4},
                      BidCase{"UnknownUser", kPath, "1", "25", 1, "nobody", "x", 0, 4},
                      BidCase{"EmptyUserId", kPath, "1", "25", 1, "", "x", 0, 4},
                      BidCase{"UnknownMotorsUser", kMotorsPath, "6", "150", 1, "nobody", "x", 0, 4},
                      BidCase{"BelowTheMinimum", kPath, "1", "10.49", 1, "sniper", "secret", 5, -1},
                      BidCase{"RegistrationNotConfirmed", kPath, "1", "25", 1, "newbie", "pw", 0, 6},
                      BidCase{"AuctionAlreadyOver", kPath, "4", "25", 1, "sniper", "secret", 7, -1},
                      BidCase{"InvalidItem", kPath, "999", "25", 1, "sniper", "secret", 10, -1},
                      BidCase{"BlockedAtMakeBid", kPath, "5", "25", 1, "sniper", "secret", 11, -1},
                      BidCase{"BlockedBySeller", kPath, "3", "25", 1, "banned", "pw", 0, 11},
                      BidCase{"EncodedIdAndPassword", kPath, "1", "25", 1, "a+b%26c", "p%25%2B", 0, 1},
                      BidCase{"MotorsHighBidder", kMotorsPath, "6", "150", 1, "sniper", "secret", 0, 1},
                      BidCase{"DutchUnits", kPath, "7", "10", 2, "sniper", "secret", 0, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BidConversation, AuctionClosingBetweenThePostsClosesBidding) {
    Sim sim(kBids);
    const std::string first = sim.post(kPath, "MfcISAPICommand=MakeBid&item=1&maxbid=30");
    const std::string key = reader::bidKey(first);
    sim.advance(600'000);
    const std::string second = sim.post(kPath, "MfcISAPICommand=AcceptBid&item=1&key=" + key +
                                                   "&maxbid=30&quant=1&userid=sniper&pass=secret&signin=n");
    EXPECT_EQ(reader::classifySecond(second), 7);
    EXPECT_EQ(second.find("bidding is closed for this item"), std::string::npos) << "only the flattened text has it";
}

TEST(BidConversation, KeyServesOnce) {
    Sim sim(kBids);
    const std::string key = reader::bidKey(sim.post(kPath, "MfcISAPICommand=MakeBid&item=1&maxbid=30"));
    const std::string accept =
        "MfcISAPICommand=AcceptBid&item=1&key=" + key + "&maxbid=30&quant=1&userid=sniper&pass=secret&signin=n";
    EXPECT_EQ(reader::classifySecond(sim.post(kPath, accept)), 1);
    EXPECT_EQ(reader::classifySecond(sim.post(kPath, accept)), 10);
}

TEST(BidConversation, OtherPageFormsOfTheScenario) {
    std::string scenario = kBids;
    scenario.replace(scenario.find("{\n \"accounts\""), 2,
                     R"({"bidPages": {"keyForm": 2, "confirmWording": 2, "highBidderWording": 2, "reserveWording": 2},
 )");
    Sim sim(scenario);
    const Conversation high = bid(sim, kPath, "1", "25", 1, "sniper", "secret");
    EXPECT_NE(reader::cleanHtml(high.firstAnswer).find("Confirm that your bid is correct and then place your bid"),
              std::string::npos);
    EXPECT_NE(high.firstAnswer.find("name=\"key\" value=\""), std::string::npos);
    EXPECT_EQ(high.second, 1);
    EXPECT_NE(high.secondAnswer.find("Your bid is confirmed!"), std::string::npos);
    const Conversation reserve = bid(sim, kPath, "2", "50", 1, "sniper", "secret");
    EXPECT_EQ(reserve.second, 3);
    EXPECT_NE(reserve.secondAnswer.find("Please go back and bid a higher price"), std::string::npos);
}

TEST(BidConversation, RequestLogTimesEveryArrivalToTheMillisecond) {
    std::string scenario = kBids;
    scenario.replace(scenario.find("{\n \"accounts\""), 2, "{\"clockOffset\": 7.25,\n ");
    Sim sim(scenario);
    const std::string key = reader::bidKey(sim.post(kPath, "MfcISAPICommand=MakeBid&item=1&maxbid=30"));
    sim.advance(1'234);
    sim.post(kPath, "MfcISAPICommand=AcceptBid&item=1&key=" + key +
                        "&maxbid=30&quant=1&userid=sniper&pass=secret&signin=n");
    const auto log = sim.sim->requestLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].command, "MakeBid");
    EXPECT_EQ(log[0].outcome, "confirm");
    EXPECT_EQ(log[1].command, "AcceptBid");
    EXPECT_EQ(log[1].item, "1");
    EXPECT_EQ(log[1].outcome, "high-bidder");
    EXPECT_EQ(log[1].arrivalMs, testing_support::kStartMs + 7'250 + 1'234);
    EXPECT_EQ(log[1].arrivalText, "2026-12-11 05:00:08.484 PST");
    EXPECT_EQ(log[1].target, kPath);
    EXPECT_NE(log[1].body.find("pass=***"), std::string::npos);
    EXPECT_EQ(log[1].body.find("secret"), std::string::npos);
}

} // namespace
