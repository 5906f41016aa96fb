#include <gtest/gtest.h>
#include "core/Error.h"
#include "model/Auction.h"

namespace bw {
namespace {

TEST(Auction, FreshAuctionIsEmpty) {
  const Auction a;
  EXPECT_EQ(a.MyBidStatus(), "");
  EXPECT_EQ(a.Bids(), 0);
  EXPECT_EQ(a.Number(), "");
  EXPECT_EQ(a.AuctionSite(), 0);
  EXPECT_EQ(a.CurrentPrice(), Money());
  EXPECT_EQ(a.MyBidWhenToPlace(), DateTime());
  EXPECT_FALSE(a.BidsChangeFlag());
  EXPECT_FALSE(a.GiftIcon());
}

TEST(Auction, NumberAndUserIdAreTrimmed) {
  Auction a;
  a.setNumber("  3053412345 ");
  EXPECT_EQ(a.Number(), "3053412345");
  a.setMyBidUserID("\tbidder one  ");
  EXPECT_EQ(a.MyBidUserID(), "bidder one");
  // Everything else is stored as given.
  a.setDescription("  Lamp  ");
  a.setMyBidPassword(" pw ");
  EXPECT_EQ(a.Description(), "  Lamp  ");
  EXPECT_EQ(a.MyBidPassword(), " pw ");
}

TEST(Auction, CategoryAcceptsSInAnyCaseUpperMAndBlank) {
  for (const char* ok : {"S", "s", "M", "", "   "}) {
    Auction a;
    a.setEBayAuctionCategory(ok);
    EXPECT_EQ(a.EBayAuctionCategory(), ok);
  }
}

TEST(Auction, CategoryRefusesOtherValuesAndKeepsTheOldOne) {
  for (const char* bad : {"m", "X", "SS", " S", "M "}) {
    Auction a;
    a.setEBayAuctionCategory("S");
    try {
      a.setEBayAuctionCategory(bad);
      ADD_FAILURE() << "accepted " << bad;
    } catch (const Error& e) {
      EXPECT_EQ(e.number(), 4096);
      EXPECT_EQ(e.source(), "Auction.EbayAuctionCategory");
      EXPECT_EQ(e.description(), "Invalid Category Code. Must be S or M");
    }
    EXPECT_EQ(a.EBayAuctionCategory(), "S");
  }
}

}  // namespace
}  // namespace bw
