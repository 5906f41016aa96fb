#pragma once
#include <QString>
#include <cstdint>
#include "core/Money.h"

namespace bw {

// The seller's listing answers that the sale-options dialog collects and
// `Auctions.Add` copies into a new auction. Fields are named after the
// auction properties they fill.
struct ProfitInfoRecord {
  bool TrackingProfit = false;
  QString EBayAuctionCategory = QStringLiteral(" ");
  bool EbayVehicleAuction = false;
  bool EbayMotorcycleAuction = false;
  bool EbayGalleryPicturePreview = false;
  bool EbayGalleryFeatured = false;
  std::int16_t EbayPicsInsertCount = 0;
  bool EbayPicLayoutStandard = false;
  bool EbayPicLayoutSlideShow = false;
  bool EbayPicLayoutSupersize = false;
  bool EbayPicLayoutPicturePack = false;
  bool EbayBuyItNow = false;
  bool EbayMultipleListings = false;
  bool EbayFeaturedOnHome = false;
  bool EbayFeaturedPlus = false;
  bool EbayItemHighlighted = false;
  bool EbayItemBoldFace = false;
  Money ReservePrice;
  Money MinimumOpeningBid;
  std::int16_t Duration = 0;
  Money SellerCost;
  std::int32_t InitialQuantity = 0;
  std::int32_t UnitsSold = 0;
  bool ScheduledListing = false;
  bool GiftIcon = false;

  bool operator==(const ProfitInfoRecord&) const = default;
};

// The process-wide record; lives for the whole run.
extern ProfitInfoRecord ProfitInfo;

// Clears ProfitInfo: tracking off, category " ", every flag false, every
// amount and count 0.
void InitializeProfitInfo();

}  // namespace bw
