#pragma once
#include <QString>
#include <cstdint>
#include "core/DateTime.h"
#include "core/Money.h"

namespace bw {

// One tracked auction. Accessors store what they are given, except that
// Number and MyBidUserID are trimmed of blanks and EBayAuctionCategory
// checks its value.
//
// UpdateAuctionData (item page reader), PlaceBid (bid protocol) and
// CalcProfit (profit tracking) join this class with those parts.
// CurrentProfit reads the stored value until profit tracking recomputes it.
class Auction {
 public:
  // Refreshes the record from the item page (model/ItemPageReader.cpp): true
  // when the auction is up to date, false when the refresh failed.
  bool UpdateAuctionData();

#define BW_AUCTION_PROPERTY(Type, Name)                  \
 public:                                                 \
  const Type& Name() const { return m_##Name; }          \
  void set##Name(const Type& value) { m_##Name = value; } \
                                                         \
 private:                                                \
  Type m_##Name{};

  BW_AUCTION_PROPERTY(std::int32_t, AuctionSite)
 public:
  const QString& Number() const { return m_Number; }
  void setNumber(const QString& value) { m_Number = value.trimmed(); }

 private:
  QString m_Number;
  BW_AUCTION_PROPERTY(QString, Description)
  BW_AUCTION_PROPERTY(std::int32_t, Quantity)
  BW_AUCTION_PROPERTY(Money, CurrentPrice)
  BW_AUCTION_PROPERTY(Money, PriceInUSD)
  BW_AUCTION_PROPERTY(QString, AuctionCurrency)
  BW_AUCTION_PROPERTY(Money, MinimumBid)
  BW_AUCTION_PROPERTY(Money, CurrentProfit)
  BW_AUCTION_PROPERTY(std::int16_t, Bids)
  BW_AUCTION_PROPERTY(bool, BidsChangeFlag)
  BW_AUCTION_PROPERTY(QString, HighBidder)
  BW_AUCTION_PROPERTY(QString, Seller)
  BW_AUCTION_PROPERTY(QString, TimeRemaining)
  BW_AUCTION_PROPERTY(QString, EndTime)
  BW_AUCTION_PROPERTY(bool, Flagged)
  BW_AUCTION_PROPERTY(QString, ReserveStatus)
  BW_AUCTION_PROPERTY(QString, MyBidStatus)
  BW_AUCTION_PROPERTY(Money, MyBidAmount)
 public:
  QString MyBidUserID() const { return m_MyBidUserID.trimmed(); }
  void setMyBidUserID(const QString& value) { m_MyBidUserID = value.trimmed(); }

 private:
  QString m_MyBidUserID;
  BW_AUCTION_PROPERTY(QString, MyBidPassword)
  BW_AUCTION_PROPERTY(DateTime, MyBidWhenToPlace)
  BW_AUCTION_PROPERTY(std::int16_t, MyBidQuantity)
  BW_AUCTION_PROPERTY(bool, TrackingProfit)
 public:
  const QString& EBayAuctionCategory() const { return m_EBayAuctionCategory; }
  // Accepts "S" in any case, exactly "M", or a value blank after trimming,
  // and stores it unchanged; else throws Error 4096 from
  // "Auction.EbayAuctionCategory" and keeps the old value.
  void setEBayAuctionCategory(const QString& value);

 private:
  QString m_EBayAuctionCategory;
  BW_AUCTION_PROPERTY(bool, EbayGalleryPicturePreview)
  BW_AUCTION_PROPERTY(bool, EbayGalleryFeatured)
  BW_AUCTION_PROPERTY(std::int16_t, EbayPicsInsertCount)
  BW_AUCTION_PROPERTY(bool, EbayPicLayoutStandard)
  BW_AUCTION_PROPERTY(bool, EbayPicLayoutSlideShow)
  BW_AUCTION_PROPERTY(bool, EbayPicLayoutSupersize)
  BW_AUCTION_PROPERTY(bool, EbayPicLayoutPicturePack)
  BW_AUCTION_PROPERTY(bool, EbayBuyItNow)
  BW_AUCTION_PROPERTY(bool, EbayMultipleListings)
  BW_AUCTION_PROPERTY(bool, EbayFeaturedOnHome)
  BW_AUCTION_PROPERTY(bool, EbayFeaturedPlus)
  BW_AUCTION_PROPERTY(bool, EbayItemHighlighted)
  BW_AUCTION_PROPERTY(bool, EbayItemBoldFace)
  BW_AUCTION_PROPERTY(Money, ReservePrice)
  BW_AUCTION_PROPERTY(Money, MinimumOpeningBid)
  BW_AUCTION_PROPERTY(std::int16_t, Duration)
  BW_AUCTION_PROPERTY(Money, SellerCost)
  BW_AUCTION_PROPERTY(std::int16_t, UnitsSold)
  BW_AUCTION_PROPERTY(bool, EbayVehicleAuction)
  BW_AUCTION_PROPERTY(bool, EbayMotorcycleAuction)
  BW_AUCTION_PROPERTY(QString, Notes)
  BW_AUCTION_PROPERTY(bool, EBayNonAuctionItem)
  BW_AUCTION_PROPERTY(bool, EBayNonAuctionFinalRefreshDone)
  BW_AUCTION_PROPERTY(std::int32_t, InitialQuantity)
  BW_AUCTION_PROPERTY(bool, LastRefreshFailed)
  BW_AUCTION_PROPERTY(bool, AlertRaised)
  BW_AUCTION_PROPERTY(bool, PreSnipeSynchPerformed)
  BW_AUCTION_PROPERTY(bool, ScheduledListing)
  BW_AUCTION_PROPERTY(bool, GiftIcon)
#undef BW_AUCTION_PROPERTY
};

// The texts of MyBidStatus, TimeRemaining and AuctionCurrency.
namespace BidStatus {
inline constexpr const char* None = "";
inline constexpr const char* Pending = "PENDING";
inline constexpr const char* Placed = "PLACED";
inline constexpr const char* Outbid = "OUTBID";
inline constexpr const char* BadPassword = "BAD PASSWORD";
inline constexpr const char* WrongPasswordOrId = "WRONG PASSWORD OR ID";
inline constexpr const char* UserNotRegistered = "USER NOT REGISTERED";
inline constexpr const char* AuctionEnded = "AUCTION ENDED";
inline constexpr const char* BidderBlocked = "BIDDER BLOCKED";
inline constexpr const char* ConnectionDown = "CONNECTION DOWN";
inline constexpr const char* Error = "ERROR";
}  // namespace BidStatus

namespace TimeRemainingText {
inline constexpr const char* ItemEnded = "Item Ended";
inline constexpr const char* AuctionEnded = "Auction Ended";  // files written earlier
inline constexpr const char* NotAvailable = "N/A";
}  // namespace TimeRemainingText

inline constexpr const char* kInvalidAuctionDescription =
    "** ERROR: AUCTION INVALID OR CANCELLED **";

}  // namespace bw
