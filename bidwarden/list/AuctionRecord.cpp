#include "list/AuctionRecord.h"
#include "list/FileDateTime.h"

#include <cmath>
#include <limits>
#include "core/Error.h"
#include "model/Auction.h"
#include "settings/Scramble.h"

namespace bw {

namespace {

// Positions count from 1, as the format is written down.
struct Slot {
  int position;
  int width;
};

namespace Field {
constexpr Slot AuctionSite{1, 2};
constexpr Slot Number{3, 15};
constexpr Slot Description{18, 100};
constexpr Slot EBayNonAuctionFinalRefreshDone{118, 1};
constexpr Slot LastRefreshFailed{119, 1};
constexpr Slot ScheduledListing{120, 1};
constexpr Slot CurrentPrice{121, 10};
constexpr Slot MinimumBid{131, 10};
constexpr Slot CurrentProfit{141, 10};
constexpr Slot Bids{151, 4};
constexpr Slot BidsChangeFlag{155, 5};
constexpr Slot OlderHighBidder{160, 20};
constexpr Slot OlderSeller{180, 20};
constexpr Slot TimeRemaining{200, 20};
constexpr Slot EndTime{220, 20};
constexpr Slot Flagged{240, 5};
constexpr Slot ReserveStatus{245, 20};
constexpr Slot MyBidStatus{265, 20};
constexpr Slot MyBidAmount{285, 10};
constexpr Slot OlderMyBidUserID{295, 50};
constexpr Slot MyBidPassword{345, 50};
constexpr Slot MyBidWhenToPlace{395, 20};
constexpr Slot TrackingProfit{415, 5};
constexpr Slot EBayAuctionCategory{420, 1};
constexpr Slot EbayGalleryPicturePreview{421, 5};
constexpr Slot EbayGalleryFeatured{426, 5};
constexpr Slot EbayPicsInsertCount{431, 2};
constexpr Slot EbayPicLayoutStandard{433, 5};
constexpr Slot EbayPicLayoutSlideShow{438, 5};
constexpr Slot EbayPicLayoutSupersize{443, 5};
constexpr Slot EbayPicLayoutPicturePack{448, 5};
constexpr Slot EbayBuyItNow{453, 5};
constexpr Slot EbayMultipleListings{458, 5};
constexpr Slot EbayFeaturedOnHome{463, 5};
constexpr Slot EbayFeaturedPlus{468, 5};
constexpr Slot EbayItemHighlighted{473, 5};
constexpr Slot EbayItemBoldFace{478, 5};
constexpr Slot ReservePrice{509, 10};
constexpr Slot MinimumOpeningBid{519, 10};
constexpr Slot Duration{529, 2};
constexpr Slot SellerCost{531, 10};
constexpr Slot UnitsSold{546, 3};
constexpr Slot EbayVehicleAuction{564, 5};
constexpr Slot EbayMotorcycleAuction{569, 5};
constexpr Slot MyBidQuantity{574, 3};
constexpr Slot AuctionCurrency{577, 5};
constexpr Slot PriceInUSD{582, 10};
constexpr Slot Quantity{592, 7};
constexpr Slot GiftIcon{599, 1};
constexpr Slot Notes{601, 250};
constexpr Slot EBayNonAuctionItem{851, 5};
constexpr Slot InitialQuantity{856, 7};
constexpr Slot HighBidder{863, 64};
constexpr Slot Seller{927, 64};
constexpr Slot MyBidUserID{991, 64};
}  // namespace Field

// ---- writing ----------------------------------------------------------

class RecordWriter {
 public:
  RecordWriter() : record_(kAuctionRecordLength, QChar(' ')) {}

  void text(Slot slot, const QString& value) {
    QChar* out = record_.data() + (slot.position - 1);
    const qsizetype n = std::min<qsizetype>(value.size(), slot.width);
    for (qsizetype i = 0; i < n; ++i) {
      // One file character per character: a character outside the basic
      // plane cannot be written and must not shift the fields after it,
      // and a line break would split the record in two.
      const QChar c = value[i];
      if (c.isSurrogate())
        out[i] = QChar('?');
      else if (c == QChar('\r') || c == QChar('\n'))
        out[i] = QChar(' ');
      else
        out[i] = c;
    }
  }
  void whole(Slot slot, long long value) { text(slot, QString::number(value)); }
  void money(Slot slot, Money value) { text(slot, value.toText()); }
  void trueFalse(Slot slot, bool value) {
    text(slot, value ? QStringLiteral("True ") : QStringLiteral("False"));
  }
  void yesNo(Slot slot, bool value) { text(slot, value ? QStringLiteral("Y") : QStringLiteral("N")); }
  void dateTime(Slot slot, const DateTime& value) { text(slot, fileDateTimeText(value)); }

  const QString& text() const { return record_; }

 private:
  QString record_;
};


// ---- reading ----------------------------------------------------------

class RecordReader {
 public:
  explicit RecordReader(const QString& line) : line_(line) {}

  QString raw(Slot slot) const { return line_.mid(slot.position - 1, slot.width); }
  QString trimmed(Slot slot) const { return raw(slot).trimmed(); }

  template <typename Int>
  Int strictWhole(Slot slot) const {
    return toWhole<Int>(Money::fromText(trimmed(slot)));
  }
  template <typename Int>
  Int lenientWhole(Slot slot) const {
    try {
      return strictWhole<Int>(slot);
    } catch (const Error&) {
      return 0;
    }
  }
  Money strictMoney(Slot slot) const { return Money::fromText(trimmed(slot)); }
  Money lenientMoney(Slot slot) const {
    try {
      return strictMoney(slot);
    } catch (const Error&) {
      return Money();
    }
  }
  bool trueFalse(Slot slot) const { return line_[slot.position - 1] == QChar('T'); }
  bool yesNo(Slot slot) const { return line_[slot.position - 1] == QChar('Y'); }
  DateTime dateTime(Slot slot) const {
    if (const auto date = readFileDateTime(trimmed(slot))) return *date;
    throw Error(Error::TypeMismatch);
  }

 private:
  // Whole numbers convert the way the system reads them: decimals round to
  // the nearest, halves to even; a value outside the type overflows.
  template <typename Int>
  static Int toWhole(Money value) {
    const std::int64_t units = value.tenThousandths();
    std::int64_t whole = units / 10000;
    const std::int64_t rest = units % 10000;
    const std::int64_t half = rest < 0 ? -rest : rest;
    if (half > 5000 || (half == 5000 && (whole % 2 != 0))) whole += units < 0 ? -1 : 1;
    if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max())
      throw Error(Error::Overflow);
    return static_cast<Int>(whole);
  }

  QString line_;
};

QString fitLine(QStringView line) {
  QString text = line.left(kAuctionRecordLength).toString();
  if (text.size() < kAuctionRecordLength)
    text.append(QString(kAuctionRecordLength - text.size(), QChar(' ')));
  return text;
}

}  // namespace

QString buildAuctionRecord(const Auction& a, RecordForm form) {
  const bool full = form == RecordForm::Full;
  RecordWriter w;
  w.whole(Field::AuctionSite, a.AuctionSite());
  w.text(Field::Number, a.Number());
  if (full) w.text(Field::Description, a.Description());
  w.yesNo(Field::EBayNonAuctionFinalRefreshDone, a.EBayNonAuctionFinalRefreshDone());
  w.yesNo(Field::LastRefreshFailed, a.LastRefreshFailed());
  w.yesNo(Field::ScheduledListing, a.ScheduledListing());
  w.money(Field::CurrentPrice, a.CurrentPrice());
  w.money(Field::MinimumBid, a.MinimumBid());
  w.money(Field::CurrentProfit, a.CurrentProfit());
  w.whole(Field::Bids, a.Bids());
  w.trueFalse(Field::BidsChangeFlag, a.BidsChangeFlag());
  w.text(Field::TimeRemaining, a.TimeRemaining());
  w.text(Field::EndTime, full ? asFileDateTime(a.EndTime()) : a.EndTime());
  w.trueFalse(Field::Flagged, a.Flagged());
  w.text(Field::ReserveStatus, a.ReserveStatus());
  w.text(Field::MyBidStatus, a.MyBidStatus());
  w.money(Field::MyBidAmount, a.MyBidAmount());
  w.text(Field::MyBidPassword, Scramble(a.MyBidPassword()));
  w.dateTime(Field::MyBidWhenToPlace, a.MyBidWhenToPlace());
  w.trueFalse(Field::TrackingProfit, a.TrackingProfit());
  w.text(Field::EBayAuctionCategory, a.EBayAuctionCategory());
  w.trueFalse(Field::EbayGalleryPicturePreview, a.EbayGalleryPicturePreview());
  w.trueFalse(Field::EbayGalleryFeatured, a.EbayGalleryFeatured());
  w.whole(Field::EbayPicsInsertCount, a.EbayPicsInsertCount());
  w.trueFalse(Field::EbayPicLayoutStandard, a.EbayPicLayoutStandard());
  w.trueFalse(Field::EbayPicLayoutSlideShow, a.EbayPicLayoutSlideShow());
  w.trueFalse(Field::EbayPicLayoutSupersize, a.EbayPicLayoutSupersize());
  w.trueFalse(Field::EbayPicLayoutPicturePack, a.EbayPicLayoutPicturePack());
  w.trueFalse(Field::EbayBuyItNow, a.EbayBuyItNow());
  w.trueFalse(Field::EbayMultipleListings, a.EbayMultipleListings());
  w.trueFalse(Field::EbayFeaturedOnHome, a.EbayFeaturedOnHome());
  w.trueFalse(Field::EbayFeaturedPlus, a.EbayFeaturedPlus());
  w.trueFalse(Field::EbayItemHighlighted, a.EbayItemHighlighted());
  w.trueFalse(Field::EbayItemBoldFace, a.EbayItemBoldFace());
  w.money(Field::ReservePrice, a.ReservePrice());
  w.money(Field::MinimumOpeningBid, a.MinimumOpeningBid());
  w.whole(Field::Duration, a.Duration());
  w.money(Field::SellerCost, a.SellerCost());
  w.whole(Field::UnitsSold, a.UnitsSold());
  w.trueFalse(Field::EbayVehicleAuction, a.EbayVehicleAuction());
  w.trueFalse(Field::EbayMotorcycleAuction, a.EbayMotorcycleAuction());
  w.whole(Field::MyBidQuantity, a.MyBidQuantity());
  w.text(Field::AuctionCurrency, a.AuctionCurrency());
  w.money(Field::PriceInUSD, a.PriceInUSD());
  w.whole(Field::Quantity, a.Quantity());
  w.yesNo(Field::GiftIcon, a.GiftIcon());
  if (full) w.text(Field::Notes, a.Notes());
  w.trueFalse(Field::EBayNonAuctionItem, a.EBayNonAuctionItem());
  w.whole(Field::InitialQuantity, a.InitialQuantity());
  w.text(Field::HighBidder, a.HighBidder());
  w.text(Field::Seller, a.Seller());
  w.text(Field::MyBidUserID, a.MyBidUserID());
  return w.text();
}

void readAuctionRecord(QStringView line, Auction& a) {
  const RecordReader r(fitLine(line));
  a.setAuctionSite(r.strictWhole<std::int32_t>(Field::AuctionSite));
  a.setNumber(r.trimmed(Field::Number));
  a.setDescription(r.trimmed(Field::Description));
  a.setEBayNonAuctionFinalRefreshDone(r.yesNo(Field::EBayNonAuctionFinalRefreshDone));
  a.setLastRefreshFailed(r.yesNo(Field::LastRefreshFailed));
  a.setScheduledListing(r.yesNo(Field::ScheduledListing));
  a.setCurrentPrice(r.strictMoney(Field::CurrentPrice));
  a.setMinimumBid(r.strictMoney(Field::MinimumBid));
  a.setCurrentProfit(r.strictMoney(Field::CurrentProfit));
  a.setBids(r.strictWhole<std::int16_t>(Field::Bids));
  a.setBidsChangeFlag(r.trueFalse(Field::BidsChangeFlag));
  const QString olderHighBidder = r.trimmed(Field::OlderHighBidder);
  const QString olderSeller = r.trimmed(Field::OlderSeller);
  a.setTimeRemaining(r.trimmed(Field::TimeRemaining));
  a.setEndTime(r.trimmed(Field::EndTime));
  a.setFlagged(r.trueFalse(Field::Flagged));
  a.setReserveStatus(r.trimmed(Field::ReserveStatus));
  a.setMyBidStatus(r.trimmed(Field::MyBidStatus));
  a.setMyBidAmount(r.strictMoney(Field::MyBidAmount));
  const QString olderUserId = r.trimmed(Field::OlderMyBidUserID);
  a.setMyBidPassword(UnScramble(r.trimmed(Field::MyBidPassword)));
  a.setMyBidWhenToPlace(r.dateTime(Field::MyBidWhenToPlace));
  a.setTrackingProfit(r.trueFalse(Field::TrackingProfit));
  a.setEBayAuctionCategory(r.trimmed(Field::EBayAuctionCategory));
  a.setEbayGalleryPicturePreview(r.trueFalse(Field::EbayGalleryPicturePreview));
  a.setEbayGalleryFeatured(r.trueFalse(Field::EbayGalleryFeatured));
  a.setEbayPicsInsertCount(r.strictWhole<std::int16_t>(Field::EbayPicsInsertCount));
  a.setEbayPicLayoutStandard(r.trueFalse(Field::EbayPicLayoutStandard));
  a.setEbayPicLayoutSlideShow(r.trueFalse(Field::EbayPicLayoutSlideShow));
  a.setEbayPicLayoutSupersize(r.trueFalse(Field::EbayPicLayoutSupersize));
  a.setEbayPicLayoutPicturePack(r.trueFalse(Field::EbayPicLayoutPicturePack));
  a.setEbayBuyItNow(r.trueFalse(Field::EbayBuyItNow));
  a.setEbayMultipleListings(r.trueFalse(Field::EbayMultipleListings));
  a.setEbayFeaturedOnHome(r.trueFalse(Field::EbayFeaturedOnHome));
  a.setEbayFeaturedPlus(r.trueFalse(Field::EbayFeaturedPlus));
  a.setEbayItemHighlighted(r.trueFalse(Field::EbayItemHighlighted));
  a.setEbayItemBoldFace(r.trueFalse(Field::EbayItemBoldFace));
  a.setReservePrice(r.strictMoney(Field::ReservePrice));
  a.setMinimumOpeningBid(r.strictMoney(Field::MinimumOpeningBid));
  a.setDuration(r.strictWhole<std::int16_t>(Field::Duration));
  a.setSellerCost(r.strictMoney(Field::SellerCost));
  a.setUnitsSold(r.lenientWhole<std::int16_t>(Field::UnitsSold));
  // Blank reads as false by the T/F rule already.
  a.setEbayVehicleAuction(r.trueFalse(Field::EbayVehicleAuction));
  a.setEbayMotorcycleAuction(r.trueFalse(Field::EbayMotorcycleAuction));
  a.setMyBidQuantity(r.lenientWhole<std::int16_t>(Field::MyBidQuantity));
  const QString currency = r.trimmed(Field::AuctionCurrency);
  a.setAuctionCurrency(currency.isEmpty() ? QStringLiteral("USD") : currency);
  a.setPriceInUSD(r.lenientMoney(Field::PriceInUSD));
  a.setQuantity(r.strictWhole<std::int32_t>(Field::Quantity));
  a.setGiftIcon(r.yesNo(Field::GiftIcon));
  a.setNotes(r.trimmed(Field::Notes));
  a.setEBayNonAuctionItem(r.trueFalse(Field::EBayNonAuctionItem));
  a.setInitialQuantity(r.lenientWhole<std::int32_t>(Field::InitialQuantity));
  a.setHighBidder(olderHighBidder.isEmpty() ? r.trimmed(Field::HighBidder) : olderHighBidder);
  a.setSeller(olderSeller.isEmpty() ? r.trimmed(Field::Seller) : olderSeller);
  a.setMyBidUserID(olderUserId.isEmpty() ? r.trimmed(Field::MyBidUserID) : olderUserId);
}

}  // namespace bw
