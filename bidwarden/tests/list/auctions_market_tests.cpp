// The list against the marketplace simulator over real HTTP.
#include <gtest/gtest.h>
#include "ListTestSupport.h"
#include "support/SimulatedMarketplace.h"

namespace bw::test {
namespace {

const char* const kScenario = R"({
  "auctions": [
    { "item": 4001, "title": "Brass Ship's Telescope", "seller": "brassworks", "startPrice": 9.99,
      "endsIn": 3600, "bids": [ { "bidder": "harbor_hank", "max": 18.00, "at": -5000 } ] },
    { "item": 4002, "title": "Leather Journal", "seller": "paper_trail", "startPrice": 12.00,
      "endsIn": 3600 },
    { "item": 4003, "title": "Silver Pocket Watch", "seller": "london_finds", "currency": "GBP",
      "startPrice": 40.00, "endsIn": 3600 }
  ],
  "faults": [ { "match": "item=4002", "kind": "empty" } ]
})";

class AuctionsMarketTest : public ::testing::Test {
 protected:
  QString path() const { return env.dataFolder() + QStringLiteral("Auctions.dat"); }

  SimulatedMarketplace market{kScenario};
  TestEnvironment& env = market.env;
  RecordingViews views;
};

TEST_F(AuctionsMarketTest, UpdateAllReadsEveryPageAndMarksTheOneThatFailed) {
  {
    FakeAuctionOperations offline;
    Auctions seed(AuctionsDependencies{&offline, nullptr, nullptr});
    seed.Load(path());
    for (const char* n : {"4001", "4002", "4003"}) seed.Add(QString::fromLatin1(n), 1);
  }
  Auctions list(AuctionsDependencies{nullptr, &views, &views});  // the item-page reader
  ASSERT_TRUE(list.Load(path()));
  ASSERT_EQ(list.Count(), 3);

  EXPECT_FALSE(list.UpdateAuctions());
  const Auction& telescope = *list.Item(QStringLiteral("4001"));
  EXPECT_FALSE(telescope.LastRefreshFailed());
  EXPECT_EQ(telescope.Description(), QStringLiteral("Brass Ship's Telescope"));
  EXPECT_EQ(telescope.Seller(), QStringLiteral("brassworks"));
  EXPECT_EQ(telescope.Bids(), 1);
  EXPECT_TRUE(list.Item(QStringLiteral("4002"))->LastRefreshFailed());
  const Auction& watch = *list.Item(QStringLiteral("4003"));
  EXPECT_FALSE(watch.LastRefreshFailed());
  EXPECT_EQ(watch.Description(), QStringLiteral("Silver Pocket Watch"));
  EXPECT_EQ(watch.AuctionCurrency(), QStringLiteral("GBP"));
  EXPECT_EQ(watch.CurrentPrice(), Money::fromTenThousandths(400000));
  EXPECT_EQ(views.pumps, 3);

  // What was read survives the save and the next load.
  ASSERT_TRUE(list.Save());
  Auctions reloaded(AuctionsDependencies{nullptr, nullptr, nullptr});
  ASSERT_TRUE(reloaded.Load(path()));
  EXPECT_EQ(reloaded.Item(QStringLiteral("4001"))->Description(),
            QStringLiteral("Brass Ship's Telescope"));
  EXPECT_TRUE(reloaded.Item(QStringLiteral("4002"))->LastRefreshFailed());
}

TEST_F(AuctionsMarketTest, AddReadsThePageAndRefusesAnItemThatCannotBeRead) {
  Auctions list(AuctionsDependencies{nullptr, nullptr, nullptr});
  list.Load(path());
  list.Add(QStringLiteral("4001"), 1);
  list.Add(QStringLiteral("4002"), 1);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Item(QStringLiteral("4001"))->Seller(), QStringLiteral("brassworks"));
  EXPECT_EQ(readBytes(path()).size(), 1056);
  EXPECT_TRUE(env.logMessages().contains(QStringLiteral("Unable to add auction.")));
}

}  // namespace
}  // namespace bw::test
