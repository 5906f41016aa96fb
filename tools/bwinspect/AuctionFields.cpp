#include "AuctionFields.h"

#include "core/Format.h"
#include "model/Auction.h"

namespace bwinspect {

namespace {

QString text(const QString& value) { return value; }
QString text(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
QString text(std::int16_t value) { return QString::number(value); }
QString text(std::int32_t value) { return QString::number(value); }
QString text(bw::Money value) { return value.toText(); }
QString text(const bw::DateTime& value) {
  return bw::formatDateTime(value, QStringLiteral("yyyy-mm-dd hh:mm:ss"));
}

}  // namespace

QStringList auctionFieldLines(const bw::Auction& a) {
  QStringList lines;
#define BW_FIELD(Name) lines.push_back(QStringLiteral(#Name "=") + text(a.Name()))
  BW_FIELD(AuctionSite);
  BW_FIELD(Number);
  BW_FIELD(Description);
  BW_FIELD(EBayNonAuctionFinalRefreshDone);
  BW_FIELD(LastRefreshFailed);
  BW_FIELD(ScheduledListing);
  BW_FIELD(CurrentPrice);
  BW_FIELD(MinimumBid);
  BW_FIELD(CurrentProfit);
  BW_FIELD(Bids);
  BW_FIELD(BidsChangeFlag);
  BW_FIELD(TimeRemaining);
  BW_FIELD(EndTime);
  BW_FIELD(Flagged);
  BW_FIELD(ReserveStatus);
  BW_FIELD(MyBidStatus);
  BW_FIELD(MyBidAmount);
  lines.push_back(QStringLiteral("MyBidPassword=") + QString(a.MyBidPassword().size(), u'*'));
  BW_FIELD(MyBidWhenToPlace);
  BW_FIELD(TrackingProfit);
  BW_FIELD(EBayAuctionCategory);
  BW_FIELD(EbayGalleryPicturePreview);
  BW_FIELD(EbayGalleryFeatured);
  BW_FIELD(EbayPicsInsertCount);
  BW_FIELD(EbayPicLayoutStandard);
  BW_FIELD(EbayPicLayoutSlideShow);
  BW_FIELD(EbayPicLayoutSupersize);
  BW_FIELD(EbayPicLayoutPicturePack);
  BW_FIELD(EbayBuyItNow);
  BW_FIELD(EbayMultipleListings);
  BW_FIELD(EbayFeaturedOnHome);
  BW_FIELD(EbayFeaturedPlus);
  BW_FIELD(EbayItemHighlighted);
  BW_FIELD(EbayItemBoldFace);
  BW_FIELD(ReservePrice);
  BW_FIELD(MinimumOpeningBid);
  BW_FIELD(Duration);
  BW_FIELD(SellerCost);
  BW_FIELD(UnitsSold);
  BW_FIELD(EbayVehicleAuction);
  BW_FIELD(EbayMotorcycleAuction);
  BW_FIELD(MyBidQuantity);
  BW_FIELD(AuctionCurrency);
  BW_FIELD(PriceInUSD);
  BW_FIELD(Quantity);
  BW_FIELD(GiftIcon);
  BW_FIELD(Notes);
  BW_FIELD(EBayNonAuctionItem);
  BW_FIELD(InitialQuantity);
  BW_FIELD(HighBidder);
  BW_FIELD(Seller);
  BW_FIELD(MyBidUserID);
#undef BW_FIELD
  return lines;
}

}  // namespace bwinspect
