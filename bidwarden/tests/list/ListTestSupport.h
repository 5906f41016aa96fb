#pragma once
#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include "list/AuctionRecord.h"
#include "list/Auctions.h"
#include "list/ListViews.h"
#include "model/Auction.h"
#include "platform/Cp1252.h"

namespace bw::test {

// Refreshes from a table of answers instead of the marketplace.
class FakeAuctionOperations final : public AuctionOperations {
 public:
  bool UpdateAuctionData(Auction& auction) override {
    refreshed << auction.Number();
    if (failing.contains(auction.Number())) return false;
    if (descriptions.contains(auction.Number()))
      auction.setDescription(descriptions.value(auction.Number()));
    return true;
  }
  void CalcProfit(Auction& auction) override {
    ++profitComputations;
    auction.setCurrentProfit(computedProfit);
  }

  QSet<QString> failing;
  QMap<QString, QString> descriptions;
  QStringList refreshed;
  int profitComputations = 0;
  Money computedProfit = Money::fromWhole(42);
};

class RecordingViews final : public RefreshProgressView, public AuctionsFileView {
 public:
  void setSplashCaption(const QString& caption) override { splashCaptions << caption; }
  void setStatusText(const QString& text) override { statusTexts << text; }
  void processPendingMessages() override { ++pumps; }
  void setMainCaption(const QString& caption) override { captions << caption; }
  void tellUnreadLinesKept(const QString& path, int lineNumber, const QString& copy) override {
    unread << QStringLiteral("%1|%2|%3").arg(path).arg(lineNumber).arg(copy);
  }

  QStringList splashCaptions, statusTexts, captions, unread;
  int pumps = 0;
};

// A record as the file holds it, and a line of the file read into an auction.
inline QByteArray recordBytes(const Auction& a, RecordForm form = RecordForm::Full) {
  return toCp1252(buildAuctionRecord(a, form));
}
inline void readRecordBytes(const QByteArray& line, Auction& a) {
  readAuctionRecord(fromCp1252(line), a);
}

// Puts `text` at 1-based `position` of a blank record.
inline void place(QByteArray& record, int position, const QByteArray& text) {
  record.replace(position - 1, text.size(), text);
}

inline QByteArray readBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("write");
  file.write(bytes);
}

// An auction with every stored field set away from its default.
inline std::unique_ptr<Auction> fullAuction(const QString& number) {
  auto a = std::make_unique<Auction>();
  a->setAuctionSite(1);
  a->setNumber(number);
  a->setDescription(QStringLiteral("Brass telescope, 1890s"));
  a->setEBayNonAuctionFinalRefreshDone(true);
  a->setLastRefreshFailed(true);
  a->setScheduledListing(true);
  a->setCurrentPrice(Money::fromTenThousandths(125000));  // 12.5
  a->setMinimumBid(Money::fromTenThousandths(130000));
  a->setCurrentProfit(Money::fromTenThousandths(-35000));
  a->setBids(7);
  a->setBidsChangeFlag(true);
  a->setTimeRemaining(QStringLiteral("2 days 4 hours"));
  a->setEndTime(QStringLiteral("12/11/2003 6:16:05 PM"));
  a->setFlagged(true);
  a->setReserveStatus(QStringLiteral("RESERVE MET"));
  a->setMyBidStatus(QStringLiteral("PENDING"));
  a->setMyBidAmount(Money::fromTenThousandths(205000));
  a->setMyBidPassword(QStringLiteral("s3cret!"));
  a->setMyBidWhenToPlace(DateTime::fromParts(2003, 12, 11, 18, 15, 55));
  a->setMyBidQuantity(2);
  a->setTrackingProfit(true);
  a->setEBayAuctionCategory(QStringLiteral("M"));
  a->setEbayGalleryPicturePreview(true);
  a->setEbayGalleryFeatured(true);
  a->setEbayPicsInsertCount(3);
  a->setEbayPicLayoutStandard(true);
  a->setEbayPicLayoutSlideShow(true);
  a->setEbayPicLayoutSupersize(true);
  a->setEbayPicLayoutPicturePack(true);
  a->setEbayBuyItNow(true);
  a->setEbayMultipleListings(true);
  a->setEbayFeaturedOnHome(true);
  a->setEbayFeaturedPlus(true);
  a->setEbayItemHighlighted(true);
  a->setEbayItemBoldFace(true);
  a->setReservePrice(Money::fromWhole(100));
  a->setMinimumOpeningBid(Money::fromTenThousandths(9900));
  a->setDuration(7);
  a->setSellerCost(Money::fromWhole(40));
  a->setUnitsSold(4);
  a->setEbayVehicleAuction(true);
  a->setEbayMotorcycleAuction(true);
  a->setAuctionCurrency(QStringLiteral("GBP"));
  a->setPriceInUSD(Money::fromTenThousandths(201234));
  a->setQuantity(5);
  a->setGiftIcon(true);
  a->setNotes(QStringLiteral("Ask about shipping&!Paid by cheque"));
  a->setEBayNonAuctionItem(true);
  a->setInitialQuantity(9);
  a->setHighBidder(QStringLiteral("stargazer_42"));
  a->setSeller(QStringLiteral("antique-optics"));
  a->setMyBidUserID(QStringLiteral("my_own_id"));
  return a;
}

}  // namespace bw::test
