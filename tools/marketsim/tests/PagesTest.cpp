// Item pages as the tracker's reader sees them: every kind of item, read
// through the reading rules, gives the values the scenario implies.
#include "Fixture.h"
#include "PageReader.h"

#include <gtest/gtest.h>

using testing_support::Sim;

namespace {

const char *const kItems = R"({"auctions": [
  {"item": 100, "title": "Brass Telescope & Case", "seller": "brassworks", "startPrice": 10, "endsIn": 300,
   "bids": [{"bidder": "hank", "max": 18, "at": -500}, {"bidder": "lens", "max": 25.5, "at": -100}]},
  {"item": 101, "title": "Leather Journal", "seller": "paper_trail", "startPrice": 12, "endsIn": 420},
  {"item": 102, "seller": "atomic", "startPrice": 50, "reserve": 250, "endsIn": 540,
   "bids": [{"bidder": "vic", "max": 120, "at": -10}, {"bidder": "mo", "max": 140, "at": -5}]},
  {"item": 103, "seller": "books", "startPrice": 20, "reserve": 60, "endsIn": 660, "descriptionAnchor": "bold",
   "bids": [{"bidder": "sleuth", "max": 50, "at": -40}, {"bidder": "worm", "max": 75, "at": -30}]},
  {"item": 104, "kind": "dutch", "seller": "marbles", "quantity": 5, "startPrice": 4, "endsIn": 780,
   "bids": [{"bidder": "sam", "max": 6, "quantity": 2, "at": -70}, {"bidder": "ann", "max": 5, "quantity": 2, "at": -50},
            {"bidder": "cat", "max": 4.5, "quantity": 2, "at": -10}]},
  {"item": 105, "kind": "fixedPrice", "seller": "straps", "startPrice": 14.95, "quantity": 10, "endsIn": 1800,
   "bids": [{"bidder": "tick", "quantity": 2, "max": 14.95, "at": -5}]},
  {"item": 106, "kind": "store", "seller": "kitchen", "startPrice": 34, "quantity": 3, "endsIn": 1500},
  {"item": 107, "seller": "toys", "startPrice": 15, "endsIn": 1200, "buyItNow": {"price": 45, "buyer": "quinn", "at": -1},
   "bids": [{"bidder": "gear", "max": 18, "at": -20}]},
  {"item": 108, "kind": "motors", "seller": "cars", "startPrice": 5000, "endsIn": 900,
   "bids": [{"bidder": "carl", "max": 9000, "at": -50}]},
  {"item": 109, "kind": "live", "seller": "gallery", "startPrice": 200, "endsIn": 1020,
   "bids": [{"bidder": "patron", "max": 260, "at": -30}]},
  {"item": 110, "kind": "private", "seller": "stamps", "startPrice": 80, "endsIn": 1140,
   "bids": [{"bidder": "s1", "max": 150, "at": -80}, {"bidder": "s2", "max": 110, "at": -40}]},
  {"item": 111, "currency": "GBP", "seller": "EURO_DM_SHOP", "startPrice": 40, "endsIn": 1260, "priceLabel": "Current bid",
   "usdRate": 1.5, "bids": [{"bidder": "keeper", "max": 55, "at": -90}, {"bidder": "rival", "max": 48, "at": -30}]},
  {"item": 112, "currency": "EUR", "seller": "berlin", "startPrice": 25, "endsIn": 1380, "bidCountForm": "script",
   "showMinimumBid": false, "usdRate": 1.2,
   "bids": [{"bidder": "knight", "max": 31, "at": -60}, {"bidder": "rook", "max": 29, "at": -45}]},
  {"item": 113, "descriptionAnchor": "none", "seller": "coin$shop", "startPrice": 5, "endsIn": 600,
   "bids": [{"bidder": "x", "max": 7, "at": -5}]},
  {"item": 114, "currency": "C $", "seller": "maple", "startPrice": 1000, "endsIn": 600,
   "bids": [{"bidder": "a", "max": 1300, "at": -9}, {"bidder": "b", "max": 1234.5, "at": -8}]},
  {"item": 120, "startPrice": 30, "endsIn": -600, "endedWording": "Auction has ended.", "endedSellerForm": "feedback",
   "bids": [{"bidder": "winner", "max": 42, "at": -9000}]},
  {"item": 121, "startPrice": 30, "endsIn": -600, "endedWording": "Item has ended.", "endedSellerForm": "rating",
   "bids": [{"bidder": "winner", "max": 42, "at": -9000}]},
  {"item": 122, "startPrice": 30, "endsIn": -600, "endedWording": "Auction Ended", "endedSellerForm": "listed",
   "bids": [{"bidder": "winner", "max": 42, "at": -9000}]},
  {"item": 123, "startPrice": 30, "endsIn": -600, "endedWording": "This auction has ended.",
   "bids": [{"bidder": "winner", "max": 42, "at": -9000}]},
  {"item": 124, "startPrice": 30, "endsIn": -600, "endedWording": "Bidding is closed for this item.",
   "endedSellerForm": "rating", "bids": [{"bidder": "winner", "max": 42, "at": -9000}]},
  {"item": 130, "kind": "invalid"}
],
"faults": [{"match": "item=131", "kind": "firewall"}]})";

struct ItemCase {
    const char *item;
    const char *currency;
    const char *price;
    const char *usdPrice;
    const char *bids;
    const char *reserve;
    const char *timeLeft;
    long quantity;
    const char *seller;
    const char *highBidder;
    const char *minimumBid;
    bool cannotBid;
};

void PrintTo(const ItemCase &c, std::ostream *os) { *os << "item " << c.item; }

class ItemPages : public ::testing::TestWithParam<ItemCase> {
protected:
    static void SetUpTestSuite() { sim = new Sim(kItems); }
    static void TearDownTestSuite() {
        delete sim;
        sim = nullptr;
    }
    static Sim *sim;
};
Sim *ItemPages::sim = nullptr;

TEST_P(ItemPages, ReadAsTheSceneDescribes) {
    const ItemCase &c = GetParam();
    const std::string page = sim->get(std::string("/ws/eBayISAPI.dll?ViewItem&item=") + c.item);
    const reader::ItemRead r = reader::readItem(page, sim->motorsBidAddress());
    EXPECT_FALSE(r.invalid);
    EXPECT_EQ(r.currency, c.currency);
    EXPECT_EQ(r.price, c.price);
    EXPECT_EQ(r.usdPrice, c.usdPrice);
    EXPECT_EQ(r.bids, c.bids);
    EXPECT_EQ(r.reserve, c.reserve);
    EXPECT_EQ(r.timeLeft, c.timeLeft);
    EXPECT_EQ(r.quantity, c.quantity);
    EXPECT_EQ(r.seller, c.seller);
    EXPECT_EQ(r.highBidder, c.highBidder);
    EXPECT_EQ(r.minimumBid, c.minimumBid);
    EXPECT_EQ(r.cannotBid, c.cannotBid);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ItemPages,
    ::testing::Values(
        ItemCase{"100", "USD", "18.50", "18.50", "2", "", "5 mins 0 secs", 1, "brassworks", "lens", "19.00", false},
        ItemCase{"101", "USD", "12.00", "12.00", "0", "", "7 mins 0 secs", 1, "paper_trail", "", "12.00", false},
        ItemCase{"102", "USD", "122.50", "122.50", "2", "RESERVE NOT MET", "9 mins 0 secs", 1, "atomic", "mo",
                 "125.00", false},
        ItemCase{"103", "USD", "60.00", "60.00", "2", "RESERVE MET", "11 mins 0 secs", 1, "books", "worm", "61.00",
                 false},
        ItemCase{"104", "USD", "4.50", "4.50", "3", "", "13 mins 0 secs", 5, "marbles", "See winning bidders list",
                 "4.75", false},
        ItemCase{"105", "USD", "14.95", "14.95", "-1", "", "30 mins 0 secs", 8, "straps", "", "0", true},
        ItemCase{"106", "USD", "34.00", "34.00", "-1", "", "25 mins 0 secs", 3, "kitchen", "", "0", true},
        ItemCase{"107", "USD", "45.00", "45.00", "1", "", "Item Ended", 1, "toys", "quinn", "0", false},
        ItemCase{"108", "USD", "5000.00", "5000.00", "1", "", "15 mins 0 secs", 1, "cars", "carl", "5100.00", false},
        ItemCase{"109", "USD", "200.00", "200.00", "1", "", "17 mins 0 secs", 1, "gallery", "patron", "202.50", false},
        ItemCase{"110", "USD", "112.50", "112.50", "2", "", "19 mins 0 secs", 1, "stamps", "Private auction",
                 "115.00", false},
        ItemCase{"111", "GBP", "49.00", "73.50", "2", "", "21 mins 0 secs", 1, "EURO_DM_SHOP", "keeper", "50.00",
                 false},
        ItemCase{"112", "EUR", "30.00", "36.00", "2", "", "23 mins 0 secs", 1, "berlin", "knight", "31.00", false},
        ItemCase{"113", "USD", "5.00", "5.00", "1", "", "10 mins 0 secs", 1, "coin$shop", "x", "5.50", false},
        ItemCase{"114", "C $", "1259.50", "957.22", "2", "", "10 mins 0 secs", 1, "maple", "a", "1284.50", false},
        ItemCase{"120", "USD", "30.00", "30.00", "1", "", "Item Ended", 1, "seller_120", "winner", "0", false},
        ItemCase{"121", "USD", "30.00", "30.00", "1", "", "Item Ended", 1, "seller_121", "winner", "0", false},
        ItemCase{"122", "USD", "30.00", "30.00", "1", "", "Item Ended", 1, "seller_122", "winner", "0", false},
        ItemCase{"123", "USD", "30.00", "30.00", "1", "", "Item Ended", 1, "seller_123", "winner", "0", false},
        ItemCase{"124", "USD", "30.00", "30.00", "1", "", "Item Ended", 1, "seller_124", "winner", "0", false}),
    [](const auto &info) { return std::string("item") + info.param.item; });

TEST_F(ItemPages, TitleAndEndTimeComeFromTheTitleLine) {
    const reader::ItemRead r = reader::readItem(sim->get("/ws/eBayISAPI.dll?ViewItem&item=100"), "-");
    EXPECT_EQ(r.title, "Brass Telescope & Case");
    EXPECT_EQ(r.endText, "Dec-11-26 05:05:00");
}

TEST_F(ItemPages, MotorsAndLiveItemsCarryTheirMarkers) {
    const std::string motors = sim->get("/ws/eBayISAPI.dll?ViewItem&item=108");
    EXPECT_TRUE(reader::readItem(motors, sim->motorsBidAddress()).motors);
    EXPECT_NE(reader::headOf(reader::cleanHtml(motors)).find(sim->motorsBidAddress()), std::string::npos);
    EXPECT_NE(motors.find("<b>Vehicle Description</b>"), std::string::npos);
    EXPECT_TRUE(reader::readItem(sim->get("/ws/eBayISAPI.dll?ViewItem&item=109"), "-").live);
    EXPECT_FALSE(reader::readItem(sim->get("/ws/eBayISAPI.dll?ViewItem&item=100"), sim->motorsBidAddress()).motors);
}

TEST_F(ItemPages, InvalidAndBlockedPages) {
    EXPECT_TRUE(reader::readItem(sim->get("/ws/eBayISAPI.dll?ViewItem&item=130"), "-").invalid);
    EXPECT_TRUE(reader::readItem(sim->get("/ws/eBayISAPI.dll?ViewItem&item=999"), "-").invalid);
    EXPECT_TRUE(reader::readItem(sim->get("/ws/eBayISAPI.dll?ViewItem&item=131"), "-").firewall);
}

// The seller's description repeats marker words; only a reader that keeps
// to the head gets the values above (no reserve, the real price).
TEST_F(ItemPages, DescriptionHoldsDecoysBelowTheHead) {
    for (const char *item : {"101", "103", "112", "113"}) {
        const std::string page = reader::cleanHtml(sim->get(std::string("/ws/eBayISAPI.dll?ViewItem&item=") + item));
        const std::string head = reader::headOf(page);
        const std::string rest = page.substr(head.size());
        for (const char *decoy : {"Time left", "(reserve met)", "Currently US $1.00", "Quantity"})
            EXPECT_NE(rest.find(decoy), std::string::npos) << item << " lacks decoy " << decoy;
        EXPECT_EQ(head.find("Currently US $1.00"), std::string::npos) << item;
    }
}

TEST_F(ItemPages, MarkerPhrasesAreBrokenAcrossLines) {
    const std::string raw = sim->get("/ws/eBayISAPI.dll?ViewItem&item=102");
    for (const char *phrase : {"# of bids", "(reserve not yet met)", "Seller assumes all responsibility"}) {
        EXPECT_EQ(raw.find(phrase), std::string::npos) << phrase;
        EXPECT_NE(reader::cleanHtml(raw).find(phrase), std::string::npos) << phrase;
    }
}

TEST(ItemPage, TextIsSentAsWindows1252) {
    Sim sim(R"({"auctions": [{"item": 1, "title": "Café set £5 – rare", "endsIn": 60}]})");
    const std::string raw = sim.get("/ws/eBayISAPI.dll?ViewItem&item=1");
    EXPECT_NE(raw.find("Caf\xE9 set \xA3" "5 \x96 rare"), std::string::npos);
}

TEST(ItemPage, FollowsTheMarketplaceClock) {
    Sim sim(R"({"auctions": [{"item": 1, "startPrice": 10, "endsIn": 120,
                "bids": [{"bidder": "early", "max": 20, "at": -60}, {"bidder": "late", "max": 30, "at": 60}]}]})");
    const auto read = [&] { return reader::readItem(sim.get("/ws/eBayISAPI.dll?ViewItem&item=1"), "-"); };
    EXPECT_EQ(read().highBidder, "early");
    EXPECT_EQ(read().price, "10.00");
    sim.advance(61'000);
    EXPECT_EQ(read().highBidder, "late");
    EXPECT_EQ(read().price, "20.50");
    EXPECT_EQ(read().timeLeft, "0 mins 59 secs");
    sim.advance(59'000);
    EXPECT_EQ(read().timeLeft, "Item Ended");
    EXPECT_EQ(read().minimumBid, "0");
}

} // namespace
