// The other pages the tracker reads: time, winners, lists, account pages,
// bid history, home pages, the update server, control, faults.
#include "Fixture.h"
#include "PageReader.h"

#include <gtest/gtest.h>

#include <chrono>

using testing_support::Sim;

namespace {

TEST(TimePage, ShowsTheMarketplaceClockInEitherMarkerForm) {
    struct Case {
        const char *scenario;
        std::int64_t startMs;
        const char *shown;
    };
    const Case cases[] = {
        {R"({"clockOffset": 7.25})", testing_support::kStartMs, "Dec-11-26 05:00:07"},
        {R"({"clockOffset": -3, "timePage": {"marker": 2}})", testing_support::kStartMs, "Dec-11-26 04:59:57"},
        {R"({"timePage": {"dateForm": "long"}})", testing_support::kStartMs, "December 11, 2026 05:00:00"},
        // Daylight time: 2026-07-01 19:00 UTC is 12:00 PDT.
        {R"({})", testing_support::utcMs(2026, 7, 1, 19, 0, 0), "Jul-01-26 12:00:00"},
        // Daylight time starts on the second Sunday of March at 02:00 and ends
        // on the first Sunday of November at 02:00 (2026: March 8, November 1).
        {R"({})", testing_support::utcMs(2026, 3, 8, 9, 59, 59), "Mar-08-26 01:59:59"},
        {R"({})", testing_support::utcMs(2026, 3, 8, 10, 0, 0), "Mar-08-26 03:00:00"},
        {R"({})", testing_support::utcMs(2026, 11, 1, 8, 59, 59), "Nov-01-26 01:59:59"},
        {R"({})", testing_support::utcMs(2026, 11, 1, 9, 0, 0), "Nov-01-26 01:00:00"},
        {R"({})", testing_support::utcMs(2026, 3, 31, 12, 0, 0), "Mar-31-26 05:00:00"},
        {R"({})", testing_support::utcMs(2026, 10, 20, 12, 0, 0), "Oct-20-26 05:00:00"},
    };
    for (const Case &c : cases) {
        Sim sim(c.scenario, c.startMs);
        const std::string page = sim.get("/aw-cgi/eBayISAPI.dll?TimeShow");
        EXPECT_EQ(reader::officialTime(page), c.shown) << c.scenario;
    }
    Sim summer("{}", testing_support::utcMs(2026, 7, 1, 19, 0, 0));
    EXPECT_NE(summer.get("/aw-cgi/eBayISAPI.dll?TimeShow").find("12:00:00 PDT"), std::string::npos);
}

TEST(WinnersPage, ListsWinnersWithEitherQuantityCellForm) {
    for (const char *form : {"A", "B"}) {
        Sim sim(std::string(R"({"auctions": [{"item": 7, "kind": "dutch", "quantity": 5, "seller": "shop",
            "startPrice": 4, "endsIn": 600, "winnersCellForm": ")") + form + R"(",
            "bids": [{"bidder": "sam", "max": 6, "quantity": 2, "at": -70},
                     {"bidder": "Me_Too", "max": 5, "quantity": 2, "at": -50},
                     {"bidder": "cat", "max": 4.5, "quantity": 2, "at": -10}]}]})");
        const std::string page = sim.get("/aw-cgi/eBayISAPI.dll?ViewBidsDutchHighBidder&item=7&ed=");
        EXPECT_EQ(reader::winnerIds(page), (std::vector<std::string>{"sam", "Me_Too", "cat"})) << form;
        EXPECT_EQ(reader::unitsSold(page), 5) << form;
    }
}

const char *const kLists = R"({
 "accounts": [{"id": "watcher", "password": "pw", "watching": [12, 99]}, {"id": "other", "password": "pw2"}],
 "auctions": [
  {"item": 10, "seller": "shop", "endsIn": 900, "bids": [{"bidder": "watcher", "max": 5, "at": -9}]},
  {"item": 11, "seller": "Shop", "endsIn": 300},
  {"item": 12, "seller": "shop", "endsIn": 600, "bids": [{"bidder": "other", "max": 5, "at": -9}]},
  {"item": 13, "seller": "shop", "endsIn": -60, "bids": [{"bidder": "watcher", "max": 5, "at": -900}]},
  {"item": 14, "seller": "elsewhere", "endsIn": 600, "bids": [{"bidder": "watcher", "max": 5, "at": -9}]},
  {"item": 99, "kind": "invalid"}
 ]})";

TEST(MassAddLists, SellerAndBidderPagesListRunningItems) {
    Sim sim(kLists);
    using Items = std::vector<std::string>;
    EXPECT_EQ(reader::listedItems(sim.get("/aw-cgi/eBayISAPI.dll?MfcISAPICommand=ViewListedItems&userid=shop"
                                          "&include=0&since=-1&sort=3&rows=0")),
              (Items{"11", "12", "10"}));
    EXPECT_EQ(reader::listedItems(
                  sim.get("/ws/eBayISAPI.dll?ViewSellersOtherItems&include=0&userid=shop&sort=3&rows=2")),
              (Items{"11", "12"}));
    EXPECT_EQ(reader::listedItems(sim.get("/aw-cgi/eBayISAPI.dll?MfcISAPICommand=ViewBidItems&userid=watcher"
                                          "&completed=0&all=1&rows=0")),
              (Items{"14", "10"}));
    // Each item shows twice (number and title, the latter with an anchor); a
    // link after the last row is no item.
    const std::string page = sim.get("/ws/eBayISAPI.dll?ViewSellersOtherItems&include=0&userid=shop&sort=3&rows=0");
    EXPECT_NE(page.find(";item=10#desc\""), std::string::npos);
    EXPECT_NE(page.find(";item=0\""), std::string::npos);
}

TEST(AccountPages, SignInGivesASessionAndTheItemsBeingBidOn) {
    Sim sim(kLists);
    const std::string start = sim.get("/ws/ebayISAPI.dll?MyEbayAccount&userid=watcher");
    EXPECT_NE(start.find("Already an eBay user?"), std::string::npos);
    for (const char *field : {"id=\"userid\"", "id=\"pass\"", "id=\"keepMeSignInOption\""})
        EXPECT_NE(start.find(field), std::string::npos) << field;
    // The sign-in form is the second form of the page.
    const auto firstForm = start.find("<form");
    EXPECT_LT(firstForm, start.find("<form name=\"SignInForm\""));

    auto refused = sim.request("POST", "/ws/eBayISAPI.dll?SignIn",
                               "MfcISAPICommand=SignInWelcome&userid=watcher&pass=nope&keepMeSignInOption=1");
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->body.find("Your sign-in information is not valid"), std::string::npos);
    EXPECT_FALSE(refused->has_header("Set-Cookie"));

    auto accepted = sim.request("POST", "/ws/eBayISAPI.dll?SignIn",
                                "MfcISAPICommand=SignInWelcome&userid=watcher&pass=pw&keepMeSignInOption=1");
    ASSERT_TRUE(accepted);
    const std::string cookie = accepted->get_header_value("Set-Cookie").substr(0, accepted->get_header_value("Set-Cookie").find(';'));
    const std::string marker = sim.sim->baseUrl() + "/aw-cgi/ebayISAPI.dll?MyeBayItemsBiddingOn";
    const auto link = accepted->body.find(marker);
    ASSERT_NE(link, std::string::npos);
    std::string address = accepted->body.substr(link, accepted->body.find('"', link) - link);
    for (std::size_t p; (p = address.find("&amp;")) != std::string::npos;) address.replace(p, 5, "&");
    const std::string target = address.substr(sim.sim->baseUrl().size());

    EXPECT_EQ(reader::watchedItems(sim.get(target, cookie)), (std::vector<std::string>{"10", "14", "12"}));
    EXPECT_NE(sim.get(target).find("Already an eBay user?"), std::string::npos) << "no session, no list";
    EXPECT_EQ(reader::watchedItems(sim.get(target, "simsession=forged")).size(), 0u);
}

TEST(BrowserPages, BidHistoryAndHomePages) {
    Sim sim(kLists);
    const std::string history = sim.get("/aw-cgi/eBayISAPI.dll?ViewBids&item=10");
    EXPECT_NE(history.find("watcher"), std::string::npos);
    for (const char *target : {"/", "/search/items/basicsearch.html", "/ws/eBayISAPI.dll?MyEbayLogin"}) {
        auto result = sim.request("GET", target);
        ASSERT_TRUE(result) << target;
        EXPECT_EQ(result->status, 200) << target;
    }
    auto missing = sim.request("GET", "/no/such/page");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->status, 404);
}

TEST(UpdateServer, ServesTheIniFileInstructionsHelpAndSounds) {
    Sim sim(R"({"update": {"currentVersion": "1.2.0", "earliestCompatible": "1.0.0",
                "upgradeInstructions": "Remove the old version first.",
                "ini": {"URLs": {"HelpURL": "http://help.example/"}, "Extra": {"Key": "Value"}}}})");
    const std::string base = sim.sim->baseUrl();
    const std::string ini = sim.get("/BidWarden.ini");
    for (const std::string &line : std::vector<std::string>{"[Application]\r\n", "CurrentVersion=1.2.0\r\n", "EarliestCompatible=1.0.0\r\n",
                                   "IniFile=" + base + "/BidWarden.ini\r\n", "HelpURL=http://help.example/\r\n",
                                   "UpgradeInstructions=" + base + "/UpgradeInstructions.txt\r\n",
                                   "Wave=" + base + "/\r\n", "[Extra]\r\nKey=Value\r\n"})
        EXPECT_NE(ini.find(line), std::string::npos) << line;
    EXPECT_EQ(ini.find("HelpURL=" + base), std::string::npos) << "the scenario's value replaces the built-in one";
    EXPECT_EQ(sim.get("/UpgradeInstructions.txt"), "Remove the old version first.");
    EXPECT_NE(sim.get("/help").find("Bid Warden Help"), std::string::npos);
    for (const char *sound : {"/alert.wav", "/woohoo.wav"}) {
        const std::string wave = sim.get(sound);
        ASSERT_GT(wave.size(), 44u) << sound;
        EXPECT_EQ(wave.substr(0, 4), "RIFF");
        EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
    }
}

TEST(Control, StateLogAndAdditionsWhileRunning) {
    Sim sim(R"({"auctions": [{"item": 1, "startPrice": 10, "endsIn": 600}]})");
    sim.get("/ws/eBayISAPI.dll?ViewItem&item=1");

    auto added = sim.request("POST", "/__sim/auctions", R"({"item": 2, "title": "Added later", "endsIn": 60})");
    ASSERT_TRUE(added);
    EXPECT_EQ(added->status, 201);
    auto duplicate = sim.request("POST", "/__sim/auctions", R"({"item": 2, "endsIn": 60})");
    ASSERT_TRUE(duplicate);
    EXPECT_EQ(duplicate->status, 400);
    EXPECT_NE(duplicate->body.find("used twice"), std::string::npos);
    EXPECT_EQ(reader::readItem(sim.get("/ws/eBayISAPI.dll?ViewItem&item=2"), "-").endText, "Dec-11-26 05:01:00");

    auto rival = sim.request("POST", "/__sim/bids", R"({"item": 1, "bidder": "late_rival", "max": 44})");
    ASSERT_TRUE(rival);
    EXPECT_NE(rival->body.find("accepted"), std::string::npos);
    EXPECT_EQ(reader::readItem(sim.get("/ws/eBayISAPI.dll?ViewItem&item=1"), "-").highBidder, "late_rival");
    auto tooLow = sim.request("POST", "/__sim/bids", R"({"item": 1, "bidder": "cheap", "max": 1})");
    ASSERT_TRUE(tooLow);
    EXPECT_NE(tooLow->body.find("below the minimum"), std::string::npos);

    const std::string state = sim.get("/__sim/state");
    EXPECT_NE(state.find("\"highBidder\": \"late_rival\""), std::string::npos);
    EXPECT_NE(state.find("\"title\": \"Added later\""), std::string::npos);
    const std::string log = sim.get("/__sim/log?since=2");
    EXPECT_EQ(log.find("\"seq\": 1,"), std::string::npos);
    EXPECT_NE(log.find("\"seq\": 3,"), std::string::npos);
    EXPECT_EQ(state.find("/__sim/"), std::string::npos) << "control requests stay out of the log";
}

TEST(Faults, EmptyFirewallDroppedAndSlowAnswers) {
    Sim sim(R"({"auctions": [{"item": 1, "endsIn": 600}],
        "faults": [{"match": "item=1", "kind": "empty", "count": 1},
                   {"match": "TimeShow", "kind": "firewall", "count": 1},
                   {"match": "MakeBid", "kind": "drop"},
                   {"match": "ViewBids&", "kind": "slow", "delayMs": 300}]})");
    EXPECT_EQ(sim.get("/ws/eBayISAPI.dll?ViewItem&item=1"), "");
    EXPECT_FALSE(reader::readItem(sim.get("/ws/eBayISAPI.dll?ViewItem&item=1"), "-").invalid) << "only once";
    EXPECT_TRUE(reader::readItem(sim.get("/aw-cgi/eBayISAPI.dll?TimeShow"), "-").firewall);
    EXPECT_FALSE(reader::officialTime(sim.get("/aw-cgi/eBayISAPI.dll?TimeShow")).empty());
    auto dropped = sim.request("POST", "/aw-cgi/eBayISAPI.dll", "MfcISAPICommand=MakeBid&item=1&maxbid=5");
    EXPECT_FALSE(dropped && dropped->body.find("Review and confirm") != std::string::npos);

    const auto before = std::chrono::steady_clock::now();
    EXPECT_FALSE(sim.get("/aw-cgi/eBayISAPI.dll?ViewBids&item=1").empty());
    EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(300));

    const auto log = sim.sim->requestLog();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0].fault, "empty");
    EXPECT_EQ(log[1].fault, "");
    EXPECT_EQ(log[2].fault, "firewall");
    EXPECT_EQ(log[4].fault, "drop");
    EXPECT_EQ(log[4].outcome, "confirm") << "a dropped answer was still acted on";
    EXPECT_EQ(log[5].fault, "slow");
}

} // namespace

namespace {

// A test that starts the simulator and stops it without a single request
// must not hang in the stop.
TEST(Lifecycle, StopRightAfterStartReturns) {
    marketsim::ManualClock clock(testing_support::kStartMs);
    for (int round = 0; round < 20; ++round) {
        auto sim = marketsim::Simulator::fromJson("{}", clock);
        ASSERT_TRUE(sim->start(0));
        sim->stop();
    }
}

} // namespace
